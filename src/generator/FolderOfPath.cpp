#include "generator/FolderOfPath.h"

#include "platform/FsPath.h"

QString folderOfPath(const QString& path, QChar separator) {
    if (separator.isNull())
        separator = nativeSeparator();
    // The path's last character is dropped unexamined, so a folder path's own
    // trailing separator does not count.
    const qsizetype last = path.lastIndexOf(separator, path.size() - 2);
    return path.size() < 2 || last < 0 ? QString() : path.left(last + 1);
}
