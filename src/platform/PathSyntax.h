#pragma once

#include <QString>

// How this system writes paths: which paths are absolute, and which names name
// one entry of a folder. Records the program reads back (a rename journal) are
// checked against it.

// The longest name of one entry: 255 bytes on POSIX, 255 UTF-16 units on Windows.
constexpr qsizetype MaxEntryName = 255;

// True when `name` names one entry inside a folder: not empty, "." or "..",
// within the longest name, and without a separator or NUL (on Windows neither a
// colon, which names a stream of a file).
bool isPlainEntryName(const QString& name);

// The root an absolute path starts with ("/"; "C:\" or "\\server\share\"), or
// empty when the path is not absolute.
QString absoluteRoot(const QString& path);
