#pragma once

#include "generator/GenerateAlbum.h"

// Everything generation can check before it changes anything on disk: a valid
// name, counts within the limits, every photo, thumbnail and navigation image
// present, and in copy mode the album folder. Fails with the first problem found.
Outcome checkBeforeGeneration(const AlbumState& state, const GenerationContext& context);
