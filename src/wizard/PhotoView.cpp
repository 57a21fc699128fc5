#include "wizard/PhotoView.h"

#include "webphotos/PhotoDecode.h"

#include <QPixmap>

QImage decodeScaled(const QString& path, QSize box) {
    // A pipe or device under a photo's name, a damaged file or one whose decoding
    // would take too much memory shows nothing.
    return decodePhoto(path, box, PhotoSizing::Fill).value.picture;
}

PhotoView::PhotoView(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setFocusPolicy(Qt::NoFocus);
}

bool PhotoView::showFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const QImage image = decodeScaled(path, contentsRect().size());
    if (image.isNull())
        return false;
    setPixmap(QPixmap::fromImage(image));
    shownFile_ = path;
    return true;
}

void PhotoView::clearPicture() {
    clear();
    shownFile_.clear();
}

bool PhotoView::hasPicture() const {
    return !pixmap().isNull();
}
