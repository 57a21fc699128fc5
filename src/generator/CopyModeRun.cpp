#include "generator/ModeRuns.h"
#include "state/AlbumLayout.h"
#include "steps/InterruptedRun.h"

#include <QCoreApplication>

Outcome runCopyMode(AlbumState& state, AlbumFiles& album, const WebPhotoSet& web) {
    FileOps& files = album.disk();
    const QChar sep = nativeSeparator();
    const QString finalFolder = state.sourceFolder + state.albumName;
    const QString part = state.sourceFolder + partFolderName();
    if (const Outcome cleared = clearCopyLeftovers(state.sourceFolder, files); !cleared)
        return cleared;
    if (const Outcome made = files.makeFolder(part); !made)
        return AlbumFiles::failed(
            QCoreApplication::translate("CopyModeRun", "Не удалось создать папку"), part, made);
    const QString mark = part + sep + partMarkName();
    Outcome result = album.write(mark, QByteArrayLiteral("photoalbum: album being written\n"));
    if (!result.ok())
        result = AlbumFiles::failed(
            QCoreApplication::translate("CopyModeRun", "Не удалось записать файл"), mark, result);
    if (state.modernAlbum) {
        if (result.ok())
            result = album.placeModernPhotos(part + sep);
        if (result.ok())
            result = album.writeModernPages(part + sep);
    } else {
        if (result.ok())
            result = album.placePhotos(part + sep, web);
        if (result.ok())
            result = album.copyNavigationImages(part + sep);
        if (result.ok())
            result = album.writePages(part + sep);
    }
    if (result.ok() && album.stopRequested())
        result = Outcome::failure(QCoreApplication::translate("CopyModeRun", "Работа прервана."));
    Result<QString> record;
    if (result.ok()) {
        record = recordFinishedAlbum(part, state.sourceFolder, finalFolder, files);
        if (!record)
            result = record;
    }
    bool published = false;
    if (result.ok()) {
        if (const Outcome moved = files.renameNoReplace(part, finalFolder); !moved)
            result = AlbumFiles::failed(
                QCoreApplication::translate("CopyModeRun", "Не удалось дать папке альбома имя"),
                finalFolder, moved);
        else
            published = true;
    }
    if (result.ok()) {
        const QString publishedMark = finalFolder + sep + partMarkName();
        if (const Outcome removed = files.removeFile(publishedMark); !removed)
            result = AlbumFiles::failed(
                QCoreApplication::translate("CopyModeRun", "Не удалось убрать файл"), publishedMark,
                removed);
    }
    if (!result.ok()) {
        // A record left behind does no harm: it counts only for a folder under
        // the album's name, and the undoing takes that name away.
        if (!record.value.isEmpty())
            (void)files.removeFile(record.value);
        QString left;
        if (published && !files.renameNoReplace(finalFolder, part))
            left = QCoreApplication::translate("CopyModeRun",
                                               " Не удалось убрать созданную папку «%1».")
                       .arg(finalFolder);
        else
            left = album.removeMadeFiles(part);
        result.message +=
            left + QCoreApplication::translate("CopyModeRun", " Исходные фотографии не изменены.");
        return result;
    }
    state.albumFolder = finalFolder + sep;
    return {};
}
