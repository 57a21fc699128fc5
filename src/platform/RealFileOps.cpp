#include "platform/RealFileOps.h"

#include "platform/ErrorText.h"
#include "platform/FsPath.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

Outcome fromErrorCode(const std::error_code& ec) {
    return ec ? Outcome::failure(describeError(ec)) : Outcome::success();
}

#ifndef _WIN32
Outcome fromErrno(int value) {
    return Outcome::failure(describeErrno(value));
}

bool entryExists(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0;
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
#endif

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
    std::error_code ec;
    fs::copy_file(toFsPath(from), toFsPath(to), fs::copy_options::overwrite_existing, ec);
    if (ec) {
        // Only a partial copy is removed, never the source or a folder.
        std::error_code ignored;
        if (!fs::equivalent(toFsPath(from), toFsPath(to), ignored) &&
            fs::is_regular_file(fs::symlink_status(toFsPath(to), ignored)))
            fs::remove(toFsPath(to), ignored);
    }
    return fromErrorCode(ec);
}

Outcome RealFileOps::renameNoReplace(const QString& from, const QString& to) {
#ifdef _WIN32
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(from.utf16()), reinterpret_cast<LPCWSTR>(to.utf16()),
                    0))
        return Outcome::success();
    return fromErrorCode(std::error_code(static_cast<int>(GetLastError()), std::system_category()));
#else
    const QByteArray source = toFsPath(from).native().c_str();
    const QByteArray target = toFsPath(to).native().c_str();
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
    if (entryExists(target) && !sameEntry(source, target))
        return fromErrno(EEXIST);
    if (::rename(source.constData(), target.constData()) == 0)
        return Outcome::success();
    return fromErrno(errno);
#endif
}

Outcome RealFileOps::writeFile(const QString& path, const QByteArray& bytes) {
    const fs::path target = toFsPath(path);
    std::FILE* file = nullptr;
#ifdef _WIN32
    file = _wfopen(target.c_str(), L"wb");
#else
    file = std::fopen(target.c_str(), "wb");
#endif
    if (!file)
        return fromErrorCode(std::error_code(errno, std::generic_category()));
    const std::size_t written = std::fwrite(bytes.constData(), 1, bytes.size(), file);
    int error = written == static_cast<std::size_t>(bytes.size()) ? 0 : errno;
    if (std::fclose(file) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return Outcome::success();
    std::error_code ignored;
    fs::remove(target, ignored);
    return fromErrorCode(std::error_code(error ? error : EIO, std::generic_category()));
}

Outcome RealFileOps::removeEmptyFolder(const QString& path) {
#ifdef _WIN32
    if (RemoveDirectoryW(reinterpret_cast<LPCWSTR>(path.utf16())))
        return Outcome::success();
    return fromErrorCode(std::error_code(static_cast<int>(GetLastError()), std::system_category()));
#else
    if (::rmdir(toFsPath(path).c_str()) == 0)
        return Outcome::success();
    return fromErrno(errno);
#endif
}

Outcome RealFileOps::removeFile(const QString& path) {
    std::error_code ec;
    fs::remove(toFsPath(path), ec);
    return fromErrorCode(ec);
}
