#include "platform/FileStatus.h"

#include "platform/ErrorText.h"
#include "platform/FsPath.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

FileStatus fromStat(int result, const struct stat& info) {
    FileStatus status;
    if (result != 0) {
        status.error = errno;
        return status;
    }
    status.isFolder = S_ISDIR(info.st_mode);
    status.isFile = S_ISREG(info.st_mode);
    status.isSymlink = S_ISLNK(info.st_mode);
    status.stickyFolder = status.isFolder && (info.st_mode & S_ISVTX);
    status.device = info.st_dev;
    status.inode = info.st_ino;
    status.owner = info.st_uid;
    return status;
}

int accessError(const QString& path, int mode) {
    return ::access(toFsBytes(path).constData(), mode) == 0 ? 0 : errno;
}

} // namespace

FileStatus statusOf(const QString& path) {
    struct stat info {};
    const int result = ::stat(toFsBytes(path).constData(), &info);
    return fromStat(result, info);
}

FileStatus linkStatusOf(const QString& path) {
    struct stat info {};
    const int result = ::lstat(toFsBytes(path).constData(), &info);
    return fromStat(result, info);
}

int readAccessError(const QString& path) {
    return accessError(path, R_OK);
}

int writeAccessError(const QString& path) {
    return accessError(path, W_OK | X_OK);
}

Result<QString> realPath(const QString& path) {
    char* resolved = ::realpath(toFsBytes(path).constData(), nullptr);
    if (!resolved)
        return Result<QString>::failure(describeErrno(errno));
    const QString text = fromFsBytes(QByteArray(resolved));
    std::free(resolved);
    return Result<QString>::of(text);
}

std::uint32_t effectiveUser() {
    return ::geteuid();
}

int maxPathBytes() {
    return PATH_MAX;
}

int writeAll(int fd, const char* data, qsizetype size) {
    for (qsizetype written = 0; written < size;) {
        const ssize_t n = ::write(fd, data + written, static_cast<std::size_t>(size - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += n;
    }
    return 0;
}

namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

Result<int> failed(const QString& why) {
    return Result<int>::failure(why);
}

// A path handle (O_PATH) reads no byte and wakes no device: a pipe, a tape or
// /dev/zero in a file's place is refused unopened. A link at the end is refused
// unless `followLink`, and then followed only when it is the user's own or
// root's, as the kernel's protected_symlinks does in shared folders.
Result<int> pathHandle(const QByteArray& path, bool followLink) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray above = slash < 0 ? QByteArray(".") : path.left(std::max<qsizetype>(slash, 1));
    const Descriptor folder{::open(above.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd < 0)
        return failed(describeErrno(errno));
    Descriptor handle{
        ::openat(folder.fd, path.mid(slash + 1).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC)};
    struct stat link {};
    if (handle.fd < 0 || ::fstat(handle.fd, &link) != 0)
        return failed(describeErrno(errno));
    if (!S_ISLNK(link.st_mode))
        return Result<int>::of(handle.release());
    if (!followLink)
        return failed(QCoreApplication::translate("FileStatus", "это символическая ссылка"));
    if (link.st_uid != ::geteuid() && link.st_uid != 0)
        return failed(QCoreApplication::translate("FileStatus",
                                                  "это символическая ссылка другого пользователя"));
    // The target is read from the link just checked, never from one swapped in since.
    char target[PATH_MAX];
    const ssize_t size = ::readlinkat(handle.fd, "", target, sizeof target - 1);
    if (size < 0)
        return failed(describeErrno(errno));
    target[size] = '\0';
    const int followed = ::openat(folder.fd, target, O_PATH | O_CLOEXEC);
    return followed < 0 ? failed(describeErrno(errno)) : Result<int>::of(followed);
}

// Without /proc the path is opened once more, and it has to be the file checked.
Result<int> reopenByPath(const QByteArray& path, int linkFlag, const struct stat& checked) {
    const int fd =
        ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | linkFlag);
    if (fd < 0)
        return failed(describeErrno(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_dev != checked.st_dev || info.st_ino != checked.st_ino) {
        ::close(fd);
        return failed(
            QCoreApplication::translate("FileStatus", "файл подменён, пока его открывали"));
    }
    ::fcntl(fd, F_SETFL, O_RDONLY);
    return Result<int>::of(fd);
}

Result<int> openOrdinary(const QString& path, bool followLink, struct stat& info) {
    const QByteArray bytes = toFsBytes(path);
    const Result<int> opened = pathHandle(bytes, followLink);
    if (!opened)
        return opened;
    const Descriptor handle{opened.value};
    if (::fstat(handle.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return failed(QCoreApplication::translate("FileStatus", "это не обычный файл"));
    const QByteArray reopen = "/proc/self/fd/" + QByteArray::number(handle.fd);
    const int fd = ::open(reopen.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd >= 0)
        return Result<int>::of(fd);
    if (errno != ENOENT)
        return failed(describeErrno(errno));
    return reopenByPath(bytes, followLink ? 0 : O_NOFOLLOW, info);
}

} // namespace

Result<int> openOrdinaryFile(const QString& path) {
    struct stat info {};
    return openOrdinary(path, true, info);
}

Result<QByteArray> readOwnSmallFile(const QString& path, qint64 maxBytes) {
    struct stat info {};
    const Result<int> opened = openOrdinary(path, false, info);
    if (!opened)
        return Result<QByteArray>::failure(opened.message);
    const int fd = opened.value;
    const auto refuse = [fd](const QString& why) {
        ::close(fd);
        return Result<QByteArray>::failure(why);
    };
    if (info.st_uid != ::geteuid())
        return refuse(
            QCoreApplication::translate("FileStatus", "файл принадлежит другому пользователю"));
    if (info.st_size > maxBytes)
        return refuse(QCoreApplication::translate("FileStatus", "файл слишком большой"));
    QByteArray bytes;
    char buffer[1 << 14];
    while (bytes.size() <= maxBytes) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refuse(describeErrno(errno));
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(fd);
    // A file that grew while it was read is as suspect as one that was large.
    if (bytes.size() > maxBytes)
        return Result<QByteArray>::failure(
            QCoreApplication::translate("FileStatus", "файл слишком большой"));
    return Result<QByteArray>::of(bytes);
}
