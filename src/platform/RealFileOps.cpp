#include "platform/RealFileOps.h"

#include "platform/EntryFolder.h"
#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Outcome fromErrno(int value) {
    // The program never follows a link where it writes or removes: ELOOP there
    // means a link stands where a file or folder was expected.
    if (value == ELOOP)
        return Outcome::failure(QStringLiteral("на этом месте символическая ссылка, а программа "
                                               "не пишет и не удаляет через ссылки"));
    return Outcome::failure(describeErrno(value));
}

int syncFolder(int folder) {
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == EINVAL ? 0 : error; // some file systems cannot sync a folder
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

// Case-insensitive disks (FAT, exFAT, NTFS, casefolded ext4) see two names
// that differ only in case as one entry: renaming it changes the case and
// replaces nothing. A second hard link to a file is a different name, not this.
bool sameEntry(const EntryFolder& source, const EntryFolder& target) {
    struct stat from {};
    struct stat to {};
    if (::fstatat(source.fd(), source.name().constData(), &from, AT_SYMLINK_NOFOLLOW) != 0 ||
        ::fstatat(target.fd(), target.name().constData(), &to, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    return from.st_dev == to.st_dev && from.st_ino == to.st_ino &&
           (S_ISDIR(from.st_mode) || from.st_nlink == 1);
}

Outcome swapped() {
    return Outcome::failure(
        QStringLiteral("папку, созданную программой, подменили, пока программа с ней работала"));
}

} // namespace

FileOps& realFileOps() {
    static RealFileOps ops;
    return ops;
}

Outcome RealFileOps::checkMadeFolder(const EntryFolder& folder) {
    if (folder.error())
        return fromErrno(folder.error());
    QMutexLocker locker(&mutex_);
    const auto made = madeFolders_.constFind(folder.folderPath());
    if (made == madeFolders_.constEnd())
        return {};
    struct stat info {};
    if (::fstat(folder.fd(), &info) != 0 || Identity(info.st_dev, info.st_ino) != *made)
        return swapped();
    return {};
}

Outcome RealFileOps::makeFolder(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    if (::mkdirat(entry.fd(), entry.name().constData(), 0777) != 0)
        return fromErrno(errno);
    struct stat info {};
    if (::fstatat(entry.fd(), entry.name().constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISDIR(info.st_mode)) {
        QMutexLocker locker(&mutex_);
        madeFolders_.insert(entry.folderPath() + '/' + entry.name(),
                            Identity(info.st_dev, info.st_ino));
    }
    return {};
}

Outcome RealFileOps::copyFile(const QString& from, const QString& to) {
    // The copy is done here rather than by the library so that the reason of a
    // failure is the kernel's own, whichever call (copy_file_range, sendfile,
    // read, write) met it: a full disk is "no space", not "input/output error".
    // A link to a photo is followed when reading: only the copy must be new.
    const QByteArray source = toFsBytes(from);
    // Not blocking: a named pipe in a photo's place is refused, not waited on.
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return Outcome::failure(describeErrno(errno));
    struct stat info {};
    const int statError = ::fstat(in, &info) == 0 ? 0 : errno;
    if (statError != 0 || !S_ISREG(info.st_mode)) {
        const int error = statError != 0 ? statError : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(in);
        return fromErrno(error);
    }
    ::fcntl(in, F_SETFL, 0);
    const EntryFolder target(to);
    const Outcome same = checkMadeFolder(target);
    if (!same) {
        ::close(in);
        return same;
    }
    // The copy keeps the original's permission bits (under the umask), as cp does:
    // a photo only its owner may read does not become readable by everyone.
    const int out =
        ::openat(target.fd(), target.name().constData(),
                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, info.st_mode & 0777);
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
    ::unlinkat(target.fd(), target.name().constData(), 0); // only our own partial copy
    return fromErrno(error);
}

Outcome RealFileOps::renameNoReplace(const QString& from, const QString& to) {
    const EntryFolder source(from);
    const EntryFolder target(to);
    for (const EntryFolder* entry : {&source, &target}) {
        if (const Outcome same = checkMadeFolder(*entry); !same)
            return same;
    }
    // A folder this program made is renamed only while it is still that folder.
    const QByteArray sourcePath = source.folderPath() + '/' + source.name();
    {
        QMutexLocker locker(&mutex_);
        const auto made = madeFolders_.constFind(sourcePath);
        struct stat info {};
        if (made != madeFolders_.constEnd() &&
            (::fstatat(source.fd(), source.name().constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
             Identity(info.st_dev, info.st_ino) != *made))
            return swapped();
    }
    const auto renamed = [&] {
        QMutexLocker locker(&mutex_);
        if (const auto made = madeFolders_.constFind(sourcePath); made != madeFolders_.constEnd()) {
            const Identity identity = *made;
            madeFolders_.remove(sourcePath);
            madeFolders_.insert(target.folderPath() + '/' + target.name(), identity);
        }
        return Outcome::success();
    };
    const auto plainRename = [&] {
        return ::renameat(source.fd(), source.name().constData(), target.fd(),
                          target.name().constData()) == 0
                   ? renamed()
                   : fromErrno(errno);
    };
    if (::renameat2(source.fd(), source.name().constData(), target.fd(), target.name().constData(),
                    RENAME_NOREPLACE) == 0)
        return renamed();
    const int error = errno;
    if (error == EEXIST && sameEntry(source, target))
        return plainRename();
    if (error != EINVAL && error != ENOSYS)
        return fromErrno(error);
    // Some file systems (FUSE ntfs, exFAT) do not know the no-replace flag:
    // look before renaming instead.
    struct stat existing {};
    if (::fstatat(target.fd(), target.name().constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0 &&
        !sameEntry(source, target))
        return fromErrno(EEXIST);
    return plainRename();
}

Outcome RealFileOps::writeBytes(const QString& path, const QByteArray& bytes, bool durably) {
    const EntryFolder target(path);
    if (const Outcome same = checkMadeFolder(target); !same)
        return same;
    const int fd = ::openat(target.fd(), target.name().constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return fromErrno(errno);
    int error = writeAll(fd, bytes.constData(), bytes.size());
    if (error == 0 && durably && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && durably)
        error = syncFolder(target.fd());
    if (error == 0)
        return Outcome::success();
    ::unlinkat(target.fd(), target.name().constData(), 0); // the file this call created
    return fromErrno(error);
}

Outcome RealFileOps::writeFile(const QString& path, const QByteArray& bytes) {
    return writeBytes(path, bytes, false);
}

Outcome RealFileOps::writeFileDurably(const QString& path, const QByteArray& bytes) {
    return writeBytes(path, bytes, true);
}

Outcome RealFileOps::removeEmptyFolder(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    if (::unlinkat(entry.fd(), entry.name().constData(), AT_REMOVEDIR) != 0)
        return fromErrno(errno);
    QMutexLocker locker(&mutex_);
    madeFolders_.remove(entry.folderPath() + '/' + entry.name());
    return {};
}

Outcome RealFileOps::removeFile(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    // Without AT_REMOVEDIR: a link is removed itself, never what it points to,
    // and a folder is never removed as a file.
    if (::unlinkat(entry.fd(), entry.name().constData(), 0) != 0)
        return fromErrno(errno);
    return {};
}
