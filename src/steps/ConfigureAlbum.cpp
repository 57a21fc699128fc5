#include "steps/ConfigureAlbum.h"

#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "steps/AlbumName.h"
#include "steps/FolderChange.h"
#include "steps/InterruptedRun.h"
#include "steps/PhotoChoice.h"
#include "steps/RenameJournal.h"

QString defaultTypedAlbumName() {
    return QStringLiteral("Мой фотоальбом");
}

Outcome configureAlbum(AlbumState& state, const QString& typedName, MessageSink& questions,
                       FileOps& files) {
    // A folder without photos is refused before anything else, unless an
    // interrupted rename has the photos under names of its own.
    const Result<QString> journal = keptJournalPath(state.sourceFolder);
    if (state.folderPhotoCount == 0 && !(journal && linkStatusOf(journal.value).exists()))
        return Outcome::failure(noPhotosMessage());
    // From here on the folder is named by its real path, so that nothing the run
    // changes is reached through a link, and a journal's paths can be checked.
    const Result<QString> real = realPath(state.sourceFolder);
    if (!real)
        return Outcome::failure(
            QStringLiteral("Папка «%1»: %2.").arg(state.sourceFolder, real.message));
    state.sourceFolder = withTrailingSeparator(real.value);
    // What an interrupted run left is put right first.
    const Recovery recovery = recoverInterruptedRename(state.sourceFolder, files);
    if (!recovery)
        return Outcome::failure(recovery.message);
    Outcome result;
    result.notes = recovery.notes;
    const auto failed = [&result](const QString& why) {
        result.ok = false;
        result.message = why;
        return result;
    };
    if (recovery.recovered) {
        state.sourceFolder = withTrailingSeparator(recovery.folder);
        result.notes.append(recovery.message);
        // The photos are counted again under their first names, as a folder change counts them.
        changeFolder(state, recovery.folder);
    }
    if (state.folderPhotoCount == 0)
        return failed(noPhotosMessage());
    if (typedName == defaultTypedAlbumName()) {
        const QString question =
            QStringLiteral("Что, так просто,\"Мой альбом\"? А где фантазия?  Хотите вернуться "
                           "и изменит его?");
        if (questions.askYesNo(question, QStringLiteral("Внимание!"), MessageSink::Answer::Yes)) {
            result.ok = false;
            result.declined = true;
            return result;
        }
    }
    if (const Outcome name = checkAlbumName(typedName); !name)
        return failed(name.message);
    if (const Outcome cleared = clearCopyLeftovers(state.sourceFolder, files); !cleared)
        return failed(cleared.message);
    // An album a stopped run had finished keeps the name; it is only told.
    const Result<QString> finished = finishStoppedAlbum(state.sourceFolder, typedName, files);
    if (!finished)
        return failed(finished.message);
    if (!finished.value.isEmpty()) {
        result.notes.append(QStringLiteral("Альбом «%1» был создан прошлым запуском программы, "
                                           "прерванным перед самым концом; он готов.")
                                .arg(finished.value));
        if (const Outcome forgotten = forgetFinishedAlbum(finished.value, files); !forgotten)
            result.notes.append(forgotten.message);
    }
    const FolderEntries listing = listFolderEntries(state.sourceFolder);
    if (!listing)
        return failed(listing.message);
    const QStringList photos = photoNamesIn(listing);
    if (photos.isEmpty()) {
        // The folder was emptied after it was chosen.
        state.folderPhotoCount = 0;
        state.photos.clear();
        return failed(noPhotosMessage());
    }
    state.albumName = typedName;
    result.notes += foreignLinkNotes(state.sourceFolder, listing);
    result.notes += takePhotos(state, photos).notes;
    return result;
}
