#include "generator/ModernPages.h"

#include "generator/ModernAssets.h"
#include "generator/PageLines.h"
#include "generator/PageText.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// The height of the photo pages' bar of links; the photo takes the rest of the
// window, and the browser is told so in `sizes`.
const QString barHeight = QStringLiteral("3rem");

// Thumbnails the first screen of an index page shows on a phone (two columns,
// four rows): the others load as they are scrolled to.
constexpr int eagerThumbnails = 8;

QString attribute(const QString& name, const QString& value) {
    return QLatin1Char(' ') + name + QLatin1Char('=') + quoted(value);
}

QByteArray utf8Page(const QStringList& lines) {
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

// The album has no icon: browsers are told so rather than asking the server
// for one that is not there.
QString noIcon() {
    return QStringLiteral("<link rel=\"icon\" href=\"data:,\">");
}

QStringList head(const QString& title) {
    return {QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html lang=\"ru\">"),
            QStringLiteral("<head>"),
            QStringLiteral("<meta charset=\"utf-8\">"),
            QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, "
                           "initial-scale=1\">"),
            QStringLiteral("<meta name=\"color-scheme\" content=\"light dark\">"),
            QStringLiteral("<title>") + title + QStringLiteral("</title>"),
            noIcon(),
            QStringLiteral("<link rel=\"stylesheet\"") + attribute("href", modernStyleSheetName()) +
                QLatin1Char('>'),
            QStringLiteral("<script") + attribute("src", modernScriptName()) +
                QStringLiteral(" defer></script>"),
            QStringLiteral("</head>")};
}

QString albumName(const AlbumState& state) {
    return html(state.typedAlbumName).simplified();
}

// What the photo is called where a single line is wanted: its title, or its
// place when it has none.
QString photoName(const AlbumState& state, int k) {
    const QString title = html(state.photo(k).title).simplified();
    return title.isEmpty() ? QStringLiteral("Фото %1 из %2").arg(k).arg(state.photoCount()) : title;
}

// "name 640w, …": the widths the browser picks from for the given `sizes`.
QString widthSet(const QList<ImageFile>& files) {
    QStringList candidates;
    for (const ImageFile& file : files)
        candidates += html(file.name) + QLatin1Char(' ') + QString::number(file.size.width()) +
                      QLatin1Char('w');
    return candidates.join(QStringLiteral(", "));
}

// The width a thumbnail is drawn at in the index grid (columns of at least
// 10rem, 1rem apart and from the edges: one, two, three, then more of at most
// 12.75rem), for the browser to pick its file. The tile is 4:3: a photo
// narrower than that is drawn narrower by as much.
QString thumbnailSizes(QSize size) {
    const double narrower = std::min(1.0, double(size.width()) / size.height() / (4.0 / 3.0));
    const auto drawn = [&](const QString& tile) {
        return narrower < 1
                   ? QStringLiteral("calc(%1 * %2)").arg(tile, QString::number(narrower, 'f', 4))
                   : tile;
    };
    return QStringLiteral("(max-width: 23rem) %1, (max-width: 34rem) %2, (max-width: 45rem) %3, %4")
        .arg(drawn(QStringLiteral("calc(100vw - 2rem)")),
             drawn(QStringLiteral("calc(50vw - 1.5rem)")),
             drawn(QStringLiteral("calc(33.34vw - 1.34rem)")), drawn(QStringLiteral("12.75rem")));
}

// The JPEG that browsers without srcset show: the widest up to 1280 pixels.
const ImageFile& fallback(const QList<ImageFile>& jpeg) {
    const ImageFile* chosen = &jpeg.first();
    for (const ImageFile& file : jpeg)
        if (file.size.width() <= 1280)
            chosen = &file;
    return *chosen;
}

