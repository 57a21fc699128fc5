#include "platform/FileOpsTexts.h"

#include "platform/ErrorText.h"

#include <QCoreApplication>
#include <cerrno>

Outcome changeFailure(int errnoValue) {
    if (errnoValue == ELOOP)
        return Outcome::failure(QCoreApplication::translate(
            "RealFileOps", "на этом месте символическая ссылка, а программа "
                           "не пишет и не удаляет через ссылки"));
    return Outcome::failure(describeErrno(errnoValue));
}

Outcome swappedFolder() {
    return Outcome::failure(QCoreApplication::translate(
        "RealFileOps", "папку, созданную программой, подменили, пока программа с ней работала"));
}

Outcome notAFolder() {
    return Outcome::failure(
        QCoreApplication::translate("RealFileOps", "это не папка, а ссылка или файл"));
}

Outcome othersFolder() {
    return Outcome::failure(QCoreApplication::translate(
        "RealFileOps",
        "её создала не программа, запущенная этим пользователем: она принадлежит другому"));
}

Result<QStringList> leftoverRemovalOrder(const QList<LeftoverEntry>& entries,
                                         const QString& markName,
                                         const std::function<bool(const QString&)>& isOwnName) {
    QStringList names;
    bool marked = false;
    for (const LeftoverEntry& entry : entries) {
        const bool mark = entry.name == markName;
        if (!entry.ordinaryFile || (!mark && !isOwnName(entry.name)))
            return Result<QStringList>::failure(
                QCoreApplication::translate("RealFileOps",
                                            "в ней есть «%1», а такого программа не создаёт")
                    .arg(entry.name));
        marked = marked || mark;
        if (!mark)
            names.append(entry.name);
    }
    if (!marked && !names.isEmpty())
        return Result<QStringList>::failure(
            QCoreApplication::translate("RealFileOps", "в ней нет отметки программы"));
    if (marked)
        names.append(markName);
    return Result<QStringList>::of(names);
}

QString folderBusy(const QString& folder) {
    return QCoreApplication::translate("FolderLock",
                                       "С папкой «%1» уже работает другой запуск программы. "
                                       "Дождитесь его окончания и повторите. Ничего не изменено.")
        .arg(folder);
}

QString cannotOpenFolder(const QString& folder, const QString& why) {
    return QCoreApplication::translate("FolderLock", "Не удалось открыть папку «%1»: %2.")
        .arg(folder, why);
}

QString cannotHoldFolder(const QString& folder, const QString& why) {
    return QCoreApplication::translate("FolderLock", "Не удалось занять папку «%1»: %2.")
        .arg(folder, why);
}
