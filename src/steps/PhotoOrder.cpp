#include "steps/PhotoOrder.h"

#include <algorithm>

namespace {

bool hasThumbnailSlot(int k) {
    return k >= 1 && k <= MaxPhotosWithThumbnails;
}

void swapPositions(AlbumState& state, int a, int b) {
    state.photoFiles.swapEntries(a, b);
    state.titles.swapEntries(a, b);
    state.comments.swapEntries(a, b);
    if (hasThumbnailSlot(a) && hasThumbnailSlot(b))
        state.thumbnailFiles.swapEntries(a, b);
}

} // namespace

int placeCount(const AlbumState& state) {
    return std::min<int>(state.photoCount, MaxPhotos);
}

int movePhotoUp(AlbumState& state, int line) {
    if (line <= 0 || line >= placeCount(state))
        return line;
    const int k = line + 1;
    swapPositions(state, k, k - 1);
    return line - 1;
}

int movePhotoDown(AlbumState& state, int line) {
    if (line < 0 || line + 1 >= placeCount(state))
        return line;
    const int k = line + 1;
    swapPositions(state, k, k + 1);
    return line + 1;
}
