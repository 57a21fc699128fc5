#include "Recorders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <gtest/gtest.h>

bool ScriptedMessages::askYesNo(const QString& text, const QString& title) {
    asked.append({text, title});
    return answers_.isEmpty() ? false : answers_.takeFirst();
}

QStringList pageLines(const QByteArray& bytes) {
    QStringList lines;
    if (bytes.isEmpty())
        return lines;
    if (!bytes.endsWith("\r\n"))
        ADD_FAILURE() << "the last line is not ended by CR LF";
    QStringDecoder decoder("windows-1251");
    const QList<QByteArray> raw = bytes.split('\n');
    // The piece after the final LF is empty.
    for (qsizetype i = 0; i + 1 < raw.size(); ++i) {
        QByteArray line = raw[i];
        if (!line.endsWith('\r'))
            ADD_FAILURE() << "line " << i + 1 << " ends with a bare LF";
        else
            line.chop(1);
        if (line.contains('\r'))
            ADD_FAILURE() << "line " << i + 1 << " holds a bare CR";
        lines.append(decoder.decode(line));
    }
    return lines;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList pageFileLines(const QString& path) {
    const QByteArray bytes = fileBytes(path);
    if (bytes.isEmpty())
        ADD_FAILURE() << "no page at " << path.toStdString();
    return pageLines(bytes);
}

QMap<QString, QByteArray> treeSnapshot(const QString& root) {
    QMap<QString, QByteArray> tree;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        tree.insert(base.relativeFilePath(path),
                    info.isDir() ? QByteArray("<folder>") : fileBytes(path));
    }
    return tree;
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
