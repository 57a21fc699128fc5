#include "wizard/PhotoView.h"

#include "platform/FileStatus.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <unistd.h>

namespace {

// Decodes a picture as large as fits the box with its proportions kept,
// upright; a null image when it cannot be read.
QImage decodeScaled(const QString& path, QSize box) {
    // Opened by the name's bytes, so that a name that is not UTF-8 shows too,
    // and read as a stream; a pipe or device under a photo's name shows nothing.
    const Result<int> fd = openOrdinaryFile(path);
    if (!fd)
        return {};
    QFile file;
    if (!file.open(fd.value, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd.value);
        return {};
    }
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    // The orientation is applied after scaling, so a photo stored on its side
    // is fitted into the transposed box.
    QSize storedBox = box;
    if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
        storedBox.transpose();
    const QSize stored = reader.size();
    QSize target = stored.isValid() ? stored.scaled(storedBox, Qt::KeepAspectRatio) : storedBox;
    // A photo of nearly the box's proportions fills it, leaving no one-pixel seam.
    if (storedBox.width() - target.width() <= 1 && storedBox.height() - target.height() <= 1)
        target = storedBox;
    reader.setScaledSize(target.expandedTo(QSize(1, 1)));
    return reader.read();
}

} // namespace

PhotoView::PhotoView(QWidget* parent, QSize size) : QLabel(parent) {
    setFixedSize(size);
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
