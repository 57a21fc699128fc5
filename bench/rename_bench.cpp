// bench_rename PHOTOS WORK [REPEATS]: times rename mode of the album core in
// this process, journal included: before each run WORK/src holds hard links to
// the photos of PHOTOS (not timed), then the whole of photoalbum-make's work
// (scan, titles, pages, journal, renames of the photos and the folder) runs
// through its command line without a new process. Prints
//   photos N
//   rename_us MEDIAN

#include "MakeAlbum.h"
#include "platform/FolderLock.h"
#include "platform/RealFileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <unistd.h>
#include <vector>

namespace {

bool linkPhotos(const QString& photos, const QString& target) {
    if (!QDir().mkpath(target))
        return false;
    for (const QString& name : QDir(photos).entryList({QStringLiteral("*.jpg")}, QDir::Files))
        if (::link(QFile::encodeName(photos + QLatin1Char('/') + name).constData(),
                   QFile::encodeName(target + QLatin1Char('/') + name).constData()) != 0)
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        err << "usage: bench_rename PHOTOS WORK [REPEATS]" << Qt::endl;
        return 2;
    }
    const QString photos = args[1];
    const QString work = args[2];
    const int repeats = args.size() > 3 ? args[3].toInt() : 21;
    std::vector<long long> times;
    for (int i = 0; i <= repeats; ++i) {
        const QString source = work + QStringLiteral("/src");
        const QString album = work + QStringLiteral("/renamed");
        QDir(album).removeRecursively();
        QDir(source).removeRecursively();
        if (!linkPhotos(photos, source)) {
            err << "cannot link the photos into " << source << Qt::endl;
            return 1;
        }
        QString outText;
        QString errText;
        QTextStream toolOut(&outText);
        QTextStream toolErr(&errText);
        RealFileOps disk;
        FolderLocks locks;
        const ProgramServices services{disk, locks, QCoreApplication::applicationDirPath()};
        const auto start = std::chrono::steady_clock::now();
        const int status = runCommandLine({QStringLiteral("-q"), QStringLiteral("--rename"),
                                           QStringLiteral("-n"), QStringLiteral("renamed"), source},
                                          services, toolOut, toolErr);
        const auto stop = std::chrono::steady_clock::now();
        if (status != 0) {
            toolErr.flush();
            err << errText << Qt::endl;
            return 1;
        }
        if (i > 0) // the first run warms the caches
            times.push_back(
                std::chrono::duration_cast<std::chrono::microseconds>(stop - start).count());
    }
    QDir(work + QStringLiteral("/renamed")).removeRecursively();
    std::sort(times.begin(), times.end());
    out << "photos " << QDir(photos).entryList({QStringLiteral("*.jpg")}, QDir::Files).size()
        << "\n";
    out << "rename_us " << (times.empty() ? 0 : times[times.size() / 2]) << Qt::endl;
    return 0;
}
