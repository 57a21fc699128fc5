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
    if (const Outcome name = checkAlbumName(typedName); !name) {
        messages.inform(name.message);
        return false;
    }
    const FolderEntries listing = listFolderEntries(state.sourceFolder);
    if (!listing) {
        messages.inform(listing.message);
        return false;
    }
    // Photos still under the temporary names of an interrupted rename are not
    // photos: taking the others would leave them out of the album.
    if (const Outcome leftovers = checkNoLeftovers(state.sourceFolder, listing); !leftovers) {
        messages.inform(leftovers.message);
        return false;
    }
    const QStringList photos = photoNamesIn(listing);
    if (photos.isEmpty()) {
        // The folder was emptied after it was chosen.
        state.photoCount = 0;
        messages.inform(noPhotosMessage());
        return false;
    }

    state.albumName = typedName;
    state.photoCount = 0;
    for (const QString& name : photos) {
        if (state.photoCount + 1 > MaxPhotos) {
            messages.inform(QStringLiteral("Программа может обработать только 40 изображений"));
            break;
        }
        ++state.photoCount;
        state.photoFiles[state.photoCount] = state.sourceFolder + name;
    }
    return true;
}
