#pragma once

#include "platform/FileOps.h"
#include "platform/MessageSink.h"
#include "state/AlbumState.h"

enum class PrepareOutcome {
    Ready,       // go on to the preparation window
    AlbumExists, // existing-album message shown: back to the selection window
    Failed,      // the folder could not be made: message shown, nothing changed
};

// The settings window's "Подготовить": in copy mode refuses a folder already
// named like the album (in any letter case) and creates the album folder.
PrepareOutcome prepareAlbumFolder(AlbumState& state, MessageSink& messages,
                                  FileOps& files = realFileOps());
