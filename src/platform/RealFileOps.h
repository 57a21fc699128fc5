#pragma once

#include "platform/FileOps.h"

class RealFileOps : public FileOps {
public:
    OpResult makeFolder(const QString& path) override;
    OpResult copyFile(const QString& from, const QString& to) override;
    OpResult renameNoReplace(const QString& from, const QString& to) override;
    OpResult writeFile(const QString& path, const QByteArray& bytes) override;
    OpResult removeFile(const QString& path) override;
    OpResult removeEmptyFolder(const QString& path) override;
};
