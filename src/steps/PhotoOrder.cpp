#include "steps/PhotoOrder.h"

#include <algorithm>

namespace {

bool hasThumbnailSlot(int k) {
    return k >= 1 && k <= MaxPhotosWithThumbnails;
}

void swapPositions(AlbumState& state, int a, int b) {
    state.FileNames.swapEntries(a, b);
    state.PhotoTitles.swapEntries(a, b);
    state.PhotoComments.swapEntries(a, b);
    if (hasThumbnailSlot(a) && hasThumbnailSlot(b))
        state.ThumbNames.swapEntries(a, b);
}

} // namespace

int placeCount(const AlbumState& state) {
    return std::min<int>(state.ImageCount, MaxPhotos);
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
