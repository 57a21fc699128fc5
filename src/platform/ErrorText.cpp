#include "platform/ErrorText.h"

#include <QCoreApplication>
#include <cerrno>

QString describeErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOSPC:
        return QCoreApplication::translate("ErrorText", "на диске нет места");
#ifdef EDQUOT
    case EDQUOT:
        return QCoreApplication::translate("ErrorText", "превышена дисковая квота");
#endif
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("ErrorText", "нет прав доступа");
    case ENOENT:
        return QCoreApplication::translate("ErrorText", "файл или папка не найдены");
    case EEXIST:
        return QCoreApplication::translate("ErrorText", "такое имя уже занято");
    case EROFS:
        return QCoreApplication::translate("ErrorText", "диск защищён от записи");
    case EIO:
        return QCoreApplication::translate("ErrorText", "ошибка ввода-вывода");
    case ENOTDIR:
        return QCoreApplication::translate("ErrorText", "часть пути не является папкой");
    case EISDIR:
        return QCoreApplication::translate("ErrorText", "это папка, а не файл");
    case ENAMETOOLONG:
        return QCoreApplication::translate("ErrorText", "слишком длинное имя");
    case ELOOP:
        return QCoreApplication::translate("ErrorText", "слишком много символических ссылок");
    case ENOTEMPTY:
        return QCoreApplication::translate("ErrorText", "папка не пуста");
    case EXDEV:
        return QCoreApplication::translate("ErrorText", "нельзя переместить на другой диск");
    case EINVAL:
        return QCoreApplication::translate("ErrorText", "недопустимое имя или операция");
    case EBUSY:
        return QCoreApplication::translate("ErrorText", "файл или папка заняты");
    default:
        return QCoreApplication::translate("ErrorText", "системная ошибка %1").arg(errnoValue);
    }
}

QString describeError(const std::error_code& ec) {
    if (ec.category() == std::generic_category() || ec.category() == std::system_category())
        return describeErrno(ec.value());
    return QString::fromStdString(ec.message());
}
