#pragma once

#include "platform/Outcome.h"
#include "state/AlbumState.h"
#include "steps/RenameJournal.h"

#include <QList>

// How rename mode gives the photos their album names without ever replacing a
// file: photos whose present name another photo needs first step aside under a
// temporary name that keeps their own, then every photo takes its new name. The
// plan's renames are what the journal records.
using PhotoRename = RenameJournal::Rename;

struct RenamePlan {
    QList<PhotoRename> renames;
    QString albumFolder; // the folder's path once it has the album's name, without one
};

// Checks the source folder, the folder above it and every photo, and plans the
// renames; changes nothing on disk. A failure says why rename mode cannot start.
Result<RenamePlan> planPhotoRenames(const AlbumState& state, QChar separator);
