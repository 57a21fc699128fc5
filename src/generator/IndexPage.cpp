#include "generator/IndexPage.h"

#include "generator/PageLines.h"
#include "state/AlbumLayout.h"

const QString authorSiteAddress = QStringLiteral("https://photoalbum.example.org/");

void writeIndexHead(PageText& page, const AlbumState& state) {
    page.line(QStringLiteral("<html>"));
    page.line(QStringLiteral("<head>"));
    page.line(charsetLine());
    page.line(QStringLiteral("<title>") + html(state.typedAlbumName) + QStringLiteral("</title>"));
    page.line(QStringLiteral("</head>"));
    page.line(bodyLine(state));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("<table border=\"1\" width=\"100%\" id=\"table1\" height=\"525\">"));
    page.line(QStringLiteral("<td width=\"167\" height=\"50\">"));
    page.line(QStringLiteral("<CENTER><h2> <font color=\"#008000\">Список <i></font></h2>"));
    page.line(QStringLiteral("</td>"));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("<td rowspan=\"21\" align=\"left\" valign=\"top\">"));
    page.line(QStringLiteral("<table border=\"1\" width=\"100%\" id=\"table1\" height=\"385\">"));
    page.line(QStringLiteral("<tr><td><p align=\"center\">"));
    page.line(QStringLiteral("<b><font size=\"6\" color=\"#008000\">") +
              htmlLines(state.albumName) + QStringLiteral("<br><br>"));
    page.line(QStringLiteral("</font><i><font color=\"#0000FF\" size=\"4\">Фотоальбом</font></i>"
                             "</b><br> <br>"));
    page.line(QStringLiteral(
        "<b><font color=\"#800080\"> &nbsp;&nbsp;Краткая справка<br><br></font></b>"));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("<font color=\"#008000\"><b>"));
    page.line(QStringLiteral("<span style=\"font-size: 12.0pt; font-family: Courier\">"));
    page.line(htmlLines(state.description));
    page.line(QStringLiteral("</span><br><br><br><br>&nbsp;</b></font></td></tr>"));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("<tr><td align=\"left\" valign=\"top\" height=\"80\"><p "
                             "align=\"center\"><font color=\"#800080\">"));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("<b>"));
    page.line(QStringLiteral("<font size=\"3\">"));
    page.line(QStringLiteral("<br> Материалы фотоальбома могут быть использованы только с "
                             "разрешения его автора. <b>"));
    page.line(QStringLiteral("</font> &nbsp;</td></tr>"));
    page.line(QStringLiteral("</table>"));
    page.line(QStringLiteral("<p align=\"center\">"));
    page.line(QStringLiteral("Альбом создан программой «Генератор фотоальбома»<br>"));
    page.line(QStringLiteral("<a href=") + quoted(authorSiteAddress) +
              QStringLiteral(">Сайт автора программы</a></b><br>"));
    page.line(QStringLiteral("<p><font color=\"#FF0000\"><b><font size=\"4\">&nbsp;&nbsp;&nbsp;"
                             "&nbsp;</font></b></font></td></tr>"));
}

void writeIndexRow(PageText& page, const AlbumState& state, int k) {
    page.line(QStringLiteral("<tr><td width=\"167\" height=\"90\">"));
    page.line(QStringLiteral("<CENTER><h4>"));
    const QString title = html(state.photo(k).title);
    page.line(QStringLiteral("<br>") + htmlLines(state.photo(k).title) + QStringLiteral("<br>"));
    const QString picture = state.thumbnails ? thumbnailFileName(k) : photoFileName(k);
    page.line(QStringLiteral("<a href=") + photoPageName(k) + QStringLiteral("><img src=") +
              picture + QStringLiteral("  alt=") + quoted(title) + QStringLiteral(" width=") +
              quoted(QString::number(PageThumbnailSize.width())) + QStringLiteral(" height=") +
              quoted(QString::number(PageThumbnailSize.height())) +
              QStringLiteral("></a></td></tr>"));
    page.line(QStringLiteral(" "));
}

void writeIndexClosing(PageText& page) {
    page.line(QStringLiteral("</table></body></html>"));
}
