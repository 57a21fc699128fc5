#include "generator/WebPhotoLibrary.h"
#include "webphotos/DecodeBudget.h"
#include "webphotos/ModernImages.h"
#include "webphotos/WebPhoto.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <exception>
#include <functional>
#include <type_traits>

namespace {

QString captionFor(const QString& original) {
    return QCoreApplication::translate("MakeWebPhotosEntry",
                                       "Подготавливается для WEB файл изображения:\r\n") +
           original;
}

// A modern album's photos, made on the run's own pool and handed over in album
// order. A made photo holds megabytes of files, and an album up to
// MaxModernPhotos photos: only as many are started ahead of the one awaited as
// keep every worker busy, and each is let go once handed over.
void makeModernPhotos(const WebPhotoRequest& request, const std::function<bool()>& stopped,
                      WebPhotoSet& set) {
    const QStringList& originals = request.originals;
    std::atomic<bool> abandoned = false;
    const auto make = [&](const QString& original, int k) {
        // Once a stop is asked for, or the run has failed, no photo starts.
        if (abandoned || stopped())
            return Result<ModernPhoto>::failure(QString());
        try {
            return makeModernPhoto(original, k);
        } catch (const std::exception&) {
            return Result<ModernPhoto>::failure(failedWebPhotoMessage(original));
        }
    };
    // Its threads end with the run; before that it waits for the photos under way.
    QThreadPool pool;
    pool.setMaxThreadCount(QThread::idealThreadCount());
    const qsizetype ahead = pool.maxThreadCount() + 1;
    QList<QFuture<Result<ModernPhoto>>> started;
    const auto fail = [&](const QString& why) {
        abandoned = true;
        set.status = Status::Failed;
        set.message = why;
        set.value.clear();
    };

    for (qsizetype i = 0; i < originals.size(); ++i) {
        while (started.size() < ahead && i + started.size() < originals.size()) {
            const qsizetype next = i + started.size();
            started.append(QtConcurrent::run(&pool, make, originals[next], int(next + 1)));
        }
        Result<ModernPhoto> photo = started.takeFirst().takeResult();
        if (!photo || stopped())
            return fail(stopped() ? QString() : photo.message);
        if (!request.deliverModern || !request.deliverModern(int(i + 1), photo.value))
            return fail(QString());
        if (request.progress)
            request.progress->caption(captionFor(originals[i]), 0);
    }
}

} // namespace

// The entry the program looks up by name (MakeWebPhotosEntryName) after loading
// this library: every photo made on all cores and handed over in album order,
// no more photos decoded at once than there are workers, nor more memory taken
// by the decodes than their shared budget.
extern "C" Q_DECL_EXPORT void photoalbumMakeWebPhotos(const WebPhotoRequest& request,
                                                      WebPhotoSet& set) {
    static_assert(std::is_same_v<decltype(&photoalbumMakeWebPhotos), MakeWebPhotosEntry>);
    const QColor background(request.red, request.green, request.blue);
    const QStringList& originals = request.originals;
    const auto stopped = [&] { return request.stopRequested && request.stopRequested(); };
    // Qt's image plugins are loaded in the caller's thread, before any worker
    // needs one: a Windows process that first loaded the JPEG plugin in a pool
    // thread, ended since, was seen to hang as it exited.
    QImageReader::supportedImageFormats();
    // Decodes take their memory from the host's budget, when it has one, for this run.
    struct SharedBudget {
        explicit SharedBudget(QSemaphore* budget) { shareDecodeBudget(budget); }
        ~SharedBudget() { shareDecodeBudget(nullptr); }
    } sharedBudget(request.decodeBudget);
    if (request.modern)
        return makeModernPhotos(request, stopped, set);

    // Each worker holds one decoded photo at a time; what it hands back is the
    // small encoded result.
    std::function<Result<WebPhoto>(const QString&)> make = [&](const QString& original) {
        // Once a stop is asked for no photo starts; those being made finish.
        if (stopped())
            return Result<WebPhoto>::failure(QString());
        try {
            return makeWebPhoto(original, background, request.thumbnails);
        } catch (const std::exception&) {
            return failedWebPhoto(original);
        }
    };
    // A pool of the run's own: its threads end with the run, so that nothing of it
    // stays behind in the program (a forked child would wait on them for ever).
    QThreadPool pool;
    pool.setMaxThreadCount(QThread::idealThreadCount());
    QFuture<Result<WebPhoto>> future = QtConcurrent::mapped(&pool, originals, make);

    for (int i = 0; i < originals.size(); ++i) {
        Result<WebPhoto> photo = future.resultAt(i);
        if (!photo || stopped()) {
            future.cancel();
            future.waitForFinished();
            set.status = Status::Failed;
            set.message = stopped() ? QString() : photo.message;
            set.value.clear();
            return;
        }
        set.value.append(std::move(photo.value));
        if (request.progress)
            request.progress->caption(captionFor(originals[i]), 0);
    }
}
