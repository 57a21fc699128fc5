#include "generator/PhotoPage.h"

#include "generator/PageLines.h"
#include "state/AlbumLayout.h"

namespace {

QString homeLine() {
    return QStringLiteral("<a href=") + quoted(indexPageName()) + QStringLiteral("><img SRC=") +
           quoted(homeImageName()) + QStringLiteral("BORDER=\"0\" alt=\"На исходную\"></a><br>");
}

QString backLine(int k) {
    return QStringLiteral("<a href=") + quoted(photoPageName(k - 1)) +
           QStringLiteral("><img SRC=") + quoted(backImageName()) +
           QStringLiteral("BORDER=\"0\"alt=\"Назад\"></a>");
}

QString forwardLine(int k) {
    return QStringLiteral("<a href=") + quoted(photoPageName(k + 1)) +
           QStringLiteral("><img SRC=") + quoted(forwardImageName()) +
           QStringLiteral("BORDER=\"0\" alt=\"Вперед\"></a>");
}

} // namespace

void writePhotoPage(PageText& page, const AlbumState& state, int k) {
    page.line(QStringLiteral("<html><head>"));
    page.line(charsetLine());
    page.line(QStringLiteral("<title>"));
    page.line(html(ordinalWord(k)));
    page.line(QStringLiteral("</title></head>"));
    page.line(bodyLine(state));
    page.line(QStringLiteral("<TABLE BORDER=1  height=\"7%\"width=\"100%\" >"));
    page.line(QStringLiteral("<TR><TD  width=\"803\">"));
    page.line(QStringLiteral("<H3 align=\"center\"> <font color=\"#800000\">"));
    page.line(htmlLines(state.typedAlbumName) + QStringLiteral("</font>"));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("</TD> </TABLE>"));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("<TABLE BORDER=1  height=\"90%\"width=\"100%\" >"));
    page.line(QStringLiteral("<TR>"));
    page.line(QStringLiteral("<TD  width=\"167\" valign=\"top\"height=\"289\"> "));
    page.line(QStringLiteral("<H3 align=\"center\"><font color=\"#000080\">"));
    const QString title = html(state.photo(k).title);
    page.line(htmlLines(state.photo(k).title) + QStringLiteral("<br></font>"));
    page.line(QStringLiteral("<h4 align=\"center\" >"));
    page.line(htmlLines(state.photo(k).comment) + QStringLiteral("<br>&nbsp;</h4>"));
    page.line(QStringLiteral("</H3>"));
    page.line(QStringLiteral("<br><br>&nbsp;</TD> <TD rowspan=\"2\" align=\"center\">"));
    if (state.thumbnails)
        page.line(QStringLiteral("<img src=") + photoFileName(k) +
                  QStringLiteral(" height=\"100%\" width=\"100%\" alt=\"") + title +
                  QStringLiteral("\">"));
    else
        page.line(QStringLiteral("<img src=") + photoFileName(k) + QStringLiteral(" height=") +
                  quoted(QString::number(PagePhotoSize.height())) + QStringLiteral(" width=") +
                  quoted(QString::number(PagePhotoSize.width())) + QStringLiteral(" alt=\"") +
                  title + QStringLiteral("\"> "));
    page.line(QStringLiteral("</TD> </TR>"));
    page.line(QStringLiteral("<TR><TD  width=\"167\"align=\"center\"> "));

    // The only page of a one-photo album has nowhere to go but home.
    page.line(homeLine());
    if (k > 1)
        page.line(backLine(k));
    if (k < state.photoCount())
        page.line(forwardLine(k));

    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("</TD></TR></TABLE>"));
    page.line(QStringLiteral(" "));
    page.line(QStringLiteral("</body></html>"));
}
