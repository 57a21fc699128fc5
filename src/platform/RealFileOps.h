#pragma once

#include "platform/FileOps.h"

class RealFileOps : public FileOps {
public:
    Outcome makeFolder(const QString& path) override;
    Outcome copyFile(const QString& from, const QString& to) override;
    Outcome renameNoReplace(const QString& from, const QString& to) override;
    Outcome writeFile(const QString& path, const QByteArray& bytes) override;
    Outcome writeFileDurably(const QString& path, const QByteArray& bytes) override;
    Outcome removeFile(const QString& path) override;
    Outcome removeEmptyFolder(const QString& path) override;
};
