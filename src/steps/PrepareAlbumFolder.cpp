#include "steps/PrepareAlbumFolder.h"

#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "state/AlbumLayout.h"
#include "state/ModernLayout.h"
#include "steps/AlbumName.h"

#include <QCoreApplication>
#include <cerrno>

Result<AlbumNameCheck> checkAlbumNameFree(const AlbumState& state) {
    const auto refuse = [](const QString& why, bool exists) {
        Result<AlbumNameCheck> check = Result<AlbumNameCheck>::failure(why);
        check.value.albumExists = exists;
        return check;
    };
    if (const Outcome name = checkAlbumName(state.albumName); !name)
        return refuse(name.message, false);
    const FolderEntries listing = listFolderEntries(state.sourceFolder, true);
    if (!listing.ok())
        return refuse(listing.message, false);
    const QString folder = state.sourceFolder + state.albumName;
    const QString albumKey = caseKey(state.albumName);
    for (const FolderEntry& entry : listing.value) {
        if (caseKey(entry.name) != albumKey)
            continue;
        // A folder that differs only in letter case is the same folder on the
        // disks albums are usually carried on (FAT, exFAT, NTFS).
        if (entry.isFolder)
            return refuse(QCoreApplication::translate(
                              "PrepareAlbumFolder",
                              "Фотоальбом с таким именем уже существует. Программа не позволяет "
                              "перезаписывать альбомы. Пожалуйста дайте альбому другое имя. "),
                          true);
        return refuse(QCoreApplication::translate("PrepareAlbumFolder",
                                                  "Не удалось создать папку альбома «%1»: %2.")
                          .arg(folder, describeErrno(EEXIST)),
                      false);
    }
    const QString longestName =
        state.modernAlbum ? longestModernFileName(MaxModernPhotos) : thumbnailFileName(MaxPhotos);
    if (toFsBytes(withTrailingSeparator(folder) + longestName).size() + 1 > maxPathBytes())
        return refuse(QCoreApplication::translate("PrepareAlbumFolder",
                                                  "Не удалось создать папку альбома «%1»: %2.")
                          .arg(folder, describeErrno(ENAMETOOLONG)),
                      false);
    return {};
}

Result<AlbumNameCheck> prepareAlbumFolder(const AlbumState& state) {
    if (!state.keepSourceFolder)
        return {};
    return checkAlbumNameFree(state);
}
