#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <filesystem>

// Conversions between Qt strings and file-system paths in the platform's own
// encoding. They lose nothing: a byte of a name that is not valid UTF-8 becomes
// the lone surrogate U+DC80 + byte and turns back into the same byte, so a file
// from an old Windows archive is opened, copied and renamed by its own bytes.
std::filesystem::path toFsPath(const QString& path);
QString fromFsPath(const std::filesystem::path& path);
QByteArray toFsBytes(const QString& path);
QString fromFsBytes(const QByteArray& bytes);

// The program's arguments after its name, taken as FsPath takes names (the
// application object must exist).
QStringList programArguments(int argc, char** argv);

// True when the name holds bytes that are not valid UTF-8.
bool hasUndecodableBytes(const QString& name);

// The name as a person reads it: a name that is not UTF-8 is taken as
// Windows-1251, as names from old Windows archives are.
QString readableName(const QString& name);

// The separator that ends every folder path of the album: '/'.
QChar nativeSeparator();

// The path with exactly one separator appended unless it already ends in one.
QString withTrailingSeparator(const QString& folder, QChar separator = nativeSeparator());

// The last component of a path (the bare file name).
QString bareName(const QString& path, QChar separator = nativeSeparator());
