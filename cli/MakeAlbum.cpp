#include "MakeAlbum.h"

#include "Interruption.h"
#include "generator/GenerateAlbum.h"
#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FolderLock.h"
#include "platform/MessageSink.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/InterruptedRun.h"
#include "steps/PhotoChoice.h"
#include "steps/PrepareAlbumFolder.h"
#include "steps/TitlesFromNames.h"

#include <QDir>

namespace {

constexpr int ExitRefused = 1;

// A file name can carry control characters that would retitle or clear the
// terminal: standard error shows them as \xHH instead.
QString withControlsEscaped(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}
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
        err_ << "photoalbum-make: " << withControlsEscaped(text) << Qt::endl;
    }
    bool askYesNo(const QString&, const QString&, Answer) override { return false; }

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
        err_ << withControlsEscaped(line) << Qt::endl;
    }

private:
    QTextStream& err_;
};

} // namespace

QString undeliveredOutputMessage(int errnoValue) {
    return QStringLiteral("не удалось вывести результат на стандартный вывод: %1.")
        .arg(describeErrno(errnoValue));
}

int makeAlbum(const MakeOptions& options, const QString& programFolder, QTextStream& out,
              QTextStream& err, FileOps& disk, const DeliverOutput& deliver) {
    StderrMessages messages(err);
    // Each step's notes and refusal go to standard error as the wizard shows them.
    const auto refused = [&messages](const Outcome& step) {
        tell(messages, step);
        return !step;
    };
    AlbumState state;
    applyStartupDefaults(state, QDir::currentPath());

    // FOLDER means what the kernel means: resolved once, links and ".." included.
    // A folder an interrupted rename already gave the album's name is found there.
    QString given = options.folder;
    if (!statusOf(given).isFolder) {
        const QString renamed = renamedFolderOf(given, options.name);
        if (renamed.isEmpty()) {
            messages.inform(QStringLiteral("«%1» не является папкой.").arg(options.folder));
            return ExitRefused;
        }
        given = renamed;
    }
    const Result<QString> real = realPath(given);
    if (!real) {
        messages.inform(QStringLiteral("Папка «%1»: %2.").arg(options.folder, real.message));
        return ExitRefused;
    }
    // The run's one hold on the folder, from here to its end.
    const Result<FolderLock> lock = FolderLock::acquire(real.value);
    if (refused(lock))
        return ExitRefused;
    // The album's line, then the record that would let a stopped run be finished goes.
    const auto reportAlbum = [&](const QString& album) {
        out << album << Qt::endl;
        if (const int error = deliver ? deliver() : 0; error != 0) {
            err << "photoalbum-make: " << undeliveredOutputMessage(error) << Qt::endl;
            return ExitRefused;
        }
        tell(messages, forgetFinishedAlbum(album, disk));
        return 0;
    };
    const auto interrupted = [&] {
        if (!interruptionRequested())
            return false;
        messages.inform(QStringLiteral("Работа прервана. Альбом не создан, ничего не изменено."));
        return true;
    };
    // The same command after a stop just before the report finishes that run.
    const Result<QString> finished = finishStoppedAlbum(real.value, options.name, disk);
    if (refused(finished))
        return ExitRefused;
    if (!finished.value.isEmpty())
        return reportAlbum(withTrailingSeparator(finished.value));
    if (refused(changeFolder(state, real.value)))
        return ExitRefused;
    if (refused(configureAlbum(state, options.name, messages, disk)) || interrupted())
        return ExitRefused;

    applySettingsDefaults(state);
    state.titlesFromFileNames = !options.typedTitles;
    state.keepSourceFolder = !options.rename;
    if (options.web) {
        state.thumbnails = options.thumbnails;
        state.webPhotos = true;
        if (refused(checkWebPhotosMode(state)) || refused(setWebPhotos(state, true)))
            return ExitRefused;
    } else if (options.thumbnails && refused(setThumbnails(state, true)))
        return ExitRefused;
    if (refused(prepareAlbumFolder(state)))
        return ExitRefused;
    if (isParseMode(state) && refused(loadTitlesFromNames(state)))
        return ExitRefused;
    if (interrupted())
        return ExitRefused;

    state.backgroundRed = options.red;
    state.backgroundGreen = options.green;
    state.backgroundBlue = options.blue;
    state.description = options.description;
    state.typedAlbumName = options.name;

    StderrProgress progress(err);
    GenerationContext context;
    context.programFolder = programFolder;
    context.progress = options.quiet ? nullptr : &progress;
    context.stopRequested = interruptionRequested;
    context.keepFinishedRecord = true;
    if (refused(generateAlbum(state, context, disk)))
        return ExitRefused;
    return reportAlbum(state.albumFolder);
}

int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err, FileOps& files, const DeliverOutput& deliver) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed) {
        err << "photoalbum-make: " << withControlsEscaped(parsed.message) << "\n"
            << "Try 'photoalbum-make --help' for more information." << Qt::endl;
        return ExitUsage;
    }
    switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
        out << usageText();
        return 0;
    case ParsedCommandLine::Action::Version:
        out << versionText();
        return 0;
    case ParsedCommandLine::Action::Make:
        break;
    }
    try {
        return makeAlbum(parsed.options, programFolder, out, err, files, deliver);
    } catch (const std::exception& e) {
        err << "photoalbum-make: " << e.what() << Qt::endl;
        return ExitRefused;
    }
}
