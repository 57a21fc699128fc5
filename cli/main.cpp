#include "Interruption.h"
#include "MakeAlbum.h"
#include "platform/ErrorText.h"
#include "platform/FsPath.h"

#include <QCoreApplication>
#include <cerrno>
#include <unistd.h>

namespace {

// Writes all of the bytes to standard output; 0 or the errno value.
int writeOut(const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        done += n;
    }
    return 0;
}

} // namespace

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
    int status = runCommandLine(arguments, QCoreApplication::applicationDirPath(), out, err);
    out.flush();
    // The result line is the program's answer: when it cannot be written, the
    // run has failed, whatever was made.
    if (const int error = writeOut(toFsBytes(outText)); error != 0) {
        err << "photoalbum-make: не удалось вывести результат на стандартный вывод: "
            << describeErrno(error) << "." << Qt::endl;
        status = 1;
    }
    return status;
}
