#include "TestFolder.h"

#include "platform/FsPath.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

TestFolder::TestFolder() : dir_(QDir::tempPath() + QStringLiteral("/photoalbum-test-XXXXXX")) {
    EXPECT_TRUE(dir_.isValid());
    dir_.setAutoRemove(false);
}

// Names that are not UTF-8 and folders a test left closed defeat the temporary
// folder's own removal: everything goes by its bytes, opened up first.
TestFolder::~TestFolder() {
    namespace fs = std::filesystem;
    const fs::path root = toFsPath(dir_.path());
    std::error_code ec;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(root, ec);
}

QString TestFolder::path() const {
    return QDir::toNativeSeparators(dir_.path());
}

QString TestFolder::withSeparator() const {
    return path() + QDir::separator();
}

QString TestFolder::filePath(const QString& name) const {
    return QDir::toNativeSeparators(dir_.filePath(name));
}

QString TestFolder::makeFolder(const QString& relative) const {
    EXPECT_TRUE(QDir(dir_.path()).mkpath(relative));
    return filePath(relative);
}

void TestFolder::writeFile(const QString& relative, const QByteArray& bytes) const {
    QFile file(dir_.filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray TestFolder::readFile(const QString& relative) const {
    QFile file(dir_.filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TestFolder::exists(const QString& relative) const {
    return QFileInfo::exists(dir_.filePath(relative));
}

QStringList TestFolder::entries(const QString& relative) const {
    QStringList names = QDir(dir_.filePath(relative))
                            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    return names;
}

bool makeSymlink(const QString& target, const QString& link) {
    std::error_code error;
    std::filesystem::create_symlink(toFsPath(target), toFsPath(link), error);
    // Wine says it made the link and makes nothing.
    return !error && QFileInfo(link).isSymLink();
}

bool writeByName(const QString& path, const QByteArray& bytes) {
    std::ofstream file(toFsPath(path), std::ios::binary);
#ifndef _WIN32
    EXPECT_TRUE(file) << path.toStdString();
#endif
    if (!file)
        return false;
    file.write(bytes.constData(), bytes.size());
    return true;
}

QString programFolder() {
    return QString::fromUtf8(PHOTOALBUM_BIN_DIR);
}
