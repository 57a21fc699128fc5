#pragma once

#include "platform/FileOps.h"
#include "state/AlbumState.h"

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

// The ending of the temporary names; a folder still holding such names was left
// by an interrupted run.
QString temporaryNameSuffix();

// When the folder still holds a photo under a temporary name, the message that
// says so and how to put it right; otherwise an empty string.
QString leftoverFromInterruptedRun(const QString& folder);

// Checks the source folder and plans the renames; changes nothing on disk.
RenamePlan planPhotoRenames(const AlbumState& state, QChar separator);

struct RenameOutcome {
    bool ok = true;
    QString message;
    bool renamedAny = false; // false: every photo still has its old name
};
RenameOutcome carryOutRenames(const RenamePlan& plan, FileOps& files);
