#include "webphotos/ModernImages.h"

#include "webphotos/PhotoDecode.h"
#include "webphotos/WebPhoto.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>
#include <webp/encode.h>

namespace {

constexpr int JpegQuality = 85;
constexpr float WebPQuality = 80;
constexpr int WebPMethod = 4;
// The dense thumbnail is seen at half its pixels' size, where a lower quality
// does not show: it is what a phone's first screen loads most of.
constexpr int DenseJpegQuality = 70;
constexpr float DenseWebPQuality = 60;
// The decode: as wide as the widest photo made, no taller than any image made.
constexpr QSize DecodeBox(std::end(ModernPhotoWidths)[-1], ModernTallestImage);

// One image planned for the photo and the names of its two files.
struct Rendition {
    QSize size;
    QString jpeg, webp;
    bool dense = false;
};

QList<Rendition> renditionsOf(const PhotoImages& images) {
    QList<Rendition> renditions;
    for (const ImageSet* set : {&images.photo, &images.thumbnail})
        for (qsizetype i = 0; i < set->jpeg.size(); ++i)
            renditions.append({set->jpeg[i].size, set->jpeg[i].name, set->webp[i].name,
                               set == &images.thumbnail && i > 0});
    return renditions;
}

// The picture's pixels alone, 32 bits each, in sRGB: nothing of the original
// (colour space, comments) stays for a writer to put in a file.
QImage pixelsOnly(QImage picture) {
    const QColorSpace space = picture.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb))
        picture.convertToColorSpace(QColorSpace::SRgb);
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    const QImage bare(picture.constBits(), picture.width(), picture.height(),
                      picture.bytesPerLine(), QImage::Format_RGB32);
    return bare.copy();
}

// The picture at exactly `size`. One at most a pixel short or long of it (the
// decoder rounds the largest down, the plan rounds to the nearest) has that row
// or column cut off or repeated rather than the whole picture resampled again.
QImage atSize(const QImage& picture, QSize size) {
    if (picture.size() == size)
        return picture;
    const QSize off = size - picture.size();
    if (qAbs(off.width()) > 1 || qAbs(off.height()) > 1 || size.width() < 2 || size.height() < 2)
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage exact = picture.copy(QRect(QPoint(0, 0), size));
    if (exact.isNull())
        return {};
    if (off.height() > 0)
        std::memcpy(exact.scanLine(size.height() - 1), exact.constScanLine(size.height() - 2),
                    size_t(exact.bytesPerLine()));
    if (off.width() > 0)
        for (int y = 0; y < size.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(exact.scanLine(y));
            row[size.width() - 1] = row[size.width() - 2];
        }
    return exact;
}

QByteArray jpegBytes(const QImage& picture, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    // Progressive: a few per cent smaller at every size made, and a browser
    // shows the whole picture early.
    writer.setProgressiveScanWrite(true);
    writer.setOptimizedWrite(true);
    if (!writer.write(picture))
        return {};
    return bytes;
}

QByteArray webpBytes(const QImage& picture, float quality) {
    WebPConfig config;
    WebPPicture input;
    if (!WebPConfigInit(&config) || !WebPPictureInit(&input))
        return {};
    config.quality = quality;
    config.method = WebPMethod;
    const QImage rgbx = picture.convertToFormat(QImage::Format_RGBX8888);
    input.width = rgbx.width();
    input.height = rgbx.height();
    WebPMemoryWriter output;
    WebPMemoryWriterInit(&output);
    input.writer = WebPMemoryWrite;
    input.custom_ptr = &output;
    QByteArray bytes;
    if (!rgbx.isNull() && WebPValidateConfig(&config) &&
        WebPPictureImportRGBX(&input, rgbx.constBits(), int(rgbx.bytesPerLine())) &&
        WebPEncode(&config, &input))
        bytes = QByteArray(reinterpret_cast<const char*>(output.mem), qsizetype(output.size));
    WebPPictureFree(&input);
    WebPMemoryWriterClear(&output);
    return bytes;
}

} // namespace

Result<ModernPhoto> makeModernPhoto(const QString& original, int k) {
    // Lives until every file is encoded: so does its share of the memory budget.
    Result<DecodedPhoto> decoded = decodePhoto(original, DecodeBox, PhotoSizing::Fit);
    if (!decoded) {
        return Result<ModernPhoto>::failure(decoded.value.tooLarge()
                                                ? tooLargeWebPhotoMessage(original, decoded.value)
                                                : failedWebPhotoMessage(original));
    }
    const QImage picture = pixelsOnly(std::move(decoded.value.picture));
    Result<ModernPhoto> result;
    result.value.images = plannedImages(k, decoded.value.upright);
    result.value.readers = decoded.value.readers;
    const QList<Rendition> renditions = renditionsOf(result.value.images);

    // The largest first; each from the smallest picture made so far that is at
    // least twice as wide, so that every reduction averages whole pixels.
    QList<qsizetype> order(renditions.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return renditions[a].size.width() > renditions[b].size.width();
    });
    QList<QImage> made(renditions.size());
    result.value.files.resize(2 * renditions.size());
    for (const qsizetype i : order) {
        const QSize size = renditions[i].size;
        const QImage* source = &picture;
        for (const qsizetype j : order)
            if (!made[j].isNull() && made[j].width() >= 2 * size.width() &&
                made[j].height() >= 2 * size.height())
                source = &made[j];
        made[i] = atSize(*source, size);
        if (made[i].isNull())
            return Result<ModernPhoto>::failure(failedWebPhotoMessage(original));
        ModernPhotoFile& jpeg = result.value.files[2 * i];
        ModernPhotoFile& webp = result.value.files[2 * i + 1];
        const bool dense = renditions[i].dense;
        jpeg = {renditions[i].jpeg, jpegBytes(made[i], dense ? DenseJpegQuality : JpegQuality)};
        webp = {renditions[i].webp, webpBytes(made[i], dense ? DenseWebPQuality : WebPQuality)};
        if (jpeg.bytes.isEmpty() || webp.bytes.isEmpty())
            return Result<ModernPhoto>::failure(failedWebPhotoMessage(original));
    }
    return result;
}
