#pragma once

#include "platform/Windows1251.h"

#include <QByteArray>
#include <QString>

// One page being written: lines of markup, each followed by CR LF, in the
// Windows-1251 code page the pages declare.
class PageText {
public:
    // Appends a line. Line breaks inside the text become lines of their own.
    void line(const QString& text);

    const QByteArray& bytes() const { return bytes_; }
    // How many lines have been written so far.
    int lineCount() const { return lines_; }

private:
    QByteArray bytes_;
    int lines_ = 0;
};

// Text inserted into a page (a title, the album name, the description) made safe
// for HTML, in text and in attribute values; control characters other than
// tabs and line breaks are left out.
QString html(const QString& text);

// Text inserted between tags, where the browser would run its lines together:
// made safe as html() does, and every line but the last ends with "<br>". The
// lines stay lines of their own on the page.
QString htmlLines(const QString& text);

// "#RRGGBB" with two upper-case hexadecimal digits per component.
QString colourString(int red, int green, int blue);
