#include "wizard/PhotoView.h"

#include <QImageReader>
#include <QPixmap>

namespace {

// Decodes a picture at the given size, upright; a null image when it cannot be read.
QImage decodeScaled(const QString& path, QSize size) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The orientation is applied after scaling, so a photo stored on its side
    // is scaled to the transposed size.
    QSize stored = size;
    if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
        stored.transpose();
    reader.setScaledSize(stored);
    return reader.read();
}

} // namespace

PhotoView::PhotoView(QWidget* parent, QSize size) : QLabel(parent) {
    setFixedSize(size);
    setScaledContents(true);
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
