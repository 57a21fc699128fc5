#include "platform/windows/WinFiles.h"

#include <QDir>
#include <cerrno>
#include <cstring>
#include <winternl.h>

namespace {

const std::wstring LongPrefix = L"\\\\?\\";
const std::wstring UncPrefix = L"\\\\?\\UNC\\";

} // namespace

std::wstring longPath(const QString& path) {
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    if (native.starts_with(LongPrefix))
        return native;
    std::wstring full(native.size() + MAX_PATH, L'\0');
    DWORD size =
        ::GetFullPathNameW(native.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (size >= full.size()) {
        full.resize(size);
        size = ::GetFullPathNameW(native.c_str(), size, full.data(), nullptr);
    }
    full.resize(size < full.size() ? size : 0);
    if (full.starts_with(L"\\\\.\\") || full.empty())
        return native; // a device path, or nothing Windows could resolve: taken as it stands
    if (full.starts_with(L"\\\\"))
        return UncPrefix + full.substr(2);
    return LongPrefix + full;
}

std::size_t rootLength(const std::wstring& path) {
    std::size_t from = LongPrefix.size();
    int separators = 1; // "C:\"
    if (path.starts_with(UncPrefix)) {
        from = UncPrefix.size();
        separators = 2; // "server\share\"
    }
    std::size_t at = from;
    for (int i = 0; i < separators; ++i) {
        at = path.find(L'\\', at);
        if (at == std::wstring::npos)
            return path.size();
        ++at;
    }
    return at;
}

QString shortFormOf(const std::wstring& path) {
    if (path.starts_with(UncPrefix))
        return QStringLiteral("\\\\") + QString::fromStdWString(path.substr(UncPrefix.size()));
    if (path.starts_with(LongPrefix))
        return QString::fromStdWString(path.substr(LongPrefix.size()));
    return QString::fromStdWString(path);
}

int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return ENAMETOOLONG;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_CANT_RESOLVE_FILENAME:
    case ERROR_CANT_ACCESS_FILE:
        return ELOOP;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
        return EBUSY;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
    case ERROR_BAD_PATHNAME:
        return EINVAL;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    default:
        return EIO;
    }
}

int lastErrno() {
    return errnoOf(::GetLastError());
}

int factsOf(HANDLE handle, HandleFacts& facts) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag))
        return lastErrno();
    facts.attributes = tag.FileAttributes;
    facts.link = (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                 IsReparseTagNameSurrogate(tag.ReparseTag);
    FILE_STANDARD_INFO standard{};
    if (::GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)) {
        facts.size = static_cast<std::uint64_t>(standard.EndOfFile.QuadPart);
        facts.links = standard.NumberOfLinks;
    }
    // The 128-bit identity where the file system has one; the two halves are
    // folded into one number, which only ReFS fills beyond 64 bits.
    FILE_ID_INFO id{};
    if (::GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id)) {
        std::uint64_t halves[2] = {};
        static_assert(sizeof halves == sizeof id.FileId.Identifier);
        std::memcpy(halves, id.FileId.Identifier, sizeof halves);
        facts.volume = id.VolumeSerialNumber;
        facts.id = halves[0] ^ halves[1];
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info))
        return lastErrno();
    facts.volume = info.dwVolumeSerialNumber;
    facts.id = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return 0;
}

int openIn(HANDLE folder, const std::wstring& name, ACCESS_MASK access, ULONG share,
           ULONG disposition, ULONG options, Handle& opened) {
    if (name.empty() || name.size() > 32767 || name.find_first_of(L"\\/:") != std::wstring::npos)
        return EINVAL;
    UNICODE_STRING text{};
    text.Buffer = const_cast<PWSTR>(name.c_str());
    text.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    text.MaximumLength = text.Length;
    OBJECT_ATTRIBUTES attributes{};
    InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
    IO_STATUS_BLOCK status{};
    HANDLE handle = nullptr;
    const NTSTATUS result = ::NtCreateFile(&handle, access | SYNCHRONIZE, &attributes, &status,
                                           nullptr, FILE_ATTRIBUTE_NORMAL, share, disposition,
                                           options | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
    if (result < 0)
        return errnoOf(::RtlNtStatusToDosError(result));
    opened = Handle(handle);
    return 0;
}

int removeByHandle(HANDLE handle) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return ::SetFileInformationByHandle(handle, FileDispositionInfo, &disposition,
                                        sizeof disposition)
               ? 0
               : lastErrno();
}
