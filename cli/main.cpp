#include "Interruption.h"
#include "MakeAlbum.h"
#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"

#include <QCoreApplication>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const DeferredSignals deferred;
    // The arguments by their bytes: a folder name that is not UTF-8 stays itself.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(fromFsBytes(QByteArray(argv[i])));
    QString outText;
    QTextStream out(&outText);
    QTextStream err(stderr);
    int status =
        runCommandLine(arguments, QCoreApplication::applicationDirPath(), out, err, realFileOps());
    out.flush();
    // The result line is the program's answer: when it cannot be written, the
    // run has failed, whatever was made.
    const QByteArray result = toFsBytes(outText);
    if (const int error = writeAll(STDOUT_FILENO, result.constData(), result.size()); error != 0) {
        err << "photoalbum-make: не удалось вывести результат на стандартный вывод: "
            << describeErrno(error) << "." << Qt::endl;
        status = 1;
    }
    return status;
}
