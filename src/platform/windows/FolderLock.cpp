#include "platform/FolderLock.h"

#include "platform/ErrorText.h"
#include "platform/FileOpsTexts.h"
#include "platform/FsPath.h"
#include "platform/UserFolders.h"
#include "platform/windows/WinFiles.h"

#include <QHash>
#include <QMutex>
#include <QPair>

using FolderIdentity = QPair<quint64, quint64>; // volume, file id

struct FolderLocks::Registry {
    QMutex mutex;
    QHash<FolderIdentity, std::weak_ptr<FolderLock::Hold>> holds;
};

// The lock file is open without sharing: a second run cannot open it at all,
// and Windows removes it when the last handle closes, however the program ends.
struct FolderLock::Hold {
    Handle file;
    FolderIdentity key;
    std::shared_ptr<FolderLocks::Registry> registry;
    ~Hold() {
        QMutexLocker locker(&registry->mutex);
        const auto it = registry->holds.constFind(key);
        if (it != registry->holds.constEnd() && it->expired())
            registry->holds.erase(it);
    }
};

FolderLocks::FolderLocks() : registry_(std::make_shared<Registry>()) {}

Result<FolderLock> FolderLocks::acquire(const QString& folder) {
    const Handle opened(::CreateFileW(longPath(folder).c_str(), FILE_READ_ATTRIBUTES, ShareAll,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    HandleFacts facts;
    const int error = opened.valid() ? factsOf(opened.get(), facts) : lastErrno();
    if (error != 0)
        return Result<FolderLock>::failure(cannotOpenFolder(folder, describeErrno(error)));
    const FolderIdentity key{facts.volume, facts.id};

    QMutexLocker locker(&registry_->mutex);
    FolderLock lock;
    if (const std::shared_ptr<FolderLock::Hold> existing = registry_->holds.value(key).lock()) {
        lock.hold_ = existing;
        return Result<FolderLock>::of(lock);
    }
    // The lock lives in the user's own folder, so that nobody who can only read
    // the photo folder can hold it.
    const Result<QString> folderOfLocks = userLockFolder();
    if (!folderOfLocks)
        return Result<FolderLock>::failure(folderOfLocks.message);
    const QString lockPath = withTrailingSeparator(folderOfLocks.value) +
                             identityName(key.first, key.second) + QStringLiteral(".lock");
    Handle file(::CreateFileW(
        longPath(lockPath).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
        const DWORD why = ::GetLastError();
        return Result<FolderLock>::failure(
            why == ERROR_SHARING_VIOLATION ? folderBusy(folder)
                                           : cannotHoldFolder(folder, describeErrno(errnoOf(why))));
    }
    auto hold = std::make_shared<FolderLock::Hold>();
    hold->file = std::move(file);
    hold->key = key;
    hold->registry = registry_;
    registry_->holds.insert(key, hold);
    lock.hold_ = hold;
    return Result<FolderLock>::of(lock);
}
