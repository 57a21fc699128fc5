#include "platform/RealFileOps.h"

#include "platform/ErrorText.h"
#include "platform/FileOpsTexts.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"
#include "platform/posix/EntryFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// The process's umask, read once without changing it (another thread may be
// creating files); 022 where the kernel does not tell it.
mode_t readUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return static_cast<mode_t>(mask & 0777);
            }
        }
    }
    return 022;
}

mode_t processUmask() {
    static const mode_t mask = readUmask();
    return mask;
}

// A file made from `original` is first created without the group's bits;
// they are given only when the new file's group is the original's, so that a
// photo the owner shares with one group is never opened to another.
mode_t creationMode(const struct stat& original) {
    return original.st_mode & 0707;
}

int shareWithSameGroup(int fd, const struct stat& original) {
    struct stat made {};
    if ((original.st_mode & 070) == 0)
        return 0;
    if (::fstat(fd, &made) != 0)
        return errno;
    if (made.st_gid != original.st_gid)
        return 0;
    const mode_t group = original.st_mode & 070 & ~processUmask();
    return ::fchmod(fd, (made.st_mode & 0707) | group) == 0 ? 0 : errno;
}

} // namespace

Outcome RealFileOps::checkMadeFolder(const EntryFolder& folder) {
    if (folder.error())
        return changeFailure(folder.error());
    QMutexLocker locker(&mutex_);
    const auto made = madeFolders_.constFind(folder.folderPath());
    if (made == madeFolders_.constEnd())
        return {};
    struct stat info {};
    if (::fstat(folder.fd(), &info) != 0 || Identity(info.st_dev, info.st_ino) != *made)
        return swappedFolder();
    return {};
}

