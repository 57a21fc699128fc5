#include "generator/PageText.h"

#include <QStringList>

namespace {

// A text's line breaks of any kind (CR LF, CR, LF) as LF.
QString withPlainLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

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
