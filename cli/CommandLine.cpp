#include "CommandLine.h"

#include "state/AlbumState.h"

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

ParsedCommandLine usageError(const QString& why) {
    ParsedCommandLine parsed;
    parsed.action = ParsedCommandLine::Action::UsageError;
    parsed.error = why;
    return parsed;
}

} // namespace

QString usageText() {
    return QStringLiteral(
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
        "messages go to standard error.\n"
        "\n"
        "Exit status:\n"
        "  0  the album was made\n"
        "  1  refused or failed; the reason is on standard error and no source photo\n"
        "     is lost\n"
        "  2  usage error: an unknown option, a missing value, NAME or FOLDER\n"
        "\n"
        "Examples:\n"
        "  photoalbum-make -n \"Лето 2026\" ~/Pictures/summer\n"
        "      makes the album ~/Pictures/summer/Лето 2026/start.htm\n"
        "  photoalbum-make --thumbnails --background=FFF8E7 -n Дача ~/Pictures/dacha\n"
        "      the same on a cream background, with thumbnails on the index page\n");
}

QString versionText() {
    return QStringLiteral("photoalbum-make %1\n").arg(QStringLiteral(PHOTOALBUM_VERSION));
}

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    MakeOptions& options = parsed.options;
    options.description = defaultAlbumDescription();
    bool haveName = false;
    QStringList positional;
    bool optionsEnded = false;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString arg = arguments[i];
        auto value = [&](QString& out) {
            if (i + 1 >= arguments.size())
                return false;
            out = arguments[++i];
            return true;
        };
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            positional.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            parsed.action = ParsedCommandLine::Action::Help;
            return parsed;
        } else if (arg == QLatin1String("--version")) {
            parsed.action = ParsedCommandLine::Action::Version;
            return parsed;
        } else if (arg == QLatin1String("-n") || arg == QLatin1String("--name")) {
            if (!value(options.name))
                return usageError(QStringLiteral("option %1 needs a value").arg(arg));
            haveName = true;
        } else if (arg.startsWith(QLatin1String("--name="))) {
            options.name = arg.mid(7);
            haveName = true;
        } else if (arg == QLatin1String("--thumbnails")) {
            options.thumbnails = true;
        } else if (arg == QLatin1String("--typed-titles")) {
            options.typedTitles = true;
        } else if (arg == QLatin1String("--rename")) {
            options.rename = true;
        } else if (arg == QLatin1String("-q") || arg == QLatin1String("--quiet")) {
            options.quiet = true;
        } else if (arg == QLatin1String("--background") ||
                   arg.startsWith(QLatin1String("--background="))) {
            QString colour;
            if (arg.contains(QLatin1Char('=')))
                colour = arg.section(QLatin1Char('='), 1);
            else if (!value(colour))
                return usageError(QStringLiteral("option --background needs a value"));
            if (!parseColour(colour, options))
                return usageError(
                    QStringLiteral("--background wants six hexadecimal digits, not '%1'")
                        .arg(colour));
        } else if (arg == QLatin1String("--description") ||
                   arg.startsWith(QLatin1String("--description="))) {
            if (arg.contains(QLatin1Char('=')))
                options.description = arg.section(QLatin1Char('='), 1);
            else if (!value(options.description))
                return usageError(QStringLiteral("option --description needs a value"));
        } else {
            return usageError(QStringLiteral("unknown option '%1'").arg(arg));
        }
    }
    if (!haveName)
        return usageError(QStringLiteral("the album name (-n NAME) is required"));
    if (positional.size() != 1)
        return usageError(positional.isEmpty() ? QStringLiteral("no FOLDER given")
                                               : QStringLiteral("only one FOLDER is taken"));
    options.folder = positional.first();
    return parsed;
}
