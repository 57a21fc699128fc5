#include "platform/ErrorText.h"

#include <cerrno>

QString describeErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOSPC:
        return QStringLiteral("на диске нет места");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("превышена дисковая квота");
#endif
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав доступа");
    case ENOENT:
        return QStringLiteral("файл или папка не найдены");
    case EEXIST:
        return QStringLiteral("такое имя уже занято");
    case EROFS:
        return QStringLiteral("диск защищён от записи");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода");
    case ENOTDIR:
        return QStringLiteral("часть пути не является папкой");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя");
    case ELOOP:
        return QStringLiteral("слишком много символических ссылок");
    case ENOTEMPTY:
        return QStringLiteral("папка не пуста");
    case EXDEV:
        return QStringLiteral("нельзя переместить на другой диск");
    case EINVAL:
        return QStringLiteral("недопустимое имя или операция");
    case EBUSY:
        return QStringLiteral("файл или папка заняты");
    default:
        return QStringLiteral("системная ошибка %1").arg(errnoValue);
    }
}

QString describeError(const std::error_code& ec) {
    if (ec.category() == std::generic_category() || ec.category() == std::system_category())
        return describeErrno(ec.value());
    return QString::fromStdString(ec.message());
}
