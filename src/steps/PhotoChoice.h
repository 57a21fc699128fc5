#pragma once

#include "platform/Outcome.h"
#include "state/AlbumState.h"

#include <QString>

// True for a file name taken as a thumbnail: "-m" just before the first dot.
bool isThumbnailName(const QString& name);

// What a choice of photos tells: its notes are one for each link of another
// user that was left out, then the limit that left photos out, which
// `limitNote` holds alone (empty when every photo was taken).
struct PhotoChoice {
    QString limitNote;
};

// Whether a choice follows the thumbnail and web photo options as they stand,
// or takes every photo up to 40 whatever they say, as «Настроить» does.
enum class PhotoOptions { AsSet, Ignored };

// The album's photos for the options, taken from the source folder's listing,
// with the limits kept here and nowhere else:
// - web photos: every photo but the "-m" files, which are left alone, up to 40
//   (20 with thumbnails); a thumbnail is made from its photo, so with
//   thumbnails each photo's thumbnail is its own file (the list shows it, the
//   order moves it along). Fails, the list untouched, when the folder cannot be read
//   or holds no such photo.
// - thumbnails: photos (at most 20) paired with their "-m" thumbnails (at most
//   20); fails when the counts differ or there are too many thumbnails.
// - a modern album: every photo but the "-m" files, up to MaxModernPhotos;
//   fails like web photos.
// - otherwise every photo, up to 40.
// A limit that leaves photos out is told once, as a note; so is each link of
// another user that is left out.
Result<PhotoChoice> choosePhotos(AlbumState& state, PhotoOptions options = PhotoOptions::AsSet);

// The settings window's thumbnail box and web photo box: the option takes the
// new value and the photos are chosen again (clearing thumbnails without web
// photos keeps the list the last choice left). When the choice fails, the
// option that could not be served goes off again.
Result<PhotoChoice> setThumbnails(AlbumState& state, bool on);
Result<PhotoChoice> setWebPhotos(AlbumState& state, bool on);
// The modern album box: on, the thumbnail and web photo options go off (the
// album makes its own) and the photos are chosen again; a choice that fails
// leaves the state as it was.
Result<PhotoChoice> setModernAlbum(AlbumState& state, bool on);

// Web photos and modern albums are made only into a new album folder: in rename
// mode the originals would be the album's photos, and no original's bytes may change.
Outcome checkWebPhotosMode(const AlbumState& state);

QString noPhotosMessage();
QString tooManyPhotosMessage();
