#include "generator/PageText.h"

#include <QStringEncoder>
#include <QStringList>

namespace {

QStringEncoder& encoder() {
    thread_local QStringEncoder windows1251("windows-1251");
    return windows1251;
}

// Most page lines are plain ASCII or Cyrillic; only a failed encoding needs the
// slower character-by-character pass.
QByteArray encodeCharByChar(const QString& text) {
    QByteArray out;
    QStringEncoder& enc = encoder();
    for (qsizetype i = 0; i < text.size();) {
        const char32_t code =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                : text.at(i).unicode();
        const qsizetype width = code > 0xFFFF ? 2 : 1;
        enc.resetState();
        const QByteArray piece = enc.encode(QStringView(text).mid(i, width));
        if (enc.hasError() || piece.isEmpty())
            out += "&#" + QByteArray::number(static_cast<quint32>(code)) + ';';
        else
            out += piece;
        i += width;
    }
    enc.resetState();
    return out;
}

} // namespace

QByteArray toWindows1251(const QString& text) {
    QStringEncoder& enc = encoder();
    enc.resetState();
    QByteArray out = enc.encode(text);
    if (!enc.hasError())
        return out;
    return encodeCharByChar(text);
}

QString html(const QString& text) {
    return text.toHtmlEscaped();
}

QString colourString(int red, int green, int blue) {
    auto hex = [](int value) {
        return QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    return QStringLiteral("#") + hex(red) + hex(green) + hex(blue);
}

void PageText::line(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList parts = normalised.split(QLatin1Char('\n'));
    for (const QString& part : parts) {
        bytes_ += toWindows1251(part);
        bytes_ += "\r\n";
        ++lines_;
    }
}
