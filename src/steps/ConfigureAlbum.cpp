#include "steps/ConfigureAlbum.h"

#include "platform/FileStatus.h"
#include "platform/FsPath.h"
#include "steps/AlbumName.h"
#include "steps/FolderChange.h"
#include "steps/InterruptedRun.h"
#include "steps/PhotoChoice.h"
#include "steps/RenameJournal.h"

#include <QCoreApplication>

QString defaultTypedAlbumName() {
    return QStringLiteral("Мой фотоальбом");
}

namespace {

// Adds a step's notes to `result`; false, with `result` failed or declined as
// the step was, when the run goes no further.
bool passed(Outcome& result, const Outcome& step) {
    result.notes += step.notes;
    if (step)
        return true;
    result.status = step.status;
    result.message = step.message;
    return false;
}

// A folder without photos is refused before anything else, unless an
// interrupted rename has the photos under names of its own.
Outcome checkPhotosOrJournal(const AlbumState& state) {
    if (state.folderPhotoCount == 0 && !hasKeptJournal(state.sourceFolder))
        return Outcome::failure(noPhotosMessage());
    return {};
}

// From here on the folder is named by its real path, so that nothing the run
// changes is reached through a link, and a journal's paths can be checked.
Outcome takeRealPath(AlbumState& state) {
    const Result<QString> real = realPath(state.sourceFolder);
    if (!real)
        return Outcome::failure(QCoreApplication::translate("ConfigureAlbum", "Папка «%1»: %2.")
                                    .arg(state.sourceFolder, real.message));
    state.sourceFolder = withTrailingSeparator(real.value);
    return {};
}

// What an interrupted run left is put right first; the photos of a folder put
// back are counted again under their first names, as a folder change counts them.
Outcome putBackInterruptedRename(AlbumState& state, FileOps& files) {
    const Result<Recovery> recovery = recoverInterruptedRename(state.sourceFolder, files);
    if (!recovery)
        return Outcome::failure(recovery.message);
    Outcome result;
    result.notes = recovery.notes;
    if (recovery.value.recovered) {
        state.sourceFolder = withTrailingSeparator(recovery.value.folder);
        result.notes.append(recovery.message);
        // The folder put back is counted again; a count that fails stops the step.
        const Outcome counted = changeFolder(state, recovery.value.folder);
        result.notes += counted.notes;
        result.status = counted.status;
        result.message = counted.message;
    }
    return result;
}

Outcome checkPhotosCounted(const AlbumState& state) {
    if (state.folderPhotoCount == 0)
        return Outcome::failure(noPhotosMessage());
    return {};
}

Outcome askAboutDefaultName(const QString& typedName, MessageSink& questions) {
    if (typedName != defaultTypedAlbumName())
        return {};
    const QString question = QCoreApplication::translate(
        "ConfigureAlbum", "Что, так просто,\"Мой альбом\"? А где фантазия?  Хотите вернуться "
                          "и изменит его?");
    if (questions.askYesNo(question, QCoreApplication::translate("ConfigureAlbum", "Внимание!"),
                           MessageSink::Answer::Yes))
        return Outcome::declinedByUser();
    return {};
}

// An album a stopped run had finished keeps the name; it is only told.
Outcome tellFinishedAlbum(const AlbumState& state, const QString& typedName, FileOps& files) {
    const Result<QString> finished = finishStoppedAlbum(state.sourceFolder, typedName, files);
    if (!finished)
        return Outcome::failure(finished.message);
    Outcome result;
    if (!finished.value.isEmpty()) {
        result.notes.append(
            QCoreApplication::translate("ConfigureAlbum",
                                        "Альбом «%1» был создан прошлым запуском программы, "
                                        "прерванным перед самым концом; он готов.")
                .arg(finished.value));
        if (const Outcome forgotten = forgetFinishedAlbum(finished.value, files); !forgotten)
            result.notes.append(forgotten.message);
    }
    return result;
}

// «Настроить» takes every photo up to 40, whatever the options say.
Outcome takeAlbumPhotos(AlbumState& state, const QString& typedName) {
    const Result<PhotoChoice> chosen = choosePhotos(state, PhotoOptions::Ignored);
    if (!chosen)
        return Outcome::failure(chosen.message);
    if (state.photos.isEmpty()) {
        // The folder was emptied after it was chosen.
        state.folderPhotoCount = 0;
        return Outcome::failure(noPhotosMessage());
    }
    state.albumName = typedName;
    return chosen;
}

} // namespace

Outcome configureAlbum(AlbumState& state, const QString& typedName, MessageSink& questions,
                       FileOps& files) {
    if (const Outcome found = checkPhotosOrJournal(state); !found)
        return found;
    if (const Outcome real = takeRealPath(state); !real)
        return real;
    Outcome result = putBackInterruptedRename(state, files);
    if (result && passed(result, checkPhotosCounted(state)) &&
        passed(result, askAboutDefaultName(typedName, questions)) &&
        passed(result, checkAlbumName(typedName)) &&
        passed(result, clearCopyLeftovers(state.sourceFolder, files)) &&
        passed(result, tellFinishedAlbum(state, typedName, files)))
        passed(result, takeAlbumPhotos(state, typedName));
    return result;
}
