#pragma once

#include "state/AlbumState.h"

// The number of places the preparation list shows: the photos, at most 40 even
// when a later folder change has counted more.
int placeCount(const AlbumState& state);

// Moves the photo on list line `line` (position line + 1) one place towards the
// start or the end, with its file, title, comment and thumbnail. Returns the line
// to select afterwards; nothing moves at the ends or when no line (-1) is selected.
int movePhotoUp(AlbumState& state, int line);
int movePhotoDown(AlbumState& state, int line);
