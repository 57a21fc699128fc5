#pragma once

#include "generator/PageText.h"
#include "state/AlbumState.h"

// The page of photo k: the album's name in a header band, the title and comment
// with the navigation buttons on the left, the photo on the right.
void writePhotoPage(PageText& page, const AlbumState& state, int k);
