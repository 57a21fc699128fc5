#pragma once

#include <QString>

// The folder part of a path: everything up to and including the last separator
// standing before the path's final character; an empty string when there is none
// (an empty path, a bare name, or a drive root such as "C:\").
QString folderOfPath(const QString& path, QChar separator = QChar());
