#include "generator/PageText.h"

#include <QStringEncoder>
#include <QStringList>
#include <optional>

namespace {

// A text's line breaks of any kind (CR LF, CR, LF) as LF.
QString withPlainLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Encoders are made afresh rather than kept: an ICU-backed encoder keeps its
// error flag through resetState() and cannot be moved (its error count would
// go to the moved-from object), so one that has met an error is useless.

// Most page lines are plain ASCII or Cyrillic; only a failed encoding needs the
// slower character-by-character pass.
QByteArray encodeCharByChar(const QString& text) {
    QByteArray out;
    std::optional<QStringEncoder> enc;
    for (qsizetype i = 0; i < text.size();) {
        const char32_t code =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                : text.at(i).unicode();
        const qsizetype width = code > 0xFFFF ? 2 : 1;
        if (!enc || enc->hasError())
            enc.emplace("windows-1251");
        else
            enc->resetState();
        const QByteArray piece = enc->encode(QStringView(text).mid(i, width));
        if (enc->hasError() || piece.isEmpty())
            out += "&#" + QByteArray::number(static_cast<quint32>(code)) + ';';
        else
            out += piece;
        i += width;
    }
    return out;
}

} // namespace

QByteArray toWindows1251(const QString& text) {
    QStringEncoder enc("windows-1251");
    QByteArray out = enc.encode(text);
    if (!enc.hasError())
        return out;
    return encodeCharByChar(text);
}

QString html(const QString& text) {
    // Control characters (ESC, BEL, …) that a file name may carry have no place
    // on a page; tabs and line breaks stay.
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool control = (code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r') ||
                             (code >= 0x7F && code <= 0x9F);
        if (!control)
            shown += c;
    }
    return shown.toHtmlEscaped();
}

QString htmlLines(const QString& text) {
    return withPlainLineBreaks(html(text)).replace(QLatin1Char('\n'), QStringLiteral("<br>\n"));
}

QString colourString(int red, int green, int blue) {
    auto hex = [](int value) {
        return QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    return QStringLiteral("#") + hex(red) + hex(green) + hex(blue);
}

void PageText::line(const QString& text) {
    const QStringList parts = withPlainLineBreaks(text).split(QLatin1Char('\n'));
    for (const QString& part : parts) {
        bytes_ += toWindows1251(part);
        bytes_ += "\r\n";
        ++lines_;
    }
}
