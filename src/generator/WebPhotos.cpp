#include "generator/WebPhotos.h"

#include "generator/JpegCheck.h"
#include "platform/FileStatus.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <exception>
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

WebPhoto failedPhoto(const QString& original) {
    WebPhoto result;
    result.ok = false;
    result.message = QStringLiteral("Файл фотографии «%1» повреждён или не является изображением "
                                    "JPEG: подготовить его для WEB нельзя. Альбом не создан, "
                                    "ничего не изменено.")
                         .arg(original);
    return result;
}

} // namespace

WebPhoto makeWebPhoto(const QString& original, const QColor& background, bool withThumbnail) {
    // Opened by the name's bytes, so that a name that is not UTF-8 opens too,
    // and read as a stream: a huge file costs no memory.
    const Result<int> fd = openOrdinaryFile(original);
    if (!fd)
        return failedPhoto(original);
    QFile file;
    if (!file.open(fd.value, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd.value);
        return failedPhoto(original);
    }
    if (!isCompleteJpeg(file) || !file.seek(0))
        return failedPhoto(original);
    QImageReader reader(&file, "jpg");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return failedPhoto(original);
    const bool sideways = turnsSideways(reader.transformation());
    const QSize upright = sideways ? stored.transposed() : stored;
    const QSize photoSize = fitted(upright, WebPhotoSize);
    // The decoder scales before it turns the picture upright.
    reader.setScaledSize(sideways ? photoSize.transposed() : photoSize);
    QImage photo = reader.read();
    if (photo.isNull())
        return failedPhoto(original);
    if (photo.size() != photoSize)
        photo = photo.scaled(photoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    WebPhoto result;
    result.photo = onCanvas(photo, WebPhotoSize, background);
    if (withThumbnail) {
        const QImage thumbnail = photo.scaled(fitted(upright, WebThumbnailSize),
                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        result.thumbnail = onCanvas(thumbnail, WebThumbnailSize, background);
    }
    if (result.photo.isEmpty() || (withThumbnail && result.thumbnail.isEmpty()))
        return failedPhoto(original);
    return result;
}

WebPhotoSet makeWebPhotos(const AlbumState& state, ProgressSink* progress) {
    const QColor background(state.backgroundRed, state.backgroundGreen, state.backgroundBlue);
    const bool withThumbnails = state.thumbnails;
    QStringList originals;
    for (int k = 1; k <= state.photoCount; ++k)
        originals.append(state.photoFiles[k]);

    // Each worker holds one decoded photo at a time; what it hands back is the
    // small encoded result.
    std::function<WebPhoto(const QString&)> make = [&](const QString& original) {
        try {
            return makeWebPhoto(original, background, withThumbnails);
        } catch (const std::exception&) {
            return failedPhoto(original);
        }
    };
    // A pool of the run's own: its threads end with the run, so that nothing of it
    // stays behind in the program (a forked child would wait on them for ever).
    QThreadPool pool;
    pool.setMaxThreadCount(QThread::idealThreadCount());
    QFuture<WebPhoto> future = QtConcurrent::mapped(&pool, originals, make);

    WebPhotoSet set;
    for (int i = 0; i < originals.size(); ++i) {
        if (progress)
            progress->keepAliveUntil(
                [&future, i] { return future.isResultReadyAt(i) || future.isFinished(); });
        WebPhoto photo = future.resultAt(i);
        if (!photo) {
            future.cancel();
            future.waitForFinished();
            set.ok = false;
            set.message = photo.message;
            set.photos.clear();
            return set;
        }
        set.photos.append(std::move(photo));
        if (progress)
            progress->caption(
                QStringLiteral("Подготавливается для WEB файл изображения:\r\n") + originals[i], 0);
    }
    return set;
}
