#include "generator/FolderOfPath.h"

#include "platform/FsPath.h"

QString folderOfPath(const QString& path, QChar separator) {
    if (separator.isNull())
        separator = nativeSeparator();
    if (path.isEmpty())
        throw InvalidPathArgument("folderOfPath: empty path");
    // The path's last character is dropped unexamined.
    QString s = path.left(path.size() - 1);
    while (!s.isEmpty()) {
        if (s.back() == separator)
            return s;
        s.chop(1);
    }
    throw InvalidPathArgument("folderOfPath: no folder in path");
}
