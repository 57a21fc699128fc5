#include "webphotos/DecodeBudget.h"

#include <QSemaphore>
#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

constexpr qint64 MiB = 1 << 20;

std::atomic<QSemaphore*> sharedBudget = nullptr;

// The canvases, the encoder and the decoder's own rows and tables.
constexpr qint64 WorkingBytes = 2 * MiB;

qint64 roundedUp(qint64 value, qint64 multiple) {
    return (value + multiple - 1) / multiple * multiple;
}

} // namespace

qint64 decodeMiB(const JpegFrame& frame, const QSize& scaledSize) {
    qint64 bytes = WorkingBytes;
    if (frame.buffered) {
        // Every 8x8 block of every component, 64 coefficients of two bytes, in
        // whole units of the component's sampling factors.
        int widest = 1, tallest = 1;
        for (const JpegFrame::Component& c : frame.components) {
            widest = std::max(widest, c.horizontal);
            tallest = std::max(tallest, c.vertical);
        }
        for (const JpegFrame::Component& c : frame.components) {
            const qint64 columns =
                (qint64(frame.width) * c.horizontal + 8 * widest - 1) / (8 * widest);
            const qint64 rows =
                (qint64(frame.height) * c.vertical + 8 * tallest - 1) / (8 * tallest);
            bytes += roundedUp(columns, c.horizontal) * roundedUp(rows, c.vertical) * 128;
        }
    }
    // Qt's handler asks the decoder for the smallest eighths of the picture that
    // still cover the size asked for; that picture, or the size asked for when
    // it is enlarged, and Qt's copy of it while scaling or turning it upright,
    // four bytes a pixel.
    const double factor = std::min(double(frame.width) / std::max(1, scaledSize.width()),
                                   double(frame.height) / std::max(1, scaledSize.height()));
    const qint64 eighths = std::clamp(qint64(std::ceil(8 / factor)), qint64(1), qint64(8));
    const qint64 width = (frame.width * eighths + 7) / 8, height = (frame.height * eighths + 7) / 8;
    const qint64 pixels =
        std::max(width * height, qint64(scaledSize.width()) * scaledSize.height());
    bytes += 2 * pixels * 4;
    return (bytes + MiB - 1) / MiB;
}

QSemaphore& ownDecodeBudget() {
    static QSemaphore budget(DecodeBudgetMiB);
    return budget;
}

void shareDecodeBudget(QSemaphore* shared) {
    sharedBudget = shared;
}

QSemaphoreReleaser takeDecodeShare(int mib) {
    QSemaphore* shared = sharedBudget;
    QSemaphore& budget = shared ? *shared : ownDecodeBudget();
    mib = std::min(mib, DecodeBudgetMiB); // more would wait for ever
    budget.acquire(mib);
    return QSemaphoreReleaser(budget, mib);
}
