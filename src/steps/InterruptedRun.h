#pragma once

#include "platform/FileOps.h"
#include "steps/RenameJournal.h"

#include <QString>

// Puts back every name the journal lists, newest change first: each photo,
// found by its inode whatever it is called now, returns to its first name; the
// pages and images the run wrote are removed; the folder, now at `folderNow`,
// takes its first name again; the journal (at `journalPath`) goes last. Works
// from whatever point the run stopped at, and again after a stop of its own. A
// failure names what stays where; the journal then stays for the next run.
Outcome undoJournal(const RenameJournal& journal, const QString& folderNow,
                    const QString& journalPath, FileOps& files);

// A rename left unfinished in `folder` (its journal kept in the user's state
// folder) is put back. `folder` is then the folder under its first name
// (without a trailing separator) and the message says what was done. A journal
// found in the folder itself is left alone, with a note that says so.
struct Recovery {
    bool recovered = false;
    QString folder;
};
Result<Recovery> recoverInterruptedRename(const QString& folder, FileOps& files);

// When `missingFolder` is gone because an interrupted or finished rename gave
// it the album's name, the folder it is now; empty otherwise.
QString renamedFolderOf(const QString& missingFolder, const QString& albumName);

// Takes away the temporary album folder an interrupted copy-mode run left in
// `folder`: only the user's own, with the mark inside and nothing but album
// files (or empty). Anything else of that name is refused and left alone.
Outcome clearCopyLeftovers(const QString& folder, FileOps& files);

// Before a run reports its album, the record that proves the album its own:
// kept under the identity of `albumNow` (the folder the album is in now, which
// keeps it under the album's name) and naming the source and album folders.
// Its path, to be forgotten if the run fails after all.
Result<QString> recordFinishedAlbum(const QString& albumNow, const QString& sourceFolder,
                                    const QString& albumFolder, FileOps& files);
// The record of a reported album goes.
Outcome forgetFinishedAlbum(const QString& albumFolder, FileOps& files);

// The album a run of this user finished from `folder` under `albumName`
// (beside it in rename mode, inside it in copy mode) but stopped before it
// reported, as its record proves: the last step (the mark's removal) is done
// and the album folder's path returned; empty when there is none.
Result<QString> finishStoppedAlbum(const QString& folder, const QString& albumName, FileOps& files);
