#include "platform/FolderLock.h"

#include "platform/ErrorText.h"
#include "platform/FsPath.h"

#include <QHash>
#include <QMutex>
#include <QPair>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

struct FolderLock::Hold {
    int fd = -1;
    QPair<quint64, quint64> key;
    ~Hold();
};

namespace {

QMutex registryMutex;

QHash<QPair<quint64, quint64>, std::weak_ptr<FolderLock::Hold>>& registry() {
    static QHash<QPair<quint64, quint64>, std::weak_ptr<FolderLock::Hold>> holds;
    return holds;
}

} // namespace

FolderLock::Hold::~Hold() {
    {
        QMutexLocker locker(&registryMutex);
        const auto it = registry().constFind(key);
        if (it != registry().constEnd() && it->expired())
            registry().erase(it);
    }
    if (fd >= 0)
        ::close(fd); // closing lets the lock go
}

Result<FolderLock> FolderLock::acquire(const QString& folder) {
    const int fd = ::open(toFsBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Result<FolderLock>::failure(
            QStringLiteral("Не удалось открыть папку «%1»: %2.").arg(folder, describeErrno(errno)));
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return Result<FolderLock>::failure(
            QStringLiteral("Не удалось открыть папку «%1»: %2.").arg(folder, describeErrno(error)));
    }
    const QPair<quint64, quint64> key{info.st_dev, info.st_ino};

    QMutexLocker locker(&registryMutex);
    if (const std::shared_ptr<Hold> existing = registry().value(key).lock()) {
        ::close(fd);
        FolderLock lock;
        lock.hold_ = existing;
        return Result<FolderLock>::of(lock);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Result<FolderLock>::failure(
                QStringLiteral("С папкой «%1» уже работает другой запуск программы. Дождитесь его "
                               "окончания и повторите. Ничего не изменено.")
                    .arg(folder));
        return Result<FolderLock>::failure(
            QStringLiteral("Не удалось занять папку «%1»: %2.").arg(folder, describeErrno(error)));
    }
    auto hold = std::make_shared<Hold>();
    hold->fd = fd;
    hold->key = key;
    registry().insert(key, hold);
    FolderLock lock;
    lock.hold_ = hold;
    return Result<FolderLock>::of(lock);
}
