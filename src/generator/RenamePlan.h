#pragma once

#include "platform/FileOps.h"
#include "state/AlbumState.h"
#include "steps/InterruptedRun.h"

#include <QList>

// How rename mode gives the photos their album names without ever replacing a
// file: photos whose present name another photo needs first step aside under a
// temporary name that keeps their own, then every photo takes its new name.
struct PhotoRename {
    QString from;
    QString to;
    QString temporary; // empty when the photo can go straight to its new name
};

// A failed plan says why rename mode cannot start.
struct RenamePlan : Outcome {
    QList<PhotoRename> renames;
    QString folder;
};

// Checks the source folder and plans the renames; changes nothing on disk.
RenamePlan planPhotoRenames(const AlbumState& state, QChar separator);

// Carries out the renames; `renamedAny` tells whether any photo left its old name.
Outcome carryOutRenames(const RenamePlan& plan, FileOps& files, bool& renamedAny);
