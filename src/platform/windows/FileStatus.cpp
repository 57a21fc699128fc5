#include "platform/FileStatus.h"

#include "platform/ErrorText.h"
#include "platform/windows/WinFiles.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <io.h>

namespace {

Handle openPath(const QString& path, DWORD access, bool followLink) {
    return Handle(::CreateFileW(
        longPath(path).c_str(), access, ShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr));
}

FileStatus statusThrough(const QString& path, bool followLink) {
    FileStatus status;
    const Handle handle = openPath(path, FILE_READ_ATTRIBUTES, followLink);
    HandleFacts facts;
    status.error = handle.valid() ? factsOf(handle.get(), facts) : lastErrno();
    if (status.error != 0)
        return status;
    status.isSymlink = facts.link;
    status.isFolder = facts.isFolder();
    status.isFile =
        !facts.link && !status.isFolder && ::GetFileType(handle.get()) == FILE_TYPE_DISK;
    status.device = facts.volume;
    status.inode = facts.id;
    return status;
}

int accessError(const QString& path, DWORD access) {
    const Handle handle = openPath(path, access, true);
    return handle.valid() ? 0 : lastErrno();
}

Result<int> failed(const QString& why) {
    return Result<int>::failure(why);
}

// The file is checked through the handle it is read through: an ordinary file
// on a disk, never a folder, a pipe or a device.
Result<int> openOrdinary(const QString& path, bool followLink, HandleFacts& facts) {
    Handle handle = openPath(path, GENERIC_READ, followLink);
    if (!handle.valid())
        return failed(describeErrno(lastErrno()));
    if (const int error = factsOf(handle.get(), facts); error != 0)
        return failed(describeErrno(error));
    if (facts.link)
        return failed(QCoreApplication::translate("FileStatus", "это символическая ссылка"));
    if ((facts.attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        ::GetFileType(handle.get()) != FILE_TYPE_DISK)
        return failed(QCoreApplication::translate("FileStatus", "это не обычный файл"));
    const int fd =
        ::_open_osfhandle(reinterpret_cast<intptr_t>(handle.get()), _O_RDONLY | _O_BINARY);
    if (fd < 0)
        return failed(describeErrno(errno));
    handle.release(); // the descriptor owns it now
    return Result<int>::of(fd);
}

} // namespace

FileStatus statusOf(const QString& path) {
    return statusThrough(path, true);
}

FileStatus linkStatusOf(const QString& path) {
    return statusThrough(path, false);
}

int readAccessError(const QString& path) {
    return accessError(path, GENERIC_READ);
}

int writeAccessError(const QString& path) {
    return accessError(path, FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY);
}

Result<QString> realPath(const QString& path) {
    const Handle handle = openPath(path, FILE_READ_ATTRIBUTES, true);
    if (!handle.valid())
        return Result<QString>::failure(describeErrno(lastErrno()));
    std::wstring resolved(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD size = ::GetFinalPathNameByHandleW(handle.get(), resolved.data(),
                                                       static_cast<DWORD>(resolved.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (size == 0)
            return Result<QString>::failure(describeErrno(lastErrno()));
        if (size < resolved.size()) {
            resolved.resize(size);
            QString text = shortFormOf(resolved);
            if (text.size() > 3 && text.endsWith(QLatin1Char('\\')))
                text.chop(1);
            return Result<QString>::of(text);
        }
        resolved.resize(size);
    }
    return Result<QString>::failure(describeErrno(ENAMETOOLONG));
}

// Windows has no user number; the owner of every file reads as this one, so
// that no check by owner ever refuses or trusts a file on Windows.
std::uint32_t effectiveUser() {
    return 0;
}

// The longest path behind \\?\, less room for the prefix itself.
int maxPathBytes() {
    return 32767 - 8;
}

int writeAll(int fd, const char* data, qsizetype size) {
    for (qsizetype written = 0; written < size;) {
        const qsizetype chunk = std::min<qsizetype>(size - written, 1 << 30);
        const int n = ::_write(fd, data + written, static_cast<unsigned>(chunk));
        if (n < 0)
            return errno;
        written += n;
    }
    return 0;
}

Result<int> openOrdinaryFile(const QString& path) {
    HandleFacts facts;
    return openOrdinary(path, true, facts);
}

Result<QByteArray> readOwnSmallFile(const QString& path, qint64 maxBytes) {
    HandleFacts facts;
    const Result<int> opened = openOrdinary(path, false, facts);
    if (!opened)
        return Result<QByteArray>::failure(opened.message);
    const int fd = opened.value;
    if (facts.size > static_cast<std::uint64_t>(maxBytes)) {
        ::_close(fd);
        return Result<QByteArray>::failure(
            QCoreApplication::translate("FileStatus", "файл слишком большой"));
    }
    QByteArray bytes;
    char buffer[1 << 14];
    while (bytes.size() <= maxBytes) {
        const int n = ::_read(fd, buffer, sizeof buffer);
        if (n < 0) {
            const int error = errno;
            ::_close(fd);
            return Result<QByteArray>::failure(describeErrno(error));
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    ::_close(fd);
    // A file that grew while it was read is as suspect as one that was large.
    if (bytes.size() > maxBytes)
        return Result<QByteArray>::failure(
            QCoreApplication::translate("FileStatus", "файл слишком большой"));
    return Result<QByteArray>::of(bytes);
}
