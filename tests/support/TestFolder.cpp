#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TestFolder::TestFolder() : dir_(QDir::tempPath() + QStringLiteral("/photoalbum-test-XXXXXX")) {
    EXPECT_TRUE(dir_.isValid());
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

QString programFolder() {
    return QString::fromUtf8(PHOTOALBUM_BIN_DIR);
}
