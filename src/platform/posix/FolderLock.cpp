#include "platform/FolderLock.h"

#include "platform/ErrorText.h"
#include "platform/FileOpsTexts.h"
#include "platform/FsPath.h"
#include "platform/UserFolders.h"

#include <QHash>
#include <QMutex>
#include <QPair>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using FolderIdentity = QPair<quint64, quint64>; // device, inode

struct FolderLocks::Registry {
    QMutex mutex;
    QHash<FolderIdentity, std::weak_ptr<FolderLock::Hold>> holds;
};

struct FolderLock::Hold {
    int fd = -1;         // the locked file (or, without a lock folder, the folder itself)
    int lockFolder = -1; // the folder the lock file is in; -1 without one
    QByteArray lockName; // the lock file's name there
    FolderIdentity key;
    std::shared_ptr<FolderLocks::Registry> registry;
    ~Hold();
};

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Locks the file of that name in the lock folder, made when missing: 0 or the
// errno value. A file that a finishing run removed between our open and our
// lock is opened again, so that two runs never hold two different files.
int lockFileIn(int folder, const QByteArray& name, int& fd) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        fd = ::openat(folder, name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error;
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 &&
            ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(held, named) && S_ISREG(held.st_mode))
            return 0;
        ::close(fd);
    }
    return EWOULDBLOCK;
}

} // namespace

FolderLock::Hold::~Hold() {
    {
        QMutexLocker locker(&registry->mutex);
        const auto it = registry->holds.constFind(key);
        if (it != registry->holds.constEnd() && it->expired())
            registry->holds.erase(it);
    }
    // Removed while still held: a run that opened it before cannot lock it
    // unnoticed, it finds the name gone and opens the next one.
    if (lockFolder >= 0) {
        ::unlinkat(lockFolder, lockName.constData(), 0);
        ::close(lockFolder);
    }
    if (fd >= 0)
        ::close(fd); // closing lets the lock go
}

FolderLocks::FolderLocks() : registry_(std::make_shared<Registry>()) {}

Result<FolderLock> FolderLocks::acquire(const QString& folder) {
    const auto cannotOpen = [&folder](int error) {
        return Result<FolderLock>::failure(cannotOpenFolder(folder, describeErrno(error)));
    };
    const int folderFd = ::open(toFsBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return cannotOpen(errno);
    struct stat info {};
    if (::fstat(folderFd, &info) != 0) {
        const int error = errno;
        ::close(folderFd);
        return cannotOpen(error);
    }
    const FolderIdentity key{info.st_dev, info.st_ino};

    QMutexLocker locker(&registry_->mutex);
    if (const std::shared_ptr<FolderLock::Hold> existing = registry_->holds.value(key).lock()) {
        ::close(folderFd);
        FolderLock lock;
        lock.hold_ = existing;
        return Result<FolderLock>::of(lock);
    }
    // The lock lives in the user's own folder, so that nobody who can only read
    // the photo folder can hold it. Where the user has no such folder, the
    // photo folder itself is locked.
    int fd = -1;
    int lockFolder = -1;
    QByteArray lockName;
    int error = 0;
    if (const Result<QString> folderOfLocks = userLockFolder()) {
        ::close(folderFd);
        lockFolder = ::open(toFsBytes(folderOfLocks.value).constData(),
                            O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (lockFolder < 0)
            return Result<FolderLock>::failure(
                cannotOpenFolder(folderOfLocks.value, describeErrno(errno)));
        lockName = identityName(key.first, key.second).toLatin1() + ".lock";
        error = lockFileIn(lockFolder, lockName, fd);
        if (error != 0)
            ::close(lockFolder);
    } else {
        fd = folderFd;
        if (::flock(folderFd, LOCK_EX | LOCK_NB) != 0) {
            error = errno;
            ::close(folderFd);
        }
    }
    if (error == EWOULDBLOCK)
        return Result<FolderLock>::failure(folderBusy(folder));
    if (error != 0)
        return Result<FolderLock>::failure(cannotHoldFolder(folder, describeErrno(error)));
    auto hold = std::make_shared<FolderLock::Hold>();
    hold->key = key;
    hold->registry = registry_;
    hold->fd = fd;
    hold->lockFolder = lockFolder;
    hold->lockName = lockName;
    registry_->holds.insert(key, hold);
    FolderLock lock;
    lock.hold_ = hold;
    return Result<FolderLock>::of(lock);
}
