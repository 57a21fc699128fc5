#pragma once

#include "CommandLine.h"
#include "platform/ProgramServices.h"

#include <QTextStream>
#include <functional>

// Makes the album as the wizard would with the given options: the folder
// change and «Настроить» (an interrupted run put back, the photos taken), the
// photos chosen again for thumbnails or web photos, the album folder's name
// checked in copy mode, the titles from the file names, then generation; an
// album a stopped run had finished is only reported. The run holds the folder's
// lock from start to end; every change on disk goes through the services'
// files. Returns the process exit status.
//
// `deliver` passes what `out` holds on to where it goes and returns 0 or the
// errno value of the failure; null: `out` is the destination. The album's line
// counts as reported only once it is delivered.
using DeliverOutput = std::function<int()>;
int makeAlbum(const MakeOptions& options, const ProgramServices& services, QTextStream& out,
              QTextStream& err, const DeliverOutput& deliver = nullptr);

// Runs the whole command line: parsing, help, version, making.
int runCommandLine(const QStringList& arguments, const ProgramServices& services, QTextStream& out,
                   QTextStream& err, const DeliverOutput& deliver = nullptr);

// The message for a result line that could not be delivered.
QString undeliveredOutputMessage(int errnoValue);
