#include "DiskContents.h"
#include "MakeAlbum.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "TestServices.h"
#include "generator/GenerateAlbum.h"
#include "platform/FsPath.h"
#include "webphotos/DecodeBudget.h"
#include "webphotos/ModernImages.h"
#include "webphotos/WebPhoto.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QTextStream>
#include <QThread>
#include <QTransform>
#include <QtConcurrent/QtConcurrentRun>
#include <QtEndian>
#include <gtest/gtest.h>
#include <iterator>
#ifndef _WIN32
#include <sys/resource.h>
#endif
#include <tuple>

namespace {

const QRgb Background = qRgb(0, 0, 255), Mark = qRgb(230, 0, 0), Picture = qRgb(0, 190, 0);

// A photo whose upright picture has its top-left quarter marked, stored turned
// as a camera stores it for the EXIF orientation (0: no EXIF at all); tagged,
// in ProPhoto RGB with a comment, as photo software may write it.
QByteArray cameraJpeg(QSize upright, int orientation, bool tagged = false) {
    QImage image(upright, QImage::Format_RGB32);
    image.fill(Picture);
    QPainter(&image).fillRect(0, 0, upright.width() / 2, upright.height() / 2, QColor(Mark));
    const int turn = orientation == 3 ? 180 : orientation == 6 ? 270 : orientation == 8 ? 90 : 0;
    QImage stored = image.transformed(QTransform().rotate(turn));
    if (tagged) {
        stored.setColorSpace(QColorSpace::ProPhotoRgb);
        stored.setText("Description", "Дача, 55.75N 37.62E");
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG", 95);
    // APP1 after SOI: "Exif", a big-endian TIFF header, one IFD entry: Orientation.
    QByteArray segment = QByteArray::fromHex("ffe10022457869660000"
                                             "4d4d002a00000008"
                                             "0001011200030000000100000000"
                                             "00000000");
    segment[29] = static_cast<char>(orientation);
    return orientation ? jpeg.insert(2, segment) : jpeg;
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) < 90;
}

// The part of a canvas that is not background, along its middle row and column.
QRect pictureOn(const QImage& canvas) {
    QRect found;
    for (int x = 0; x < canvas.width(); ++x)
        if (!near(canvas.pixel(x, canvas.height() / 2), Background))
            found |= QRect(x, canvas.height() / 2, 1, 1);
    for (int y = 0; y < canvas.height(); ++y)
        if (!near(canvas.pixel(canvas.width() / 2, y), Background))
            found |= QRect(canvas.width() / 2, y, 1, 1);
    return found;
}

struct ToolRun {
    int status = -1;
    QString err;
};

ToolRun make(const TestFolder& dir, const QString& folder, QStringList options) {
    ToolRun run;
    QString out;
    QTextStream outStream(&out), errStream(&run.err);
    options += {"-q", "--background", "0000FF", "-n", "Лето", dir.filePath(folder)};
    TestServices test;
    run.status = runCommandLine(options, test.over(), outStream, errStream);
    errStream.flush();
    return run;
}

TEST(WebPhotos, UprightFittedLetterboxedAndPagesAsWithout) {
    struct Case {
        const char* file;
        QSize upright;
        int orientation;
        QSize shown, thumbnail; // the picture on the 600x410 and the 150x105 canvas
        QByteArray broken = {}; // a photo that cannot be made, in a folder of its own
    };
    const QList<Case> cases = {
        {"a landscape.jpg", {1200, 600}, 0, {600, 300}, {150, 75}},
        {"b portrait.jpg", {400, 800}, 0, {205, 410}, {52, 105}},
        {"c square, never enlarged.jpg", {300, 300}, 0, {300, 300}, {105, 105}},
        {"d exif 1.jpg", {1000, 500}, 1, {600, 300}, {150, 75}},
        {"e exif 3.jpg", {1000, 500}, 3, {600, 300}, {150, 75}},
        {"f exif 6.jpg", {400, 800}, 6, {205, 410}, {52, 105}},
        {"g exif 8.jpg", {400, 800}, 8, {205, 410}, {52, 105}},
        {"h corrupt.jpg", {}, 0, {}, {}, "\xFF\xD8 broken"},
        {"i scan cut short.jpg", {}, 0, {}, {}, cutShort(makeJpeg(1, 640, 480))},
        {"j progressive, cut short.jpg", {}, 0, {}, {}, cutShort(makeProgressiveJpeg(2, 640, 480))},
    };
    // The same photos, each with an "-m" file, which a web album leaves alone.
    TestFolder dir;
    const auto brokenFolder = [](const Case& c) { return QStringLiteral("broken ") + c.file[0]; };
    for (const Case& c : cases) {
        const bool broken = !c.broken.isEmpty();
        for (const QString& folder :
             broken ? QStringList{brokenFolder(c)} : QStringList{"web", "plain"}) {
            dir.makeFolder(folder);
            const QString name = folder + "/" + c.file;
            dir.writeFile(name, broken ? c.broken : cameraJpeg(c.upright, c.orientation));
            dir.writeFile(QString(name).insert(name.size() - 4, "-m"), "not a picture");
        }
    }
    const auto before = treeSnapshot(dir.path());
    ASSERT_EQ(make(dir, "web", {"--web", "--thumbnails"}).status, 0);
    ASSERT_EQ(make(dir, "plain", {"--thumbnails"}).status, 0);
    // A photo that cannot be decoded, or whose decoder finds data missing, refuses
    // the album before anything is written (without thumbnails, titles come from
    // the names: the "-m" files stay out).
    for (const Case& c : cases) {
        if (c.broken.isEmpty())
            continue;
        const ToolRun refused = make(dir, brokenFolder(c), {"--web"});
        EXPECT_EQ(refused.status, 1) << c.file;
        EXPECT_TRUE(
            refused.err.contains(dir.filePath(brokenFolder(c) + "/" + c.file) + "» повреждён"))
            << refused.err.toStdString();
    }

    for (int k = 1; cases[k - 1].broken.isEmpty(); ++k) { // the broken rows come last
        const Case& c = cases[k - 1];
        SCOPED_TRACE(c.file);
        for (const auto& [name, size, shown] : {std::tuple{"n%1.jpg", QSize(600, 410), c.shown},
                                                {"n%1-m.jpg", QSize(150, 105), c.thumbnail}}) {
            const QImage canvas(dir.filePath("web/Лето/" + QString(name).arg(k)));
            ASSERT_EQ(canvas.size(), size) << name;
            EXPECT_TRUE(near(canvas.pixel(0, 0), Background));
            EXPECT_TRUE(near(canvas.pixel(size.width() - 1, size.height() - 1), Background));
            const QRect picture = pictureOn(canvas);
            EXPECT_NEAR(picture.width(), shown.width(), 2) << name;
            EXPECT_NEAR(picture.height(), shown.height(), 2) << name;
            EXPECT_NEAR(picture.center().x(), size.width() / 2, 2) << name;
            EXPECT_NEAR(picture.center().y(), size.height() / 2, 2) << name;
            // Upright: the mark is in the top-left quarter and nowhere else.
            const QPoint quarter(picture.width() / 4, picture.height() / 4),
                topLeft = picture.topLeft() + quarter;
            EXPECT_TRUE(near(canvas.pixel(topLeft), Mark)) << name;
            EXPECT_TRUE(near(canvas.pixel(topLeft + QPoint(2 * quarter.x(), 0)), Picture)) << name;
            EXPECT_TRUE(near(canvas.pixel(topLeft + QPoint(0, 2 * quarter.y())), Picture)) << name;
            EXPECT_TRUE(near(canvas.pixel(topLeft + 2 * quarter), Picture)) << name;
        }
        EXPECT_FALSE(dir.readFile(QStringLiteral("web/Лето/n%1.jpg").arg(k)).contains("Exif"));
    }

    // Originals and "-m" files unchanged, nothing left of the refused album, and
    // the pages byte for byte as without the option.
    const auto made = treeSnapshot(dir.path());
    auto after = made;
    for (auto it = after.begin(); it != after.end();) {
        if (it.key().startsWith("web/Лето/") && it.key().endsWith(".htm")) {
            EXPECT_EQ(it.value(), made.value("plain" + it.key().mid(3))) << it.key().toStdString();
        }
        const bool made = it.key().startsWith("web/Лето") || it.key().startsWith("plain/Лето");
        it = made ? after.erase(it) : std::next(it);
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(dir.entries("web/Лето").size(), 3 + 1 + 3 * 7);
}

// A modern album's photo: every planned image at exactly its size, upright, from
// a photo in any colour space, as a JPEG and a lossy WebP that carry no metadata.
TEST(WebPhotos, ModernPhotoIsEveryPlannedImageAndNothingElse) {
    TestFolder dir;
    // The original upright, its EXIF orientation, the widest photo made (never
    // wider than 2560 nor than the original), whether it is tagged.
    for (const auto& [upright, orientation, largest, tagged] :
         {std::tuple{QSize(3000, 2000), 1, QSize(2560, 1707), true},
          {QSize(1000, 1500), 6, QSize(1000, 1500), false},
          {QSize(500, 300), 8, QSize(500, 300), false}}) {
        dir.writeFile("a.jpg", cameraJpeg(upright, orientation, tagged));
        const Result<ModernPhoto> made = makeModernPhoto(dir.filePath("a.jpg"), 7);
        ASSERT_TRUE(made.ok()) << made.message.toStdString();
        EXPECT_EQ(made.value.images.photo.jpeg.last().size, largest);
        QMap<QString, QSize> planned;
        for (const ImageSet& set : {made.value.images.photo, made.value.images.thumbnail})
            for (const ImageFile& image : set.jpeg + set.webp)
                planned.insert(image.name, image.size);
        QStringList names;
        for (const auto& [name, bytes] : made.value.files) {
            names += name;
            SCOPED_TRACE(name.toStdString());
            if (name.endsWith(".webp")) {
                EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WEBPVP8 ");
                EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 26) & 0x3fff,
                          planned.value(name).width());
                continue;
            }
            // No EXIF, colour profile or comment.
            for (const char* marker : {"\xFF\xE1", "\xFF\xE2", "\xFF\xFE"})
                EXPECT_FALSE(bytes.contains(marker));
            const QImage picture = QImage::fromData(bytes);
            ASSERT_EQ(picture.size(), planned.value(name));
            const QPoint quarter(picture.width() / 4, picture.height() / 4);
            EXPECT_TRUE(near(picture.pixel(quarter), Mark));
            // ProPhoto RGB's (0, 190, 0) is sRGB's (0, 221, 0).
            EXPECT_NEAR(qGreen(picture.pixel(3 * quarter)), tagged ? 221 : 190, 6);
        }
        names.sort();
        EXPECT_EQ(names, planned.keys());
    }
}

