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
        "Usage: photoalbum-make [options] -n NAME FOLDER\n"
        "\n"
        "Makes a static HTML photo album (start.htm, one page per photo, the photos as\n"
        "n1.jpg, n2.jpg, ...) from the JPEG files of FOLDER, with the wizard's defaults:\n"
        "the album goes into the new folder FOLDER/NAME, titles and comments come from\n"
        "the file names (\"Title#Comment.jpg\"), no thumbnails. At most 40 photos are\n"
        "taken, 20 with thumbnails.\n"
        "\n"
        "Options:\n"
        "  -n, --name NAME         album name (required); also the album folder's name\n"
        "      --thumbnails        use thumbnails: NAME-m.jpg beside each NAME.jpg\n"
        "      --typed-titles      do not take titles and comments from the file names\n"
        "                          (the pages show them empty)\n"
        "      --rename            make FOLDER itself the album: the photos are renamed\n"
        "                          in place and FOLDER takes the album's name\n"
        "      --background RRGGBB page background colour, hexadecimal ('#' optional),\n"
        "                          default FFFFFF\n"
        "      --description TEXT  the album description on the index page\n"
        "  -q, --quiet             no progress on standard error\n"
        "      --help              show this help and exit\n"
        "      --version           show the version and exit\n"
        "\n"
        "The last line on standard output is the album folder.\n"
        "\n"
        "Exit status: 0 album made; 1 refused or failed (the reason is on standard\n"
        "error, nothing of the source photos is lost); 2 usage error.\n"
        "\n"
        "Example:\n"
        "  photoalbum-make -n \"Лето 2026\" ~/Pictures/summer\n");
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
