// bench_photos FOLDER COUNT BYTES [WIDTHxHEIGHT]: writes COUNT distinct JPEG
// photos photo01.jpg, photo02.jpg, ... of roughly BYTES bytes each into FOLDER,
// or, with WIDTHxHEIGHT, of that many pixels each (BYTES is then not used).
// Files already there with about the right size are kept.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>

namespace {

// A gradient with fine noise: the noise keeps the encoder from squeezing the
// picture, the gradient and the seed make every photo different.
QImage noisyPicture(int width, int height, quint32 seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    const int hueShift = static_cast<int>(seed % 360);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int base = 40 + 160 * y / height;
        for (int x = 0; x < width; x += 2) {
            const quint32 bits = random.generate();
            for (int i = 0; i < 2 && x + i < width; ++i) {
                const quint32 b = bits >> (i * 16);
                const int r = base + static_cast<int>(b & 0x3f) - 32 + (hueShift & 0x1f);
                const int g = base + static_cast<int>((b >> 6) & 0x3f) - 32;
                const int bl = 255 - base + static_cast<int>((b >> 12) & 0x0f) - 8;
                line[x + i] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, bl, 255));
            }
        }
    }
    return image;
}

qint64 writePhoto(const QString& path, int width, int height, quint32 seed) {
    const QImage image = noisyPicture(width, height, seed);
    if (!image.save(path, "JPEG", 92))
        return -1;
    return QFileInfo(path).size();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4 && args.size() != 5) {
        err << "usage: bench_photos FOLDER COUNT BYTES [WIDTHxHEIGHT]\n";
        return 2;
    }
    const QString folder = args[1];
    const int count = args[2].toInt();
    const qint64 wanted = args[3].toLongLong();
    if (count <= 0 || wanted <= 0 || !QDir().mkpath(folder)) {
        err << "bench_photos: bad arguments\n";
        return 2;
    }

    // Find the picture size for the wanted file size on a trial photo.
    int width = 2400, height = 1600;
    const bool fixedSize = args.size() == 5;
    if (fixedSize) {
        const QStringList sides = args[4].split(QLatin1Char('x'));
        width = sides.value(0).toInt();
        height = sides.value(1).toInt();
        if (width <= 0 || height <= 0) {
            err << "bench_photos: bad size " << args[4] << "\n";
            return 2;
        }
    }
    const QString trial = QDir(folder).filePath(QStringLiteral(".trial.jpg"));
    for (int round = 0; round < 3 && !fixedSize; ++round) {
        const qint64 size = writePhoto(trial, width, height, 12345);
        if (size <= 0) {
            err << "bench_photos: cannot write " << trial << "\n";
            return 1;
        }
        const double scale = std::sqrt(static_cast<double>(wanted) / static_cast<double>(size));
        if (std::abs(scale - 1.0) < 0.02)
            break;
        width = static_cast<int>(width * scale) & ~15;
        height = static_cast<int>(height * scale) & ~15;
    }
    QFile::remove(trial);

    for (int i = 1; i <= count; ++i) {
        const QString path =
            QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
        if (fixedSize) {
            if (QImageReader(path).size() == QSize(width, height))
                continue;
        } else if (const qint64 present = QFileInfo(path).size();
                   present > wanted * 9 / 10 && present < wanted * 11 / 10) {
            continue;
        }
        if (writePhoto(path, width, height, static_cast<quint32>(i)) <= 0) {
            err << "bench_photos: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
