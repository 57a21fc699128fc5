#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder that disappears with the test, with helpers to build the
// source folders the album is made from.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder's path without a trailing separator.
    QString path() const;
    // The folder's path with the platform's trailing separator.
    QString withSeparator() const;
    QString filePath(const QString& name) const;

    // Makes a sub-folder (and its parents) and returns its path.
    QString makeFolder(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Visible entries of a sub-folder ("" for the folder itself), sorted.
    QStringList entries(const QString& relative = QString()) const;

private:
    QTemporaryDir dir_;
};

// Makes `link` a symbolic link to `target`; false where the system refuses
// (Windows lets only some users make one; QFile::link makes a shortcut there).
bool makeSymlink(const QString& target, const QString& link);

// Writes a file by its name's bytes, a name that is not UTF-8 included; false
// where the system takes no such name (Windows names are UTF-16, and Wine
// refuses one with a lone surrogate). Elsewhere a failure fails the test.
bool writeByName(const QString& path, const QByteArray& bytes);

// The folder holding the built programs and the navigation images.
QString programFolder();
