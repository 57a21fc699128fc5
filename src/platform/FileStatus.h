#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// What the kernel says about one path, looked up by its bytes (names that are not
// UTF-8 included). `error` is the errno value of a failed look-up, 0 otherwise.
struct FileStatus {
    int error = 0;
    bool isFolder = false;
    bool isFile = false;    // an ordinary file
    bool isSymlink = false; // only when links are not followed
    bool stickyFolder = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint32_t owner = 0;

    bool exists() const { return error == 0; }
};

// Follows links.
FileStatus statusOf(const QString& path);
// Does not follow a link at the end of the path.
FileStatus linkStatusOf(const QString& path);

// errno of access(path, R_OK or W_OK|X_OK), 0 when allowed.
int readAccessError(const QString& path);
int writeAccessError(const QString& path);

// The path with every link and "." or ".." resolved by the kernel, without a
// trailing separator; a failure says why in Russian.
Result<QString> realPath(const QString& path);

// The user this process runs as.
std::uint32_t effectiveUser();

// Longest path the kernel takes, in bytes with the closing zero.
int maxPathBytes();

// The content of a small file of the program's own, read by its bytes' name.
// The file must be what the program writes: an ordinary file (a link in its
// place is not followed, a named pipe is refused rather than waited on), owned
// by the user the program runs as, and of at most `maxBytes`.
Result<QByteArray> readOwnSmallFile(const QString& path, qint64 maxBytes);

// An ordinary file opened for reading by its bytes' name; anything else, a named
// pipe or a device included, is refused before it is opened. A link at the end
// of the path is followed only when it is the user's own or root's. The caller
// closes the descriptor.
Result<int> openOrdinaryFile(const QString& path);

// Writes all the bytes to an open file, going on after interrupted or short
// writes; 0 or the errno value.
int writeAll(int fd, const char* data, qsizetype size);
