#pragma once

#include "platform/windows/WinFiles.h"

#include <QString>
#include <string>

// The folder an entry is in, opened for a change of that entry. The path is
// walked one folder at a time from the drive or share, each opened relative to
// the one before, and none may be a symbolic link or junction, so a link planted
// in the photo folder can never send a write, a rename or a removal anywhere
// else. The folder stays open without sharing removal, so that neither it nor a
// folder above it can be renamed or replaced while the entry is changed.
class EntryFolder {
public:
    // `error` is 0, or the errno value of the failed walk; ELOOP when a folder
    // on the way is a link.
    explicit EntryFolder(const QString& path);

    int error() const { return error_; }
    HANDLE handle() const { return folder_.get(); }
    // The entry's bare name, the folder's long path, and the entry's.
    const std::wstring& name() const { return name_; }
    const std::wstring& folderPath() const { return folderPath_; }
    std::wstring entryPath() const { return folderPath_ + L'\\' + name_; }

private:
    Handle folder_;
    int error_ = 0;
    std::wstring name_;
    std::wstring folderPath_;
};
