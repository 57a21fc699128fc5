#include "CommandLine.h"

#include "state/AlbumLayout.h"
#include "state/AlbumState.h"
#include "state/ModernLayout.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

bool parseColour(QString text, MakeOptions& options) {
    if (text.startsWith(QLatin1Char('#')))
        text.remove(0, 1);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    if (!hex.match(text).hasMatch())
        return false;
    options.red = text.mid(0, 2).toInt(nullptr, 16);
    options.green = text.mid(2, 2).toInt(nullptr, 16);
    options.blue = text.mid(4, 2).toInt(nullptr, 16);
    return true;
}

Result<ParsedCommandLine> usageError(const QString& why) {
    return Result<ParsedCommandLine>::failure(why);
}

} // namespace

QString usageText() {
    const QString text = QStringLiteral(
        "Usage: photoalbum-make [OPTION]... -n NAME FOLDER\n"
        "Make a static HTML photo album from the JPEG photos in FOLDER.\n"
        "\n"
        "The album is an index page start.htm, one page per photo with home, back and\n"
        "forward buttons, and the photos copied as n1.jpg, n2.jpg, ... It goes into the\n"
        "new folder FOLDER/NAME and can be opened from disk or put on any web server.\n"
        "Pages are in Russian, in the Windows-1251 code page. Photos are taken in name\n"
        "order, at most 40 of them (20 with thumbnails). A file named\n"
        "\"Title#Comment.jpg\" gives its photo that title and comment.\n"
        "\n"
        "Options:\n"
        "  -n, --name=NAME          album name (required); also the album folder's name\n"
        "      --thumbnails         use thumbnails: PHOTO-m.jpg beside each PHOTO.jpg is\n"
        "                             shown on the index page\n"
        "      --web                prepare the photos for the web: each album photo is\n"
        "                             made from its original, turned upright and fitted\n"
        "                             into %1x%2 on the background colour; with\n"
        "                             --thumbnails each %3x%4 thumbnail is made too, and\n"
        "                             PHOTO-m.jpg files are left alone (not with --rename)\n"
        "      --modern             a modern album for phones, tablets and large screens:\n"
        "                             HTML5 pages in UTF-8 (index.html and one page per\n"
        "                             photo, start.htm leads there), each photo made\n"
        "                             upright at widths %5 in WebP and JPEG\n"
        "                             with its thumbnails, without location or any other\n"
        "                             metadata; up to %6 photos, %7 to an index page\n"
        "                             (not with --rename, --web or --thumbnails)\n"
        "      --typed-titles       do not take titles and comments from the file names\n"
        "                             (the pages show them empty)\n"
        "      --rename             make FOLDER itself the album: the photos are renamed\n"
        "                             in place and FOLDER takes the album's name\n"
        "      --background=RRGGBB  page background colour, six hexadecimal digits,\n"
        "                             '#' optional (default FFFFFF, white)\n"
        "      --description=TEXT   the album description on the index page\n"
        "  -q, --quiet              do not report progress on standard error\n"
        "  -h, --help               display this help and exit\n"
        "      --version            output version information and exit\n"
        "\n"
        "An option's value may also follow as the next argument; \"--\" ends the\n"
        "options. The last line on standard output is the album folder; progress and\n"
        "messages go to standard error. When that line cannot be written (standard\n"
        "output closed, full, or a pipe nobody reads: SIGPIPE is ignored) the exit\n"
        "status is 1 and standard error says so.\n"
        "\n"
        "FOLDER is resolved once to its real path. Only one run at a time works on a\n"
        "folder; a second is refused at once. In copy mode the album is written into\n"
        "the hidden folder FOLDER/.photoalbum-part and takes its name when complete.\n"
        "With --rename every change is listed first in a journal in the user's own\n"
        "$XDG_STATE_HOME/photoalbum (~/.local/state/photoalbum); whatever fails, every\n"
        "change is undone. After an interruption (Ctrl-C, a crash, a power cut) run\n"
        "the same command again: it puts the original names back from the journal\n"
        "and makes the whole album, or finishes an album that was already complete.\n"
        "A journal found in FOLDER itself is never acted on.\n"
        "\n"
        "Exit status:\n"
        "  0  the album was made\n"
        "  1  refused, failed or interrupted; the reason is on standard error, no\n"
        "     source photo is lost and the folder is as it was\n"
        "  2  usage error: an unknown option, a missing value, NAME or FOLDER\n"
        "\n"
        "Examples:\n"
        "  photoalbum-make -n \"Лето 2026\" ~/Pictures/summer\n"
        "      makes the album ~/Pictures/summer/Лето 2026/start.htm\n"
        "  photoalbum-make --thumbnails --background=FFF8E7 -n Дача ~/Pictures/dacha\n"
        "      the same on a cream background, with thumbnails on the index page\n"
        "  photoalbum-make --web --thumbnails -n Дача ~/Pictures/dacha\n"
        "      photos and thumbnails made from the camera's originals\n");
    QStringList widths;
    for (const int width : ModernPhotoWidths)
        widths.append(QString::number(width));
    return text.arg(PagePhotoSize.width())
        .arg(PagePhotoSize.height())
        .arg(PageThumbnailSize.width())
        .arg(PageThumbnailSize.height())
        .arg(widths.join(QStringLiteral(", ")))
        .arg(MaxModernPhotos)
        .arg(PhotosPerIndexPage);
}

