#include "steps/ConfigureAlbum.h"

#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "steps/AlbumName.h"
#include "steps/FolderChange.h"
#include "steps/InterruptedRun.h"

QString defaultTypedAlbumName() {
    return QStringLiteral("Мой фотоальбом");
}

QString noPhotosMessage() {
    return QStringLiteral("В выбранной папке нет файлов изображений");
}

QString tooManyPhotosMessage() {
    return QStringLiteral("Программа может обработать только 40 изображений");
}

void takePhotos(AlbumState& state, const QStringList& names, MessageSink& messages) {
    state.photoCount = 0;
    for (const QString& name : names) {
        if (state.photoCount == MaxPhotos) {
            messages.inform(tooManyPhotosMessage());
            break;
        }
        ++state.photoCount;
        state.photoFiles[state.photoCount] = state.sourceFolder + name;
    }
}

bool configureAlbum(AlbumState& state, const QString& typedName, MessageSink& messages,
                    FileOps& files) {
    // A folder without photos is refused before anything else, unless an
    // interrupted rename has the photos under names of its own.
    if (state.photoCount == 0 &&
        !linkStatusOf(withTrailingSeparator(state.sourceFolder) + journalFileName()).exists()) {
        messages.inform(noPhotosMessage());
        return false;
    }
    // What an interrupted run left is put right first.
    // From here on the folder is named by its real path, so that nothing the run
    // changes is reached through a link, and a journal's paths can be checked.
    const Result<QString> real = realPath(state.sourceFolder);
    if (!real) {
        messages.inform(QStringLiteral("Папка «%1»: %2.").arg(state.sourceFolder, real.message));
        return false;
    }
    state.sourceFolder = withTrailingSeparator(real.value);
    const Recovery recovery = recoverInterruptedRename(state.sourceFolder, files);
    if (!recovery) {
        messages.inform(recovery.message);
        return false;
    }
    if (recovery.recovered) {
        state.sourceFolder = withTrailingSeparator(recovery.folder);
        messages.inform(recovery.message);
        // The photos are counted again under their first names, as a folder change counts them.
        changeFolder(state, recovery.folder);
    }
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
    if (const Outcome cleared = clearCopyLeftovers(state.sourceFolder, typedName, files);
        !cleared) {
        messages.inform(cleared.message);
        return false;
    }
    const FolderEntries listing = listFolderEntries(state.sourceFolder);
    if (!listing) {
        messages.inform(listing.message);
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
    takePhotos(state, photos, messages);
    return true;
}
