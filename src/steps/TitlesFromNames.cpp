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
    const int count = static_cast<int>(listed.size());

    // When the album already holds exactly these photos (perhaps in a new order),
    // each keeps the title and comment of its own name; otherwise the album takes
    // the photos in listing order.
    QSet<QString> inAlbum;
    for (int k = 1; k <= placeCount(state); ++k)
        inAlbum.insert(state.photoFiles[k]);
    QSet<QString> onDisk;
    for (const QString& name : listed)
        onDisk.insert(state.sourceFolder + name);
    const bool sameSet = state.photoCount == count && inAlbum == onDisk;

    state.photoCount = static_cast<Count>(count);
    for (int k = 1; k <= count; ++k) {
        if (!sameSet)
            state.photoFiles[k] = state.sourceFolder + listed[k - 1];
        const QString name = bareName(state.photoFiles[k]);
        const int listedPosition = static_cast<int>(listed.indexOf(name)) + 1;
        // A name that is not UTF-8 gives its title as Windows-1251 text.
        titleAndCommentFromName(readableName(name), state.ordinalNames[listedPosition],
                                state.titles[k], state.comments[k]);
    }
    return result;
}
