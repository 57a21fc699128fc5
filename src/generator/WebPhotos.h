#pragma once

#include "generator/ProgressSink.h"
#include "platform/FileOps.h"
#include "platform/Outcome.h"
#include "state/AlbumState.h"
#include "state/ModernLayout.h"

#include <QByteArray>
#include <QList>
#include <functional>

struct GenerationContext;

// One album photo made from its original, as JPEG bytes without metadata.
struct WebPhoto {
    QByteArray photo;
    QByteArray thumbnail; // empty unless asked for
    PhotoReaders readers; // the original's, as it was read
};

// Every photo of the album (state.photos, in order) fitted upright on a canvas
// of the page's size in the album's background colour, with its thumbnail when
// the album has thumbnails; made on all cores and handed over in album order:
// element k-1 belongs to photo k. A caption follows each photo. Stops at the
// first photo that cannot be made and names it; nothing is written to disk.
// A stop starts no further photo and fails with no message.
//
// The image code is a library of its own in the program's folder, loaded on the
// first call, so that a run without web photos never loads Qt's image code. A library
// that cannot be loaded fails the run with a message naming it.
using WebPhotoSet = Result<QList<WebPhoto>>;

// One photo of a modern album as made from its original: every file, named as
// the modern layout names them, and the names and sizes the pages show.
struct ModernPhotoFile {
    QString name;
    QByteArray bytes;
};
struct ModernPhoto {
    PhotoImages images;
    QList<ModernPhotoFile> files;
    PhotoReaders readers; // the original's, as it was read
};
// The library is looked for in the context's program folder; captions go to its
// progress, and its stop check and decode budget are handed on.
WebPhotoSet makeWebPhotos(const AlbumState& state, const GenerationContext& context);

// The photos of a modern album, made by the same library on all cores, each
// handed to `deliver` on the calling thread in album order as soon as it and
// those before it are made, so that only a few are ever held at once. False
// from `deliver`, a stop or a photo that cannot be made ends the run as
// failed; the message names the photo (empty for the first two).
Outcome makeModernPhotos(const AlbumState& state, const GenerationContext& context,
                         const std::function<bool(int k, ModernPhoto& photo)>& deliver);
