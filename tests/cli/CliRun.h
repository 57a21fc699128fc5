#pragma once

#include "DiskContents.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <ostream>

// One run of photoalbum-make: its exit status and what it printed.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;

    // The last non-empty line of standard output.
    QString lastOutLine() const;
};

// Runs the command line inside the test process, with the given program folder
// (where the navigation images are looked for).
CliRun runInProcess(const QStringList& arguments, const QString& programDir);
CliRun runInProcess(const QStringList& arguments);

// Runs a built photoalbum-make as a separate process.
CliRun runProcess(const QString& program, const QStringList& arguments);
QString builtTool();

// Readable test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
