#include "generator/PhotoPage.h"

#include "Recorders.h"
#include "TestPhotos.h"
#include "generator/ModernPages.h"
#include "state/AlbumState.h"

#include <gtest/gtest.h>

namespace {

const QString home = QStringLiteral(
    R"(<a href="start.htm"><img SRC="ish-bt.gif"BORDER="0" alt="На исходную"></a><br>)");

QString back(int to) {
    return R"(<a href="n)" + QString::number(to) +
           R"(.htm"><img SRC="back-bt.gif"BORDER="0"alt="Назад"></a>)";
}

QString forward(int to) {
    return R"(<a href="n)" + QString::number(to) +
           R"(.htm"><img SRC="for-bt.gif"BORDER="0" alt="Вперед"></a>)";
}

// The photo page as the album's page layout lists it.
QStringList expectedPage(int k, const QString& ordinal, const QString& typedName,
                         const QString& colour, const QString& title, const QString& comment,
                         bool thumbnails, const QStringList& navigation) {
    const QString n = QString::number(k);
    QStringList lines = {
        "<html><head>",
        R"(<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">)",
        "<title>",
        ordinal,
        "</title></head>",
        R"(<body bgcolor=")" + colour +
            R"(" marginwidth = "0" marginheight = "0" leftmargin = " 0; " topmargin = "0" >)",
        R"(<TABLE BORDER=1  height="7%"width="100%" >)",
        R"(<TR><TD  width="803">)",
        R"(<H3 align="center"> <font color="#800000">)",
        typedName + "</font>",
        " ",
        "</TD> </TABLE>",
        " ",
        R"(<TABLE BORDER=1  height="90%"width="100%" >)",
        "<TR>",
        R"(<TD  width="167" valign="top"height="289"> )",
        R"(<H3 align="center"><font color="#000080">)",
        title + "<br></font>",
        R"(<h4 align="center" >)",
        comment + "<br>&nbsp;</h4>",
        "</H3>",
        R"(<br><br>&nbsp;</TD> <TD rowspan="2" align="center">)",
        thumbnails ? "<img src=n" + n + R"(.jpg height="100%" width="100%" alt=")" + title + R"(">)"
                   : "<img src=n" + n + R"(.jpg height="410" width="600" alt=")" + title + R"("> )",
        "</TD> </TR>",
        R"(<TR><TD  width="167"align="center"> )",
    };
    lines += navigation;
    lines += QStringList{" ", "</TD></TR></TABLE>", " ", "</body></html>"};
    return lines;
}

QStringList writePage(AlbumState state, int k, const QString& typedName) {
    state.typedAlbumName = typedName;
    PageText page;
    writePhotoPage(page, state, k);
    EXPECT_EQ(page.lineCount(), static_cast<int>(pageLines(page.bytes()).size()));
    return pageLines(page.bytes());
}

void expectLines(const QStringList& actual, const QStringList& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
}

struct NavigationCase {
    int k;
    int count;
    QStringList navigation;
};

class PhotoPageNavigation : public ::testing::TestWithParam<NavigationCase> {};

