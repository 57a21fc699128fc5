#include "wizard/ApplicationIcon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The sizes drawn in assets/icons as photoalbum-<size>.png.
QList<int> drawnSizes() {
    static const QRegularExpression sized(QStringLiteral("^photoalbum-(\\d+)\\.png$"));
    QList<int> sizes;
    for (const QString& name :
         QDir(QStringLiteral(PHOTOALBUM_ICON_FOLDER)).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = sized.match(name);
        if (match.hasMatch())
            sizes.append(match.captured(1).toInt());
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

QImage drawn(int size) {
    return QImage(QStringLiteral(PHOTOALBUM_ICON_FOLDER "/photoalbum-%1.png").arg(size));
}

} // namespace

TEST(ApplicationIcon, DrawnFromSixteenToTwoHundredFiftySixPixels) {
    const QList<int> sizes = drawnSizes();
    ASSERT_FALSE(sizes.isEmpty());
    EXPECT_EQ(sizes.first(), 16);
    EXPECT_EQ(sizes.last(), 256);
    for (int size : sizes) {
        const QImage image = drawn(size);
        EXPECT_EQ(image.size(), QSize(size, size)) << "photoalbum-" << size << ".png";
        // Transparent corners and an opaque middle: a picture, not a blank square.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(ApplicationIcon, HoldsEveryDrawnSizeFromTheResources) {
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull()) << "the icon resources are not linked into the program";
    const QList<QSize> available = icon.availableSizes();
    for (int size : drawnSizes()) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(available.contains(QSize(size, size)));
        // Compared premultiplied, the form a pixmap keeps its pixels in.
        const QImage shown = icon.pixmap(QSize(size, size))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_TRUE(shown == drawn(size).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

TEST(ApplicationIcon, IdNamesTheDesktopEntryAndItsIcon) {
    const QString id = applicationId();
    const QFileInfo entry(QStringLiteral(PHOTOALBUM_DESKTOP_FILE));
    EXPECT_EQ(entry.fileName(), id + QStringLiteral(".desktop"));

    QFile file(entry.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=") + id));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=photoalbum")));
}
