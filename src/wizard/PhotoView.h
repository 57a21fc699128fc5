#pragma once

#include <QImage>
#include <QLabel>

// Decodes a JPEG picture as large as fits the box with its proportions kept,
// upright; a null image when it cannot be read, is not a whole JPEG, or would
// take more memory to decode than all decodes together may. The JPEG is scaled
// while it is decoded, so a large photo never takes its full size in memory.
// Safe on any thread.
QImage decodeScaled(const QString& path, QSize box);

// An image control: shows a JPEG as large as the control holds it, with its
// proportions kept and centred. The file is decoded straight at that size,
// which keeps large photos quick to preview, and turned upright by its EXIF
// orientation.
class PhotoView : public QLabel {
    Q_OBJECT
public:
    // Sized by its form: a fixed size, as the picture is decoded to fit it.
    explicit PhotoView(QWidget* parent);

    // Shows the picture in the file. A file that cannot be read as a picture
    // leaves the previous picture in place and returns false.
    bool showFile(const QString& path);
    void clearPicture();
    bool hasPicture() const;
    // The file of the picture now shown; empty when there is none.
    const QString& shownFile() const { return shownFile_; }

private:
    QString shownFile_;
};
