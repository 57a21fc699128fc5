// Writes small real JPEG photos with the given names into a folder (made when
// missing), each with bytes of its own, for the browser tests' albums. A
// WIDTHxHEIGHT argument sets the size of the photos named after it (120x90
// until then).
//
// usage: browser_test_photos FOLDER [WIDTHxHEIGHT] NAME...

#include "TestPhotos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fputs("usage: browser_test_photos FOLDER [WIDTHxHEIGHT] NAME...\n", stderr);
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path()))
        return 1;
    static const QRegularExpression sizePattern(QStringLiteral("^([1-9][0-9]*)x([1-9][0-9]*)$"));
    int width = 120;
    int height = 90;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (const QRegularExpressionMatch size = sizePattern.match(args[i]); size.hasMatch()) {
            width = size.captured(1).toInt();
            height = size.captured(2).toInt();
            continue;
        }
        QFile file(folder.filePath(args[i]));
        const QByteArray bytes = makeJpeg(static_cast<int>(i), width, height);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes) != bytes.size())
            return 1;
    }
    return 0;
}