// The width the photo takes: the whole window's, or less when the height is
// what limits it.
QString photoSizes(const QList<ImageFile>& jpeg) {
    const QSize largest = jpeg.last().size;
    const double ratio = double(largest.width()) / largest.height();
    return QStringLiteral("(min-aspect-ratio: %1/%2) calc((100vh - %3) * %4), 100vw")
        .arg(largest.width())
        .arg(largest.height())
        .arg(barHeight)
        .arg(QString::number(ratio, 'f', 4));
}

// A <picture>: WebP where it was made, the JPEG otherwise, each file by its
// width for the `sizes` given.
QStringList picture(const ImageSet& set, const QString& sizes, const QString& alt,
                    const QString& imageAttributes, bool thumbnail) {
    if (set.jpeg.isEmpty())
        return {};
    auto candidates = [&](const QList<ImageFile>& files) {
        return attribute("srcset", widthSet(files)) + attribute("sizes", sizes);
    };
    QStringList lines = {QStringLiteral("<picture>")};
    if (!set.webp.isEmpty())
        lines +=
            QStringLiteral("<source type=\"image/webp\"") + candidates(set.webp) + QLatin1Char('>');
    const ImageFile& shown = thumbnail ? set.jpeg.first() : fallback(set.jpeg);
    lines += QStringLiteral("<img") + attribute("src", html(shown.name)) + candidates(set.jpeg) +
             attribute("width", QString::number(shown.size.width())) +
             attribute("height", QString::number(shown.size.height())) + attribute("alt", alt) +
             imageAttributes + QLatin1Char('>');
    lines += QStringLiteral("</picture>");
    return lines;
}

QString skipLink(const QString& text) {
    return QStringLiteral("<a class=\"skip\" href=\"#main\">") + text + QStringLiteral("</a>");
}

QString link(const QString& href, const QString& rel, const QString& text,
             const QString& extra = {}) {
    return QStringLiteral("<a") + attribute("href", href) +
           (rel.isEmpty() ? QString() : attribute("rel", rel)) + extra + QLatin1Char('>') + text +
           QStringLiteral("</a>");
}

QString arrowBefore(const QString& arrow, const QString& text) {
    return QStringLiteral("<span aria-hidden=\"true\">") + arrow + QStringLiteral("</span> ") +
           text;
}

QString arrowAfter(const QString& text, const QString& arrow) {
    return text + QStringLiteral(" <span aria-hidden=\"true\">") + arrow +
           QStringLiteral("</span>");
}

// The index page that shows photo k's thumbnail, at the thumbnail.
QString indexAddressOf(int k) {
    return modernIndexPageName((k - 1) / PhotosPerIndexPage + 1) + QStringLiteral("#n%1").arg(k);
}

// The first tile is what a phone's first screen is waiting for; those past the
// first screen load as they are scrolled to.
enum class TileLoading { First, Eager, Lazy };

QStringList indexTile(const AlbumState& state, const PhotoImages& images, int k,
                      TileLoading loading) {
    const QString alt = photoName(state, k);
    const QString attributes = loading == TileLoading::First
                                   ? QStringLiteral(" fetchpriority=\"high\"")
                               : loading == TileLoading::Lazy ? QStringLiteral(" loading=\"lazy\"")
                                                              : QString();
    const QStringList image =
        images.thumbnail.jpeg.isEmpty()
            ? QStringList()
            : picture(images.thumbnail, thumbnailSizes(images.thumbnail.jpeg.first().size), alt,
                      attributes, true);
    const QString title = htmlLines(state.photo(k).title.trimmed());
    QStringList lines = {QStringLiteral("<li id=\"n%1\"><a").arg(k) +
                         attribute("href", modernPhotoPageName(k)) + QLatin1Char('>')};
    lines += image;
    // The link is named by the picture's alt; the title shown under it would
    // only say it again.
    if (image.isEmpty())
        lines += QStringLiteral("<span class=\"title\">") + alt + QStringLiteral("</span>");
    else if (!title.isEmpty())
        lines += QStringLiteral("<span class=\"title\" aria-hidden=\"true\">") + title +
                 QStringLiteral("</span>");
    lines += QStringLiteral("</a></li>");
    return lines;
}

