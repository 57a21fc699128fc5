#pragma once

#include "platform/Outcome.h"

#include <QString>
#include <QStringList>

// What the command line asks photoalbum-make to do.
struct MakeOptions {
    QString folder;
    QString name;
    bool thumbnails = false;  // the settings window's thumbnail option
    bool typedTitles = false; // titles and comments are not taken from the file names
    bool rename = false;      // the source folder itself becomes the album
    bool web = false;         // photos and thumbnails made from the originals at page size
    bool modern = false;      // a modern album: HTML5, several widths, pages of thumbnails
    int red = 255, green = 255, blue = 255;
    QString description;
    bool quiet = false;
};

// What the command line asks for; a usage error is a failure whose message
// says what is wrong.
struct ParsedCommandLine {
    enum class Action { Make, Help, Version } action = Action::Make;
    MakeOptions options;
};

// Reads the arguments (without the program name).
Result<ParsedCommandLine> parseCommandLine(const QStringList& arguments);

QString usageText();
QString versionText();
