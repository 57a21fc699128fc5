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

struct RenamePlan {
    QString problem; // why rename mode cannot start; empty when it can
    QList<PhotoRename> renames;
    QString folder;
};

// Checks the source folder and plans the renames; changes nothing on disk.
RenamePlan planPhotoRenames(const AlbumState& state, QChar separator);

struct RenameOutcome {
    bool ok = true;
    QString message;
    bool renamedAny = false; // false: every photo still has its old name
};
RenameOutcome carryOutRenames(const RenamePlan& plan, FileOps& files);