// A few hundred bytes whose header claims 30000x30000 pixels, progressive: its
// decoding would take gigabytes. It is refused before, and the program stays small.
TEST(WebPhotos, PhotoTooLargeToDecodeIsRefusedBeforeDecoding) {
    TestFolder dir;
    dir.makeFolder("bomb");
    dir.writeFile("bomb/huge.jpg", makeDecodeBomb());
    const auto before = treeSnapshot(dir.path());
    QProcess tool;
    tool.start(programFolder() + "/photoalbum-make", {"--web", "-n", "Лето", dir.filePath("bomb")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_TRUE(err.contains(dir.filePath("bomb/huge.jpg") + "» слишком велик"))
        << err.toStdString();
#ifndef _WIN32
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 1 << 20); // kilobytes
#endif
    EXPECT_EQ(treeSnapshot(dir.path()), before);
}

// A name from an old Windows archive is no UTF-8: the photo is read by its bytes.
TEST(WebPhotos, NameThatIsNotUtf8IsReadByItsBytes) {
    TestFolder dir;
    const QString original = dir.filePath(fromFsBytes("\xcf\xf0\xe8.jpg"));
    const QByteArray jpeg = cameraJpeg({800, 400}, 0);
    if (!writeByName(original, jpeg))
        GTEST_SKIP() << "this file system takes no name that is not Unicode";
    EXPECT_EQ(QImage::fromData(makeWebPhoto(original, Qt::white, false).value.photo).size(),
              QSize(600, 410));
}

// A program that decodes photos itself hands the library its budget: a decode
// waits while the program's own decodes hold all of it.
TEST(WebPhotos, DecodesShareTheBudgetTheProgramHandsIn) {
    TestFolder dir;
    dir.writeFile("a.jpg", cameraJpeg({800, 400}, 0));
    AlbumState state;
    state.photos.append({dir.filePath("a.jpg"), {}, {}, {}});
    QSemaphore budget(DecodeBudgetMiB);
    budget.acquire(DecodeBudgetMiB);
    GenerationContext context;
    context.programFolder = programFolder();
    context.decodeBudget = &budget;
    QFuture<WebPhotoSet> made = QtConcurrent::run([&] { return makeWebPhotos(state, context); });
    QThread::msleep(200);
    EXPECT_FALSE(made.isFinished());
    budget.release(DecodeBudgetMiB);
    EXPECT_TRUE(made.result().ok());
    EXPECT_EQ(budget.available(), DecodeBudgetMiB);
}

} // namespace
