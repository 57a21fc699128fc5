#pragma once

#include "platform/Outcome.h"
#include "state/AlbumState.h"

// Whether an album made with thumbnails keeps the limit of 20 photos; a failure
// says how to put it right.
Outcome checkThumbnailLimit(const AlbumState& state);
