#include "TestPhotos.h"

#include "TestFolder.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QStringList>

QByteArray makeJpeg(int seed, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((seed * 37) % 360, 160, 220));
    for (int x = 0; x < width; ++x)
        image.setPixel(x, (seed * 7 + x) % height, qRgb(seed % 256, x % 256, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

QByteArray makeProgressiveJpeg(int seed, int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setProgressiveScanWrite(true);
    writer.write(QImage::fromData(makeJpeg(seed, width, height)));
    return bytes;
}

QByteArray cutShort(const QByteArray& jpeg) {
    const qsizetype scan = jpeg.lastIndexOf("\xFF\xDA");
    return jpeg.left(scan + (jpeg.size() - scan) / 2) + "\xFF\xD9";
}

QByteArray makeDecodeBomb() {
    QByteArray bomb = makeProgressiveJpeg(1, 8, 8);
    return bomb.replace(bomb.indexOf("\xFF\xC2") + 5, 4, QByteArray::fromHex("75307530"));
}

void writePhotos(const TestFolder& folder, const QStringList& names) {
    int seed = 1;
    for (const QString& name : names)
        folder.writeFile(name, makeJpeg(seed++));
}

AlbumState albumOf(int count, bool thumbnails) {
    AlbumState state;
    applyStartupDefaults(state, QStringLiteral("/photos"));
    state.albumName = QStringLiteral("Лето");
    state.thumbnails = thumbnails;
    state.photos.resize(count);
    for (int k = 1; k <= count; ++k) {
        state.photo(k).title = QStringLiteral("Снимок %1").arg(k);
        state.photo(k).comment = QStringLiteral("Комментарий %1").arg(k);
    }
    return state;
}
