#include "steps/WebPhotoScan.h"

#include "platform/FolderListing.h"
#include "steps/ConfigureAlbum.h"
#include "steps/ThumbnailScan.h"

Outcome scanWebPhotos(AlbumState& state, MessageSink& messages) {
    const FolderListing listing = listPhotoFiles(state.sourceFolder);
    if (!listing)
        return listing;
    QStringList photos;
    for (const QString& name : listing.names) {
        if (!isThumbnailName(name))
            photos.append(name);
    }
    if (photos.isEmpty())
        return Outcome::failure(noPhotosMessage());

    const int limit = state.thumbnails ? MaxPhotosWithThumbnails : MaxPhotos;
    if (photos.size() > limit) {
        messages.inform(
            state.thumbnails
                ? QStringLiteral("Программа может обработать для WEB только 20 изображений")
                : tooManyPhotosMessage());
        photos.resize(limit);
    }
    state.photoCount = static_cast<Count>(photos.size());
    state.thumbnailCount = state.thumbnails ? state.photoCount : Count{0};
    for (int k = 1; k <= state.photoCount; ++k) {
        state.photoFiles[k] = state.sourceFolder + photos[k - 1];
        // A thumbnail is made from its photo: the photo stands in its place (the
        // preparation window shows it, the order moves it along).
        if (state.thumbnails)
            state.thumbnailFiles[k] = state.photoFiles[k];
    }
    return {};
}

bool setWebPhotos(AlbumState& state, bool on, MessageSink& messages) {
    if (on) {
        state.webPhotos = true;
        if (const Outcome scanned = scanWebPhotos(state, messages); !scanned) {
            messages.inform(scanned.message);
            state.webPhotos = false;
            return false;
        }
        return true;
    }
    state.webPhotos = false;
    if (state.thumbnails) {
        scanThumbnails(state, messages);
    } else if (const FolderListing listing = listPhotoFiles(state.sourceFolder); listing) {
        // Every photo again, as "Настроить" takes them.
        takePhotos(state, listing.names, messages);
    } else {
        messages.inform(listing.message);
    }
    return true;
}

Outcome checkWebPhotosMode(const AlbumState& state) {
    if (!state.webPhotos || state.keepSourceFolder)
        return {};
    return Outcome::failure(QStringLiteral(
        "Подготовить фото для WEB можно, только если папка и исходные изображения остаются без "
        "изменений: иначе фотографиями альбома стали бы сами исходные файлы. Отметьте «Папку и "
        "исходные изображения в ней оставить без изменений» или снимите отметку «Подготовить "
        "фото для WEB автоматически». Альбом не создан, ничего не изменено."));
}
