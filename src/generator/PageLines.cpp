#include "generator/PageLines.h"

#include "generator/PageText.h"

QString quoted(const QString& value) {
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString bodyLine(const AlbumState& state) {
    return QStringLiteral("<body bgcolor=") +
           quoted(colourString(state.backgroundRed, state.backgroundGreen, state.backgroundBlue)) +
           QStringLiteral(" marginwidth = ") + quoted(QStringLiteral("0")) +
           QStringLiteral(" marginheight = ") + quoted(QStringLiteral("0")) +
           QStringLiteral(" leftmargin = ") + quoted(QStringLiteral(" 0; ")) +
           QStringLiteral(" topmargin = ") + quoted(QStringLiteral("0")) + QStringLiteral(" >");
}

QString charsetLine() {
    return QStringLiteral("<meta http-equiv=") + quoted(QStringLiteral("Content-Type")) +
           QStringLiteral(" content=") + quoted(QStringLiteral("text/html; charset=windows-1251")) +
           QStringLiteral(">");
}
