#include "webphotos/WebPhoto.h"

#include "platform/FileStatus.h"
#include "webphotos/DecodeBudget.h"
#include "webphotos/DecoderWarnings.h"
#include "webphotos/JpegCheck.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int JpegQuality = 85;

// The size an image of `size` takes inside `box`: the whole box side it fills
// first, the other side in proportion; never larger than it is.
QSize fitted(const QSize& size, const QSize& box) {
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

bool turnsSideways(QImageIOHandler::Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

QByteArray onCanvas(const QImage& picture, const QSize& canvasSize, const QColor& background) {
    QImage canvas(canvasSize, QImage::Format_RGB32);
    canvas.fill(background);
    {
        QPainter painter(&canvas);
        painter.drawImage((canvasSize.width() - picture.width()) / 2,
                          (canvasSize.height() - picture.height()) / 2, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(JpegQuality);
    if (!writer.write(canvas))
        return {};
    return bytes;
}

} // namespace

Result<WebPhoto> failedWebPhoto(const QString& original) {
    Result<WebPhoto> result;
    result.status = Status::Failed;
    result.message = QStringLiteral("Файл фотографии «%1» повреждён или не является изображением "
                                    "JPEG: подготовить его для WEB нельзя. Альбом не создан, "
                                    "ничего не изменено.")
                         .arg(original);
    return result;
}

namespace {

Result<WebPhoto> tooLargeWebPhoto(const QString& original, const JpegFrame& frame, qint64 mib) {
    Result<WebPhoto> result;
    result.status = Status::Failed;
    result.message = QStringLiteral("Файл фотографии «%1» слишком велик (%2×%3 точек): чтобы "
                                    "подготовить его для WEB, нужно %4 МБ памяти, а можно не "
                                    "больше %5 МБ. Альбом не создан, ничего не изменено.")
                         .arg(original)
                         .arg(frame.width)
                         .arg(frame.height)
                         .arg(mib)
                         .arg(DecodeBudgetMiB);
    return result;
}

} // namespace

Result<WebPhoto> makeWebPhoto(const QString& original, const QColor& background,
                              bool withThumbnail) {
    // Opened by the name's bytes, so that a name that is not UTF-8 opens too,
    // and read as a stream: a huge file costs no memory.
    const Result<int> fd = openOrdinaryFile(original);
    if (!fd)
        return failedWebPhoto(original);
    QFile file;
    if (!file.open(fd.value, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd.value);
        return failedWebPhoto(original);
    }
    // The made photo may be read by those who may read this one, as the handle
    // shows it: the name may lead elsewhere by the time the photo is written.
    struct stat info {};
    if (::fstat(fd.value, &info) != 0)
        return failedWebPhoto(original);
    const std::optional<JpegFrame> frame = completeJpegFrame(file);
    if (!frame || !file.seek(0))
        return failedWebPhoto(original);
    QImageReader reader(&file, "jpg");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    DecoderWarnings warnings;
    const QSize stored = reader.size();
    if (!stored.isValid())
        return failedWebPhoto(original);
    const bool sideways = turnsSideways(reader.transformation());
    const QSize upright = sideways ? stored.transposed() : stored;
    const QSize photoSize = fitted(upright, PagePhotoSize);
    // The decoder scales before it turns the picture upright.
    const QSize scaledSize = sideways ? photoSize.transposed() : photoSize;
    const qint64 mib = decodeMiB(*frame, scaledSize);
    if (mib > DecodeBudgetMiB)
        return tooLargeWebPhoto(original, *frame, mib);
    const QSemaphoreReleaser share = takeDecodeShare(int(mib));
    reader.setScaledSize(scaledSize);
    QImage photo = reader.read();
    if (photo.isNull() || warnings.seen())
        return failedWebPhoto(original);
    if (photo.size() != photoSize)
        photo = photo.scaled(photoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    Result<WebPhoto> result;
    result.value.readers = {info.st_mode & 07777u, info.st_gid};
    result.value.photo = onCanvas(photo, PagePhotoSize, background);
    if (withThumbnail) {
        const QImage thumbnail = photo.scaled(fitted(upright, PageThumbnailSize),
                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        result.value.thumbnail = onCanvas(thumbnail, PageThumbnailSize, background);
    }
    if (result.value.photo.isEmpty() || (withThumbnail && result.value.thumbnail.isEmpty()))
        return failedWebPhoto(original);
    return result;
}
