#include "steps/PhotoChoice.h"

#include "platform/FolderListing.h"

namespace {

// The shortest thumbnail name is one character followed by "-m.jpg".
constexpr qsizetype ShortestThumbnailName = 7;

QString tooManyWebPhotosMessage() {
    return QStringLiteral("Программа может обработать для WEB только 20 изображений");
}

QString withoutExtension(const QString& path) {
    return path.left(path.size() - 4);
}

void pairThumbnails(AlbumState& state) {
    for (int i = 1; i <= state.photoCount; ++i) {
        const QString wanted = withoutExtension(state.photoFiles[i]) + QStringLiteral("-m");
        for (int j = 1; j <= state.photoCount; ++j) {
            if (withoutExtension(state.thumbnailFiles[j]) == wanted)
                state.thumbnailFiles.swapEntries(i, j);
        }
    }
}

QString number(int value) {
    return QStringLiteral(" ") + QString::number(value);
}

Outcome chooseWebPhotos(AlbumState& state, const QStringList& names) {
    QStringList photos;
    for (const QString& name : names) {
        if (!isThumbnailName(name))
            photos.append(name);
    }
    if (photos.isEmpty())
        return Outcome::failure(noPhotosMessage());
    Outcome result;
    const int limit = state.thumbnails ? MaxPhotosWithThumbnails : MaxPhotos;
    if (photos.size() > limit) {
        result.notes.append(state.thumbnails ? tooManyWebPhotosMessage() : tooManyPhotosMessage());
        photos.resize(limit);
    }
    state.photoCount = static_cast<Count>(photos.size());
    state.thumbnailCount = state.thumbnails ? state.photoCount : Count{0};
    for (int k = 1; k <= state.photoCount; ++k) {
        state.photoFiles[k] = state.sourceFolder + photos[k - 1];
        if (state.thumbnails)
            state.thumbnailFiles[k] = state.photoFiles[k];
    }
    return result;
}

Outcome choosePairedPhotos(AlbumState& state, const QStringList& names) {
    state.photoCount = 0;
    state.thumbnailCount = 0;
    Outcome result;
    const auto tooManyPhotos = [&result] {
        // Told once a choice, however many photos are over the limit.
        if (!result.notes.contains(tooManyWebPhotosMessage()))
            result.notes.append(tooManyWebPhotosMessage());
    };
    for (const QString& name : names) {
        if (name.size() < ShortestThumbnailName) {
            ++state.photoCount;
            if (state.photoCount > MaxPhotosWithThumbnails) {
                tooManyPhotos();
                state.photoCount = MaxPhotosWithThumbnails;
            }
            state.photoFiles[state.photoCount] = state.sourceFolder + name;
        } else if (isThumbnailName(name)) {
            ++state.thumbnailCount;
            if (state.thumbnailCount > MaxPhotosWithThumbnails) {
                state.thumbnailCount = MaxPhotosWithThumbnails;
                // Unpaired thumbnails would go to the wrong photos: none are used.
                result.ok = false;
                result.message =
                    QStringLiteral("Программа может обработать для WEB только 20 миниатюр");
                return result;
            }
            state.thumbnailFiles[state.thumbnailCount] = state.sourceFolder + name;
        } else {
            ++state.photoCount;
            if (state.photoCount > MaxPhotosWithThumbnails) {
                tooManyPhotos();
                state.photoCount = MaxPhotosWithThumbnails;
                break;
            }
            state.photoFiles[state.photoCount] = state.sourceFolder + name;
        }
    }
    if (state.thumbnailCount == state.photoCount && state.thumbnailCount != 0) {
        pairThumbnails(state);
        return result;
    }
    result.ok = false;
    result.message = QStringLiteral("Проверьте наличие миниатюр и их соответствие главным "
                                    "изображениям в выбранной папке. Найдено: ") +
                     number(state.photoCount) + QStringLiteral(" - ") +
                     number(state.thumbnailCount);
    return result;
}

} // namespace

QString noPhotosMessage() {
    return QStringLiteral("В выбранной папке нет файлов изображений");
}

QString tooManyPhotosMessage() {
    return QStringLiteral("Программа может обработать только 40 изображений");
}

bool isThumbnailName(const QString& name) {
    if (name.size() < ShortestThumbnailName)
        return false;
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    // A first dot in place 1 or 2 leaves no two characters before it: a photo.
    if (dot < 2)
        return false;
    return name.mid(dot - 2, 2) == QLatin1String("-m");
}

Outcome takePhotos(AlbumState& state, const QStringList& names) {
    Outcome result;
    state.photoCount = 0;
    for (const QString& name : names) {
        if (state.photoCount == MaxPhotos) {
            result.notes.append(tooManyPhotosMessage());
            break;
        }
        ++state.photoCount;
        state.photoFiles[state.photoCount] = state.sourceFolder + name;
    }
    return result;
}

Outcome choosePhotos(AlbumState& state) {
    const FolderListing listing = listPhotoFiles(state.sourceFolder);
    if (!listing)
        return Outcome::failure(listing.message);
    if (state.webPhotos)
        return chooseWebPhotos(state, listing.names);
    if (state.thumbnails)
        return choosePairedPhotos(state, listing.names);
    return takePhotos(state, listing.names);
}

Outcome setThumbnails(AlbumState& state, bool on) {
    state.thumbnails = on;
    if (!on && !state.webPhotos)
        return {};
    const Outcome chosen = choosePhotos(state);
    if (!chosen)
        (on ? state.thumbnails : state.webPhotos) = false;
    return chosen;
}

Outcome setWebPhotos(AlbumState& state, bool on) {
    state.webPhotos = on;
    const Outcome chosen = choosePhotos(state);
    if (!chosen)
        (on ? state.webPhotos : state.thumbnails) = false;
    return chosen;
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
