#include "platform/PathSyntax.h"

bool isPlainEntryName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char(':')) && !name.contains(QChar(0)) &&
           name.size() <= MaxEntryName;
}

QString absoluteRoot(const QString& path) {
    const QChar separator = QLatin1Char('\\');
    if (path.startsWith(QStringLiteral("\\\\"))) {
        const qsizetype server = path.indexOf(separator, 2);
        const qsizetype share = server > 2 ? path.indexOf(separator, server + 2) : -1;
        return share < 0 ? QString() : path.left(share + 1);
    }
    const bool drive = path.size() > 2 && path[0].toUpper() >= QLatin1Char('A') &&
                       path[0].toUpper() <= QLatin1Char('Z') && path[1] == QLatin1Char(':') &&
                       path[2] == separator;
    return drive ? path.left(3) : QString();
}