Outcome RealFileOps::makeFolder(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    if (::mkdirat(entry.fd(), entry.name().constData(), 0777) != 0)
        return changeFailure(errno);
    // The identity is taken from a handle on what now has the name: a folder
    // swapped in after mkdirat is never taken for ours. Ours is empty and the
    // user's own.
    const int fd = ::openat(entry.fd(), entry.name().constData(),
                            O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return swappedFolder();
    struct stat info {};
    bool ours = ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid();
    if (DIR* listing = ours ? ::fdopendir(::dup(fd)) : nullptr) {
        for (const dirent* item = ::readdir(listing); item && ours; item = ::readdir(listing))
            ours = std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0;
        ::closedir(listing);
    } else {
        ours = false;
    }
    ::close(fd);
    if (!ours)
        return swappedFolder();
    QMutexLocker locker(&mutex_);
    madeFolders_.insert(entry.folderPath() + '/' + entry.name(),
                        Identity(info.st_dev, info.st_ino));
    return {};
}

Outcome RealFileOps::copyFile(const QString& from, const QString& to) {
    // The copy is done here rather than by the library so that the reason of a
    // failure is the kernel's own, whichever call (copy_file_range, sendfile,
    // read, write) met it: a full disk is "no space", not "input/output error".
    // A link to a photo is followed when reading: only the copy must be new.
    const Result<int> opened = openOrdinaryFile(from);
    if (!opened)
        return Outcome::failure(opened.message);
    const int in = opened.value;
    struct stat info {};
    if (::fstat(in, &info) != 0) {
        const int error = errno;
        ::close(in);
        return changeFailure(error);
    }
    const EntryFolder target(to);
    const Outcome same = checkMadeFolder(target);
    if (!same) {
        ::close(in);
        return same;
    }
    const int out =
        ::openat(target.fd(), target.name().constData(),
                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, creationMode(info));
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return changeFailure(error);
    }
    int error = shareWithSameGroup(out, info);
    if (error == 0)
        error = copyContents(in, out);
    if (::close(out) != 0 && error == 0)
        error = errno;
    ::close(in);
    if (error == 0)
        return Outcome::success();
    ::unlinkat(target.fd(), target.name().constData(), 0); // only our own partial copy
    return changeFailure(error);
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
            return swappedFolder();
    }
    const auto renamed = [&] {
        QMutexLocker locker(&mutex_);
        const auto made = madeFolders_.constFind(sourcePath);
        if (made == madeFolders_.constEnd())
            return Outcome::success();
        // A folder swapped in between the look and the rename is never left
        // under the new name: it goes back where it was taken from.
        const Identity identity = *made;
        struct stat info {};
        if (::fstatat(target.fd(), target.name().constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            Identity(info.st_dev, info.st_ino) != identity) {
            ::renameat2(target.fd(), target.name().constData(), source.fd(),
                        source.name().constData(), RENAME_NOREPLACE);
            return swappedFolder();
        }
        madeFolders_.remove(sourcePath);
        madeFolders_.insert(target.folderPath() + '/' + target.name(), identity);
        return Outcome::success();
    };
    const auto plainRename = [&] {
        return ::renameat(source.fd(), source.name().constData(), target.fd(),
                          target.name().constData()) == 0
                   ? renamed()
                   : changeFailure(errno);
    };
    if (::renameat2(source.fd(), source.name().constData(), target.fd(), target.name().constData(),
                    RENAME_NOREPLACE) == 0)
        return renamed();
    const int error = errno;
    if (error == EEXIST && sameEntry(source, target))
        return plainRename();
    if (error != EINVAL && error != ENOSYS)
        return changeFailure(error);
    // Some file systems (FUSE ntfs, exFAT) do not know the no-replace flag:
    // look before renaming instead.
    struct stat existing {};
    if (::fstatat(target.fd(), target.name().constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0 &&
        !sameEntry(source, target))
        return changeFailure(EEXIST);
    return plainRename();
}

Outcome RealFileOps::writeBytes(const QString& path, const QByteArray& bytes, bool durably,
                                const PhotoReaders* readers) {
    struct stat like {};
    like.st_mode = readers ? readers->mode : 0644;
    like.st_gid = readers ? readers->group : ::getegid();
    const EntryFolder target(path);
    if (const Outcome same = checkMadeFolder(target); !same)
        return same;
    const int fd = ::openat(target.fd(), target.name().constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            readers ? creationMode(like) : like.st_mode);
    if (fd < 0)
        return changeFailure(errno);
    int error = readers ? shareWithSameGroup(fd, like) : 0;
    if (error == 0)
        error = writeAll(fd, bytes.constData(), bytes.size());
    if (error == 0 && durably && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && durably)
        error = syncFolder(target.fd());
    if (error == 0)
        return Outcome::success();
    ::unlinkat(target.fd(), target.name().constData(), 0); // the file this call created
    return changeFailure(error);
}

Outcome RealFileOps::removeEmptyFolder(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    if (::unlinkat(entry.fd(), entry.name().constData(), AT_REMOVEDIR) != 0)
        return changeFailure(errno);
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
        return changeFailure(errno);
    return {};
}

Outcome RealFileOps::removeLeftoverFolder(const QString& path, const QString& markName,
                                          const std::function<bool(const QString&)>& isOwnName) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    // Everything below is checked and changed through this one handle: a folder
    // swapped in under the name meanwhile is not the one emptied.
    const int folder = ::openat(entry.fd(), entry.name().constData(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return errno == ELOOP || errno == ENOTDIR ? notAFolder() : changeFailure(errno);
    const auto refuse = [folder](const Outcome& why) {
        ::close(folder);
        return why;
    };
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return refuse(changeFailure(errno));
    if (info.st_uid != ::geteuid())
        return refuse(othersFolder());
    DIR* listing = ::fdopendir(::dup(folder));
    if (!listing)
        return refuse(changeFailure(errno));
    QList<LeftoverEntry> entries;
    for (const dirent* item = ::readdir(listing); item; item = ::readdir(listing)) {
        if (std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0)
            continue;
        struct stat file {};
        entries.append({fromFsBytes(QByteArray(item->d_name)),
                        ::fstatat(folder, item->d_name, &file, AT_SYMLINK_NOFOLLOW) == 0 &&
                            S_ISREG(file.st_mode)});
    }
    ::closedir(listing);
    const Result<QStringList> order = leftoverRemovalOrder(entries, markName, isOwnName);
    if (!order)
        return refuse(order);
    for (const QString& name : order.value) {
        if (::unlinkat(folder, toFsBytes(name).constData(), 0) != 0)
            return refuse(
                Outcome::failure(QStringLiteral("«%1»: %2").arg(name, describeErrno(errno))));
    }
    ::close(folder);
    // Only an empty folder can go, so nothing is lost should another have
    // taken the name since.
    if (::unlinkat(entry.fd(), entry.name().constData(), AT_REMOVEDIR) != 0)
        return changeFailure(errno);
    QMutexLocker locker(&mutex_);
    madeFolders_.remove(entry.folderPath() + '/' + entry.name());
    return {};
}
