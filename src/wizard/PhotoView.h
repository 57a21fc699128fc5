#pragma once

#include <QLabel>

// An image control: shows a JPEG as large as the control holds it, with its
// proportions kept and centred. The file is decoded straight at that size,
// which keeps large photos quick to preview, and turned upright by its EXIF
// orientation.
class PhotoView : public QLabel {
    Q_OBJECT
public:
    PhotoView(QWidget* parent, QSize size);

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
