#pragma once

#include "generator/ProgressSink.h"
#include "platform/Outcome.h"
#include "state/AlbumState.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

// The sizes the pages show a photo and a thumbnail at.
inline constexpr QSize WebPhotoSize(600, 410);
inline constexpr QSize WebThumbnailSize(150, 105);

// One album photo made from its original, as JPEG bytes without metadata.
struct WebPhoto : Outcome {
    QByteArray photo;
    QByteArray thumbnail; // empty unless asked for
};

// Decodes the original once, at a reduced size, turned upright by its EXIF
// orientation; scales it to fit WebPhotoSize (never enlarged) and centres it on a
// canvas of exactly that size in the background colour; with a thumbnail does the
// same at WebThumbnailSize from the same decode. A failure names the file.
WebPhoto makeWebPhoto(const QString& original, const QColor& background, bool withThumbnail);

// Every photo of the album (photoFiles 1..photoCount), made on all cores and
// handed over in album order: element k-1 belongs to photo k. No more photos are
// decoded at once than there are workers. A caption follows each photo. Stops at
// the first photo that cannot be made and names it; nothing is written to disk.
struct WebPhotoSet : Outcome {
    QList<WebPhoto> photos;
};
WebPhotoSet makeWebPhotos(const AlbumState& state, ProgressSink* progress);
