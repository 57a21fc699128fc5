#include "platform/RealFileOps.h"

#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Outcome fromErrorCode(const std::error_code& ec) {
    return ec ? Outcome::failure(describeError(ec)) : Outcome::success();
}

Outcome fromErrno(int value) {
    return Outcome::failure(describeErrno(value));
}

// Copies every byte from one open file to another; 0 or the errno value. A file
// that shrinks while it is copied yields what it holds by then.
int copyContents(int in, int out) {
    bool rangeWorks = true;
    bool sendfileWorks = true;
    off_t done = 0;
    while (true) {
        const std::size_t chunk = 1u << 30;
        ssize_t n = -1;
        if (rangeWorks) {
            n = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
            if (n < 0 &&
                (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL ||
                 errno == EBADF) &&
                done == 0) {
                rangeWorks = false;
                continue;
            }
        } else if (sendfileWorks) {
            n = ::sendfile(out, in, nullptr, chunk);
            if (n < 0 && (errno == ENOSYS || errno == EINVAL) && done == 0) {
                sendfileWorks = false;
                continue;
            }
        } else {
            char buffer[1 << 16];
            n = ::read(in, buffer, sizeof buffer);
            if (n > 0) {
                if (const int error = writeAll(out, buffer, n); error != 0)
                    return error;
            }
        }
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        done += n;
    }
    return 0;
}

int syncFolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == EINVAL ? 0 : error; // some file systems cannot sync a folder
}

// On a disk that ignores letter case (FAT, exFAT, NTFS, casefolded ext4) two
// names that differ only in case are one entry: renaming it changes the case and
// replaces nothing. A second hard link to a file is a different name, not this.
bool sameEntry(const QByteArray& source, const QByteArray& target) {
    struct stat from {};
    struct stat to {};
    if (::lstat(source.constData(), &from) != 0 || ::lstat(target.constData(), &to) != 0)
        return false;
    return from.st_dev == to.st_dev && from.st_ino == to.st_ino &&
           (S_ISDIR(from.st_mode) || from.st_nlink == 1);
}

} // namespace

FileOps& realFileOps() {
    static RealFileOps ops;
    return ops;
}

Outcome RealFileOps::makeFolder(const QString& path) {
    std::error_code ec;
    if (fs::create_directory(toFsPath(path), ec))
        return Outcome::success();
    if (!ec)
        return Outcome::failure(describeErrno(EEXIST));
    return fromErrorCode(ec);
}

Outcome RealFileOps::copyFile(const QString& from, const QString& to) {
    // The copy is done here rather than by the library so that the reason of a
    // failure is the kernel's own, whichever call (copy_file_range, sendfile,
    // read, write) met it: a full disk is "no space", not "input/output error".
    const QByteArray source = toFsBytes(from);
    const QByteArray target = toFsBytes(to);
    // Not blocking: a named pipe in a photo's place is refused, not waited on.
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return fromErrno(errno);
    struct stat info {};
    const int statError = ::fstat(in, &info) == 0 ? 0 : errno;
    if (statError != 0 || !S_ISREG(info.st_mode)) {
        const int error = statError != 0 ? statError : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(in);
        return fromErrno(error);
    }
    ::fcntl(in, F_SETFL, 0);
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0 && existing.st_dev == info.st_dev &&
        existing.st_ino == info.st_ino) {
        ::close(in);
        return fromErrno(EINVAL); // a file cannot be copied onto itself
    }
    const int out = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return fromErrno(error);
    }
    int error = copyContents(in, out);
    if (::close(out) != 0 && error == 0)
        error = errno;
    ::close(in);
    if (error == 0)
        return Outcome::success();
    ::unlink(target.constData()); // only our own partial copy
    return fromErrno(error);
}

Outcome RealFileOps::renameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = toFsBytes(from);
    const QByteArray target = toFsBytes(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return Outcome::success();
    const int error = errno;
    if (error == EEXIST && sameEntry(source, target))
        return ::rename(source.constData(), target.constData()) == 0 ? Outcome::success()
                                                                     : fromErrno(errno);
    if (error != EINVAL && error != ENOSYS)
        return fromErrno(error);
    // Some file systems (FUSE ntfs, exFAT) do not know the no-replace flag:
    // look before renaming instead.
    if (linkStatusOf(to).exists() && !sameEntry(source, target))
        return fromErrno(EEXIST);
    if (::rename(source.constData(), target.constData()) == 0)
        return Outcome::success();
    return fromErrno(errno);
}

namespace {

Outcome writeBytes(const QString& path, const QByteArray& bytes, bool durably) {
    const QByteArray target = toFsBytes(path);
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return fromErrno(errno);
    int error = writeAll(fd, bytes.constData(), bytes.size());
    if (error == 0 && durably && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && durably)
        error = syncFolderOf(target);
    if (error == 0)
        return Outcome::success();
    ::unlink(target.constData());
    return fromErrno(error);
}

} // namespace

Outcome RealFileOps::writeFile(const QString& path, const QByteArray& bytes) {
    return writeBytes(path, bytes, false);
}

Outcome RealFileOps::writeFileDurably(const QString& path, const QByteArray& bytes) {
    return writeBytes(path, bytes, true);
}

Outcome RealFileOps::removeEmptyFolder(const QString& path) {
    if (::rmdir(toFsBytes(path).constData()) == 0)
        return Outcome::success();
    return fromErrno(errno);
}

Outcome RealFileOps::removeFile(const QString& path) {
    std::error_code ec;
    fs::remove(toFsPath(path), ec);
    return fromErrorCode(ec);
}
