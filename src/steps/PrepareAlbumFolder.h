#pragma once

#include "platform/Outcome.h"
#include "state/AlbumState.h"

// Whether copy mode can give the album folder its name: nothing in the source
// folder is called so in any letter case (hidden entries too) and the album's
// paths fit. `albumExists` tells that a folder of that name is there.
struct AlbumNameCheck {
    bool albumExists = false;
};
Result<AlbumNameCheck> checkAlbumNameFree(const AlbumState& state);

// The settings window's "Подготовить": in copy mode refuses a name already taken
// in the source folder. It changes nothing on disk: generation makes the album
// folder, complete, in one step. An album of that name already there sends the
// wizard back to the selection window (`albumExists`).
Result<AlbumNameCheck> prepareAlbumFolder(const AlbumState& state);
