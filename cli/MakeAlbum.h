#pragma once

#include "CommandLine.h"
#include "platform/FileOps.h"

#include <QTextStream>

// Makes the album as the wizard would with the given options: the folder scan,
// the thumbnail scan when asked, the album folder in copy mode, the titles from
// the file names, then generation. Every change on disk goes through `files`
// (null: the real file system). Returns the process exit status.
int makeAlbum(const MakeOptions& options, const QString& programFolder, QTextStream& out,
              QTextStream& err, FileOps* files = nullptr);

// Runs the whole command line: parsing, help, version, making.
int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err, FileOps* files = nullptr);
