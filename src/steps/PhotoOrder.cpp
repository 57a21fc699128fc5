#include "steps/PhotoOrder.h"

int movePhotoUp(AlbumState& state, int line) {
    if (line <= 0 || line >= state.photoCount())
        return line;
    state.photos.swapItemsAt(line, line - 1);
    return line - 1;
}

int movePhotoDown(AlbumState& state, int line) {
    if (line < 0 || line + 1 >= state.photoCount())
        return line;
    state.photos.swapItemsAt(line, line + 1);
    return line + 1;
}
