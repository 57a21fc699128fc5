#pragma once

#include "generator/WebPhotos.h"

#include <QString>
#include <QtGlobal>

// Decodes the original once, upright by its EXIF orientation, at the widest
// modern photo width (the original's own when it is narrower), and makes from
// that picture every image plannedImages(k, upright) names, each at exactly its
// planned size: the photo at its widths and the thumbnails, as JPEG (quality 85,
// progressive) and as lossy WebP (quality 80). Pixels only: a picture in another
// colour space is turned into sRGB, and no file carries a colour profile, EXIF,
// comment or any other metadata. `files` holds, for each planned image in the
// order of images.photo then images.thumbnail, its JPEG and then its WebP.
// The failures are makeWebPhoto's, with its messages. The decode's share of the
// memory budget stays taken until every file is encoded.
// Exported beside the library's entry for the tests, which link the library.
Q_DECL_EXPORT Result<ModernPhoto> makeModernPhoto(const QString& original, int k);
