#pragma once

#include <QList>
#include <QSize>
#include <QString>

// What a modern album folder is made of, by name and size. The page writers
// and whatever makes the images take the names from here alone.

// One image file the album holds.
struct ImageFile {
    QString name;
    QSize size;
};

// One picture at several widths, growing: as JPEG, and as WebP where made
// (empty when none is).
struct ImageSet {
    QList<ImageFile> jpeg;
    QList<ImageFile> webp;
};

// The images of one album photo: the photo itself at the widths the pages may
// ask for, and its thumbnail at 1x and, when the original allows, a denser one.
struct PhotoImages {
    ImageSet photo;
    ImageSet thumbnail;
};

// The widths a photo is made at; none is wider than its original, whose own
// width is the largest when it falls below the last.
inline constexpr int ModernPhotoWidths[] = {640, 1280, 2560};
// No image is taller: WebP holds no more rows, so a very tall photo is made
// narrower than its widths would have it.
inline constexpr int ModernTallestImage = 16383;
// The box a thumbnail fits in at 1x; the denser one fits twice the box.
inline constexpr QSize ModernThumbnailSize(320, 240);
// Thumbnails an index page shows at most.
inline constexpr int PhotosPerIndexPage = 100;

// Index page p (1-based): a web server shows the first at the folder's address.
QString modernIndexPageName(int p);
// The page of album place k (1-based).
QString modernPhotoPageName(int k);
QString modernStyleSheetName();
QString modernScriptName();

// Photo k made `width` pixels wide; the thumbnail at 1x or 2x.
QString modernPhotoFileName(int k, int width, bool webp);
QString modernThumbnailFileName(int k, bool dense, bool webp);

// Any file of a modern album, whatever its number of photos.
bool isModernAlbumFileName(const QString& name);
// The longest name a modern album of at most `count` photos holds.
QString longestModernFileName(int count);

// The images made for photo k from an original of the given size, in JPEG and
// WebP; never enlarged.
PhotoImages plannedImages(int k, QSize original);
