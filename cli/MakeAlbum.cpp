#include "MakeAlbum.h"

#include "generator/GenerateAlbum.h"
#include "platform/MessageSink.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/PrepareAlbumFolder.h"
#include "steps/ThumbnailScan.h"
#include "steps/TitlesFromNames.h"
#include "steps/WebPhotoScan.h"

#include <QDir>

namespace {

constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

// Messages the wizard shows in boxes go to standard error; the only question,
// about the default album name, is answered "No": keep the name. A warning the
// wizard shows again in a later window (the 40-photo limit) is printed once.
class StderrMessages : public MessageSink {
public:
    explicit StderrMessages(QTextStream& err) : err_(err) {}
    void inform(const QString& text) override {
        if (shown_.contains(text))
            return;
        shown_.append(text);
        err_ << "photoalbum-make: " << text << Qt::endl;
    }
    bool askYesNo(const QString&, const QString&) override { return false; }

private:
    QTextStream& err_;
    QStringList shown_;
};

class StderrProgress : public ProgressSink {
public:
    explicit StderrProgress(QTextStream& err) : err_(err) {}
    void caption(const QString& text, int) override {
        QString line = text;
        line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        err_ << line << Qt::endl;
    }

private:
    QTextStream& err_;
};

} // namespace

int makeAlbum(const MakeOptions& options, const QString& programFolder, QTextStream& out,
              QTextStream& err, FileOps* files) {
    FileOps& disk = files ? *files : realFileOps();
    StderrMessages messages(err);
    AlbumState state;
    applyStartupDefaults(state, QDir::currentPath());

    const QFileInfo folder(options.folder);
    if (!folder.isDir()) {
        messages.inform(QStringLiteral("«%1» не является папкой.").arg(options.folder));
        return ExitRefused;
    }
    const Outcome changed =
        changeFolder(state, QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!changed.ok) {
        messages.inform(changed.message);
        return ExitRefused;
    }
    if (!configureAlbum(state, options.name, messages))
        return ExitRefused;

    applySettingsDefaults(state);
    state.titlesFromFileNames = !options.typedTitles;
    state.keepSourceFolder = !options.rename;
    if (options.web) {
        state.thumbnails = options.thumbnails;
        state.webPhotos = true;
        if (const Outcome mode = checkWebPhotosMode(state); !mode) {
            messages.inform(mode.message);
            return ExitRefused;
        }
        if (!setWebPhotos(state, true, messages))
            return ExitRefused;
    } else if (options.thumbnails &&
               scanThumbnails(state, messages) != ThumbnailScanOutcome::Paired)
        return ExitRefused;

    if (prepareAlbumFolder(state, messages, disk) != PrepareOutcome::Ready)
        return ExitRefused;
    // From here on a refusal takes away the album folder just made when nothing
    // was put into it, so that a second run after the cause is fixed is not refused.
    auto refuse = [&] {
        if (state.keepSourceFolder)
            disk.removeEmptyFolder(state.sourceFolder + state.albumName);
        return ExitRefused;
    };
    if (isParseMode(state) && !loadTitlesFromNames(state, messages))
        return refuse();

    state.backgroundRed = options.red;
    state.backgroundGreen = options.green;
    state.backgroundBlue = options.blue;
    state.description = options.description;

    StderrProgress progress(err);
    GenerationContext context;
    context.typedAlbumName = options.name;
    context.programFolder = programFolder;
    context.progress = options.quiet ? nullptr : &progress;
    context.files = &disk;
    const Outcome result = generateAlbum(state, context);
    if (!result.ok) {
        messages.inform(result.message);
        return refuse();
    }
    out << state.albumFolder << Qt::endl;
    return 0;
}

int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err, FileOps* files) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
        out << usageText();
        return 0;
    case ParsedCommandLine::Action::Version:
        out << versionText();
        return 0;
    case ParsedCommandLine::Action::UsageError:
        err << "photoalbum-make: " << parsed.error << "\n"
            << "Try 'photoalbum-make --help' for more information." << Qt::endl;
        return ExitUsage;
    case ParsedCommandLine::Action::Make:
        break;
    }
    try {
        return makeAlbum(parsed.options, programFolder, out, err, files);
    } catch (const std::exception& e) {
        err << "photoalbum-make: " << e.what() << Qt::endl;
        return ExitRefused;
    }
}
