#include "platform/FileStatus.h"

#include "platform/ErrorText.h"
#include "platform/FsPath.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Opens without blocking on a pipe and refuses what is not an ordinary file.
Result<int> openOrdinary(const QString& path, int flags, struct stat& info) {
    const int fd = ::open(toFsBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | flags);
    if (fd < 0) {
        const int error = errno;
        return Result<int>::failure((flags & O_NOFOLLOW) && error == ELOOP
                                        ? QStringLiteral("это символическая ссылка")
                                        : describeErrno(error));
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Result<int>::failure(QStringLiteral("это не обычный файл"));
    }
    ::fcntl(fd, F_SETFL, O_RDONLY);
    return Result<int>::of(fd);
}

} // namespace

Result<int> openOrdinaryFile(const QString& path) {
    struct stat info {};
    return openOrdinary(path, 0, info);
}

Result<QByteArray> readOwnSmallFile(const QString& path, qint64 maxBytes) {
    struct stat info {};
    const Result<int> opened = openOrdinary(path, O_NOFOLLOW, info);
    if (!opened)
        return Result<QByteArray>::failure(opened.message);
    const int fd = opened.value;
    const auto refuse = [fd](const QString& why) {
        ::close(fd);
        return Result<QByteArray>::failure(why);
    };
    if (info.st_uid != ::geteuid())
        return refuse(QStringLiteral("файл принадлежит другому пользователю"));
    if (info.st_size > maxBytes)
        return refuse(QStringLiteral("файл слишком большой"));
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
        return Result<QByteArray>::failure(QStringLiteral("файл слишком большой"));
    return Result<QByteArray>::of(bytes);
}
