#include "generator/ModeRuns.h"
#include "generator/RenamePlan.h"
#include "state/AlbumLayout.h"
#include "steps/InterruptedRun.h"

#include <QCoreApplication>

namespace {

RenameJournal journalOf(const AlbumState& state, const RenamePlan& plan) {
    RenameJournal journal;
    journal.originalFolder = withoutTrailingSeparator(state.sourceFolder);
    journal.albumFolder = plan.albumFolder;
    journal.createdFiles.append(indexPageName());
    for (int k = 1; k <= state.photoCount(); ++k)
        journal.createdFiles.append(photoPageName(k));
    journal.createdFiles += navigationImageNames();
    journal.renames = plan.renames;
    return journal;
}

// Photos whose names others need step aside first, then every photo takes its
// album name, in the folder now at `at`.
Outcome renamePhotos(const QList<PhotoRename>& renames, const QString& at, AlbumFiles& album) {
    for (const bool aside : {true, false}) {
        for (const PhotoRename& r : renames) {
            if (aside && r.temporary.isEmpty())
                continue;
            const QString from = at + (aside || r.temporary.isEmpty() ? r.from : r.temporary);
            const QString to = at + (aside ? r.temporary : r.to);
            if (album.stopRequested())
                return Outcome::failure(
                    QCoreApplication::translate("RenameModeRun",
                                                "Работа прервана перед переименованием «%1».")
                        .arg(from));
            if (const Outcome moved = album.disk().renameNoReplace(from, to); !moved)
                return Outcome::failure(
                    QCoreApplication::translate("RenameModeRun",
                                                "Не удалось переименовать «%1» в «%2»: %3.")
                        .arg(from, to, moved.message));
        }
    }
    return {};
}

} // namespace

Outcome runRenameMode(AlbumState& state, AlbumFiles& album) {
    FileOps& files = album.disk();
    const QString folder = state.sourceFolder;
    const Result<RenamePlan> planned = planPhotoRenames(state, nativeSeparator());
    if (!planned)
        return planned;
    const RenamePlan& plan = planned.value;

    const RenameJournal journal = journalOf(state, plan);
    const QString unchanged =
        QCoreApplication::translate(
            "RenameModeRun", " Фотографии не переименованы, папка «%1» осталась без изменений.")
            .arg(folder);
    const Result<QString> kept = keptJournalPath(journal.originalFolder);
    if (!kept)
        return Outcome::failure(QCoreApplication::translate(
                                    "RenameModeRun", "Негде записать список переименований: %1.")
                                    .arg(kept.message) +
                                unchanged);
    const QString journalPath = kept.value;
    if (const Outcome written = files.writeFileDurably(journalPath, encodeJournal(journal));
        !written) {
        Outcome result = AlbumFiles::failed(
            QCoreApplication::translate("RenameModeRun", "Не удалось записать файл"), journalPath,
            written);
        result.message += unchanged;
        return result;
    }

    QString now = journal.originalFolder;
    Outcome result = album.writePages(folder);
    if (result.ok())
        result = album.copyNavigationImages(folder);
    if (result.ok() && album.stopRequested())
        result = Outcome::failure(QCoreApplication::translate("RenameModeRun", "Работа прервана."));
    if (result.ok() && journal.albumFolder != now) {
        if (const Outcome moved = files.renameNoReplace(now, journal.albumFolder); !moved)
            result = AlbumFiles::failed(
                QCoreApplication::translate("RenameModeRun", "Не удалось переименовать папку"), now,
                moved);
        else
            now = journal.albumFolder;
    }
    const QString at = now + nativeSeparator();
    if (result.ok())
        result = renamePhotos(plan.renames, at, album);
    Result<QString> record;
    if (result.ok()) {
        record = recordFinishedAlbum(now, journal.originalFolder, journal.albumFolder, files);
        if (!record)
            result = record;
    }
    if (result.ok()) {
        if (const Outcome removed = files.removeFile(journalPath); !removed)
            result = AlbumFiles::failed(
                QCoreApplication::translate("RenameModeRun", "Не удалось убрать файл"), journalPath,
                removed);
    }
    if (!result.ok()) {
        // A record left behind does no harm: it counts only for a folder under
        // the album's name, and the undoing takes that name away.
        if (!record.value.isEmpty())
            (void)files.removeFile(record.value);
        const Outcome undone = undoJournal(journal, now, journalPath, files);
        result.message +=
            undone ? QCoreApplication::translate(
                         "RenameModeRun", " Все изменения отменены: папка «%1» осталась как была.")
                         .arg(journal.originalFolder)
                   : QLatin1Char(' ') + undone.message;
        return result;
    }
    state.albumFolder = at;
    return {};
}
