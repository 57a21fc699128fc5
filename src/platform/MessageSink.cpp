#include "platform/MessageSink.h"

QString applicationTitle() {
    return QStringLiteral("Генератор фотоальбома");
}
