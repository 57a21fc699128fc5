#pragma once

#include <QByteArray>
#include <QString>

// The folder an entry is in, opened for a change of that entry. The path is
// walked one component at a time and no component may be a symbolic link, so a
// link planted in the photo folder (or swapped in while the program works) can
// never send a write, a rename or a removal anywhere else. The entry itself is
// then changed relative to the open folder by the *at() calls with flags that
// do not follow a link either.
class EntryFolder {
public:
    // `error` is 0, or the errno value of the failed walk; ELOOP when a
    // component is a symbolic link.
    explicit EntryFolder(const QString& path);
    ~EntryFolder();
    EntryFolder(const EntryFolder&) = delete;
    EntryFolder& operator=(const EntryFolder&) = delete;

    int error() const { return error_; }
    int fd() const { return fd_; }
    // The entry's bare name, and the folder's path as walked.
    const QByteArray& name() const { return name_; }
    const QByteArray& folderPath() const { return folderPath_; }

private:
    int fd_ = -1;
    int error_ = 0;
    QByteArray name_;
    QByteArray folderPath_;
};
