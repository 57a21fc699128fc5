#include "platform/posix/EntryFolder.h"

#include "platform/FsPath.h"

#include <QList>
#include <cerrno>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The kernel walks the whole path at once and refuses any link on the way: one
// call instead of one per component. -1 with errno ENOSYS (an old kernel, or a
// sandbox that does not allow the call) leaves the walk to the caller.
int openFolderWithoutLinks(const QByteArray& folder) {
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_NO_SYMLINKS;
    const long fd = ::syscall(SYS_openat2, AT_FDCWD, folder.constData(), &how, sizeof how);
    if (fd < 0 && errno == EPERM)
        errno = ENOSYS;
    return static_cast<int>(fd);
}

} // namespace

EntryFolder::EntryFolder(const QString& path) {
    QByteArray bytes = toFsBytes(path);
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    const qsizetype slash = bytes.lastIndexOf('/');
    name_ = bytes.mid(slash + 1);
    folderPath_ = slash == 0 ? QByteArray("/") : slash < 0 ? QByteArray(".") : bytes.left(slash);
    if (name_.isEmpty() || name_ == "." || name_ == ".." || bytes.contains('\0')) {
        error_ = EINVAL;
        return;
    }
    fd_ = openFolderWithoutLinks(folderPath_);
    if (fd_ >= 0 || errno != ENOSYS) {
        error_ = fd_ >= 0 ? 0 : errno;
        return;
    }
    fd_ = ::open(bytes.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    for (const QByteArray& part : folderPath_.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        const int next =
            ::openat(fd_, part.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            error_ = errno;
            struct stat info {};
            if (error_ == ENOTDIR &&
                ::fstatat(fd_, part.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(info.st_mode))
                error_ = ELOOP;
            ::close(fd_);
            fd_ = -1;
            return;
        }
        ::close(fd_);
        fd_ = next;
    }
}

EntryFolder::~EntryFolder() {
    if (fd_ >= 0)
        ::close(fd_);
}
