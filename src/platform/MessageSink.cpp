#include "platform/MessageSink.h"

#include <QCoreApplication>

QString applicationTitle() {
    return QCoreApplication::translate("MessageSink", "Генератор фотоальбома");
}

void tell(MessageSink& messages, const Outcome& outcome) {
    for (const QString& note : outcome.notes)
        messages.inform(note);
    if (!outcome.ok() && !outcome.declined() && !outcome.message.isEmpty())
        messages.inform(outcome.message);
}
