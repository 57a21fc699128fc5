#pragma once

#include <QChar>
#include <QString>
#include <filesystem>

// Conversions between Qt strings and file-system paths in the platform's own encoding.
std::filesystem::path toFsPath(const QString& path);
QString fromFsPath(const std::filesystem::path& path);

// The separator that ends every folder path of the album: '/' here, '\' on Windows.
QChar nativeSeparator();

// The path with exactly one separator appended unless it already ends in one.
QString withTrailingSeparator(const QString& folder, QChar separator = nativeSeparator());

// The last component of a path (the bare file name).
QString bareName(const QString& path, QChar separator = nativeSeparator());
