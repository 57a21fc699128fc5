#include "platform/UserFolders.h"

#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString programFolderName = QStringLiteral("photoalbum");

Result<QString> unusable(const QString& path, const QString& why) {
    return Result<QString>::failure(
        QCoreApplication::translate("UserFolders", "Служебная папка программы «%1» непригодна: %2.")
            .arg(path, why));
}

// An absolute path from the environment, or empty: relative ones are to be
// ignored, as the base directory convention says.
QString absoluteFromEnvironment(const char* name) {
    const QString value = fromFsBytes(qgetenv(name));
    return value.startsWith(QLatin1Char('/')) ? value : QString();
}

QString homeFolder() {
    QString home = absoluteFromEnvironment("HOME");
    if (home.isEmpty()) {
        if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_dir)
            home = fromFsBytes(QByteArray(entry->pw_dir));
    }
    return home;
}

// `base`/photoalbum, made private and checked through one handle.
Result<QString> privateFolderIn(const QString& base, bool makeBase) {
    if (makeBase && !QDir().mkpath(base))
        return unusable(base, QCoreApplication::translate("UserFolders", "её не удалось создать"));
    const Result<QString> realBase = realPath(base);
    if (!realBase)
        return unusable(base, realBase.message);
    const QString path = withTrailingSeparator(realBase.value) + programFolderName;
    const QByteArray bytes = toFsBytes(path);
    if (::mkdir(bytes.constData(), 0700) != 0 && errno != EEXIST)
        return unusable(path, describeErrno(errno));
    const int fd = ::open(bytes.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return unusable(path, errno == ELOOP || errno == ENOTDIR
                                  ? QCoreApplication::translate("UserFolders",
                                                                "это не папка, а ссылка или файл")
                                  : describeErrno(errno));
    struct stat info {};
    QString why;
    if (::fstat(fd, &info) != 0)
        why = describeErrno(errno);
    else if (info.st_uid != ::geteuid())
        why = QCoreApplication::translate("UserFolders", "она принадлежит другому пользователю");
    else if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0)
        why = describeErrno(errno);
    ::close(fd);
    if (!why.isEmpty())
        return unusable(path, why);
    return Result<QString>::of(path);
}

} // namespace

Result<QString> userStateFolder() {
    QString base = absoluteFromEnvironment("XDG_STATE_HOME");
    if (base.isEmpty()) {
        const QString home = homeFolder();
        if (home.isEmpty())
            return unusable(
                QStringLiteral("~/.local/state"),
                QCoreApplication::translate("UserFolders", "не найдена домашняя папка"));
        base = withTrailingSeparator(home) + QStringLiteral(".local/state");
    }
    return privateFolderIn(base, true);
}

Result<QString> userLockFolder() {
    const QString runtime = absoluteFromEnvironment("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const FileStatus status = linkStatusOf(runtime);
        if (status.isFolder && status.owner == effectiveUser()) {
            if (const Result<QString> folder = privateFolderIn(runtime, false))
                return folder;
        }
    }
    return userStateFolder();
}