QStringList indexPagesLinks(int p, int pages) {
    if (pages < 2)
        return {};
    QStringList lines = {QStringLiteral("<nav class=\"pages\" aria-label=\"Страницы списка\">")};
    if (p > 1)
        lines += link(modernIndexPageName(p - 1), QStringLiteral("prev"),
                      arrowBefore(QStringLiteral("‹"), QStringLiteral("Предыдущая")));
    for (int q = 1; q <= pages; ++q)
        lines += link(modernIndexPageName(q), {}, QString::number(q),
                      q == p ? QStringLiteral(" aria-current=\"page\"") : QString());
    if (p < pages)
        lines += link(modernIndexPageName(p + 1), QStringLiteral("next"),
                      arrowAfter(QStringLiteral("Следующая"), QStringLiteral("›")));
    lines += QStringLiteral("</nav>");
    return lines;
}

// The next photo's candidates, for the script to load ahead.
QString aheadAttributes(const PhotoImages& next) {
    if (next.photo.jpeg.isEmpty())
        return {};
    QString extra = attribute("data-srcset", widthSet(next.photo.jpeg));
    if (!next.photo.webp.isEmpty())
        extra += attribute("data-webp-srcset", widthSet(next.photo.webp));
    return extra + attribute("data-sizes", photoSizes(next.photo.jpeg));
}

} // namespace

int modernIndexPageCount(int photoCount) {
    return photoCount <= 0 ? 1 : (photoCount + PhotosPerIndexPage - 1) / PhotosPerIndexPage;
}

QByteArray modernIndexPage(const AlbumState& state, const QList<PhotoImages>& images, int p) {
    const int count = state.photoCount();
    const int pages = modernIndexPageCount(count);
    const QString place = QStringLiteral("Страница %1 из %2").arg(p).arg(pages);
    QStringList lines = head(pages > 1 && p > 1 ? albumName(state) + QStringLiteral(" — ") + place
                                                : albumName(state));
    lines += {QStringLiteral("<body class=\"index\">"),
              skipLink(QStringLiteral("Перейти к фотографиям")), QStringLiteral("<header>"),
              QStringLiteral("<h1>") + albumName(state) + QStringLiteral("</h1>")};
    const QString description = htmlLines(state.description.trimmed());
    if (p == 1 && !description.isEmpty())
        lines += QStringLiteral("<p class=\"description\">") + description + QStringLiteral("</p>");
    if (pages > 1)
        lines += QStringLiteral("<p>") + place + QStringLiteral("</p>");
    lines += {QStringLiteral("</header>"), QStringLiteral("<main id=\"main\">")};

    const int first = (p - 1) * PhotosPerIndexPage + 1;
    const int last = std::min(count, p * PhotosPerIndexPage);
    if (first <= last) {
        lines += QStringLiteral("<ul class=\"grid\">");
        for (int k = first; k <= last; ++k)
            lines += indexTile(state, images.value(k - 1), k,
                               k == first                     ? TileLoading::First
                               : k - first >= eagerThumbnails ? TileLoading::Lazy
                                                              : TileLoading::Eager);
        lines += QStringLiteral("</ul>");
    }
    lines += QStringLiteral("</main>");
    lines += indexPagesLinks(p, pages);
    lines += {QStringLiteral("</body>"), QStringLiteral("</html>")};
    return utf8Page(lines);
}

