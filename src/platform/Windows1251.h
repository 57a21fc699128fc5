#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the Cyrillic code page of old Windows, in which the classic
// album's pages are written and old archives' file names were. A table of its
// own rather than a converter of the system's, so that every system makes the
// same bytes: Qt knows the code page only where ICU is there.

// The text's bytes; a character the code page lacks becomes a character
// reference such as "&#8364;", which every browser shows.
QByteArray toWindows1251(const QString& text);
// The text of bytes in the code page (its one unused byte reads as U+FFFD).
QString fromWindows1251(const QByteArray& bytes);
