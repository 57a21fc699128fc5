#pragma once

#include "CommandLine.h"
#include "platform/FileOps.h"

#include <QTextStream>

// Makes the album as the wizard would with the given options: the folder scan,
// the thumbnail scan when asked, the album folder in copy mode, the titles from
// the file names, then generation. The run holds the folder's lock from start
// to end; every change on disk goes through `files`. Returns the process exit
// status.
int makeAlbum(const MakeOptions& options, const QString& programFolder, QTextStream& out,
              QTextStream& err, FileOps& files);

// Runs the whole command line: parsing, help, version, making.
int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err, FileOps& files);
