#include "Recorders.h"
#include "TestFolder.h"
#include "generator/GenerateAlbum.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/PrepareAlbumFolder.h"
#include "steps/ThumbnailScan.h"
#include "steps/TitlesFromNames.h"
#include "steps/WebPhotoScan.h"

#include <QBuffer>
#include <QImage>
#include <QTransform>
#include <gtest/gtest.h>
#include <tuple>

namespace {

const QRgb Background = qRgb(0, 0, 255);
const QRgb Mark = qRgb(230, 0, 0);    // the upright picture's top-left quarter
const QRgb Picture = qRgb(0, 190, 0); // the rest of it

// A JPEG whose upright picture is `upright` with its top-left quarter marked, stored
// turned the way a camera stores it for the EXIF orientation (0: no EXIF at all).
QByteArray cameraJpeg(QSize upright, int orientation) {
    QImage image(upright, QImage::Format_RGB32);
    image.fill(Picture);
    for (int y = 0; y < upright.height() / 2; ++y)
        for (int x = 0; x < upright.width() / 2; ++x)
            image.setPixel(x, y, Mark);
    // Stored so that turning it by the orientation makes it upright again.
    const int storedTurn = orientation == 3   ? 180
                           : orientation == 6 ? 270
                           : orientation == 8 ? 90
                                              : 0;
    image = image.transformed(QTransform().rotate(storedTurn));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    if (orientation == 0)
        return jpeg;
    // An APP1 segment right after SOI: "Exif", a big-endian TIFF header and one
    // IFD with the Orientation tag (0x0112, SHORT, 1 value).
    const char segment[] = {
        '\xFF', '\xE1', 0, 34,   'E', 'x', 'i', 'f', 0, 0,
        'M',    'M',    0, 0x2A, 0,   0,   0,   8,   0, 1,
        1,      0x12,   0, 3,    0,   0,   0,   1,   0, static_cast<char>(orientation),
        0,      0,      0, 0,    0,   0};
    return jpeg.insert(2, QByteArray(segment, sizeof segment));
}

int distance(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

bool near(QRgb a, QRgb b) {
    return distance(a, b) < 90;
}

// The part of a canvas that is not background, measured along its middle row and column.
QRect pictureOn(const QImage& canvas) {
    int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
    for (int x = 0; x < canvas.width(); ++x) {
        if (!near(canvas.pixel(x, canvas.height() / 2), Background)) {
            left = qMin(left, x);
            right = x;
        }
    }
    for (int y = 0; y < canvas.height(); ++y) {
        if (!near(canvas.pixel(canvas.width() / 2, y), Background)) {
            top = qMin(top, y);
            bottom = y;
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The album's photos and their pages, from a source folder "Фото" with the given
// photos and an "-m" file beside each (which a web album leaves alone).
struct Album {
    TestFolder root;
    QString source;
    AlbumState state;
    ScriptedMessages messages;
    RecordingProgress progress;
    GenerationContext context;

    Album(const QMap<QString, QByteArray>& photos, bool web, bool thumbnails = true) {
        source = root.makeFolder(QStringLiteral("Фото")) + QLatin1Char('/');
        for (auto it = photos.begin(); it != photos.end(); ++it) {
            root.writeFile(QStringLiteral("Фото/") + it.key(), it.value());
            QString thumbnail = it.key();
            root.writeFile(QStringLiteral("Фото/") + thumbnail.insert(thumbnail.size() - 4, "-m"),
                           "not a picture");
        }
        applyStartupDefaults(state, QStringLiteral("/start"));
        EXPECT_TRUE(changeFolder(state, source).ok);
        EXPECT_TRUE(configureAlbum(state, QStringLiteral("Лето"), messages));
        applySettingsDefaults(state);
        if (web) {
            EXPECT_TRUE(setWebPhotos(state, true, messages));
        }
        if (thumbnails) {
            EXPECT_EQ(scanThumbnails(state, messages), ThumbnailScanOutcome::Paired);
        }
        EXPECT_EQ(prepareAlbumFolder(state, messages), PrepareOutcome::Ready);
        if (isParseMode(state)) {
            EXPECT_TRUE(loadTitlesFromNames(state, messages));
        }
        state.backgroundRed = qRed(Background);
        state.backgroundGreen = qGreen(Background);
        state.backgroundBlue = qBlue(Background);
        context.typedAlbumName = QStringLiteral("Лето");
        context.programFolder = programFolder();
        context.progress = &progress;
    }
    QString album() const { return source + QStringLiteral("Лето/"); }
};

struct WebCase {
    const char* file;
    QSize upright;
    int orientation; // 0: no EXIF
    QSize shown;     // the picture on the 600x410 canvas
    QSize thumbnail; // the picture on the 150x105 canvas
    bool corrupt = false;
};

TEST(WebPhotos, MadeUprightFittedAndLetterboxedWithPagesAsWithout) {
    const QList<WebCase> cases = {
        {"a landscape.jpg", {1200, 600}, 0, {600, 300}, {150, 75}},
        {"b portrait.jpg", {400, 800}, 0, {205, 410}, {52, 105}},
        {"c square never enlarged.jpg", {300, 300}, 0, {300, 300}, {105, 105}},
        {"d exif 1.jpg", {1000, 500}, 1, {600, 300}, {150, 75}},
        {"e exif 3.jpg", {1000, 500}, 3, {600, 300}, {150, 75}},
        {"f exif 6.jpg", {400, 800}, 6, {205, 410}, {52, 105}},
        {"g exif 8.jpg", {400, 800}, 8, {205, 410}, {52, 105}},
        {"h corrupt.jpg", {}, 0, {}, {}, true},
    };
    QMap<QString, QByteArray> good;
    for (const WebCase& c : cases) {
        if (!c.corrupt)
            good.insert(QString::fromUtf8(c.file), cameraJpeg(c.upright, c.orientation));
    }

    Album web(good, true);
    const auto before = treeSnapshot(web.source);
    const Outcome made = generateAlbum(web.state, web.context);
    ASSERT_TRUE(made.ok) << made.message.toStdString();
    Album plain(good, false);
    ASSERT_TRUE(generateAlbum(plain.state, plain.context).ok);

    int k = 0;
    for (const WebCase& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.corrupt) {
            // Named before anything is written; the album folder stays empty. Without
            // thumbnails titles come from the names, and the "-m" files stay out.
            QMap<QString, QByteArray> photos = {{QStringLiteral("a.jpg"), good.first()},
                                                {QString::fromUtf8(c.file), "\xFF\xD8 broken"}};
            Album broken(photos, true, false);
            const auto untouched = treeSnapshot(broken.source);
            const Outcome refused = generateAlbum(broken.state, broken.context);
            EXPECT_FALSE(refused.ok);
            EXPECT_TRUE(refused.message.contains(broken.source + QString::fromUtf8(c.file)))
                << refused.message.toStdString();
            EXPECT_EQ(treeSnapshot(broken.source), untouched);
            continue;
        }
        ++k;
        for (const auto& [name, canvasSize, shown] :
             {std::tuple{QStringLiteral("n%1.jpg"), QSize(600, 410), c.shown},
              std::tuple{QStringLiteral("n%1-m.jpg"), QSize(150, 105), c.thumbnail}}) {
            const QImage canvas(web.album() + name.arg(k));
            ASSERT_EQ(canvas.size(), canvasSize) << name.arg(k).toStdString();
            EXPECT_TRUE(near(canvas.pixel(0, 0), Background));
            EXPECT_TRUE(
                near(canvas.pixel(canvasSize.width() - 1, canvasSize.height() - 1), Background));
            const QRect picture = pictureOn(canvas);
            EXPECT_NEAR(picture.width(), shown.width(), 2) << name.arg(k).toStdString();
            EXPECT_NEAR(picture.height(), shown.height(), 2) << name.arg(k).toStdString();
            EXPECT_NEAR(picture.center().x(), canvasSize.width() / 2, 2);
            EXPECT_NEAR(picture.center().y(), canvasSize.height() / 2, 2);
            // Upright: the mark is in the top-left quarter and nowhere else.
            const int qx = picture.width() / 4, qy = picture.height() / 4;
            const QPoint topLeft = picture.topLeft() + QPoint(qx, qy);
            EXPECT_TRUE(near(canvas.pixel(topLeft), Mark)) << name.arg(k).toStdString();
            EXPECT_TRUE(near(canvas.pixel(topLeft + QPoint(2 * qx, 0)), Picture));
            EXPECT_TRUE(near(canvas.pixel(topLeft + QPoint(0, 2 * qy)), Picture));
            EXPECT_TRUE(near(canvas.pixel(topLeft + QPoint(2 * qx, 2 * qy)), Picture));
        }
        // Nothing of the original's metadata is carried over.
        EXPECT_FALSE(fileBytes(web.album() + QStringLiteral("n%1.jpg").arg(k)).contains("Exif"));
    }

    // Originals and "-m" files unchanged; pages byte for byte as without the option.
    auto after = treeSnapshot(web.source);
    auto plainAfter = treeSnapshot(plain.source);
    for (auto it = after.begin(); it != after.end();) {
        if (!it.key().startsWith(QStringLiteral("Лето/"))) {
            ++it;
            continue;
        }
        if (it.key().endsWith(QStringLiteral(".htm"))) {
            EXPECT_FALSE(it.value().isEmpty());
            EXPECT_EQ(it.value(), plainAfter.value(it.key())) << it.key().toStdString();
        }
        it = after.erase(it);
    }
    EXPECT_EQ(after, before);
    EXPECT_TRUE(web.messages.informed.isEmpty()) << web.messages.informed.join('\n').toStdString();
}

} // namespace
