#include "generator/WebPhotos.h"

#include "generator/WebPhotoLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

struct LoadedLibrary {
    MakeWebPhotosEntry entry = nullptr;
    QString failure;
};

// Loaded once per process and never unloaded. The full path in the program's
// real folder (the links in bin/ resolved) is the only place looked at: neither
// the library path nor the current folder can put other code in its place.
const LoadedLibrary& webPhotoLibrary() {
    static const LoadedLibrary loaded = [] {
        LoadedLibrary result;
        const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                             QStringLiteral(PHOTOALBUM_WEBPHOTOS_LIBRARY);
        if (!QFileInfo::exists(path)) {
            result.failure =
                QStringLiteral("Библиотека «%1», которая готовит фотографии для WEB, не найдена. "
                               "Альбом не создан, ничего не изменено.")
                    .arg(path);
            return result;
        }
        // Every symbol resolved now: a library that does not fit fails here,
        // before any photo, rather than in the middle of the run.
        QLibrary library(path);
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (library.load())
            result.entry =
                reinterpret_cast<MakeWebPhotosEntry>(library.resolve(MakeWebPhotosEntryName));
        if (!result.entry)
            result.failure =
                QStringLiteral("Не удалось загрузить библиотеку «%1», которая готовит фотографии "
                               "для WEB: %2. Альбом не создан, ничего не изменено.")
                    .arg(path, library.errorString());
        return result;
    }();
    return loaded;
}

} // namespace

WebPhotoSet makeWebPhotos(const AlbumState& state, ProgressSink* progress) {
    WebPhotoSet set;
    const LoadedLibrary& library = webPhotoLibrary();
    if (!library.entry) {
        set.ok = false;
        set.message = library.failure;
        return set;
    }
    WebPhotoRequest request;
    for (int k = 1; k <= state.photoCount(); ++k)
        request.originals.append(state.photo(k).file);
    request.red = state.backgroundRed;
    request.green = state.backgroundGreen;
    request.blue = state.backgroundBlue;
    request.thumbnails = state.thumbnails;
    request.progress = progress;
    library.entry(request, set);
    return set;
}
