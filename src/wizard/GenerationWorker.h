#pragma once

#include "generator/ProgressSink.h"
#include "platform/Outcome.h"
#include "platform/ProgramServices.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>
#include <atomic>

struct AlbumState;

// Writes the album on a thread of its own, so that the windows stay live. The
// album state and the file operations are the worker's alone until it reports
// back. Each caption goes to the window, and the work waits until the window
// has shown it for its pause, or until a stop is asked for.
class GenerationWorker : public QObject, public ProgressSink {
    Q_OBJECT
public:
    GenerationWorker(AlbumState& album, const ProgramServices& services);

    // Any thread: the run stops at its next step and undoes what it did.
    void stop();
    // The window has shown the last caption long enough.
    void goOn();

    void caption(const QString& text, int pauseMs) override;

public Q_SLOTS:
    void run();

Q_SIGNALS:
    void captionReady(const QString& text, int pauseMs);
    void done(const Outcome& result);

private:
    AlbumState& album_;
    ProgramServices services_;
    std::atomic<bool> stopRequested_ = false;
    QMutex mutex_;
    QWaitCondition wake_;
    bool shown_ = false;
};
