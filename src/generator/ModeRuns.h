#pragma once

#include "generator/AlbumFiles.h"

// Copy mode: the album is written into the hidden part folder inside the source
// folder and takes its name only when it is complete; on failure or a stop
// everything made is taken away and the originals are untouched.
Outcome runCopyMode(AlbumState& state, AlbumFiles& album, const WebPhotoSet& web);

// Rename mode: the journal first, then every new file, then the folder takes
// the album's name (the likeliest failure) and last the photos theirs. Whatever
// fails or stops it after the journal is written, the journal puts every name back.
Outcome runRenameMode(AlbumState& state, AlbumFiles& album);
