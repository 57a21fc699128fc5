#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What rename mode is about to do to a folder, written into the user's state
// folder before the first change so that a run cut short at any moment can be
// put back.
// Names are stored as their bytes in hexadecimal, so any name comes back as it was.
struct RenameJournal {
    struct Rename {
        QString from;      // bare names inside the folder
        QString temporary; // empty when the photo goes straight to its new name
        QString to;
        quint64 inode = 0; // tells where the photo is now, whatever its name
    };
    QString originalFolder;   // full paths without a trailing separator
    QString albumFolder;      // the same as originalFolder when the name stays
    QStringList createdFiles; // bare names of the pages and images the run writes
    QList<Rename> renames;    // in the order they are carried out
};

// Where the journal of a rename of `folder` is kept: the user's state folder,
// under the folder's identity, which the folder keeps when it takes the album's
// name. A failure says why there is no such place.
Result<QString> keptJournalPath(const QString& folder);
// Whether such a journal is there.
bool hasKeptJournal(const QString& folder);

// Where the record of an album a run has just finished is kept until the run
// has reported it, under the album folder's identity: a run stopped between
// the two finds it again. The record is a journal without entries: the source
// folder and the album folder.
Result<QString> finishedRecordPath(const QString& albumFolder);

// The most a journal of 40 photos with thumbnails and the longest names takes.
inline constexpr qint64 MaxJournalBytes = 1 << 20;

QByteArray encodeJournal(const RenameJournal& journal);

// The journal the bytes hold, parsed strictly; a failure says why it cannot be
// used. `cutShort` tells a journal a stopped run left half-written (nothing
// had been changed yet: the journal is on disk before the first change) from
// one that is damaged or not the program's.
struct DecodedJournal {
    RenameJournal journal;
    bool cutShort = false;
};
Result<DecodedJournal> decodeJournal(const QByteArray& bytes);

// Whether an undo of this journal can only ever touch what a run of the
// program in `folderNow` (a real path, without a trailing separator) made: the
// folder paths are that folder under its first name or under the album's name
// beside it, every name is one plain name inside it, the run created only its
// pages and navigation images and renamed photos only to album and temporary
// names. A failure says why not.
Outcome checkJournal(const RenameJournal& journal, const QString& folderNow);
