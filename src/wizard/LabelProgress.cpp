#include "wizard/LabelProgress.h"

#include "wizard/Desktop.h"
#include "wizard/TextBoxText.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

namespace {

// Waits with the event loop running; even no wait at all lets it turn once.
void waitWithEventsRunning(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(std::max(milliseconds, 0), &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

void LabelProgress::keepAliveUntil(const std::function<bool()>& ready) {
    // A short look every few milliseconds keeps the windows live while photos
    // are made on the other cores.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (ready())
            loop.quit();
    });
    poll.start(5);
    if (!ready())
        loop.exec();
}

void LabelProgress::caption(const QString& text, int pauseMs) {
    label_.setText(toBoxText(text));
    ++shown_;
    bar_.setValue(std::min(shown_, bar_.maximum()));
    waitWithEventsRunning(desktop_.captionPause(pauseMs));
}
