#include "platform/MessageSink.h"

QString applicationTitle() {
    return QStringLiteral("Генератор фотоальбома");
}

void tell(MessageSink& messages, const Outcome& outcome) {
    for (const QString& note : outcome.notes)
        messages.inform(note);
    if (!outcome.ok() && !outcome.declined() && !outcome.message.isEmpty())
        messages.inform(outcome.message);
}
