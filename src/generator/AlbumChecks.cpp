#include "generator/AlbumChecks.h"

#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "steps/AlbumName.h"
#include "steps/PhotoChoice.h"
#include "steps/PrepareAlbumFolder.h"
#include "steps/ThumbnailLimit.h"

#include <QCoreApplication>
#include <cerrno>

namespace {

Outcome checkReadableFile(const QString& what, const QString& path) {
    const FileStatus file = statusOf(path);
    if (file.error == ENOENT || file.error == ENOTDIR)
        return Outcome::failure(
            QCoreApplication::translate("AlbumChecks",
                                        "%1 «%2» не найден. Альбом не создан, ничего не изменено.")
                .arg(what, path));
    if (!file.exists())
        return Outcome::failure(
            QCoreApplication::translate("AlbumChecks",
                                        "%1 «%2»: %3. Альбом не создан, ничего не изменено.")
                .arg(what, path, describeErrno(file.error)));
    if (!file.isFile)
        return Outcome::failure(QCoreApplication::translate(
                                    "AlbumChecks", "%1 «%2» не является обычным файлом. Альбом не "
                                                   "создан, ничего не изменено.")
                                    .arg(what, path));
    if (readAccessError(path) != 0)
        return Outcome::failure(
            QCoreApplication::translate(
                "AlbumChecks", "Нет прав на чтение: %1 «%2». Альбом не создан, ничего не изменено.")
                .arg(what.toLower(), path));
    return {};
}

} // namespace

Outcome checkBeforeGeneration(const AlbumState& state, const GenerationContext& context) {
    if (const Outcome name = checkAlbumName(state.albumName); !name)
        return name;
    if (state.photoCount() > (state.modernAlbum ? MaxModernPhotos : MaxPhotos))
        return Outcome::failure(tooManyPhotosMessage());
    if (const Outcome limit = checkThumbnailLimit(state); !limit)
        return limit;
    if (const Outcome web = checkWebPhotosMode(state); !web)
        return web;

    for (int k = 1; k <= state.photoCount(); ++k) {
        if (Outcome photo = checkReadableFile(
                QCoreApplication::translate("AlbumChecks", "Файл фотографии"), state.photo(k).file);
            !photo)
            return photo;
        if (state.thumbnails) {
            if (Outcome thumbnail =
                    checkReadableFile(QCoreApplication::translate("AlbumChecks", "Файл миниатюры"),
                                      state.photo(k).thumbnail);
                !thumbnail)
                return thumbnail;
        }
    }
    // A modern album has buttons of its own making.
    for (const QString& name : state.modernAlbum ? QStringList() : navigationImageNames()) {
        const QString path = withTrailingSeparator(context.programFolder) + name;
        if (Outcome image = checkReadableFile(
                QCoreApplication::translate("AlbumChecks", "Файл кнопки навигации"), path);
            !image)
            return image;
    }
    if (state.keepSourceFolder)
        return checkAlbumNameFree(state);
    return {};
}