QByteArray modernPhotoPage(const AlbumState& state, const QList<PhotoImages>& images, int k) {
    const int count = state.photoCount();
    const Photo& photo = state.photo(k);
    const QString place = QStringLiteral("%1 из %2").arg(k).arg(count);
    QStringList lines = head(photoName(state, k) + QStringLiteral(" — ") + albumName(state));
    lines += {QStringLiteral("<body class=\"photo-page\">"),
              skipLink(QStringLiteral("Перейти к фотографии")), QStringLiteral("<header>"),
              QStringLiteral("<nav class=\"bar\" aria-label=\"Переходы по альбому\">"),
              link(indexAddressOf(k), QStringLiteral("up"), QStringLiteral("Список"))};
    if (k > 1)
        lines += {link(modernPhotoPageName(1), {},
                       arrowBefore(QStringLiteral("«"), QStringLiteral("Первая"))),
                  link(modernPhotoPageName(k - 1), QStringLiteral("prev"),
                       arrowBefore(QStringLiteral("‹"), QStringLiteral("Назад")))};
    if (k < count)
        lines += link(modernPhotoPageName(k + 1), QStringLiteral("next"),
                      arrowAfter(QStringLiteral("Вперёд"), QStringLiteral("›")),
                      aheadAttributes(images.value(k)));
    lines += {QStringLiteral("</nav>"), QStringLiteral("</header>"),
              QStringLiteral("<main id=\"main\">"), QStringLiteral("<figure class=\"photo\">")};

    const ImageSet set = images.value(k - 1).photo;
    if (!set.jpeg.isEmpty())
        lines += picture(set, photoSizes(set.jpeg), photoName(state, k),
                         QStringLiteral(" fetchpriority=\"high\""), false);
    const QString title = htmlLines(photo.title.trimmed());
    const QString comment = htmlLines(photo.comment.trimmed());
    lines += {QStringLiteral("<figcaption>"), QStringLiteral("<h1>") +
                                                  (title.isEmpty() ? photoName(state, k) : title) +
                                                  QStringLiteral("</h1>")};
    if (!comment.isEmpty())
        lines += QStringLiteral("<p>") + comment + QStringLiteral("</p>");
    lines += {QStringLiteral("<p class=\"place\">") + place + QStringLiteral("</p>"),
              QStringLiteral("</figcaption>"),
              QStringLiteral("</figure>"),
              QStringLiteral("</main>"),
              QStringLiteral("</body>"),
              QStringLiteral("</html>")};
    return utf8Page(lines);
}

QByteArray modernEntryPage(const AlbumState& state) {
    const QString index = modernIndexPageName(1);
    return utf8Page(
        {QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html lang=\"ru\">"),
         QStringLiteral("<head>"), QStringLiteral("<meta charset=\"utf-8\">"),
         QStringLiteral("<meta http-equiv=\"refresh\"") +
             attribute("content", QStringLiteral("0; url=") + index) + QLatin1Char('>'),
         QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, "
                        "initial-scale=1\">"),
         QStringLiteral("<title>") + albumName(state) + QStringLiteral("</title>"), noIcon(),
         QStringLiteral("<link rel=\"canonical\"") + attribute("href", index) + QLatin1Char('>'),
         QStringLiteral("</head>"), QStringLiteral("<body>"),
         QStringLiteral("<p>") + link(index, {}, QStringLiteral("Открыть альбом")) +
             QStringLiteral("</p>"),
         QStringLiteral("</body>"), QStringLiteral("</html>")});
}

QByteArray modernStyleSheet(const AlbumState& state) {
    // The text is dark or light, whichever stands out more on the album's colour.
    auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(state.backgroundRed) +
                             0.7152 * linear(state.backgroundGreen) +
                             0.0722 * linear(state.backgroundBlue);
    const QString text = luminance > 0.179 ? QStringLiteral("#1A1A1A") : QStringLiteral("#F2F2F2");
    const QString colours =
        QStringLiteral(":root {\n  --album-background: %1;\n  --album-text: %2;\n  --bar: %3;\n}\n")
            .arg(colourString(state.backgroundRed, state.backgroundGreen, state.backgroundBlue),
                 text, barHeight);
    return colours.toUtf8() + QByteArray(modernStyleRules);
}

QByteArray modernScript() {
    return QByteArray(modernScriptText);
}