TEST_P(PhotoPageNavigation, WholePageWithTheLinksOfItsPosition) {
    const NavigationCase& c = GetParam();
    for (const bool thumbnails : {false, true}) {
        SCOPED_TRACE(thumbnails ? "with thumbnails" : "without thumbnails");
        const AlbumState state = albumOf(c.count, thumbnails);
        const QStringList lines = writePage(state, c.k, QStringLiteral("Лето"));
        EXPECT_EQ(lines.size(), 29 + c.navigation.size());
        expectLines(lines,
                    expectedPage(c.k, ordinalWord(c.k), QStringLiteral("Лето"),
                                 QStringLiteral("#FFFFFF"), QStringLiteral("Снимок %1").arg(c.k),
                                 QStringLiteral("Комментарий %1").arg(c.k), thumbnails,
                                 c.navigation));
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, PhotoPageNavigation,
                         ::testing::Values(NavigationCase{1, 3, {home, forward(2)}},
                                           NavigationCase{2, 3, {home, back(1), forward(3)}},
                                           NavigationCase{3, 3, {home, back(2)}},
                                           NavigationCase{12, 40, {home, back(11), forward(13)}},
                                           NavigationCase{40, 40, {home, back(39)}},
                                           NavigationCase{1, 2, {home, forward(2)}},
                                           // The only page of a one-photo album links home alone.
                                           NavigationCase{1, 1, {home}}));

TEST(PhotoPageContent, TwelfthPhotoIsTitledWithItsOrdinalWord) {
    const AlbumState state = albumOf(40, false);
    const QStringList lines = writePage(state, 12, QStringLiteral("Лето"));
    EXPECT_EQ(lines[3], QStringLiteral("Двенадцатая"));
    EXPECT_EQ(lines[22], QStringLiteral("<img src=n12.jpg height=\"410\" width=\"600\" "
                                        "alt=\"Снимок 12\"> "));
}

TEST(PhotoPageContent, EmptyTitleAndComment) {
    AlbumState state = albumOf(2, true);
    state.photo(2).title.clear();
    state.photo(2).comment.clear();
    const QStringList lines = writePage(state, 2, QStringLiteral("Лето"));
    EXPECT_EQ(lines[17], QStringLiteral("<br></font>"));
    EXPECT_EQ(lines[19], QStringLiteral("<br>&nbsp;</h4>"));
    EXPECT_EQ(lines[22],
              QStringLiteral("<img src=n2.jpg height=\"100%\" width=\"100%\" alt=\"\">"));
}

TEST(PhotoPageContent, HeaderShowsTheTypedNameNotAlbumName) {
    AlbumState state = albumOf(1, false);
    state.albumName = QStringLiteral("Старое");
    const QStringList lines = writePage(state, 1, QStringLiteral("Новое"));
    EXPECT_EQ(lines[9], QStringLiteral("Новое</font>"));
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("Старое")));
}

TEST(PhotoPageContent, EscapingKeepsTheAltAttributeWhole) {
    AlbumState state = albumOf(1, false);
    state.photo(1).title = QStringLiteral("Он \"сказал\" <b> & всё");
    state.photo(1).comment = QStringLiteral("a<b & \"c\"");
    const QStringList lines = writePage(state, 1, QStringLiteral("Мы & <вы>"));
    ASSERT_EQ(lines.size(), 30);
    const QString title = QStringLiteral("Он &quot;сказал&quot; &lt;b&gt; &amp; всё");
    EXPECT_EQ(lines[9], QStringLiteral("Мы &amp; &lt;вы&gt;</font>"));
    EXPECT_EQ(lines[17], title + "<br></font>");
    EXPECT_EQ(lines[19], QStringLiteral("a&lt;b &amp; &quot;c&quot;<br>&nbsp;</h4>"));
    EXPECT_EQ(lines[22], "<img src=n1.jpg height=\"410\" width=\"600\" alt=\"" + title + "\"> ");
    // Exactly the attribute quotes remain in the picture line.
    EXPECT_EQ(lines[22].count(QLatin1Char('"')), 6);
}

TEST(PhotoPageContent, MultiLineCommentAndEmoji) {
    AlbumState state = albumOf(1, false);
    state.photo(1).comment = QStringLiteral("строка 1\r\nстрока 2 😀");
    const QStringList lines = writePage(state, 1, QStringLiteral("Лето"));
    ASSERT_EQ(lines.size(), 31);
    EXPECT_EQ(lines[19], QStringLiteral("строка 1<br>"));
    EXPECT_EQ(lines[20], QStringLiteral("строка 2 &#128512;<br>&nbsp;</h4>"));
}

