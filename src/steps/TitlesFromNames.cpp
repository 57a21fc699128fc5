#include "steps/TitlesFromNames.h"

#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "steps/PhotoChoice.h"
#include "steps/PhotoOrder.h"

#include <QSet>

bool isParseMode(const AlbumState& state) {
    return state.titlesFromFileNames && !state.thumbnails;
}

void titleAndCommentFromName(const QString& name, const QString& ordinal, QString& title,
                             QString& comment) {
    const qsizetype hash = name.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        title = name.left(hash);
        comment = name.mid(hash + 1, std::max<qsizetype>(0, name.size() - hash - 1 - 4));
    } else {
        title = ordinal;
        comment = name.left(std::max<qsizetype>(0, name.size() - 4));
    }
}

Outcome loadTitlesFromNames(AlbumState& state) {
    const FolderListing listing = listPhotoFiles(state.sourceFolder);
    if (!listing.ok)
        return Outcome::failure(listing.message);
    Outcome result;
    QStringList listed = listing.names;
    // Web photos leave the "-m" files alone.
    if (state.webPhotos)
        listed.removeIf(isThumbnailName);
    if (listed.size() > MaxPhotos) {
        result.notes.append(tooManyPhotosMessage());
        listed = listed.mid(0, MaxPhotos);
    }
    // When the album already holds exactly these photos (perhaps in a new order),
    // each keeps the title and comment of its own name; otherwise the album takes
    // the photos in listing order.
    QSet<QString> inAlbum;
    for (const Photo& photo : state.photos)
        inAlbum.insert(photo.file);
    QSet<QString> onDisk;
    for (const QString& name : listed)
        onDisk.insert(state.sourceFolder + name);
    if (state.photos.size() != listed.size() || inAlbum != onDisk) {
        state.photos.clear();
        for (const QString& name : listed)
            state.photos.append({state.sourceFolder + name, {}, {}, {}});
    }
    for (Photo& photo : state.photos) {
        const QString name = bareName(photo.file);
        // The ordinal word is that of the photo's place in the listing.
        const int listedPosition = static_cast<int>(listed.indexOf(name)) + 1;
        // A name that is not UTF-8 gives its title as Windows-1251 text.
        titleAndCommentFromName(readableName(name), ordinalWord(listedPosition), photo.title,
                                photo.comment);
    }
    return result;
}
