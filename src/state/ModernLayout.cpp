#include "state/ModernLayout.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

// The original scaled to the given width, its height rounded, at least 1.
QSize atWidth(QSize original, int width) {
    const double height = double(original.height()) * width / original.width();
    return {width, std::max(1, int(std::lround(height)))};
}

// The original fitted into the box, never enlarged.
QSize fitted(QSize original, QSize box) {
    if (original.width() <= box.width() && original.height() <= box.height())
        return original;
    return original.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QString extension(bool webp) {
    return webp ? QStringLiteral("webp") : QStringLiteral("jpg");
}

void add(ImageSet& set, QSize size, const QString& jpeg, const QString& webp) {
    set.jpeg.append({jpeg, size});
    set.webp.append({webp, size});
}

} // namespace

QString modernIndexPageName(int p) {
    return p <= 1 ? QStringLiteral("index.html") : QStringLiteral("index-%1.html").arg(p);
}

QString modernPhotoPageName(int k) {
    return QStringLiteral("n%1.html").arg(k);
}

QString modernStyleSheetName() {
    return QStringLiteral("album.css");
}

QString modernScriptName() {
    return QStringLiteral("album.js");
}

QString modernPhotoFileName(int k, int width, bool webp) {
    return QStringLiteral("n%1-%2.%3").arg(k).arg(width).arg(extension(webp));
}

QString modernThumbnailFileName(int k, bool dense, bool webp) {
    return QStringLiteral("n%1-thumb%2.%3")
        .arg(k)
        .arg(dense ? QStringLiteral("2x") : QString())
        .arg(extension(webp));
}

bool isModernAlbumFileName(const QString& name) {
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
        "index(-[1-9][0-9]*)?\\.html|album\\.css|album\\.js|"
        "n[1-9][0-9]*(\\.html|-[1-9][0-9]*\\.(jpg|webp)|-thumb(2x)?\\.(jpg|webp))")));
    return pattern.match(name).hasMatch();
}

QString longestModernFileName(int count) {
    return modernThumbnailFileName(count, true, true);
}

PhotoImages plannedImages(int k, QSize original) {
    PhotoImages images;
    if (original.isEmpty())
        return images;
    const int tallestWidth =
        std::max(1, int(qint64(original.width()) * ModernTallestImage / original.height()));
    const int largest = std::min({original.width(), std::end(ModernPhotoWidths)[-1], tallestWidth});
    for (const int width : ModernPhotoWidths) {
        if (width >= largest)
            break;
        add(images.photo, atWidth(original, width), modernPhotoFileName(k, width, false),
            modernPhotoFileName(k, width, true));
    }
    add(images.photo, atWidth(original, largest), modernPhotoFileName(k, largest, false),
        modernPhotoFileName(k, largest, true));

    const QSize thumbnail = fitted(original, ModernThumbnailSize);
    add(images.thumbnail, thumbnail, modernThumbnailFileName(k, false, false),
        modernThumbnailFileName(k, false, true));
    const QSize dense = fitted(original, ModernThumbnailSize * 2);
    if (dense.width() > thumbnail.width())
        add(images.thumbnail, dense, modernThumbnailFileName(k, true, false),
            modernThumbnailFileName(k, true, true));
    return images;
}
