#include "steps/TitlesFromNames.h"

#include "platform/FsPath.h"
#include "steps/PhotoChoice.h"

#include <QHash>
#include <QSet>
#include <algorithm>

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

namespace {

// Each photo's title and comment from its own file name; the ordinal word is
// that of its place among `listed`, the photos in listing order. Past the
// fortieth (a modern album) there is no word: the pages name such a photo by
// its place.
void titlesFromNames(QList<Photo>& photos, const QList<Photo>& listed) {
    QHash<QString, int> places;
    for (qsizetype i = listed.size() - 1; i >= 0; --i)
        places.insert(listed[i].file, static_cast<int>(i) + 1);
    for (Photo& photo : photos) {
        const int listedPosition = places.value(photo.file, static_cast<int>(listed.size()) + 1);
        const QString ordinal =
            listedPosition <= MaxPhotos ? ordinalWord(listedPosition) : QString();
        // A name that is not UTF-8 gives its title as Windows-1251 text.
        titleAndCommentFromName(readableName(bareName(photo.file)), ordinal, photo.title,
                                photo.comment);
    }
}

bool sameFiles(const QList<Photo>& a, const QList<Photo>& b) {
    QSet<QString> filesOfA;
    for (const Photo& photo : a)
        filesOfA.insert(photo.file);
    QSet<QString> filesOfB;
    for (const Photo& photo : b)
        filesOfB.insert(photo.file);
    return a.size() == b.size() && filesOfA == filesOfB;
}

} // namespace

void takeTitlesFromNames(AlbumState& state) {
    const QList<Photo> listed = state.photos;
    titlesFromNames(state.photos, listed);
}

Outcome loadTitlesFromNames(AlbumState& state) {
    const QList<Photo> before = state.photos;
    const Result<PhotoChoice> chosen = choosePhotos(state);
    if (!chosen)
        return Outcome::failure(chosen.message);
    // When the album already held exactly these photos (perhaps in a new order),
    // each keeps its place; otherwise the album takes them in listing order.
    const QList<Photo> listed = state.photos;
    if (sameFiles(before, listed))
        state.photos = before;
    titlesFromNames(state.photos, listed);
    // The preparation window tells the limit again, as the selection window
    // did; the folder's links were told there.
    Outcome result;
    if (!chosen.value.limitNote.isEmpty())
        result.notes.append(chosen.value.limitNote);
    return result;
}