TEST(PhotoPageContent, MultiLineTitleBreaksInTextButNotInTheAltAttribute) {
    AlbumState state = albumOf(1, false);
    state.photo(1).title = QStringLiteral("Закат\r\nнад морем");
    const QStringList lines = writePage(state, 1, QStringLiteral("Лето"));
    ASSERT_EQ(lines.size(), 32);
    EXPECT_EQ(lines[17], QStringLiteral("Закат<br>"));
    EXPECT_EQ(lines[18], QStringLiteral("над морем<br></font>"));
    EXPECT_EQ(lines[23],
              QStringLiteral("<img src=n1.jpg height=\"410\" width=\"600\" alt=\"Закат"));
    EXPECT_EQ(lines[24], QStringLiteral("над морем\"> "));
}

TEST(PhotoPageBytes, WindowsCodePageCrLfAndNoSourceFileName) {
    AlbumState state = albumOf(2, false);
    state.photo(1).file = QStringLiteral("/photos/секрет.jpg");
    PageText page;
    writePhotoPage(page, state, 1);
    const QByteArray& bytes = page.bytes();
    EXPECT_TRUE(bytes.endsWith("</body></html>\r\n"));
    EXPECT_EQ(bytes.count('\n'), 31);
    EXPECT_EQ(bytes.count("\r\n"), 31);
    // "Первая" in Windows-1251.
    EXPECT_TRUE(bytes.contains("\r\n\xCF\xE5\xF0\xE2\xE0\xFF\r\n"));
    EXPECT_FALSE(pageLines(bytes).join('\n').contains(QStringLiteral("секрет")));
}

TEST(PhotoPageBounds, PositionOutsideTheArraysThrows) {
    AlbumState state = albumOf(40, false);
    PageText page;
    EXPECT_THROW(writePhotoPage(page, state, 41), SubscriptOutOfRange);
}

// Every photo of the album made from an original of that size.
QList<PhotoImages> modernImages(int count, QSize original = QSize(4000, 3000)) {
    QList<PhotoImages> images;
    for (int k = 1; k <= count; ++k)
        images += plannedImages(k, original);
    return images;
}

struct ModernLinksCase {
    int k;
    int count;
    QString prev, next, up;
};

class ModernPhotoPageLinks : public ::testing::TestWithParam<ModernLinksCase> {};

TEST_P(ModernPhotoPageLinks, RelLinksOfItsPlace) {
    const ModernLinksCase& c = GetParam();
    const QByteArray page = modernPhotoPage(albumOf(c.count, false), modernImages(c.count), c.k);
    EXPECT_EQ(linkWithRel(page, QStringLiteral("prev")), c.prev);
    EXPECT_EQ(linkWithRel(page, QStringLiteral("next")), c.next);
    EXPECT_EQ(linkWithRel(page, QStringLiteral("up")), c.up);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ModernPhotoPageLinks,
    ::testing::Values(ModernLinksCase{1, 3, "", "n2.html", "index.html#n1"},
                      ModernLinksCase{3, 3, "n2.html", "", "index.html#n3"},
                      ModernLinksCase{1, 1, "", "", "index.html#n1"},
                      ModernLinksCase{100, 101, "n99.html", "n101.html", "index.html#n100"},
                      ModernLinksCase{101, 101, "n100.html", "", "index-2.html#n101"}));

struct ModernSizesCase {
    QSize original;
    QString photoJpeg, photoWebp, thumbnails;
};

class ModernPictureSizes : public ::testing::TestWithParam<ModernSizesCase> {};

TEST_P(ModernPictureSizes, OnlyWidthsThatExistAreOffered) {
    const ModernSizesCase& c = GetParam();
    const AlbumState state = albumOf(1, false);
    const QList<PhotoImages> images = modernImages(1, c.original);
    const QByteArray photoPage = modernPhotoPage(state, images, 1);
    EXPECT_TRUE(photoPage.contains("srcset=\"" + c.photoJpeg.toUtf8() + '"')) << photoPage.data();
    EXPECT_TRUE(photoPage.contains("srcset=\"" + c.photoWebp.toUtf8() + '"'));
    EXPECT_EQ(photoPage.count(" srcset="), 2);
    EXPECT_TRUE(photoPage.contains("fetchpriority=\"high\""));
    const QByteArray index = modernIndexPage(state, images, 1);
    EXPECT_TRUE(index.contains("srcset=\"" + c.thumbnails.toUtf8() + '"')) << index.data();
}

