#include "steps/PrepareAlbumFolder.h"

#include "platform/FolderListing.h"
#include "steps/AlbumName.h"

PrepareOutcome prepareAlbumFolder(AlbumState& state, MessageSink& messages, FileOps& files) {
    if (!state.keepSourceFolder)
        return PrepareOutcome::Ready;

    if (const Outcome name = checkAlbumName(state.albumName); !name) {
        messages.inform(name.message);
        return PrepareOutcome::Failed;
    }
    const FolderEntries listing = listFolderEntries(state.sourceFolder);
    if (!listing.ok) {
        messages.inform(listing.message);
        return PrepareOutcome::Failed;
    }
    for (const FolderEntry& entry : listing.entries) {
        // A folder that differs only in letter case is the same folder on the
        // disks albums are usually carried on (FAT, exFAT, NTFS).
        if (entry.isFolder && sameNameIgnoringCase(entry.name, state.albumName)) {
            messages.inform(
                QStringLiteral("Фотоальбом с таким именем уже существует. Программа не позволяет "
                               "перезаписывать альбомы. Пожалуйста дайте альбому другое имя. "));
            return PrepareOutcome::AlbumExists;
        }
    }
    const QString folder = state.sourceFolder + state.albumName;
    const Outcome made = files.makeFolder(folder);
    if (!made) {
        messages.inform(
            QStringLiteral("Не удалось создать папку альбома «%1»: %2.").arg(folder, made.message));
        return PrepareOutcome::Failed;
    }
    return PrepareOutcome::Ready;
}
