#include "CliRun.h"

#include "MakeAlbum.h"
#include "TestFolder.h"
#include "TestServices.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTextStream>

QString CliRun::lastOutLine() const {
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

CliRun runInProcess(const QStringList& arguments, const QString& programDir) {
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    TestServices test;
    run.exitCode = runCommandLine(arguments, test.over(nullptr, programDir), out, err);
    out.flush();
    err.flush();
    return run;
}

CliRun runInProcess(const QStringList& arguments) {
    return runInProcess(arguments, programFolder());
}

CliRun runProcess(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        run.err = QStringLiteral("did not run to the end: ") + process.errorString();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString builtTool() {
    return programFolder() + QStringLiteral("/photoalbum-make" PHOTOALBUM_EXE_SUFFIX);
}
