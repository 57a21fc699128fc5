#pragma once

#include "platform/MessageSink.h"
#include "platform/Outcome.h"
#include "state/AlbumState.h"

// With web photos the album's photos are every ".jpg" of the source folder except
// the "-m" names, which are left alone: up to 40, or 20 with thumbnails (a message
// says when more are left out). Each thumbnail is made from its photo, so there is
// nothing to pair: with thumbnails, thumbnailFiles[k] is photoFiles[k]. Fails, with the state's
// photo list untouched, when the folder cannot be read or holds no such photo.
Outcome scanWebPhotos(AlbumState& state, MessageSink& messages);

// The settings window's "Подготовить фото для WEB автоматически" being ticked
// (on) or cleared. Ticked: the photos are scanned as above. Cleared: the photos
// are taken as without the option (the thumbnail scan when thumbnails are on, which
// may switch them off; the plain listing otherwise). Messages go to `messages`.
// Afterwards the window's web and thumbnail boxes show state.webPhotos and
// state.thumbnails. False when the box must go back (the option stays off).
// While the option is on, ticking thumbnails (scanThumbnails) takes up to 20
// photos; clearing them calls this again with on = true to take up to 40.
bool setWebPhotos(AlbumState& state, bool on, MessageSink& messages);

// Web photos are made only into a new album folder: in rename mode the originals
// would be the album's photos, and no original's bytes may change.
Outcome checkWebPhotosMode(const AlbumState& state);
