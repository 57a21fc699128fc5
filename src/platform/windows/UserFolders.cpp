#include "platform/UserFolders.h"

#include "platform/ErrorText.h"
#include "platform/FileOpsTexts.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"
#include "platform/windows/WinFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <shlobj.h>

namespace {

Result<QString> unusable(const QString& path, const QString& why) {
    return Result<QString>::failure(
        QCoreApplication::translate("UserFolders", "Служебная папка программы «%1» непригодна: %2.")
            .arg(path, why));
}

// %LOCALAPPDATA%: the user's own folder, which stays on this computer.
QString localAppData() {
    const QString fromEnvironment = qEnvironmentVariable("LOCALAPPDATA");
    if (QDir::isAbsolutePath(fromEnvironment))
        return QDir::toNativeSeparators(fromEnvironment);
    PWSTR known = nullptr;
    QString path;
    if (::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &known) == S_OK)
        path = QString::fromWCharArray(known);
    ::CoTaskMemFree(known);
    return path;
}

} // namespace

// %LOCALAPPDATA%\photoalbum, made when missing; refused when it is a link or
// not a folder.
Result<QString> userStateFolder() {
    const QString base = localAppData();
    if (base.isEmpty())
        return unusable(QStringLiteral("%LOCALAPPDATA%"),
                        QCoreApplication::translate("UserFolders", "не найдена домашняя папка"));
    const QString path = withTrailingSeparator(base) + QStringLiteral("photoalbum");
    if (!::CreateDirectoryW(longPath(path).c_str(), nullptr) &&
        ::GetLastError() != ERROR_ALREADY_EXISTS)
        return unusable(path, describeErrno(lastErrno()));
    const FileStatus status = linkStatusOf(path);
    if (!status.exists())
        return unusable(path, describeErrno(status.error));
    if (!status.isFolder)
        return unusable(path, notAFolder().message);
    return Result<QString>::of(path);
}

Result<QString> userLockFolder() {
    return userStateFolder();
}
