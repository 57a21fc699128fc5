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

void LabelProgress::caption(const QString& text, int pauseMs) {
    label_.setText(toBoxText(text));
    ++shown_;
    bar_.setValue(std::min(shown_, bar_.maximum()));
    waitWithEventsRunning(desktop_.captionPause(pauseMs));
}
