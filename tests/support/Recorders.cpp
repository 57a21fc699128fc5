#include "Recorders.h"

#include "platform/Windows1251.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

bool ScriptedMessages::askYesNo(const QString& text, const QString& title, Answer) {
    asked.append({text, title});
    return answers_.isEmpty() ? false : answers_.takeFirst();
}

QStringList pageLines(const QByteArray& bytes) {
    QStringList lines;
    if (bytes.isEmpty())
        return lines;
    if (!bytes.endsWith("\r\n"))
        ADD_FAILURE() << "the last line is not ended by CR LF";
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
        lines.append(fromWindows1251(line));
    }
    return lines;
}

QStringList pageFileLines(const QString& path) {
    const QByteArray bytes = fileBytes(path);
    if (bytes.isEmpty())
        ADD_FAILURE() << "no page at " << path.toStdString();
    return pageLines(bytes);
}

QString linkWithRel(const QByteArray& page, const QString& rel) {
    static const QRegularExpression tag(QStringLiteral("<a\\s[^>]*>"));
    static const QRegularExpression relValue(QStringLiteral("\\srel=\"([^\"]*)\""));
    static const QRegularExpression hrefValue(QStringLiteral("\\shref=\"([^\"]*)\""));
    QStringList found;
    for (const QRegularExpressionMatch& a : tag.globalMatch(QString::fromUtf8(page))) {
        const QString rels = relValue.match(a.captured()).captured(1);
        if (rels.split(QLatin1Char(' ')).contains(rel))
            found += hrefValue.match(a.captured()).captured(1);
    }
    if (found.size() > 1)
        ADD_FAILURE() << found.size() << " links with rel=" << rel.toStdString();
    return found.value(0);
}
