#pragma once

#include <QByteArray>
#include <QString>

// The outcome of one change on disk; a failure carries a Russian reason.
struct OpResult {
    bool ok = true;
    QString reason;

    static OpResult success() { return {}; }
    static OpResult failure(const QString& why) { return {false, why}; }
    explicit operator bool() const { return ok; }
};

// Every change the program makes on disk goes through this interface, so that
// tests can fail any single step and check that no photo is lost.
class FileOps {
public:
    virtual ~FileOps() = default;

    // Creates one folder; fails when anything of that name exists.
    virtual OpResult makeFolder(const QString& path) = 0;
    // Copies a file; replaces the target (the caller makes sure it is ours) and
    // removes its own partial target when the copy fails.
    virtual OpResult copyFile(const QString& from, const QString& to) = 0;
    // Renames a file or folder; never replaces an existing entry.
    virtual OpResult renameNoReplace(const QString& from, const QString& to) = 0;
    // Creates or empties a file and writes the bytes; removes it again on failure.
    virtual OpResult writeFile(const QString& path, const QByteArray& bytes) = 0;
    virtual OpResult removeFile(const QString& path) = 0;
    // Removes a folder only when it is empty.
    virtual OpResult removeEmptyFolder(const QString& path) = 0;
};

// The real file system.
FileOps& realFileOps();
