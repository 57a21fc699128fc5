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

#include <QCoreApplication>
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
// about the default album name, is answered "No": keep the name.
class StderrMessages : public MessageSink {
public:
    explicit StderrMessages(QTextStream& err) : err_(err) {}
    void inform(const QString& text) override {
        err_ << "photoalbum-make: " << withControlsEscaped(text) << Qt::endl;
    }
    bool askYesNo(const QString&, const QString&, Answer) override { return false; }

private:
    QTextStream& err_;
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

// Each step's notes and refusal go to standard error as the wizard shows them.
bool refused(MessageSink& messages, const Outcome& step) {
    tell(messages, step);
    return !step;
}

bool interrupted(MessageSink& messages) {
    if (!interruptionRequested())
        return false;
    messages.inform(QCoreApplication::translate(
        "MakeAlbum", "Работа прервана. Альбом не создан, ничего не изменено."));
    return true;
}

// FOLDER means what the kernel means: resolved once, links and ".." included.
// A folder an interrupted rename already gave the album's name is found there.
Result<QString> resolveFolder(const MakeOptions& options) {
    QString given = options.folder;
    if (!statusOf(given).isFolder) {
        given = renamedFolderOf(given, options.name);
        if (given.isEmpty())
            return Result<QString>::failure(
                QCoreApplication::translate("MakeAlbum", "«%1» не является папкой.")
                    .arg(options.folder));
    }
    const Result<QString> real = realPath(given);
    if (!real)
        return Result<QString>::failure(QCoreApplication::translate("MakeAlbum", "Папка «%1»: %2.")
                                            .arg(options.folder, real.message));
    return real;
}

// The selection window's steps: the folder change and «Настроить».
Outcome configure(AlbumState& state, const QString& folder, const MakeOptions& options,
                  MessageSink& messages, FileOps& disk) {
    if (const Outcome changed = changeFolder(state, folder); !changed)
        return changed;
    Outcome configured = configureAlbum(state, options.name, messages, disk);
    // A modern album has no 40-photo limit: its own is told when it chooses.
    if (options.modern)
        configured.notes.removeAll(tooManyPhotosMessage());
    return configured;
}

// The settings window's boxes as the options set them. Thumbnails and web
// photos choose again from the folder configure() chose from, which told its
// links of other users and any 40-photo limit: of this choice only the
// 20-photo limit that thumbnails bring is news.
Outcome chooseSettings(AlbumState& state, const MakeOptions& options) {
    applySettingsDefaults(state);
    state.titlesFromFileNames = !options.typedTitles;
    state.keepSourceFolder = !options.rename;
    if (options.modern) {
        state.modernAlbum = true;
        if (const Outcome mode = checkWebPhotosMode(state); !mode)
            return mode;
        const Result<PhotoChoice> chosen = setModernAlbum(state, true);
        Outcome news = chosen;
        news.notes.clear();
        if (!chosen.value.limitNote.isEmpty())
            news.notes.append(chosen.value.limitNote);
        return news;
    }
    if (!options.web && !options.thumbnails)
        return {};
    if (options.web) {
        state.thumbnails = options.thumbnails;
        state.webPhotos = true;
        if (const Outcome mode = checkWebPhotosMode(state); !mode)
            return mode;
    }
    const Result<PhotoChoice> chosen =
        options.web ? setWebPhotos(state, true) : setThumbnails(state, true);
    Outcome news = chosen;
    news.notes.clear();
    if (options.thumbnails && !chosen.value.limitNote.isEmpty())
        news.notes.append(chosen.value.limitNote);
    return news;
}

// The rest of the settings window and the preparation window: the album
// folder's name checked, the titles of the photos just chosen, the page colour
// and description.
Outcome preparePages(AlbumState& state, const MakeOptions& options) {
    if (const Outcome prepared = prepareAlbumFolder(state); !prepared)
        return prepared;
    if (isParseMode(state))
        takeTitlesFromNames(state);
    state.backgroundRed = options.red;
    state.backgroundGreen = options.green;
    state.backgroundBlue = options.blue;
    state.description = options.description;
    state.typedAlbumName = options.name;
    return {};
}

Outcome generate(AlbumState& state, const MakeOptions& options, const QString& programFolder,
                 QTextStream& err, FileOps& disk) {
    StderrProgress progress(err);
    GenerationContext context;
    context.programFolder = programFolder;
    context.progress = options.quiet ? nullptr : &progress;
    context.stopRequested = interruptionRequested;
    context.keepFinishedRecord = true;
    return generateAlbum(state, context, disk);
}

// The album's line, then the record that would let a stopped run be finished goes.
int reportAlbum(const QString& album, QTextStream& out, QTextStream& err, MessageSink& messages,
                FileOps& disk, const DeliverOutput& deliver) {
    out << album << Qt::endl;
    if (const int error = deliver ? deliver() : 0; error != 0) {
        err << "photoalbum-make: " << undeliveredOutputMessage(error) << Qt::endl;
        return ExitRefused;
    }
    tell(messages, forgetFinishedAlbum(album, disk));
    return 0;
}

} // namespace

QString undeliveredOutputMessage(int errnoValue) {
    return QCoreApplication::translate("MakeAlbum",
                                       "не удалось вывести результат на стандартный вывод: %1.")
        .arg(describeErrno(errnoValue));
}

int makeAlbum(const MakeOptions& options, const ProgramServices& services, QTextStream& out,
              QTextStream& err, const DeliverOutput& deliver) {
    FileOps& disk = services.files;
    StderrMessages messages(err);
    const Result<QString> folder = resolveFolder(options);
    if (refused(messages, folder))
        return ExitRefused;
    // The run's one hold on the folder, from here to its end.
    const Result<FolderLock> lock = services.locks.acquire(folder.value);
    if (refused(messages, lock))
        return ExitRefused;
    // The same command after a stop just before the report finishes that run.
    const Result<QString> finished = finishStoppedAlbum(folder.value, options.name, disk);
    if (refused(messages, finished))
        return ExitRefused;
    if (!finished.value.isEmpty())
        return reportAlbum(withTrailingSeparator(finished.value), out, err, messages, disk,
                           deliver);

    AlbumState state;
    applyStartupDefaults(state, QDir::currentPath());
    if (refused(messages, configure(state, folder.value, options, messages, disk)) ||
        interrupted(messages))
        return ExitRefused;
    if (refused(messages, chooseSettings(state, options)) ||
        refused(messages, preparePages(state, options)) || interrupted(messages))
        return ExitRefused;
    if (refused(messages, generate(state, options, services.programFolder, err, disk)))
        return ExitRefused;
    return reportAlbum(state.albumFolder, out, err, messages, disk, deliver);
}

int runCommandLine(const QStringList& arguments, const ProgramServices& services, QTextStream& out,
                   QTextStream& err, const DeliverOutput& deliver) {
    const Result<ParsedCommandLine> parsed = parseCommandLine(arguments);
    if (!parsed) {
        err << "photoalbum-make: " << withControlsEscaped(parsed.message) << "\n"
            << "Try 'photoalbum-make --help' for more information." << Qt::endl;
        return ExitUsage;
    }
    switch (parsed.value.action) {
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
        return makeAlbum(parsed.value.options, services, out, err, deliver);
    } catch (const std::exception& e) {
        err << "photoalbum-make: " << e.what() << Qt::endl;
        return ExitRefused;
    }
}
