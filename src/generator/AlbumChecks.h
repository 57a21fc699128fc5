#pragma once

#include "generator/GenerateAlbum.h"

// Everything generation can check before it changes anything on disk: a valid
// name, counts within the limits, every photo, thumbnail and navigation image
// present, and in copy mode the album folder. Returns the first problem found,
// or an empty string.
QString checkBeforeGeneration(const AlbumState& state, const GenerationContext& context);
