#pragma once

#include "platform/FileOps.h"
#include "platform/Outcome.h"

#include <QImage>
#include <QSemaphoreReleaser>
#include <QSize>
#include <QString>
#include <QtGlobal>

// How a decoded photo is sized to its box, its proportions kept.
enum class PhotoSizing {
    // Fits the box and is never enlarged: the web photos.
    Fit,
    // As large as the box holds, small photos enlarged; a photo of nearly the
    // box's proportions fills it exactly, leaving no one-pixel seam: the previews.
    Fill,
};

// The size of a picture of `size` inside `box`: the whole box side it fills
// first, the other side in proportion; never larger than it is.
QSize fittedSize(const QSize& size, const QSize& box);

struct DecodedPhoto {
    QImage picture; // upright, at the size the sizing asks for
    QSize upright;  // the photo's own size, upright
    // The original's, as the handle it was read by shows them: the name may
    // lead elsewhere by now.
    PhotoReaders readers;
    // The decode's share of the memory budget. It stays taken while this
    // lives, for the work the caller does with the picture.
    QSemaphoreReleaser share;
    // On a refusal for memory: the frame's size and the MiB its decode needs.
    QSize frameSize;
    qint64 neededMiB = 0;

    bool tooLarge() const { return neededMiB > 0; }
};

// Opens the photo by its name's bytes (only an ordinary file), checks that it
// is a whole JPEG picture, and decodes it scaled in the decoder and turned
// upright by its EXIF orientation, within the memory all decodes together may
// take (DecodeBudgetMiB): one that would take more is refused before it is
// decoded. A decoder warning of missing or corrupt data refuses the photo too.
// A failure has no message, each caller words its own. Safe on any thread.
Result<DecodedPhoto> decodePhoto(const QString& path, const QSize& box, PhotoSizing sizing);
