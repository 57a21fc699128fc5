#include "steps/ConfigureAlbum.h"

#include "platform/FolderListing.h"
#include "steps/AlbumName.h"
#include "steps/InterruptedRun.h"

QString defaultTypedAlbumName() {
    return QStringLiteral("Мой фотоальбом");
}

namespace {

QString noPhotosMessage() {
    return QStringLiteral("В выбранной папке нет файлов изображений");
}

} // namespace

bool configureAlbum(AlbumState& state, const QString& typedName, MessageSink& messages) {
    if (state.photoCount == 0) {
        messages.inform(noPhotosMessage());
        return false;
    }
    if (typedName == defaultTypedAlbumName()) {
        const QString question =
            QStringLiteral("Что, так просто,\"Мой альбом\"? А где фантазия?  Хотите вернуться "
                           "и изменит его?");
        if (messages.askYesNo(question, QStringLiteral("Внимание!")))
            return false;
    }
    const QString problem = albumNameProblem(typedName);
    if (!problem.isEmpty()) {
        messages.inform(problem);
        return false;
    }
    const FolderListing listing = listPhotoFiles(state.sourceFolder);
    if (!listing.ok) {
        messages.inform(listing.error);
        return false;
    }
    // Photos still under the temporary names of an interrupted rename are not
    // listed: taking the others would leave them out of the album.
    if (const QString leftover = leftoverFromInterruptedRun(state.sourceFolder);
        !leftover.isEmpty()) {
        messages.inform(leftover);
        return false;
    }
    if (listing.names.isEmpty()) {
        // The folder was emptied after it was chosen.
        state.photoCount = 0;
        messages.inform(noPhotosMessage());
        return false;
    }

    state.albumName = typedName;
    state.photoCount = 0;
    for (const QString& name : listing.names) {
        if (state.photoCount + 1 > MaxPhotos) {
            messages.inform(QStringLiteral("Программа может обработать только 40 изображений"));
            break;
        }
        ++state.photoCount;
        state.photoFiles[state.photoCount] = state.sourceFolder + name;
    }
    return true;
}
