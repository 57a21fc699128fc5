#include "ApplicationIcon.h"

#include <QDir>
#include <QRegularExpression>

#ifndef PHOTOALBUM_APP_ID
#define PHOTOALBUM_APP_ID "photoalbum"
#endif

QIcon applicationIcon() {
    // The build puts one picture per size into the resources, named
    // photoalbum-<size>.png; the icon picks the nearest for each use.
    static const QRegularExpression sized(QStringLiteral("^photoalbum-(\\d+)\\.png$"));
    const QDir icons(QStringLiteral(":/icons"));
    QIcon icon;
    for (const QString& name : icons.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = sized.match(name);
        if (!match.hasMatch())
            continue;
        const int size = match.captured(1).toInt();
        icon.addFile(icons.filePath(name), QSize(size, size));
    }
    return icon;
}

QString applicationId() {
    return QStringLiteral(PHOTOALBUM_APP_ID);
}
