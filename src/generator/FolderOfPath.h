#pragma once

#include <QString>
#include <stdexcept>

class InvalidPathArgument : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The folder part of a path: everything up to and including the last separator
// standing before the path's final character. Throws InvalidPathArgument when
// there is none.
QString folderOfPath(const QString& path, QChar separator = QChar());