QString versionText() {
    return QStringLiteral("photoalbum-make %1\n").arg(QStringLiteral(PHOTOALBUM_VERSION));
}

Result<ParsedCommandLine> parseCommandLine(const QStringList& arguments) {
    const QCommandLineOption name({QStringLiteral("n"), QStringLiteral("name")},
                                  QStringLiteral("album name"), QStringLiteral("NAME"));
    const QCommandLineOption thumbnails(QStringLiteral("thumbnails"));
    const QCommandLineOption typedTitles(QStringLiteral("typed-titles"));
    const QCommandLineOption rename(QStringLiteral("rename"));
    const QCommandLineOption web(QStringLiteral("web"));
    const QCommandLineOption modern(QStringLiteral("modern"));
    const QCommandLineOption background(QStringLiteral("background"), QStringLiteral("colour"),
                                        QStringLiteral("RRGGBB"));
    const QCommandLineOption description(QStringLiteral("description"),
                                         QStringLiteral("description"), QStringLiteral("TEXT"));
    const QCommandLineOption quiet(QStringList{QStringLiteral("q"), QStringLiteral("quiet")});
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));

    QCommandLineParser parser;
    parser.addOptions({name, thumbnails, web, modern, typedTitles, rename, background, description,
                       quiet, help, version});
    // The parser expects the program's name first.
    const bool parsedWell =
        parser.parse(QStringList{QStringLiteral("photoalbum-make")} + arguments);
    ParsedCommandLine parsed;
    if (parser.isSet(help)) {
        parsed.action = ParsedCommandLine::Action::Help;
        return Result<ParsedCommandLine>::of(parsed);
    }
    if (parser.isSet(version)) {
        parsed.action = ParsedCommandLine::Action::Version;
        return Result<ParsedCommandLine>::of(parsed);
    }
    if (!parsedWell)
        return usageError(parser.errorText());

    MakeOptions& options = parsed.options;
    options.name = parser.value(name);
    options.thumbnails = parser.isSet(thumbnails);
    options.typedTitles = parser.isSet(typedTitles);
    options.rename = parser.isSet(rename);
    options.web = parser.isSet(web);
    options.modern = parser.isSet(modern);
    if (options.modern && (options.web || options.thumbnails))
        return usageError(
            QStringLiteral("--modern makes its own photos and thumbnails: not with --web or "
                           "--thumbnails"));
    options.quiet = parser.isSet(quiet);
    options.description =
        parser.isSet(description) ? parser.value(description) : defaultAlbumDescription();
    if (parser.isSet(background) && !parseColour(parser.value(background), options))
        return usageError(QStringLiteral("--background wants six hexadecimal digits, not '%1'")
                              .arg(parser.value(background)));
    if (!parser.isSet(name))
        return usageError(QStringLiteral("the album name (-n NAME) is required"));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(positional.isEmpty() ? QStringLiteral("no FOLDER given")
                                               : QStringLiteral("only one FOLDER is taken"));
    options.folder = positional.first();
    return Result<ParsedCommandLine>::of(parsed);
}
