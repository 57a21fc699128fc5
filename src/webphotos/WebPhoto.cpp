#include "webphotos/WebPhoto.h"

#include "webphotos/DecodeBudget.h"
#include "webphotos/PhotoDecode.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace {

constexpr int JpegQuality = 85;

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

QString failedWebPhotoMessage(const QString& original) {
    return QCoreApplication::translate(
               "WebPhoto", "Файл фотографии «%1» повреждён или не является изображением "
                           "JPEG: подготовить его для WEB нельзя. Альбом не создан, "
                           "ничего не изменено.")
        .arg(original);
}

QString tooLargeWebPhotoMessage(const QString& original, const DecodedPhoto& refused) {
    return QCoreApplication::translate("WebPhoto",
                                       "Файл фотографии «%1» слишком велик (%2×%3 точек): чтобы "
                                       "подготовить его для WEB, нужно %4 МБ памяти, а можно не "
                                       "больше %5 МБ. Альбом не создан, ничего не изменено.")
        .arg(original)
        .arg(refused.frameSize.width())
        .arg(refused.frameSize.height())
        .arg(refused.neededMiB)
        .arg(DecodeBudgetMiB);
}

Result<WebPhoto> failedWebPhoto(const QString& original) {
    return Result<WebPhoto>::failure(failedWebPhotoMessage(original));
}

Result<WebPhoto> makeWebPhoto(const QString& original, const QColor& background,
                              bool withThumbnail) {
    const Result<DecodedPhoto> decoded = decodePhoto(original, PagePhotoSize, PhotoSizing::Fit);
    if (!decoded) {
        return decoded.value.tooLarge()
                   ? Result<WebPhoto>::failure(tooLargeWebPhotoMessage(original, decoded.value))
                   : failedWebPhoto(original);
    }
    const QImage& photo = decoded.value.picture;

    Result<WebPhoto> result;
    result.value.readers = decoded.value.readers;
    result.value.photo = onCanvas(photo, PagePhotoSize, background);
    if (withThumbnail) {
        const QImage thumbnail = photo.scaled(fittedSize(decoded.value.upright, PageThumbnailSize),
                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        result.value.thumbnail = onCanvas(thumbnail, PageThumbnailSize, background);
    }
    if (result.value.photo.isEmpty() || (withThumbnail && result.value.thumbnail.isEmpty()))
        return failedWebPhoto(original);
    return result;
}
