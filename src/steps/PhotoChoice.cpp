#include "steps/PhotoChoice.h"

#include "platform/FolderListing.h"

#include <QCoreApplication>

namespace {

// The shortest thumbnail name is one character followed by "-m.jpg".
constexpr qsizetype ShortestThumbnailName = 7;

QString tooManyWebPhotosMessage() {
    return QCoreApplication::translate("PhotoChoice",
                                       "Программа может обработать для WEB только 20 изображений");
}

QString withoutExtension(const QString& path) {
    return path.left(path.size() - 4);
}

// Each photo takes the thumbnail named after it ("a.jpg" and "a-m.jpg"); the
// thumbnails are put in place one photo after another, each by a swap, as the
// pairing always has been done, so unmatched ones keep a stable order.
void pairThumbnails(QList<Photo>& photos, QStringList thumbnails) {
    for (qsizetype i = 0; i < photos.size(); ++i) {
        const QString wanted = withoutExtension(photos[i].file) + QStringLiteral("-m");
        for (qsizetype j = 0; j < thumbnails.size(); ++j) {
            if (withoutExtension(thumbnails[j]) == wanted)
                thumbnails.swapItemsAt(i, j);
        }
    }
    for (qsizetype i = 0; i < photos.size(); ++i)
        photos[i].thumbnail = thumbnails[i];
}

QString number(qsizetype value) {
    return QStringLiteral(" ") + QString::number(value);
}

Result<PhotoChoice> refused(const QString& why) {
    return Result<PhotoChoice>::failure(why);
}

// The named files of the source folder become the album's photos in their
// order, up to `limit`; more are left out with one note.
Result<PhotoChoice> takeUpTo(AlbumState& state, const QStringList& names, int limit,
                             const QString& tooMany) {
    Result<PhotoChoice> result;
    state.photos.clear();
    for (const QString& name : names) {
        if (state.photos.size() == limit) {
            result.value.limitNote = tooMany;
            break;
        }
        state.photos.append({state.sourceFolder + name, {}, {}, {}});
    }
    return result;
}

Result<PhotoChoice> takePhotos(AlbumState& state, const QStringList& names) {
    return takeUpTo(state, names, MaxPhotos, tooManyPhotosMessage());
}

// The names that are not "-m" files, which web photos and a modern album leave
// alone: they make their own thumbnails.
QStringList photosButThumbnails(const QStringList& names) {
    QStringList chosen;
    for (const QString& name : names) {
        if (!isThumbnailName(name))
            chosen.append(name);
    }
    return chosen;
}

Result<PhotoChoice> chooseWebPhotos(AlbumState& state, const QStringList& names) {
    const QStringList chosen = photosButThumbnails(names);
    if (chosen.isEmpty())
        return refused(noPhotosMessage());
    if (!state.thumbnails)
        return takePhotos(state, chosen);
    const Result<PhotoChoice> result =
        takeUpTo(state, chosen, MaxPhotosWithThumbnails, tooManyWebPhotosMessage());
    // A thumbnail is made from its photo: the photo stands in its place (the
    // preparation window shows it, the order moves it along).
    for (Photo& photo : state.photos)
        photo.thumbnail = photo.file;
    return result;
}

Result<PhotoChoice> chooseModernPhotos(AlbumState& state, const QStringList& names) {
    const QStringList chosen = photosButThumbnails(names);
    if (chosen.isEmpty())
        return refused(noPhotosMessage());
    return takeUpTo(state, chosen, MaxModernPhotos,
                    QCoreApplication::translate(
                        "PhotoChoice", "Программа может обработать только 10 000 изображений"));
}

Result<PhotoChoice> choosePairedPhotos(AlbumState& state, const QStringList& names) {
    state.photos.clear();
    QStringList thumbnails;
    Result<PhotoChoice> result;
    // Over the limit, a name too short to be a thumbnail's takes the last place
    // and the scan goes on; any other photo ends the scan.
    const auto takePhoto = [&](const QString& name, bool overLimitTakesLastPlace) {
        const QString file = state.sourceFolder + name;
        if (state.photos.size() == MaxPhotosWithThumbnails) {
            // Told once a choice, however many photos are over the limit.
            result.value.limitNote = tooManyWebPhotosMessage();
            if (overLimitTakesLastPlace)
                state.photos.last().file = file;
            return false;
        }
        state.photos.append({file, {}, {}, {}});
        return true;
    };
    for (const QString& name : names) {
        if (name.size() < ShortestThumbnailName) {
            takePhoto(name, true);
        } else if (isThumbnailName(name)) {
            if (thumbnails.size() == MaxPhotosWithThumbnails) {
                // Unpaired thumbnails would go to the wrong photos: none are used.
                result.status = Status::Failed;
                result.message = QCoreApplication::translate(
                    "PhotoChoice", "Программа может обработать для WEB только 20 миниатюр");
                return result;
            }
            thumbnails.append(state.sourceFolder + name);
        } else if (!takePhoto(name, false)) {
            break;
        }
    }
    if (thumbnails.size() == state.photos.size() && !thumbnails.isEmpty()) {
        pairThumbnails(state.photos, thumbnails);
        return result;
    }
    result.status = Status::Failed;
    result.message =
        QCoreApplication::translate("PhotoChoice",
                                    "Проверьте наличие миниатюр и их соответствие главным "
                                    "изображениям в выбранной папке. Найдено: ") +
        number(state.photos.size()) + QStringLiteral(" - ") + number(thumbnails.size());
    return result;
}

} // namespace

