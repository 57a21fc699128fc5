#include "generator/IndexPage.h"

#include "Recorders.h"
#include "TestPhotos.h"
#include "generator/ModernPages.h"
#include "generator/PhotoPage.h"
#include "state/AlbumState.h"

#include <gtest/gtest.h>

namespace {

// Line 33 names the generating program; its exact words are ours.
const QString programLine = QStringLiteral("<program line>");

// The head of start.htm as the album's page layout lists it, lines 1 to 35.
QStringList expectedHead(const QString& typedName, const QString& albumName, const QString& colour,
                         const QStringList& description) {
    QStringList lines = {
        R"(<html>)",
        R"(<head>)",
        R"(<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">)",
        "<title>" + typedName + "</title>",
        R"(</head>)",
        R"(<body bgcolor=")" + colour +
            R"(" marginwidth = "0" marginheight = "0" leftmargin = " 0; " topmargin = "0" >)",
        " ",
        R"(<table border="1" width="100%" id="table1" height="525">)",
        R"(<td width="167" height="50">)",
        R"(<CENTER><h2> <font color="#008000">Список <i></font></h2>)",
        R"(</td>)",
        " ",
        R"(<td rowspan="21" align="left" valign="top">)",
        R"(<table border="1" width="100%" id="table1" height="385">)",
        R"(<tr><td><p align="center">)",
        R"(<b><font size="6" color="#008000">)" + albumName + "<br><br>",
        R"(</font><i><font color="#0000FF" size="4">Фотоальбом</font></i></b><br> <br>)",
        R"(<b><font color="#800080"> &nbsp;&nbsp;Краткая справка<br><br></font></b>)",
        " ",
        R"(<font color="#008000"><b>)",
        R"(<span style="font-size: 12.0pt; font-family: Courier">)",
    };
    lines += description;
    lines += QStringList{
        R"(</span><br><br><br><br>&nbsp;</b></font></td></tr>)",
        " ",
        R"(<tr><td align="left" valign="top" height="80"><p align="center"><font color="#800080">)",
        " ",
        R"(<b>)",
        R"(<font size="3">)",
        R"(<br> Материалы фотоальбома могут быть использованы только с разрешения его автора. <b>)",
        R"(</font> &nbsp;</td></tr>)",
        R"(</table>)",
        R"(<p align="center">)",
        programLine,
        R"(<a href=")" + authorSiteAddress + R"(">Сайт автора программы</a></b><br>)",
        R"(<p><font color="#FF0000"><b><font size="4">&nbsp;&nbsp;&nbsp;&nbsp;</font></b></font></td></tr>)",
    };
    return lines;
}

QStringList expectedRow(int k, const QString& title, bool thumbnails) {
    const QString n = QString::number(k);
    const QString picture = thumbnails ? "-m.jpg  alt=" : ".jpg  alt=";
    return {
        R"(<tr><td width="167" height="90">)",
        "<CENTER><h4>",
        "<br>" + title + "<br>",
        "<a href=n" + n + ".htm><img src=n" + n + picture + '"' + title + '"' +
            R"( width="150" height="105"></a></td></tr>)",
        " ",
    };
}

QByteArray writeIndex(AlbumState state, const QString& typedName) {
    state.typedAlbumName = typedName;
    PageText page;
    writeIndexHead(page, state);
    for (int k = 1; k <= state.photoCount(); ++k)
        writeIndexRow(page, state, k);
    writeIndexClosing(page);
    return page.bytes();
}

// Compares line by line so that a failure names the first differing line.
void expectLines(const QStringList& actual, const QStringList& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (expected[i] == programLine) {
            EXPECT_TRUE(actual[i].contains(QStringLiteral("Генератор фотоальбома")))
                << "line " << i + 1 << ": " << actual[i].toStdString();
            continue;
        }
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    }
}

struct IndexCase {
    int count;
    bool thumbnails;
};

class IndexPageLayout : public ::testing::TestWithParam<IndexCase> {};

