#include "generator/WebPhotos.h"

#include "generator/GenerateAlbum.h"
#include "generator/WebPhotoLibrary.h"
#include "platform/FsPath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QMutex>

namespace {

struct LoadedLibrary {
    MakeWebPhotosEntry entry = nullptr;
    QString failure;
};

// The full path in the program's folder is the only place looked at: neither
// the library path nor the current folder can put other code in its place.
LoadedLibrary loadWebPhotoLibrary(const QString& programFolder) {
    LoadedLibrary result;
    const QString path =
        withTrailingSeparator(programFolder) + QStringLiteral(PHOTOALBUM_WEBPHOTOS_LIBRARY);
    if (!QFileInfo::exists(path)) {
        result.failure =
            QCoreApplication::translate(
                "WebPhotos", "Библиотека «%1», которая готовит фотографии для WEB, не найдена. "
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
            QCoreApplication::translate(
                "WebPhotos", "Не удалось загрузить библиотеку «%1», которая готовит фотографии "
                             "для WEB: %2. Альбом не создан, ничего не изменено.")
                .arg(path, library.errorString());
    return result;
}

// Loaded once per process and program folder, and never unloaded.
LoadedLibrary webPhotoLibrary(const QString& programFolder) {
    static QMutex mutex;
    static QHash<QString, LoadedLibrary> loaded;
    const QMutexLocker locker(&mutex);
    const auto found = loaded.constFind(programFolder);
    if (found != loaded.constEnd())
        return *found;
    return *loaded.insert(programFolder, loadWebPhotoLibrary(programFolder));
}

WebPhotoRequest requestFor(const AlbumState& state, const GenerationContext& context) {
    WebPhotoRequest request;
    for (int k = 1; k <= state.photoCount(); ++k)
        request.originals.append(state.photo(k).file);
    request.red = state.backgroundRed;
    request.green = state.backgroundGreen;
    request.blue = state.backgroundBlue;
    request.thumbnails = state.thumbnails;
    request.progress = context.progress;
    request.stopRequested = context.stopRequested;
    request.decodeBudget = context.decodeBudget;
    return request;
}

} // namespace

WebPhotoSet makeWebPhotos(const AlbumState& state, const GenerationContext& context) {
    const LoadedLibrary library = webPhotoLibrary(context.programFolder);
    if (!library.entry)
        return WebPhotoSet::failure(library.failure);
    WebPhotoSet set;
    library.entry(requestFor(state, context), set);
    return set;
}

Outcome makeModernPhotos(const AlbumState& state, const GenerationContext& context,
                         const std::function<bool(int k, ModernPhoto& photo)>& deliver) {
    const LoadedLibrary library = webPhotoLibrary(context.programFolder);
    if (!library.entry)
        return Outcome::failure(library.failure);
    WebPhotoRequest request = requestFor(state, context);
    request.modern = true;
    request.deliverModern = deliver;
    WebPhotoSet set;
    library.entry(request, set);
    Outcome result;
    result.status = set.status;
    result.message = set.message;
    return result;
}
