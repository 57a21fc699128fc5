#pragma once

#include "generator/WebPhotos.h"
#include "state/AlbumLayout.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QtGlobal>

// Decodes the original once, at a reduced size, turned upright by its EXIF
// orientation; scales it to fit PagePhotoSize (never enlarged) and centres it on a
// canvas of exactly that size in the background colour; with a thumbnail does the
// same at PageThumbnailSize from the same decode. A failure names the file; so
// does the refusal of a photo whose decoding would take more memory than all
// decodes together may (DecodeBudgetMiB), before it is decoded.
// Exported beside the library's entry for the tests, which link the library.
Q_DECL_EXPORT Result<WebPhoto> makeWebPhoto(const QString& original, const QColor& background,
                                            bool withThumbnail);

// The same message for any photo that cannot be made.
Result<WebPhoto> failedWebPhoto(const QString& original);

struct DecodedPhoto;

// The messages of a photo that cannot be made for the web, whichever images
// are made of it: it is no whole JPEG picture, or decoding it would take more
// memory than all decodes together may (the refusal says how much).
QString failedWebPhotoMessage(const QString& original);
QString tooLargeWebPhotoMessage(const QString& original, const DecodedPhoto& refused);