TEST_P(IndexPageLayout, MatchesTheListedLinesForEveryPhoto) {
    const auto [count, thumbnails] = GetParam();
    const AlbumState state = albumOf(count, thumbnails);
    const QStringList lines = pageLines(writeIndex(state, QStringLiteral("Лето")));

    EXPECT_EQ(lines.size(), 36 + 5 * count);
    QStringList expected =
        expectedHead(QStringLiteral("Лето"), QStringLiteral("Лето"), QStringLiteral("#FFFFFF"),
                     {QStringLiteral("Этот альбом показывает и рассказывает о ...")});
    for (int k = 1; k <= count; ++k)
        expected += expectedRow(k, QStringLiteral("Снимок %1").arg(k), thumbnails);
    expected += QStringLiteral("</table></body></html>");
    expectLines(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, IndexPageLayout,
                         ::testing::Values(IndexCase{0, false}, IndexCase{0, true},
                                           IndexCase{1, false}, IndexCase{1, true},
                                           IndexCase{3, false}, IndexCase{3, true},
                                           IndexCase{20, true}, IndexCase{40, false},
                                           IndexCase{40, true}));

TEST(IndexPageRows, PhotoTwelveLinksItsPageAndPicture) {
    AlbumState state = albumOf(40, false);
    state.photo(12).title = QStringLiteral("Закат");
    QStringList lines = pageLines(writeIndex(state, QStringLiteral("Лето")));
    const int r4 = 35 + 5 * 11 + 4 - 1; // zero-based R4 of the twelfth row
    EXPECT_EQ(lines[r4], QStringLiteral("<a href=n12.htm><img src=n12.jpg  alt=\"Закат\" "
                                        "width=\"150\" height=\"105\"></a></td></tr>"));
    state.thumbnails = true;
    lines = pageLines(writeIndex(state, QStringLiteral("Лето")));
    EXPECT_EQ(lines[r4], QStringLiteral("<a href=n12.htm><img src=n12-m.jpg  alt=\"Закат\" "
                                        "width=\"150\" height=\"105\"></a></td></tr>"));
}

TEST(IndexPageRows, EmptyTitleGivesBareBreaksAndEmptyAlt) {
    AlbumState state = albumOf(1, false);
    state.photo(1).title.clear();
    const QStringList lines = pageLines(writeIndex(state, QStringLiteral("Лето")));
    EXPECT_EQ(lines[37], QStringLiteral("<br><br>"));
    EXPECT_EQ(lines[38], QStringLiteral("<a href=n1.htm><img src=n1.jpg  alt=\"\" width=\"150\" "
                                        "height=\"105\"></a></td></tr>"));
}

TEST(IndexPageContent, TypedNameHeadsTheTitleAndAlbumNameTheHeading) {
    AlbumState state = albumOf(0, false);
    state.albumName = QStringLiteral("Старое имя");
    const QStringList lines = pageLines(writeIndex(state, QStringLiteral("Новое имя")));
    EXPECT_EQ(lines[3], QStringLiteral("<title>Новое имя</title>"));
    EXPECT_EQ(lines[15],
              QStringLiteral("<b><font size=\"6\" color=\"#008000\">Старое имя<br><br>"));
}

TEST(PageColour, TwoUpperCaseHexDigitsPerComponentOnBothKindsOfPage) {
    const QString rest = QStringLiteral(
        R"(" marginwidth = "0" marginheight = "0" leftmargin = " 0; " topmargin = "0" >)");
    const struct {
        int red, green, blue;
        const char* colour;
    } cases[] = {{10, 5, 255, "#0A05FF"}, {0, 128, 255, "#0080FF"}, {171, 205, 239, "#ABCDEF"}};
    for (const auto& c : cases) {
        AlbumState state = albumOf(1, false);
        state.backgroundRed = c.red;
        state.backgroundGreen = c.green;
        state.backgroundBlue = c.blue;
        const QString body = "<body bgcolor=\"" + QLatin1String(c.colour) + rest;
        EXPECT_EQ(pageLines(writeIndex(state, QStringLiteral("Лето")))[5], body);
        PageText photoPage;
        writePhotoPage(photoPage, state, 1);
        EXPECT_EQ(pageLines(photoPage.bytes())[5], body);
    }
}

TEST(IndexPageContent, InsertedTextsAreEscapedWithoutChangingTheLineCount) {
    AlbumState state = albumOf(1, false);
    state.albumName = QStringLiteral("Я & <ты>");
    state.description = QStringLiteral("Сказал \"да\" & <ушёл>");
    state.photo(1).title = QStringLiteral("Он \"сказал\" <b> & всё");
    const QStringList lines = pageLines(writeIndex(state, QStringLiteral("\"Мы\" & <вы>")));
    ASSERT_EQ(lines.size(), 41);
    EXPECT_EQ(lines[3], QStringLiteral("<title>&quot;Мы&quot; &amp; &lt;вы&gt;</title>"));
    EXPECT_EQ(lines[15],
              QStringLiteral("<b><font size=\"6\" color=\"#008000\">Я &amp; &lt;ты&gt;<br><br>"));
    EXPECT_EQ(lines[21], QStringLiteral("Сказал &quot;да&quot; &amp; &lt;ушёл&gt;"));
    const QString title = QStringLiteral("Он &quot;сказал&quot; &lt;b&gt; &amp; всё");
    EXPECT_EQ(lines[37], "<br>" + title + "<br>");
    EXPECT_EQ(lines[38], "<a href=n1.htm><img src=n1.jpg  alt=\"" + title +
                             "\" width=\"150\" height=\"105\"></a></td></tr>");
}

TEST(IndexPageContent, DescriptionLineBreaksBecomeLinesOfTheirOwn) {
    AlbumState state = albumOf(2, false);
    state.description = QStringLiteral("Первая строка\r\nВторая строка\nТретья строка");
    const QStringList lines = pageLines(writeIndex(state, QStringLiteral("Лето")));
    QStringList expected =
        expectedHead(QStringLiteral("Лето"), QStringLiteral("Лето"), QStringLiteral("#FFFFFF"),
                     {QStringLiteral("Первая строка<br>"), QStringLiteral("Вторая строка<br>"),
                      QStringLiteral("Третья строка")});
    expected += expectedRow(1, QStringLiteral("Снимок 1"), false);
    expected += expectedRow(2, QStringLiteral("Снимок 2"), false);
    expected += QStringLiteral("</table></body></html>");
    EXPECT_EQ(lines.size(), 36 + 2 + 5 * 2);
    expectLines(lines, expected);
}

TEST(IndexPageContent, CharacterOutsideTheCodePageBecomesAReference) {
    AlbumState state = albumOf(1, false);
    state.photo(1).title = QStringLiteral("Улыбка 😀");
    state.albumName = QStringLiteral("中");
    const QByteArray bytes = writeIndex(state, QStringLiteral("Лето"));
    const QStringList lines = pageLines(bytes);
    EXPECT_EQ(lines[37], QStringLiteral("<br>Улыбка &#128512;<br>"));
    EXPECT_TRUE(lines[15].contains(QStringLiteral(">&#20013;<br><br>")));
}

TEST(IndexPageBytes, WindowsCodePageAndCrLfAfterEveryLine) {
    const AlbumState state = albumOf(0, false);
    const QByteArray bytes = writeIndex(state, QStringLiteral("Лето"));
    EXPECT_TRUE(bytes.startsWith("<html>\r\n<head>\r\n"));
    EXPECT_TRUE(bytes.endsWith("</table></body></html>\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 36);
    EXPECT_EQ(bytes.count('\n'), 36);
    // "Список" in Windows-1251.
    EXPECT_TRUE(bytes.contains("\xD1\xEF\xE8\xF1\xEE\xEA <i>"));
    // No UTF-8 lead bytes for Cyrillic letters.
    EXPECT_FALSE(bytes.contains("\xD0\xA1"));
}

TEST(ModernIndexPages, AHundredThumbnailsAPageLinkedInOrder) {
    for (const auto& [count, pages] : {std::pair{0, 1}, {100, 1}, {101, 2}, {201, 3}})
        EXPECT_EQ(modernIndexPageCount(count), pages) << count;

    const AlbumState state = albumOf(101, false);
    QList<PhotoImages> images;
    for (int k = 1; k <= 101; ++k)
        images += plannedImages(k, QSize(1600, 1200));
    const QByteArray first = modernIndexPage(state, images, 1);
    const QByteArray second = modernIndexPage(state, images, 2);
    EXPECT_EQ(linkWithRel(first, QStringLiteral("prev")), QString());
    EXPECT_EQ(linkWithRel(first, QStringLiteral("next")), QStringLiteral("index-2.html"));
    EXPECT_EQ(linkWithRel(second, QStringLiteral("prev")), QStringLiteral("index.html"));
    EXPECT_EQ(linkWithRel(second, QStringLiteral("next")), QString());
    EXPECT_TRUE(first.contains("href=\"n100.html\""));
    EXPECT_FALSE(first.contains("href=\"n101.html\""));
    EXPECT_TRUE(second.contains("href=\"n101.html\""));
    EXPECT_EQ(second.count("<li "), 1);
    // The description heads the first page only; the first screen loads at once.
    const QByteArray description = state.description.toUtf8();
    EXPECT_TRUE(first.contains(description));
    EXPECT_FALSE(second.contains(description));
    EXPECT_EQ(first.count("loading=\"lazy\""), 100 - 8);
    EXPECT_EQ(second.count("loading=\"lazy\""), 0);
}

TEST(ModernIndexPages, OnePageAlbumHasNoPageLinks) {
    const AlbumState state = albumOf(3, false);
    const QByteArray page = modernIndexPage(state, {}, 1);
    EXPECT_EQ(linkWithRel(page, QStringLiteral("prev")), QString());
    EXPECT_EQ(linkWithRel(page, QStringLiteral("next")), QString());
    EXPECT_FALSE(page.contains("aria-current"));
}

} // namespace
