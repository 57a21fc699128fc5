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

int movePhoto(AlbumState& state, int line, int toLine) {
    const int count = state.photoCount();
    if (line < 0 || line >= count || toLine < 0 || toLine >= count)
        return line;
    state.photos.move(line, toLine);
    return toLine;
}
