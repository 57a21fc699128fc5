#include "generator/WebPhotoLibrary.h"
#include "webphotos/DecodeBudget.h"
#include "webphotos/WebPhoto.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <exception>
#include <functional>
#include <type_traits>

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
    // Decodes take their memory from the host's budget, when it has one, for this run.
    struct SharedBudget {
        explicit SharedBudget(QSemaphore* budget) { shareDecodeBudget(budget); }
        ~SharedBudget() { shareDecodeBudget(nullptr); }
    } sharedBudget(request.decodeBudget);

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
            request.progress->caption(
                QCoreApplication::translate("MakeWebPhotosEntry",
                                            "Подготавливается для WEB файл изображения:\r\n") +
                    originals[i],
                0);
    }
}
