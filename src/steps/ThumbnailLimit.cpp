#include "steps/ThumbnailLimit.h"

#include <QCoreApplication>

Outcome checkThumbnailLimit(const AlbumState& state) {
    if (!state.thumbnails || state.photoCount() <= MaxPhotosWithThumbnails)
        return {};
    return Outcome::failure(
        QCoreApplication::translate(
            "ThumbnailLimit",
            "Альбом с миниатюрами может содержать не более 20 фотографий, а в нём "
            "%1. Вернитесь в окно «Настройка» и снова отметьте «С миниатюрами» или "
            "снимите эту отметку.")
            .arg(state.photoCount()));
}
