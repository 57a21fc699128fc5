#include "platform/FsPath.h"

#include <QDir>
#include <QFile>

std::filesystem::path toFsPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString fromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

QChar nativeSeparator() {
    return QDir::separator();
}

QString withTrailingSeparator(const QString& folder, QChar separator) {
    if (folder.endsWith(separator))
        return folder;
    return folder + separator;
}

QString bareName(const QString& path, QChar separator) {
    const qsizetype at = path.lastIndexOf(separator);
    return at < 0 ? path : path.mid(at + 1);
}
