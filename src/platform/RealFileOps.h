#pragma once

#include "platform/FileOps.h"

#include <QHash>
#include <QMutex>
#include <QPair>

class EntryFolder;

// Every change is made relative to a folder reached without following links
// (EntryFolder), files are created new and never replace anything, and a folder
// this program made keeps its identity: a folder swapped in under its name
// while the run works is refused, not written into or published.
class RealFileOps : public FileOps {
public:
    Outcome makeFolder(const QString& path) override;
    Outcome copyFile(const QString& from, const QString& to) override;
    Outcome renameNoReplace(const QString& from, const QString& to) override;
    Outcome writeFile(const QString& path, const QByteArray& bytes) override;
    Outcome writeFileDurably(const QString& path, const QByteArray& bytes) override;
    Outcome removeFile(const QString& path) override;
    Outcome writeFileLike(const QString& path, const QByteArray& bytes,
                          const PhotoReaders& readers) override;
    Outcome removeEmptyFolder(const QString& path) override;
    Outcome removeLeftoverFolder(const QString& path, const QString& markName,
                                 const std::function<bool(const QString&)>& isOwnName) override;

private:
    using Identity = QPair<quint64, quint64>; // device, inode

    // `readers`: those of the photo the file is made from; null: 0644.
    Outcome writeBytes(const QString& path, const QByteArray& bytes, bool durably,
                       const PhotoReaders* readers);
    // Fails when the folder an entry is in could not be reached without a link,
    // or is one this program made and has been replaced since.
    Outcome checkMadeFolder(const EntryFolder& folder);

    QMutex mutex_;
    QHash<QByteArray, Identity> madeFolders_; // path as walked -> identity
};
