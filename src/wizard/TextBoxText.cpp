#include "wizard/TextBoxText.h"

QString toBoxText(const QString& albumText) {
    QString text = albumText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString toAlbumText(const QString& boxText) {
    QString text = toBoxText(boxText);
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}