INSTANTIATE_TEST_SUITE_P(
    Originals, ModernPictureSizes,
    ::testing::Values(ModernSizesCase{{4000, 3000},
                                      "n1-640.jpg 640w, n1-1280.jpg 1280w, n1-2560.jpg 2560w",
                                      "n1-640.webp 640w, n1-1280.webp 1280w, n1-2560.webp 2560w",
                                      "n1-thumb.jpg 320w, n1-thumb2x.jpg 640w"},
                      ModernSizesCase{{1280, 960},
                                      "n1-640.jpg 640w, n1-1280.jpg 1280w",
                                      "n1-640.webp 640w, n1-1280.webp 1280w",
                                      "n1-thumb.jpg 320w, n1-thumb2x.jpg 640w"},
                      // Between two widths, the original's own is the largest.
                      ModernSizesCase{{1000, 1500},
                                      "n1-640.jpg 640w, n1-1000.jpg 1000w",
                                      "n1-640.webp 640w, n1-1000.webp 1000w",
                                      "n1-thumb.jpg 160w, n1-thumb2x.jpg 320w"},
                      ModernSizesCase{{400, 300},
                                      "n1-400.jpg 400w",
                                      "n1-400.webp 400w",
                                      "n1-thumb.jpg 320w, n1-thumb2x.jpg 400w"},
                      ModernSizesCase{
                          {200, 100}, "n1-200.jpg 200w", "n1-200.webp 200w", "n1-thumb.jpg 200w"},
                      // No image is taller than WebP allows.
                      ModernSizesCase{{3000, 30000},
                                      "n1-640.jpg 640w, n1-1280.jpg 1280w, n1-1638.jpg 1638w",
                                      "n1-640.webp 640w, n1-1280.webp 1280w, n1-1638.webp 1638w",
                                      "n1-thumb.jpg 24w, n1-thumb2x.jpg 48w"}));

TEST(ModernPhotoPage, HostileTextsStayText) {
    AlbumState state = albumOf(2, false);
    state.typedAlbumName = QStringLiteral("</title><script>alert(1)</script>");
    state.photo(1).title = QStringLiteral("\"><img src=x onerror=alert(1)> & \x1B");
    state.photo(1).comment = QStringLiteral("<b>жирный</b>");
    const QByteArray page = modernPhotoPage(state, modernImages(2), 1);
    const QByteArray alt = "alt=\"&quot;&gt;&lt;img src=x onerror=alert(1)&gt; &amp;\"";
    EXPECT_TRUE(page.contains(alt)) << page.data();
    EXPECT_FALSE(page.contains("<img src=x"));
    EXPECT_FALSE(page.contains("<script>alert"));
    EXPECT_FALSE(page.contains("<b>"));
    EXPECT_FALSE(page.contains('\x1B'));
    EXPECT_TRUE(page.contains(QStringLiteral("&lt;b&gt;жирный").toUtf8()));
    EXPECT_FALSE(page.contains('\r'));
    EXPECT_TRUE(modernIndexPage(state, modernImages(2), 1).contains(alt));
}

TEST(ModernPhotoPage, PhotoWithoutTitleIsCalledByItsPlace) {
    AlbumState state = albumOf(3, false);
    state.photo(2).title = QStringLiteral("  ");
    const QByteArray alt = QStringLiteral("alt=\"Фото 2 из 3\"").toUtf8();
    EXPECT_TRUE(modernPhotoPage(state, modernImages(3), 2).contains(alt));
    EXPECT_TRUE(modernIndexPage(state, modernImages(3), 1).contains(alt));
    EXPECT_FALSE(modernPhotoPage(state, modernImages(3), 1).contains(alt));
}

} // namespace
