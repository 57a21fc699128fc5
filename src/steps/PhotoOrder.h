#pragma once

#include "state/AlbumState.h"

// Moves the photo on list line `line` (position line + 1) one place towards the
// start or the end, with its file, title, comment and thumbnail. Returns the line
// to select afterwards; nothing moves at the ends or when no line (-1) is selected.
int movePhotoUp(AlbumState& state, int line);
int movePhotoDown(AlbumState& state, int line);

// Moves the photo on list line `line` to line `toLine`, with everything that
// travels with it; the photos between close up. Returns the line to select
// afterwards: `toLine`, or `line` when either is outside the list.
int movePhoto(AlbumState& state, int line, int toLine);
