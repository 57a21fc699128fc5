#include "steps/ConfigureAlbum.h"

#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FolderLock.h"
#include "platform/FsPath.h"
#include "steps/AlbumName.h"
#include "steps/InterruptedRun.h"

#include <algorithm>

QString defaultTypedAlbumName() {
    return QStringLiteral("Мой фотоальбом");
}

namespace {

QString noPhotosMessage() {
    return QStringLiteral("В выбранной папке нет файлов изображений");
}

} // namespace

bool configureAlbum(AlbumState& state, const QString& typedName, MessageSink& messages,
                    FileOps& files) {
    // A folder without photos is refused before anything else, unless an
    // interrupted rename has the photos under names of its own.
    if (state.photoCount == 0 &&
        !linkStatusOf(withTrailingSeparator(state.sourceFolder) + journalFileName()).exists()) {
        messages.inform(noPhotosMessage());
        return false;
    }
    // One run per folder; what an interrupted run left is put right first.
    const Result<FolderLock> lock = FolderLock::acquire(state.sourceFolder);
    if (!lock) {
        messages.inform(lock.message);
        return false;
    }
    const Recovery recovery = recoverInterruptedRename(state.sourceFolder, files);
    if (!recovery) {
        messages.inform(recovery.message);
        return false;
    }
    if (recovery.recovered) {
        state.sourceFolder = withTrailingSeparator(recovery.folder);
        messages.inform(recovery.message);
        const FolderListing photos = listPhotoFiles(state.sourceFolder);
        if (photos.ok)
            state.photoCount = static_cast<Count>(std::min<qsizetype>(photos.names.size(), 32767));
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
