#include "generator/GenerateAlbum.h"

#include "generator/AlbumChecks.h"
#include "generator/ModeRuns.h"
#include "steps/InterruptedRun.h"

#include <QCoreApplication>
#include <exception>

namespace {

Outcome generate(AlbumState& state, const GenerationContext& context, FileOps& files) {
    if (const Outcome checked = checkBeforeGeneration(state, context); !checked)
        return checked;
    AlbumFiles album(state, context, files);
    if (!state.keepSourceFolder)
        return runRenameMode(state, album);
    // Web photos: every photo is made in memory before anything is written.
    WebPhotoSet web;
    // A modern album's photos are made while they are written (too many to hold).
    if (state.webPhotos && !state.modernAlbum) {
        web = makeWebPhotos(state, context);
        // Nothing is on disk yet, so a stop here has nothing to undo.
        if (!web && album.stopRequested())
            return Outcome::failure(QCoreApplication::translate(
                "GenerateAlbum", "Работа прервана. Альбом не создан, ничего не изменено."));
        if (!web)
            return web;
    }
    return runCopyMode(state, album, web);
}

Outcome generateAndReport(AlbumState& state, const GenerationContext& context, FileOps& files) {
    Outcome result = generate(state, context, files);
    if (result && !context.keepFinishedRecord) {
        if (const Outcome forgotten = forgetFinishedAlbum(state.albumFolder, files); !forgotten)
            result.notes.append(forgotten.message);
    }
    return result;
}

} // namespace

Outcome generateAlbum(AlbumState& state, const GenerationContext& context, FileOps& files) {
    try {
        return generateAndReport(state, context, files);
    } catch (const std::exception& e) {
        return Outcome::failure(
            QCoreApplication::translate("GenerateAlbum", "Внутренняя ошибка генерации: %1")
                .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        return Outcome::failure(
            QCoreApplication::translate("GenerateAlbum", "Внутренняя ошибка генерации."));
    }
}
