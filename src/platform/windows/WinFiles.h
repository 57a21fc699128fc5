#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <utility>
#include <windows.h>

// The pieces every Windows file operation of the program is made of: handles
// that close themselves, paths of any length, and opening a name inside an open
// folder the way openat() does on other systems.

class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { reset(); }
    Handle(Handle&& other) noexcept : handle_(other.release()) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.release();
        }
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    void reset() {
        if (valid())
            ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Shared with every other program: reading, writing and renaming or removing.
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Held folders are shared for reading and writing but not for removal, so that
// nobody renames or removes them (or any folder above) while they are held.
constexpr DWORD ShareHeld = FILE_SHARE_READ | FILE_SHARE_WRITE;

// The absolute path in backslashes behind \\?\ (or \\?\UNC\ for a share), which
// Windows takes at any length and without reinterpreting names such as "CON".
std::wstring longPath(const QString& path);
// How many characters of a long path name its root: "\\?\C:\", or
// "\\?\UNC\server\share\".
std::size_t rootLength(const std::wstring& path);
// The path as the user reads it again: without the \\?\ prefix.
QString shortFormOf(const std::wstring& path);

// The errno value that stands for a Windows error, so that every system's
// failures read the same.
int errnoOf(DWORD error);
int lastErrno();

// What the handle is open on, asked of the handle itself.
struct HandleFacts {
    DWORD attributes = 0;
    bool link = false; // a symbolic link or junction (not a cloud or dedup file)
    std::uint64_t volume = 0;
    std::uint64_t id = 0;
    std::uint64_t size = 0;
    std::uint32_t links = 1;
    bool isFolder() const { return !link && (attributes & FILE_ATTRIBUTE_DIRECTORY); }
};
// 0 or the errno value.
int factsOf(HANDLE handle, HandleFacts& facts);

// Opens `name` in the open folder (NtCreateFile relative to the folder's handle,
// never by a path looked up again); `disposition` and `options` as NtCreateFile
// takes them. 0 or the errno value.
int openIn(HANDLE folder, const std::wstring& name, ACCESS_MASK access, ULONG share,
           ULONG disposition, ULONG options, Handle& opened);

// Removes the file or empty folder the handle (opened with DELETE) is on: the
// very one checked, whatever has its name by now. 0 or the errno value.
int removeByHandle(HANDLE handle);
