#include "wizard/GenerationWorker.h"

#include "generator/GenerateAlbum.h"
#include "webphotos/DecodeBudget.h"

#include <QMutexLocker>

GenerationWorker::GenerationWorker(AlbumState& album, const ProgramServices& services)
    : album_(album), services_(services) {}

void GenerationWorker::stop() {
    const QMutexLocker locker(&mutex_);
    stopRequested_ = true;
    wake_.wakeAll();
}

void GenerationWorker::goOn() {
    const QMutexLocker locker(&mutex_);
    shown_ = true;
    wake_.wakeAll();
}

void GenerationWorker::caption(const QString& text, int pauseMs) {
    Q_EMIT captionReady(text, pauseMs);
    QMutexLocker locker(&mutex_);
    // A stop cuts the pause short, so that the undoing starts at once.
    while (!shown_ && !stopRequested_)
        wake_.wait(&mutex_);
    shown_ = false;
}

void GenerationWorker::run() {
    GenerationContext context;
    context.programFolder = services_.programFolder;
    context.progress = this;
    context.stopRequested = [this] { return stopRequested_.load(); };
    // The previews' and the web photos' decodes share one budget.
    context.decodeBudget = &ownDecodeBudget();
    Q_EMIT done(generateAlbum(album_, context, services_.files));
}
