#pragma once

#include "platform/FileOps.h"
#include "steps/RenameJournal.h"

#include <QString>

// Rename mode moves a photo whose present name another photo needs aside under
// its own name plus this ending.
QString temporaryNameSuffix();

// Copy mode writes the album into this hidden folder inside the source folder
// and gives it the album's name when it is complete; the mark inside tells that
// the folder is this program's.
QString partFolderName();
QString partMarkName();

// Puts back every name the journal lists, newest change first: each photo,
// found by its inode whatever it is called now, returns to its first name; the
// pages and images the run wrote are removed; the folder, now at `folderNow`,
// takes its first name again; the journal goes last. Works from whatever point
// the run stopped at, and again after a stop of its own. A failure names what
// stays where; the journal then stays for the next run.
Outcome undoJournal(const RenameJournal& journal, const QString& folderNow, FileOps& files);

// A rename left unfinished in `folder` (a journal found there) is put back.
// `folder` is then the folder under its first name (without a trailing
// separator) and the message says what was done.
struct Recovery : Outcome {
    bool recovered = false;
    QString folder;
};
Recovery recoverInterruptedRename(const QString& folder, FileOps& files);

// When `missingFolder` is gone because an interrupted rename already gave it the
// album's name, the folder it is now; empty otherwise.
QString renamedFolderOf(const QString& missingFolder, const QString& albumName);

// Takes away what an interrupted copy-mode run left in `folder`: its own
// temporary album folder (only with the mark inside and nothing but album files,
// or empty)
// and the mark in an album it had already published. Anything else of that name
// is refused and left alone.
Outcome clearCopyLeftovers(const QString& folder, const QString& albumName, FileOps& files);
