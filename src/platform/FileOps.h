#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

// Who may read a photo: its permission bits and its group, as the handle it was
// read through showed them (never looked up again by its name).
struct PhotoReaders {
    std::uint32_t mode = 0644;
    std::uint32_t group = 0;
};

// Every change the program makes on disk goes through this interface, so that
// tests can fail any single step and check that no photo is lost. The real one
// never follows a symbolic link to the place it changes. A failure's
// message is the short Russian reason ("нет прав", "на диске нет места").
class FileOps {
public:
    virtual ~FileOps() = default;

    // Creates one folder; fails when anything of that name exists.
    virtual Outcome makeFolder(const QString& path) = 0;
    // Copies an ordinary file into a new one (nothing of that name may exist)
    // that no more people may read than the original: its permission bits, less
    // the group's when the copy's group is another; removes its own partial copy
    // when it fails.
    virtual Outcome copyFile(const QString& from, const QString& to) = 0;
    // Renames a file or folder; never replaces an existing entry.
    virtual Outcome renameNoReplace(const QString& from, const QString& to) = 0;
    // Creates a new file (nothing of that name may exist) and writes the bytes;
    // removes it again on failure.
    virtual Outcome writeFile(const QString& path, const QByteArray& bytes) = 0;
    // The same, and the file and the entry in its folder are on the disk itself
    // (not only in the cache) before it returns.
    virtual Outcome writeFileDurably(const QString& path, const QByteArray& bytes) = 0;
    // A new file made from a photo: like writeFile, with the permission bits a
    // copy of that photo would get.
    virtual Outcome writeFileLike(const QString& path, const QByteArray& bytes,
                                  const PhotoReaders& readers) = 0;
    // Removes a file, or a link itself (never what it points to).
    virtual Outcome removeFile(const QString& path) = 0;
    // Removes a folder only when it is empty.
    virtual Outcome removeEmptyFolder(const QString& path) = 0;
    // Removes a folder a stopped run of this program left. It is opened once,
    // without following a link, and must belong to the user running the program
    // and hold nothing but ordinary files: the mark (needed unless the folder is
    // empty) and files whose names `isOwnName` accepts. Those are removed
    // through the same handle, the mark last, then the empty folder. A failure
    // says why; nothing is removed from a folder that is not the program's.
    virtual Outcome removeLeftoverFolder(const QString& path, const QString& markName,
                                         const std::function<bool(const QString&)>& isOwnName) = 0;
};
