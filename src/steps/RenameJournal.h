#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What rename mode is about to do to a folder, written into the folder before
// the first change so that a run cut short at any moment can be put back.
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

// The hidden file the journal is kept in.
QString journalFileName();

QByteArray encodeJournal(const RenameJournal& journal);
// Nothing when the bytes are not a complete journal (a run stopped while writing
// it, before any change).
std::optional<RenameJournal> decodeJournal(const QByteArray& bytes);
