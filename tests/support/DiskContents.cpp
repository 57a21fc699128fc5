#include "DiskContents.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> treeSnapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        QByteArray value;
        if (info.isSymLink())
            value = "-> " + QFile::encodeName(info.symLinkTarget());
        else if (info.isDir())
            value = "/";
        else
            value = fileBytes(info.filePath());
        entries.insert(base.relativeFilePath(info.filePath()), value);
    }
    return entries;
}

QStringList sortedEntries(const QString& folder) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QStringList lostPhotos(const QString& folder, const QMap<QString, QByteArray>& photos) {
    QMap<QByteArray, int> present;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        ++present[fileBytes(it.next())];
    QStringList lost;
    for (auto p = photos.begin(); p != photos.end(); ++p) {
        if (present.value(p.value()) > 0)
            --present[p.value()];
        else
            lost.append(p.key());
    }
    return lost;
}

QList<QByteArray> photoContents(const QString& folder) {
    QList<QByteArray> contents;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral(".htm")) && !path.endsWith(QStringLiteral(".gif")))
            contents.append(fileBytes(path));
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

QStringList changes(const QMap<QString, QByteArray>& before,
                    const QMap<QString, QByteArray>& after) {
    QStringList result;
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!after.contains(it.key()))
            result << QLatin1Char('-') + it.key();
        else if (after.value(it.key()) != it.value())
            result << QLatin1Char('~') + it.key();
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (!before.contains(it.key()))
            result << QLatin1Char('+') + it.key();
    }
    return result;
}
