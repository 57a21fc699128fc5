#include "platform/PathSyntax.h"

#include "platform/FsPath.h"

bool isPlainEntryName(const QString& name) {
    const QByteArray bytes = toFsBytes(name);
    return !bytes.isEmpty() && bytes != "." && bytes != ".." && !bytes.contains('/') &&
           !bytes.contains('\0') && bytes.size() <= MaxEntryName;
}

QString absoluteRoot(const QString& path) {
    return path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
}
