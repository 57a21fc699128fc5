#pragma once

#include "state/AlbumState.h"

// Why an album made with thumbnails cannot hold its photos (more than 20 of
// them), or an empty string when the limit is kept.
QString thumbnailLimitProblem(const AlbumState& state);
