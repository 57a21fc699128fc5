// Writes small real JPEG photos with the given names into a folder (made when
// missing), each with bytes of its own, for the browser test's albums.
//
// usage: browser_test_photos FOLDER NAME...

#include "TestPhotos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fputs("usage: browser_test_photos FOLDER NAME...\n", stderr);
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path()))
        return 1;
    for (qsizetype i = 2; i < args.size(); ++i) {
        QFile file(folder.filePath(args[i]));
        const QByteArray bytes = makeJpeg(static_cast<int>(i), 120, 90);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes) != bytes.size())
            return 1;
    }
    return 0;
}
