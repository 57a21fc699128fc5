#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QString>

// Every change the program makes on disk goes through this interface, so that
// tests can fail any single step and check that no photo is lost. The real one
// never follows a symbolic link to the place it changes. A failure's
// message is the short Russian reason ("нет прав", "на диске нет места").
class FileOps {
public:
    virtual ~FileOps() = default;

    // Creates one folder; fails when anything of that name exists.
    virtual Outcome makeFolder(const QString& path) = 0;
    // Copies a file into a new one (nothing of that name may exist) with the
    // original's permission bits; removes its own partial copy when it fails.
    virtual Outcome copyFile(const QString& from, const QString& to) = 0;
    // Renames a file or folder; never replaces an existing entry.
    virtual Outcome renameNoReplace(const QString& from, const QString& to) = 0;
    // Creates a new file (nothing of that name may exist) and writes the bytes;
    // removes it again on failure.
    virtual Outcome writeFile(const QString& path, const QByteArray& bytes) = 0;
    // The same, and the file and the entry in its folder are on the disk itself
    // (not only in the cache) before it returns.
    virtual Outcome writeFileDurably(const QString& path, const QByteArray& bytes) = 0;
    // Removes a file, or a link itself (never what it points to).
    virtual Outcome removeFile(const QString& path) = 0;
    // Removes a folder only when it is empty.
    virtual Outcome removeEmptyFolder(const QString& path) = 0;
};

// The real file system.
FileOps& realFileOps();
