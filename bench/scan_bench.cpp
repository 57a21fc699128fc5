// bench_scan FOLDER [REPEATS]: times the album core's photo listing and the
// folder change that counts the photos, on one (large) folder. Prints
//   count N
//   listPhotoFiles_us MEDIAN
//   changeFolder_us MEDIAN
// With REPEATS 0 it lists the folder once and prints only the count (for
// timing the whole process as one would time find).

#include "platform/FolderListing.h"
#include "state/AlbumState.h"
#include "steps/FolderChange.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <vector>

namespace {

template <typename Work> long long medianMicroseconds(int repeats, Work work) {
    std::vector<long long> times;
    work(); // warm the directory cache like every other run
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(
            std::chrono::duration_cast<std::chrono::microseconds>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: bench_scan FOLDER [REPEATS]\n";
        return 2;
    }
    const QString folder = args[1];
    const int repeats = args.size() > 2 ? args[2].toInt() : 21;

    if (repeats <= 0) {
        out << listPhotoFiles(folder).value.size() << "\n";
        return 0;
    }
    const FolderListing listing = listPhotoFiles(folder);
    if (!listing.ok()) {
        QTextStream(stderr) << listing.message << "\n";
        return 1;
    }
    out << "count " << listing.value.size() << "\n";
    out << "listPhotoFiles_us "
        << medianMicroseconds(repeats, [&] { (void)listPhotoFiles(folder); }) << "\n";
    AlbumState state;
    out << "changeFolder_us "
        << medianMicroseconds(repeats, [&] { (void)changeFolder(state, folder); }) << "\n";
    return 0;
}
