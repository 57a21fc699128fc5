#include "Console.h"
#include "Interruption.h"
#include "MakeAlbum.h"
#include "platform/FileStatus.h"
#include "platform/FolderLock.h"
#include "platform/FsPath.h"
#include "platform/RealFileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const DeferredSignals deferred;
    useUtf8Console();
    // A folder name that is not UTF-8 stays itself.
    const QStringList arguments = programArguments(argc, argv);
    QString outText;
    QTextStream out(&outText);
    QTextStream err(stderr);
    // The result line is the program's answer: when it cannot be written, the
    // run has failed, whatever was made.
    const auto deliver = [&] {
        out.flush();
        const QByteArray result = toFsBytes(outText);
        outText.clear();
        return writeAll(STDOUT_FILENO, result.constData(), result.size());
    };
    RealFileOps disk;
    FolderLocks locks;
    const ProgramServices services{
        disk, locks, QDir::toNativeSeparators(QCoreApplication::applicationDirPath())};
    int status = runCommandLine(arguments, services, out, err, deliver);
    if (const int error = deliver(); error != 0) {
        err << "photoalbum-make: " << undeliveredOutputMessage(error) << Qt::endl;
        status = 1;
    }
    return status;
}
