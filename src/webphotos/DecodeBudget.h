#pragma once

#include "webphotos/JpegCheck.h"

#include <QSemaphore>
#include <QSemaphoreReleaser>
#include <QSize>
#include <QtGlobal>

// The memory the decodes under way may take together, whatever the number of
// cores: with what the program itself takes, a run stays under a gigabyte, and a
// 200-megapixel progressive photo still fits.
inline constexpr int DecodeBudgetMiB = 720;

// The memory, in MiB rounded up, that decoding the frame at the reduced size
// asked of the decoder takes at most.
qint64 decodeMiB(const JpegFrame& frame, const QSize& scaledSize);

// Takes the decode's share of the budget, waiting until it is free, for as long
// as the releaser lives. The share is at most DecodeBudgetMiB.
[[nodiscard]] QSemaphoreReleaser takeDecodeShare(int mib);

// The budget of this copy of the image code. The wizard holds the image code
// twice, its own and the web photo library's, and hands its budget to the
// library, so that all the decodes of one process share one budget.
QSemaphore& ownDecodeBudget();
// From now on decodes take their shares from `shared`; null: from ownDecodeBudget().
void shareDecodeBudget(QSemaphore* shared);