QString noPhotosMessage() {
    return QCoreApplication::translate("PhotoChoice", "В выбранной папке нет файлов изображений");
}

QString tooManyPhotosMessage() {
    return QCoreApplication::translate("PhotoChoice",
                                       "Программа может обработать только 40 изображений");
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

Result<PhotoChoice> choosePhotos(AlbumState& state, PhotoOptions options) {
    const FolderEntries listing = listFolderEntries(state.sourceFolder);
    if (!listing)
        return refused(listing.message);
    const QStringList names = photoNamesIn(listing);
    const bool asSet = options == PhotoOptions::AsSet;
    Result<PhotoChoice> result = asSet && state.modernAlbum  ? chooseModernPhotos(state, names)
                                 : asSet && state.webPhotos  ? chooseWebPhotos(state, names)
                                 : asSet && state.thumbnails ? choosePairedPhotos(state, names)
                                                             : takePhotos(state, names);
    result.notes = foreignLinkNotes(state.sourceFolder, listing);
    if (!result.value.limitNote.isEmpty())
        result.notes.append(result.value.limitNote);
    return result;
}

Result<PhotoChoice> setThumbnails(AlbumState& state, bool on) {
    state.thumbnails = on;
    if (!on && !state.webPhotos)
        return {};
    const Result<PhotoChoice> chosen = choosePhotos(state);
    if (!chosen)
        (on ? state.thumbnails : state.webPhotos) = false;
    return chosen;
}

Result<PhotoChoice> setWebPhotos(AlbumState& state, bool on) {
    state.webPhotos = on;
    const Result<PhotoChoice> chosen = choosePhotos(state);
    if (!chosen)
        (on ? state.webPhotos : state.thumbnails) = false;
    return chosen;
}

Result<PhotoChoice> setModernAlbum(AlbumState& state, bool on) {
    const AlbumState before = state;
    state.modernAlbum = on;
    if (on)
        state.thumbnails = state.webPhotos = false;
    Result<PhotoChoice> chosen = choosePhotos(state);
    if (!chosen)
        state = before;
    return chosen;
}

Outcome checkWebPhotosMode(const AlbumState& state) {
    if (state.modernAlbum && !state.keepSourceFolder)
        return Outcome::failure(QCoreApplication::translate(
            "PhotoChoice",
            "Современный альбом создаётся только в новой папке: его фотографии делаются из "
            "исходных, а те остаются без изменений. Отметьте «Папку и исходные изображения в ней "
            "оставить без изменений» или снимите отметку «Современный альбом». Альбом не создан, "
            "ничего не изменено."));
    if (!state.webPhotos || state.keepSourceFolder)
        return {};
    return Outcome::failure(QCoreApplication::translate(
        "PhotoChoice",
        "Подготовить фото для WEB можно, только если папка и исходные изображения остаются без "
        "изменений: иначе фотографиями альбома стали бы сами исходные файлы. Отметьте «Папку и "
        "исходные изображения в ней оставить без изменений» или снимите отметку «Подготовить "
        "фото для WEB автоматически». Альбом не создан, ничего не изменено."));
}
