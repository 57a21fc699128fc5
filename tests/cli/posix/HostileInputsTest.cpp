// What real folders hold: awkward names, files that are not what they claim,
// links, permissions, crowds, and names the album cannot take. Each row runs
// once inside the test process and once through the built photoalbum-make, and
// either makes a correct album or refuses with a clear message and status 1;
// in every case each source photo's bytes are still on disk afterwards.

#include "CliRun.h"
#include "DiskContents.h"
#include "FaultyFileOps.h"
#include "Interruption.h"
#include "MakeAlbum.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "TestServices.h"
#include "generator/GenerateAlbum.h"
#include "platform/FsPath.h"
#include "steps/RenameJournal.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <memory>
#include <optional>
#include <sched.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

using Kind = FaultyFileOps::Kind;

// Unreported: the album is made but its line cannot be written: status 1.
enum class Expect { Made, Refused, Unreported };
enum class Via { Core, Process };

bool superUser() {
    return ::geteuid() == 0;
}

QByteArray windows1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

// One row's folders and what the run should leave behind.
class Case {
public:
    Case() { source = root.makeFolder(QStringLiteral("Поездка")); }

    // A photo whose bytes must survive; `order` is its place in the album (0: none).
    void photo(const QString& name, const QByteArray& bytes, int order = 0) {
        root.writeFile(relative(name), bytes);
        photos.insert(name, bytes);
        if (order > 0) {
            if (albumOrder.size() < order)
                albumOrder.resize(order);
            albumOrder[order - 1] = bytes;
        }
    }
    void photo(const QString& name, int order = 0) { photo(name, makeJpeg(++seed_), order); }
    QString path(const QString& name) const { return source + QLatin1Char('/') + name; }
    // Lets a process without privileges into every folder made so far.
    void openToEveryone() const {
        QDirIterator it(root.path(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        ::chmod(QFile::encodeName(root.path()).constData(), 0777);
        while (it.hasNext())
            ::chmod(QFile::encodeName(it.next()).constData(), 0777);
    }

    QString albumFolder() const {
        if (!albumFolderOverride.isEmpty())
            return albumFolderOverride;
        return rename ? root.filePath(albumName) : path(albumName);
    }

    QStringList arguments() const {
        QStringList args = {QStringLiteral("-q"), QStringLiteral("-n"), albumName};
        if (rename)
            args << QStringLiteral("--rename");
        args << extraArguments;
        return args << (folderArgument.isEmpty() ? source : folderArgument);
    }

    TestFolder root;
    QString source;
    QString albumName = QStringLiteral("Альбом");
    bool rename = false;
    QStringList extraArguments;
    QString folderArgument;           // FOLDER as given, when it is not the source's own path
    QString albumFolderOverride;      // where the album is when not where the name says
    QString shell;                    // bash wrapper of the built program: "$0" the program
    QStringList keptFiles;            // files of the user that stay in a rename-mode album
    QMap<QString, QByteArray> photos; // name in the source folder -> bytes
    QList<QByteArray> albumOrder;     // bytes of n1.jpg, n2.jpg, ...
    QStringList expectedTexts;        // in the message (refusals) or on standard error
    bool mayChangeTree = false;       // a refusal after which the folders may differ
    bool needsPermissions = false;    // relies on permissions that stop only ordinary users
    bool atFileSystemRoot = false;    // the source folder is made the root of a chroot
    QString noProcessReason;          // why the built program cannot run this row
    QString noCoreReason;             // why the test process cannot run this row
    std::function<void(FaultyFileOps&)> superUserFaults;  // in place of permissions, as root
    std::function<void(FaultyFileOps&)> faults;           // always, in the test process
    std::function<void()> restore;                        // puts permissions back
    std::function<void(const Case&, QStringList&)> check; // more checks of a made album
    FaultyFileOps ops;                                    // the test process's disk operations

private:
    QString relative(const QString& name) const { return QStringLiteral("Поездка/") + name; }
    int seed_ = 0;
};

struct Row {
    const char* name;
    Expect expect;
    std::function<void(Case&)> prepare;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

void PrintTo(Via via, std::ostream* os) {
    *os << (via == Via::Core ? "in the test process" : "the built program");
}

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
    QString skip;
};

Result runCore(Case& c) {
    if (c.faults)
        c.faults(c.ops);
    if (superUser() && c.superUserFaults)
        c.superUserFaults(c.ops);
    Result result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    TestServices test;
    result.exitCode = runCommandLine(c.arguments(), test.over(&c.ops), out, err);
    out.flush();
    err.flush();
    return result;
}

// The album made with the source folder as "/": a forked child is shut into
// the folder (chroot), inside a private user namespace when not the super-user.
Result runCoreAtRoot(const Case& c) {
    const QString images = c.source + QStringLiteral("/программа");
    QDir().mkpath(images);
    for (const QString& image : navigationImageNames())
        QFile::copy(programFolder() + QLatin1Char('/') + image, images + QLatin1Char('/') + image);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {-1, {}, {}, QStringLiteral("no pipe")};
    const pid_t child = fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        auto report = [&](const QByteArray& text, int status) {
            (void)!::write(pipeEnds[1], text.constData(), text.size());
            std::_Exit(status);
        };
        if (!superUser()) {
            const QByteArray uid = "0 " + QByteArray::number(::geteuid()) + " 1";
            const QByteArray gid = "0 " + QByteArray::number(::getegid()) + " 1";
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                report("user namespaces are not allowed here", 77);
            auto put = [](const char* file, const QByteArray& text) {
                const int fd = ::open(file, O_WRONLY);
                const bool ok = fd >= 0 && ::write(fd, text.constData(), text.size()) > 0;
                if (fd >= 0)
                    ::close(fd);
                return ok;
            };
            put("/proc/self/setgroups", "deny");
            if (!put("/proc/self/uid_map", uid) || !put("/proc/self/gid_map", gid))
                report("the user namespace cannot be mapped", 77);
        }
        // The user's own folders, inside the new root, go with the images.
        ::setenv("XDG_STATE_HOME", "/программа", 1);
        ::setenv("XDG_RUNTIME_DIR", "/программа", 1);
        if (::chroot(QFile::encodeName(c.source).constData()) != 0 || ::chdir("/") != 0)
            report("chroot is not allowed here", 77);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        TestServices test;
        const int status =
            runCommandLine(c.arguments().mid(0, c.arguments().size() - 1) << QStringLiteral("/"),
                           test.over(nullptr, QStringLiteral("/программа")), outStream, errStream);
        errStream.flush();
        report(err.toUtf8(), status);
    }
    ::close(pipeEnds[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    QDir(images).removeRecursively();
    if (!WIFEXITED(status))
        return {-1, {}, QStringLiteral("the child did not finish"), {}};
    if (WEXITSTATUS(status) == 77)
        return {-1, {}, {}, QString::fromUtf8(text)};
    return {WEXITSTATUS(status), {}, QString::fromUtf8(text), {}};
}

Result runProcess(const Case& c) {
    QString program = programFolder() + QStringLiteral("/photoalbum-make");
    QStringList args = c.arguments();
    QTemporaryDir nobodysFolders;
    if (superUser() && c.needsPermissions) {
        // The super-user reads and writes everything: the program runs as
        // nobody, with state and lock folders nobody can use.
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            return {-1, {}, {}, QStringLiteral("setpriv is needed to drop privileges")};
        ::chmod(QFile::encodeName(nobodysFolders.path()).constData(), 01777);
        const QString folders = nobodysFolders.path();
        args = QStringList{QStringLiteral("XDG_STATE_HOME=") + folders,
                           QStringLiteral("XDG_RUNTIME_DIR=") + folders,
                           QStringLiteral("setpriv"),
                           QStringLiteral("--reuid=65534"),
                           QStringLiteral("--regid=65534"),
                           QStringLiteral("--clear-groups"),
                           QStringLiteral("--"),
                           program} +
               args;
        program = QStringLiteral("env");
    }
    if (!c.shell.isEmpty()) {
        args = QStringList{QStringLiteral("-c"), c.shell, program} + args;
        program = QStringLiteral("bash");
    }
    const CliRun run = runProcess(program, args);
    return {run.exitCode, run.out, run.err, {}};
}

QStringList albumProblems(const Case& c, const Result& result) {
    QStringList problems;
    const QString album = c.albumFolder() + QLatin1Char('/');
    const QStringList outLines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (outLines.isEmpty() || outLines.last() != album)
        problems << QStringLiteral("the last line on standard output is not ") + album;
    const int count = static_cast<int>(c.albumOrder.size());
    QStringList wanted = {QStringLiteral("start.htm")};
    for (int k = 1; k <= count; ++k) {
        const QString photo = QStringLiteral("n%1.jpg").arg(k);
        const bool madeForTheWeb = c.extraArguments.contains(QStringLiteral("--web"));
        if (!madeForTheWeb && fileBytes(album + photo) != c.albumOrder[k - 1])
            problems << photo + QStringLiteral(" does not hold the photo expected there");
        wanted << photo << QStringLiteral("n%1.htm").arg(k);
        if (!fileBytes(album + QStringLiteral("n%1.htm").arg(k)).endsWith("</body></html>\r\n"))
            problems << QStringLiteral("n%1.htm is missing or cut short").arg(k);
    }
    if (!fileBytes(album + QStringLiteral("start.htm")).endsWith("</table></body></html>\r\n"))
        problems << QStringLiteral("start.htm is missing or cut short");
    if (QFileInfo::exists(album + QStringLiteral("n%1.htm").arg(count + 1)))
        problems << QStringLiteral("a page for a photo that is not in the album");
    for (const QString& image : navigationImageNames()) {
        wanted << image;
        if (fileBytes(album + image) != fileBytes(programFolder() + QLatin1Char('/') + image))
            problems << image + QStringLiteral(" is not the program's image");
    }
    // Rename mode turns the folder into the album and nothing else.
    if (c.rename) {
        QStringList present = QDir(album).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                    QDir::Hidden | QDir::System);
        std::sort(present.begin(), present.end());
        std::sort(wanted.begin(), wanted.end());
        wanted << c.keptFiles;
        std::sort(wanted.begin(), wanted.end());
        if (present != wanted)
            problems << QStringLiteral("the album folder holds ") +
                            present.join(QStringLiteral(", "));
    }
    if (c.check)
        c.check(c, problems);
    return problems;
}

// Every page of the album as it is on disk.
QByteArray allPages(const Case& c) {
    QByteArray pages;
    for (const QString& name : QDir(c.albumFolder()).entryList({QStringLiteral("*.htm")}))
        pages += fileBytes(c.albumFolder() + QLatin1Char('/') + name);
    return pages;
}

void pagesContain(const Case& c, QStringList& problems, const QStringList& texts) {
    const QByteArray pages = allPages(c);
    for (const QString& text : texts)
        if (!pages.contains(windows1251(text)))
            problems << QStringLiteral("no page holds ") + text;
}

void fortyPhotosAndOneMore(Case& c, const QString& extra) {
    c.rename = true;
    for (int k = 1; k <= 40; ++k)
        c.photo(QStringLiteral("a%1.jpg").arg(k, 2, 10, QLatin1Char('0')), k);
    c.photo(extra);
    c.expectedTexts = {c.path(extra), QStringLiteral("не входящий в альбом")};
}

// The photo disappears just before the program's first call of that kind.
void deleteBefore(Case& c, const QString& name, Kind kind) {
    c.faults = [&c, name, kind](FaultyFileOps& ops) {
        ops.beforeFirst([kind](const auto& call) { return call.kind == kind; },
                        [&c, name] {
                            QFile::remove(c.path(name));
                            c.photos.remove(name);
                        });
    };
    c.mayChangeTree = true;
    c.noProcessReason = QStringLiteral("only the test process can pause the program halfway");
}

bool callIsIn(const FaultyFileOps::Call& call, const QString& folder) {
    return call.changedFolder() == QDir::cleanPath(folder);
}

// The source folder cannot be written: for real when the program runs as an
// ordinary user, through failing file operations for the super-user.
void makeSourceReadOnly(Case& c) {
    c.openToEveryone();
    const QString folder = c.source;
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    c.restore = [folder] { ::chmod(QFile::encodeName(folder).constData(), 0755); };
    c.needsPermissions = true;
    c.superUserFaults = [folder](FaultyFileOps& ops) {
        ops.failWhen([folder](const auto& call) { return callIsIn(call, folder); }, EACCES);
    };
    c.expectedTexts = {folder, QStringLiteral("нет прав")};
}

// A file made by its bytes' name, which need not be UTF-8.
void writeRaw(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0) << path.constData();
    ASSERT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    ::close(fd);
}

// "Пример#комментарий.jpg" as an old Windows archive names it, in Windows-1251.
void windows1251Photo(Case& c) {
    const QByteArray name = windows1251(QStringLiteral("Пример#комментарий.jpg"));
    const QByteArray bytes = makeJpeg(7);
    writeRaw(QFile::encodeName(c.source) + '/' + name, bytes);
    c.photos.insert(fromFsBytes(name), bytes);
    c.albumOrder.append(bytes);
}

QByteArray hexName(const QString& name) {
    return toFsBytes(name).toHex();
}

// A file outside the folder that a hostile journal or link aims at: it must
// keep its bytes and its place.
QString plantSecret(Case& c) {
    c.photo(QStringLiteral("../секрет.txt"), QByteArray("не трогать"));
    return c.root.filePath(QStringLiteral("секрет.txt"));
}

// A damaged or hostile journal in the user's own state folder (kept for the
// source folder): the run refuses it, names it and why, and keeps it and
// everything else where it is. It goes after the test, so that no later folder
// of the same identity meets it.
QString plantJournal(Case& c, const QByteArray& lines, const QString& why,
                     const QString& folder = QString()) {
    c.photo(QStringLiteral("a.jpg"));
    plantSecret(c);
    const QByteArray path = hexName(folder.isEmpty() ? c.source : folder);
    const QString kept = keptJournalPath(c.source).value;
    QFile file(kept);
    if (file.open(QIODevice::WriteOnly))
        file.write("photoalbum rename journal 1\nfolder " + path + "\nalbum " + path + "\n" +
                   lines + "end\n");
    file.close();
    c.restore = [kept] { QFile::remove(kept); };
    c.expectedTexts = {kept, why};
    return kept;
}

// A journal found in the photo folder (an archive brings one, or the user
// writes one) is never acted on: the album is made and the file stays.
void journalInTheFolder(Case& c, const QString& folder, const QString& album,
                        const QByteArray& lines = {}) {
    plantSecret(c);
    c.photo(QStringLiteral(".photoalbum-journal"), "photoalbum rename journal 1\nfolder " +
                                                       hexName(folder) + "\nalbum " +
                                                       hexName(album) + "\n" + lines + "end\n");
    c.expectedTexts = {c.path(QStringLiteral(".photoalbum-journal")),
                       QStringLiteral("не выполняет")};
}

// Folders are swapped in one step, as renameat2(RENAME_EXCHANGE) does.
void exchange(const QString& a, const QString& b) {
    ::syscall(SYS_renameat2, AT_FDCWD, QFile::encodeName(a).constData(), AT_FDCWD,
              QFile::encodeName(b).constData(), RENAME_EXCHANGE);
}

// Another user's folder that the run must neither write into nor publish nor
// empty: its file keeps its bytes and place.
void strangersFolderSwappedIn(Case& c, Kind before) {
    c.photo(QStringLiteral("a.jpg"));
    c.root.makeFolder(QStringLiteral("чужая"));
    c.photo(QStringLiteral("../чужая/файл.txt"), QByteArray("чужое"));
    const QString part = c.path(QStringLiteral(".photoalbum-part"));
    const QString strangers = c.root.filePath(QStringLiteral("чужая"));
    c.faults = [=](FaultyFileOps& ops) {
        ops.beforeFirst([before](const auto& call) { return call.kind == before; },
                        [=] { exchange(part, strangers); });
    };
    c.mayChangeTree = true;
    c.noProcessReason = QStringLiteral("only the test process can pause the program halfway");
    c.expectedTexts = {QStringLiteral("подменили")};
}

// A link to a place outside the folder appears at `at` (inside the source
// folder) just before the run's first call that matches; it goes after the run.
void plantLinkBefore(Case& c, bool rename, const QString& at,
                     std::function<bool(const FaultyFileOps::Call&)> matches) {
    c.rename = rename;
    c.photo(QStringLiteral("a.jpg"));
    const QString target = plantSecret(c);
    const QString link = c.path(at);
    c.faults = [=](FaultyFileOps& ops) {
        ops.beforeFirst(matches, [=] { QFile::link(target, link); });
    };
    c.restore = [link] { QFile::remove(link); };
    c.noProcessReason = QStringLiteral("only the test process can pause the program halfway");
    c.expectedTexts = {link};
}

const Row rows[] = {
    {"QuotesAnglesAmpersand", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("Сад \"Эдем\" <1>#A & B > C.jpg"), 1);
         c.check = [](const Case& c, QStringList& problems) {
             pagesContain(c, problems,
                          {QStringLiteral("Сад &quot;Эдем&quot; &lt;1&gt;<br>"),
                           QStringLiteral("alt=\"Сад &quot;Эдем&quot; &lt;1&gt;\""),
                           QStringLiteral("A &amp; B &gt; C<br>")});
         };
     }},
    {"HashFirstOrLast", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("#Только комментарий.jpg"), 1);
         c.photo(QStringLiteral("Заголовок#.jpg"), 2);
         c.check = [](const Case& c, QStringList& problems) {
             pagesContain(
                 c, problems,
                 {QStringLiteral("Только комментарий<br>"), QStringLiteral("Заголовок<br>")});
         };
     }},
    {"Emoji", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("Кот 😺#Улыбка 😀.jpg"), 1);
         c.albumName = QStringLiteral("Смайлы 🎉");
         c.check = [](const Case& c, QStringList& problems) {
             pagesContain(c, problems,
                          {QStringLiteral("Кот &#128570;"), QStringLiteral("Улыбка &#128512;"),
                           QStringLiteral("Смайлы &#127881;")});
         };
     }},
    {"NameOf255Bytes", Expect::Made,
     [](Case& c) {
         c.rename = true;
         const QString name = QString(125, QChar(0x0416)) + QStringLiteral("x.jpg");
         EXPECT_EQ(QFile::encodeName(name).size(), 255);
         c.photo(QStringLiteral("b.jpg"), 1);
         c.photo(name, 2);
     }},
    {"LineBreakInName", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("строка\nвторая#ком\nментарий.jpg"), 2);
         c.photo(QStringLiteral("обычная.jpg"), 1);
     }},
    {"LeadingDash", Expect::Made,
     [](Case& c) {
         c.albumName = QStringLiteral("-альбом");
         c.photo(QStringLiteral("--.jpg"), 1);
         c.photo(QStringLiteral("-фото#-комментарий.jpg"), 2);
     }},
    {"OnlyCyrillicNames", Expect::Made,
     [](Case& c) {
         c.rename = true;
         c.albumName = QStringLiteral("Ёлки-палки");
         c.photo(QStringLiteral("Ёлка.jpg"), 1);
         c.photo(QStringLiteral("жук.JPG"), 2);
         c.photo(QStringLiteral("Щука#Река.Jpg"), 3);
     }},
    {"NotAJpegAndEmpty", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("пусто.jpg"), QByteArray(), 1);
         c.photo(QStringLiteral("текст.jpg"), QByteArray("это не JPEG\n"), 2);
         c.photo(QStringLiteral("фото.jpg"), 3);
     }},
    {"UnreadablePhoto", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         c.photo(QStringLiteral("b.jpg"));
         c.openToEveryone();
         const QString unreadable = c.path(QStringLiteral("b.jpg"));
         ::chmod(QFile::encodeName(unreadable).constData(), 0);
         c.restore = [unreadable] { ::chmod(QFile::encodeName(unreadable).constData(), 0644); };
         c.needsPermissions = true;
         c.superUserFaults = [unreadable](FaultyFileOps& ops) {
             ops.failWhen([unreadable](const auto& call) { return call.path == unreadable; },
                          EACCES);
         };
         c.expectedTexts = {unreadable, QStringLiteral("нет прав")};
     }},
    {"UnreadableFolder", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         c.openToEveryone();
         const QString folder = c.source;
         ::chmod(QFile::encodeName(folder).constData(), 0);
         c.restore = [folder] { ::chmod(QFile::encodeName(folder).constData(), 0755); };
         c.needsPermissions = true;
         if (superUser())
             c.noCoreReason = QStringLiteral(
                 "the super-user lists every folder, and listing changes nothing on disk");
         c.expectedTexts = {folder};
     }},
    {"TenThousandFilesFiveHundredPhotos", Expect::Made,
     [](Case& c) {
         const QByteArray jpeg = makeJpeg(1);
         for (int k = 1; k <= 500; ++k)
             c.photo(QStringLiteral("p%1.jpg").arg(k, 3, 10, QLatin1Char('0')),
                     jpeg + QByteArray::number(k), k <= 40 ? k : 0);
         for (int k = 1; k <= 9500; ++k) {
             const QByteArray name =
                 QFile::encodeName(c.path(QStringLiteral("заметка%1.txt").arg(k)));
             const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
             ASSERT_GE(fd, 0);
             ::close(fd);
         }
         c.expectedTexts = {QStringLiteral("только 40")};
     }},
    {"SymlinkToAPhoto", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("а.jpg"), 1);
         const QByteArray elsewhere = makeJpeg(99);
         c.root.makeFolder(QStringLiteral("где-то"));
         c.root.writeFile(QStringLiteral("где-то/настоящая.jpg"), elsewhere);
         c.photos.insert(QStringLiteral("../где-то/настоящая.jpg"), elsewhere);
         c.albumOrder.append(elsewhere);
         QFile::link(QStringLiteral("../где-то/настоящая.jpg"),
                     c.path(QStringLiteral("ссылка.jpg")));
     }},
    {"SymlinkLoop", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("фото.jpg"), 1);
         QFile::link(QStringLiteral("петля.jpg"), c.path(QStringLiteral("петля.jpg")));
     }},
    // The album folder is made after the scan: the photo goes just before.
    {"PhotoDeletedBetweenScanAndGeneration", Expect::Refused,
     [](Case& c) {
         c.extraArguments = {QStringLiteral("--typed-titles")};
         c.photo(QStringLiteral("a.jpg"));
         c.photo(QStringLiteral("b.jpg"));
         deleteBefore(c, QStringLiteral("b.jpg"), Kind::MakeFolder);
         c.expectedTexts = {c.path(QStringLiteral("b.jpg")), QStringLiteral("не найден")};
     }},
    // Titles from the file names list the folder again: the album takes what is there.
    {"PhotoDeletedBeforeTitlesAreRead", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         c.photo(QStringLiteral("b.jpg"));
         deleteBefore(c, QStringLiteral("b.jpg"), Kind::MakeFolder);
         c.noCoreReason = QStringLiteral("«Подготовить» no longer makes the album folder, so no "
                                         "disk operation stands between the scan and the titles");
     }},
    {"PhotoDeletedWhileCopying", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         c.photo(QStringLiteral("b.jpg"));
         deleteBefore(c, QStringLiteral("b.jpg"), Kind::Copy);
         c.expectedTexts = {c.path(QStringLiteral("b.jpg")), QStringLiteral("не найдены")};
     }},
    {"PhotoDeletedDuringRenames", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
             c.photo(QString::fromUtf8(name));
         deleteBefore(c, QStringLiteral("c.jpg"), Kind::Rename);
         // Every rename already made is undone, the folder's own name included.
         c.expectedTexts = {QStringLiteral("/c.jpg"), QStringLiteral("не найдены"),
                            QStringLiteral("осталась как была")};
     }},
    {"ReadOnlyAlbumFolderInRenameMode", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         makeSourceReadOnly(c);
     }},
    {"ReadOnlySourceInCopyMode", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         makeSourceReadOnly(c);
     }},
    {"N1IsAnotherPhoto", Expect::Made,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"), 1);
         c.photo(QStringLiteral("n1.jpg"), 2);
     }},
    {"UpperCaseN1IsAnotherPhoto", Expect::Made,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"), 1);
         c.photo(QStringLiteral("N1.JPG"), 2);
         // On a disk that ignores case, a.jpg -> n1.jpg would meet N1.JPG: it
         // has to step aside before anything takes its name.
         c.check = [](const Case& c, QStringList& problems) {
             const auto& calls = c.ops.calls();
             if (calls.isEmpty())
                 return; // the built program's calls are not seen
             // The folder takes the album's name first; then the photos theirs.
             const auto first = std::find_if(calls.begin(), calls.end(), [&c](const auto& call) {
                 return call.kind == Kind::Rename && call.path != c.source;
             });
             if (first == calls.end() || !first->path.endsWith(QStringLiteral("/N1.JPG")))
                 problems << QStringLiteral("N1.JPG did not step aside first");
         };
     }},
    {"N1PresentButNotInAlbum", Expect::Refused,
     [](Case& c) { fortyPhotosAndOneMore(c, QStringLiteral("n1.jpg")); }},
    {"UpperCaseN1PresentButNotInAlbum", Expect::Refused,
     [](Case& c) { fortyPhotosAndOneMore(c, QStringLiteral("N1.JPG")); }},
    {"AlbumNameTakenBesideSource", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {c.root.makeFolder(QStringLiteral("Альбом"))};
     }},
    {"AlbumNameTakenBesideSourceInOtherCase", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {c.root.makeFolder(QStringLiteral("АЛЬБОМ"))};
     }},
    {"AlbumNameTakenInsideInOtherCase", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         c.root.makeFolder(QStringLiteral("Поездка/альбом"));
         c.expectedTexts = {QStringLiteral("уже существует")};
     }},
    {"SourceAtFileSystemRoot", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         c.atFileSystemRoot = true;
         c.noProcessReason =
             QStringLiteral("the built program needs its libraries inside the new root");
         c.expectedTexts = {QStringLiteral("корень")};
     }},
    {"AlbumNameDotDot", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.albumName = QStringLiteral("..");
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {QStringLiteral("имя альбома")};
     }},
    {"AlbumNameWithSlash", Expect::Refused,
     [](Case& c) {
         c.albumName = QStringLiteral("a/b");
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {QStringLiteral("имя альбома")};
     }},
    {"AlbumNameEmpty", Expect::Refused,
     [](Case& c) {
         c.albumName = QString();
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {QStringLiteral("имя альбома")};
     }},
    {"AlbumNameWithLineBreak", Expect::Refused,
     [](Case& c) {
         c.albumName = QStringLiteral("Лето\nОсень");
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {QStringLiteral("имя альбома")};
     }},
    {"AlbumNameOf300Characters", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.albumName = QString(300, QLatin1Char('x'));
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {QStringLiteral("имя альбома")};
     }},
    // The folder's own rename fails as it does on a mount point: every change is undone.
    {"FolderRenameFailsAsOnAMountPoint", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         c.photo(QStringLiteral("n1.jpg"));
         const QString folder = c.source;
         c.faults = [folder](FaultyFileOps& ops) {
             ops.failWhen([folder](const auto& call) { return call.path == folder; }, EBUSY);
         };
         c.noProcessReason = QStringLiteral("mounting needs privileges the tests do not take");
         c.expectedTexts = {folder, QStringLiteral("заняты"), QStringLiteral("осталась как была")};
     }},
    {"HiddenAlbumNameTakenBesideSourceInOtherCase", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.albumName = QStringLiteral(".alb");
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {c.root.makeFolder(QStringLiteral(".ALB"))};
     }},
    {"HiddenAlbumNameTakenInsideInOtherCase", Expect::Refused,
     [](Case& c) {
         c.albumName = QStringLiteral(".alb");
         c.photo(QStringLiteral("a.jpg"));
         c.root.makeFolder(QStringLiteral("Поездка/.ALB"));
         c.expectedTexts = {QStringLiteral("уже существует")};
     }},
    {"SourceOfAnotherUserInAStickyFolder", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         c.openToEveryone();
         const QString above = c.root.path();
         ::chmod(QFile::encodeName(above).constData(), 01777);
         c.restore = [above] { ::chmod(QFile::encodeName(above).constData(), 0700); };
         c.needsPermissions = true;
         c.noCoreReason = QStringLiteral("the test process owns the folder or is the super-user");
         if (!superUser())
             c.noProcessReason = QStringLiteral("a folder of another user needs the super-user");
         c.expectedTexts = {c.source, QStringLiteral("другому пользователю")};
     }},
    {"AlbumPathLongerThanTheKernelTakes", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         QString deep = c.root.path();
         while (QFile::encodeName(deep).size() < 4000)
             deep = c.root.makeFolder(c.root.path() == deep
                                          ? QString(250, QLatin1Char('d'))
                                          : QDir(c.root.path()).relativeFilePath(deep) +
                                                QLatin1Char('/') + QString(250, QLatin1Char('d')));
         const QString source = deep + QStringLiteral("/ф");
         QDir().mkdir(source);
         const QByteArray bytes = makeJpeg(3);
         writeRaw(QFile::encodeName(source + QStringLiteral("/a.jpg")), bytes);
         c.photos.insert(QStringLiteral("a.jpg"), bytes);
         c.folderArgument = source;
         c.albumName = QString(120, QChar(0x0416));
         c.expectedTexts = {QStringLiteral("слишком длинный")};
     }},
    {"SymlinkToAnotherPhotoInRenameMode", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         QFile::link(QStringLiteral("a.jpg"), c.path(QStringLiteral("b.jpg")));
         c.expectedTexts = {c.path(QStringLiteral("b.jpg")), QStringLiteral("ссылка")};
     }},
    {"AbsoluteSymlinkIntoTheFolderInRenameMode", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("b.jpg"));
         QFile::link(c.path(QStringLiteral("b.jpg")), c.path(QStringLiteral("a.jpg")));
         c.expectedTexts = {c.path(QStringLiteral("a.jpg")), QStringLiteral("ссылка")};
     }},
    // root/L/../Поездка through the link L is root/где/Поездка to the kernel,
    // and root/Поездка only to a lexical clean-up: the kernel's folder is the album's.
    {"FolderThroughALinkAndDotDot", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("приманка.jpg"));
         c.root.makeFolder(QStringLiteral("где/глубже"));
         const QString real = c.root.makeFolder(QStringLiteral("где/Поездка"));
         const QByteArray bytes = makeJpeg(42);
         c.root.writeFile(QStringLiteral("где/Поездка/настоящая.jpg"), bytes);
         c.photos.insert(QStringLiteral("../где/Поездка/настоящая.jpg"), bytes);
         c.albumOrder.append(bytes);
         QFile::link(QStringLiteral("где/глубже"), c.root.filePath(QStringLiteral("L")));
         c.folderArgument = c.root.path() + QStringLiteral("/L/../Поездка");
         c.albumFolderOverride = real + QStringLiteral("/Альбом");
     }},
    {"PhotoNameNotUtf8", Expect::Made,
     [](Case& c) {
         windows1251Photo(c);
         c.check = [](const Case& c, QStringList& problems) {
             pagesContain(c, problems,
                          {QStringLiteral("Пример<br>"), QStringLiteral("комментарий<br>")});
         };
     }},
    {"PhotoNameNotUtf8InRenameMode", Expect::Made,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("я.jpg"), 1); // listed before the name that is not UTF-8
         windows1251Photo(c);
     }},
    {"AlbumNameNotUtf8", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         c.albumName = fromFsBytes("\xcf\xf0\xe8");
         c.shell = QStringLiteral(R"sh(exec "$0" -q -n "$(printf '\317\360\350')" "${@: -1}")sh");
         c.expectedTexts = {QStringLiteral("имя альбома")};
     }},
    // Only what the journal names is ours: a user's file with our ending stays,
    // even one named as a photo's temporary name would be.
    {"UsersOwnTemporaryLookingFiles", Expect::Made,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"), 1);
         c.photo(QStringLiteral("n1.jpg"), 2);
         c.photo(QStringLiteral("notes.photoalbum-tmp"), QByteArray("мои заметки"));
         c.photo(QStringLiteral("n1.jpg.photoalbum-tmp"), QByteArray("тоже моё"));
         c.keptFiles = {QStringLiteral("notes.photoalbum-tmp"),
                        QStringLiteral("n1.jpg.photoalbum-tmp")};
     }},
    // Ctrl-C between two renames: the renames made are undone before the end.
    {"InterruptedWhileRenaming", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         for (const char* name : {"c.jpg", "b.jpg", "n1.jpg"})
             c.photo(QString::fromUtf8(name));
         auto deferred = std::make_shared<std::optional<DeferredSignals>>();
         c.faults = [deferred](FaultyFileOps& ops) {
             deferred->emplace();
             int renames = 0;
             ops.beforeFirst(
                 [renames](const auto& call) mutable {
                     return call.kind == Kind::Rename && ++renames == 2;
                 },
                 [] { ::raise(SIGINT); });
         };
         c.restore = [deferred] { deferred->reset(); };
         c.noProcessReason = QStringLiteral("a signal cannot be timed between two renames");
         c.expectedTexts = {QStringLiteral("прервана"), QStringLiteral("осталась как была")};
     }},
    {"FolderVanishesBeforeTheFirstChange", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"));
         c.faults = [&c](FaultyFileOps& ops) {
             ops.beforeFirst([](const auto&) { return true; },
                             [&c] { QDir().rename(c.source, c.root.filePath("moved")); });
         };
         c.mayChangeTree = true;
         c.noProcessReason = QStringLiteral("only the test process can pause the program halfway");
         c.expectedTexts = {c.source, QStringLiteral("не найден")};
     }},
    // A journal is someone else's input until every line of it is checked.
    {"JournalRemovesAFileOutsideTheFolder", Expect::Refused,
     [](Case& c) {
         plantJournal(c, "created " + hexName(QStringLiteral("../секрет.txt")) + "\n",
                      QStringLiteral("не создаёт"));
     }},
    {"JournalNameWithAZeroByte", Expect::Refused,
     [](Case& c) {
         plantJournal(c, "created " + hexName(QStringLiteral("a.jpg")) + "006a756e6b\n",
                      QStringLiteral("не создаёт"));
     }},
    {"JournalBringsAFileInFromOutside", Expect::Refused,
     [](Case& c) {
         plantJournal(c,
                      "rename 1 " + hexName(QStringLiteral("украдено.txt")) + " - " +
                          hexName(QStringLiteral("../секрет.txt")) + "\n",
                      QStringLiteral("переименование"));
     }},
    {"JournalMovesAPhotoToAnAbsolutePath", Expect::Refused,
     [](Case& c) {
         plantJournal(c,
                      "rename 1 " + hexName(c.root.filePath(QStringLiteral("x.jpg"))) + " - " +
                          hexName(QStringLiteral("n1.jpg")) + "\n",
                      QStringLiteral("переименование"));
     }},
    {"JournalOfAnotherFolder", Expect::Refused,
     [](Case& c) {
         plantJournal(c, "", QStringLiteral("другой папки"),
                      c.root.filePath(QStringLiteral("Иная")));
     }},
    {"JournalWithInodeZero", Expect::Refused,
     [](Case& c) {
         plantJournal(c,
                      "rename 0 " + hexName(QStringLiteral("a.jpg")) + " - " +
                          hexName(QStringLiteral("n1.jpg")) + "\n",
                      QStringLiteral("испорчена"));
     }},
    {"GarbledJournalIsKept", Expect::Refused,
     [](Case& c) { plantJournal(c, "created 73746172742e68746X\n", QStringLiteral("испорчена")); }},
    {"OversizedJournal", Expect::Refused,
     [](Case& c) {
         plantJournal(c, QByteArray("created 6e312e68746d\n").repeated(100000),
                      QStringLiteral("слишком большой"));
     }},
    {"JournalIsALinkOutOfTheFolder", Expect::Refused,
     [](Case& c) {
         const QString kept = plantJournal(c, "", QStringLiteral("ссылка"));
         QFile::remove(kept);
         QFile::link(c.root.filePath(QStringLiteral("секрет.txt")), kept);
     }},
    {"JournalOfAnotherUser", Expect::Refused,
     [](Case& c) {
         const QString kept = plantJournal(c, "", QStringLiteral("другому пользователю"));
         if (!superUser() || ::chown(QFile::encodeName(kept), 65534, 65534))
             c.noCoreReason = c.noProcessReason =
                 QStringLiteral("giving a file away needs the super-user");
     }},
    // A pipe in the journal's place would hold the run for ever with the folder locked.
    {"JournalIsANamedPipe", Expect::Refused,
     [](Case& c) {
         const QByteArray journal =
             QFile::encodeName(plantJournal(c, "", QStringLiteral("не обычный файл")));
         QFile::remove(QFile::decodeName(journal));
         ::mkfifo(journal.constData(), 0600);
         c.restore = [journal] { ::unlink(journal.constData()); };
     }},
    // Nothing found in the photo folder decides what the run changes: a
    // journal that an archive brought, naming a sibling folder to rename the
    // photo folder to, and one the user wrote there.
    {"ArchiveJournalNamingASiblingFolder", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("authorized_keys.jpg"), 1);
         journalInTheFolder(c, c.root.filePath(QStringLiteral(".ssh")), c.source);
         c.check = [](const Case& c, QStringList& problems) {
             if (QFileInfo::exists(c.root.filePath(QStringLiteral(".ssh"))))
                 problems << QStringLiteral("the photo folder took the journal's name");
         };
     }},
    {"UsersOwnJournalInTheFolder", Expect::Made,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("a.jpg"), 1);
         c.photo(QStringLiteral("n1.jpg"), 2);
         struct stat n1 {};
         ::stat(QFile::encodeName(c.path(QStringLiteral("n1.jpg"))).constData(), &n1);
         const QByteArray inode = QByteArray::number(quint64(n1.st_ino));
         journalInTheFolder(c, c.source, c.root.filePath(c.albumName),
                            "rename " + inode + " " + hexName(QStringLiteral("b.jpg")) + " - " +
                                hexName(QStringLiteral("n1.jpg")) + "\n");
         c.keptFiles = {QStringLiteral(".photoalbum-journal")};
     }},
    // Someone who can only read the folder cannot keep the user's runs out.
    {"FolderLockedByAnother", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         const int fd = ::open(QFile::encodeName(c.source).constData(), O_RDONLY | O_DIRECTORY);
         ::flock(fd, LOCK_EX | LOCK_NB);
         c.restore = [fd] { ::close(fd); };
     }},
    // A link planted where the run is about to write is never written through.
    {"LinkPlantedAtAPage", Expect::Refused,
     [](Case& c) {
         plantLinkBefore(c, true, QStringLiteral("n1.htm"), [](const auto& call) {
             return call.path.endsWith(QStringLiteral("/n1.htm"));
         });
     }},
    {"LinkPlantedAtANavigationImage", Expect::Refused,
     [](Case& c) {
         plantLinkBefore(c, false, QStringLiteral(".photoalbum-part/back-bt.gif"),
                         [](const auto& call) { return call.kind == Kind::Copy; });
         // The run leaves its folder where someone else's link stays inside.
         const QString part = c.path(QStringLiteral(".photoalbum-part"));
         c.restore = [part] {
             QFile::remove(part + QStringLiteral("/back-bt.gif"));
             QDir().rmdir(part);
         };
         c.expectedTexts = {QStringLiteral("back-bt.gif"), QStringLiteral("занято")};
     }},
    {"LinkPlantedAtTheAlbumFolder", Expect::Refused,
     [](Case& c) {
         plantLinkBefore(c, false, QStringLiteral("Альбом"),
                         [](const auto& call) { return call.kind == Kind::Rename; });
     }},
    {"PartFolderSwappedForALink", Expect::Refused,
     [](Case& c) {
         plantLinkBefore(c, false, QStringLiteral(".photoalbum-part"),
                         [](const auto& call) { return call.kind == Kind::Write; });
         const QString part = c.path(QStringLiteral(".photoalbum-part"));
         const QString moved = c.root.filePath(QStringLiteral("ушла"));
         const QString outside = c.root.makeFolder(QStringLiteral("снаружи"));
         c.faults = [=](FaultyFileOps& ops) {
             ops.beforeFirst([](const auto& call) { return call.kind == Kind::Write; },
                             [=] {
                                 QDir().rename(part, moved);
                                 QFile::link(outside, part);
                             });
         };
         c.restore = [=] {
             QFile::remove(part);
             QDir(moved).removeRecursively();
         };
         c.expectedTexts = {QStringLiteral("ссылка")};
     }},
    // Another user's folder swapped in for the album being written is never
    // written into, published or emptied, nor one of the user's own albums.
    {"StrangersFolderSwappedInBeforeTheMark", Expect::Refused,
     [](Case& c) { strangersFolderSwappedIn(c, Kind::Write); }},
    {"StrangersFolderSwappedInBeforeItIsPublished", Expect::Refused,
     [](Case& c) { strangersFolderSwappedIn(c, Kind::Rename); }},
    {"LeftoverSwappedWithTheUsersAlbum", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         c.root.makeFolder(QStringLiteral("Поездка/.photoalbum-part"));
         c.root.makeFolder(QStringLiteral("Поездка/Поход"));
         c.photo(QStringLiteral(".photoalbum-part/.photoalbum-part-mark"), QByteArray());
         c.photo(QStringLiteral(".photoalbum-part/n1.jpg"), QByteArray());
         c.photo(QStringLiteral("Поход/n1.jpg"));
         c.photo(QStringLiteral("Поход/start.htm"), QByteArray("<html>"));
         const QString part = c.path(QStringLiteral(".photoalbum-part"));
         const QString album = c.path(QStringLiteral("Поход"));
         c.faults = [=](FaultyFileOps& ops) {
             ops.beforeFirst([](const auto& call) { return call.kind == Kind::RemoveFolder; },
                             [=] { exchange(part, album); });
         };
         c.mayChangeTree = true;
         c.noProcessReason = QStringLiteral("only the test process can pause the program halfway");
         c.expectedTexts = {part, QStringLiteral("нет отметки")};
     }},
    {"LeftoverOfAnotherUser", Expect::Refused,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"));
         c.root.makeFolder(QStringLiteral("Поездка/.photoalbum-part"));
         c.photo(QStringLiteral(".photoalbum-part/.photoalbum-part-mark"), QByteArray());
         c.photo(QStringLiteral(".photoalbum-part/n1.jpg"), QByteArray("чужое"));
         const QByteArray part = QFile::encodeName(c.path(QStringLiteral(".photoalbum-part")));
         if (!superUser() || ::chown(part.constData(), 65534, 65534) != 0)
             c.noCoreReason = c.noProcessReason =
                 QStringLiteral("giving a folder away needs the super-user");
         c.expectedTexts = {QStringLiteral("принадлежит другому")};
     }},
    // No copy or web photo lets more people read it than its original does.
    {"PrivatePhotoStaysPrivateOnTheWeb", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         ::chmod(QFile::encodeName(c.path(QStringLiteral("a.jpg"))).constData(), 0600);
         c.extraArguments = {QStringLiteral("--web")};
         c.check = [](const Case& c, QStringList& problems) {
             struct stat info {};
             const QByteArray made = QFile::encodeName(c.albumFolder() + QStringLiteral("/n1.jpg"));
             if (::stat(made.constData(), &info) != 0 || (info.st_mode & 077) != 0)
                 problems << QStringLiteral("the web photo is readable by others");
         };
     }},
    {"PhotoSharedWithAnotherGroup", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         const QByteArray photo = QFile::encodeName(c.path(QStringLiteral("a.jpg")));
         if (!superUser() || ::chown(photo.constData(), 0, 65534) != 0)
             c.noCoreReason = c.noProcessReason =
                 QStringLiteral("giving a file to another group needs the super-user");
         ::chmod(photo.constData(), 0640);
         c.check = [](const Case& c, QStringList& problems) {
             struct stat info {};
             const QByteArray made = QFile::encodeName(c.albumFolder() + QStringLiteral("/n1.jpg"));
             if (::stat(made.constData(), &info) != 0 || (info.st_mode & 070) != 0)
                 problems << QStringLiteral("the copy is readable by its own group");
         };
     }},
    {"AlbumNameOfAServiceFolder", Expect::Refused,
     [](Case& c) {
         c.albumName = QStringLiteral(".photoalbum-part");
         c.photo(QStringLiteral("a.jpg"));
         c.expectedTexts = {QStringLiteral("имя альбома")};
     }},
    // Control characters in a name neither reach the terminal nor the pages.
    {"ControlCharactersInAName", Expect::Refused,
     [](Case& c) {
         c.rename = true;
         c.photo(QStringLiteral("b.jpg"));
         QFile::link(QStringLiteral("b.jpg"), c.path(QStringLiteral("\x1b]0;x\x07.jpg")));
         c.expectedTexts = {QStringLiteral("\\x1b]0;x\\x07.jpg")};
     }},
    {"ControlCharactersInATitle", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("Лес\x1b[2J#\x01тропа.jpg"), 1);
         c.check = [](const Case& c, QStringList& problems) {
             pagesContain(c, problems, {QStringLiteral("Лес[2J"), QStringLiteral("тропа")});
             if (allPages(c).contains('\x1b') || allPages(c).contains('\x01'))
                 problems << QStringLiteral("a page holds a control character");
         };
     }},
    // With web photos a file is refused unless it is a whole JPEG.
    {"CutShortJpegWithWebPhotos", Expect::Refused,
     [](Case& c) {
         c.extraArguments = {QStringLiteral("--web")};
         c.photo(QStringLiteral("a.jpg"), makeJpeg(5).left(400));
         c.expectedTexts = {c.path(QStringLiteral("a.jpg")), QStringLiteral("повреждён")};
     }},
    {"GifNamedJpgWithWebPhotos", Expect::Refused,
     [](Case& c) {
         c.extraArguments = {QStringLiteral("--web")};
         const QByteArray gif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401"
                                                    "000000002c00000000010001000002024401003b");
         c.photo(QStringLiteral("a.jpg"), gif);
         c.expectedTexts = {c.path(QStringLiteral("a.jpg")), QStringLiteral("повреждён")};
     }},
    // A link another user planted is not followed, not even by the super-user.
    {"LinkOfAnotherUserToASecret", Expect::Made,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         const QString link = c.path(QStringLiteral("b.jpg"));
         QFile::link(plantSecret(c), link);
         if (::lchown(QFile::encodeName(link).constData(), 65534, 65534) != 0)
             c.noCoreReason = c.noProcessReason =
                 QStringLiteral("giving a link away needs the super-user");
         c.expectedTexts = {link, QStringLiteral("символическая ссылка другого пользователя")};
     }},
    {"StandardOutputIsFull", Expect::Unreported,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         c.shell = QStringLiteral(R"(exec "$0" "$@" >/dev/full)");
         c.noCoreReason = QStringLiteral("only the built program has a standard output");
         c.expectedTexts = {QStringLiteral("стандартный вывод"), QStringLiteral("нет места")};
     }},
    {"StandardOutputIsClosed", Expect::Unreported,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         c.shell = QStringLiteral(R"(exec "$0" "$@" >&-)");
         c.noCoreReason = QStringLiteral("only the built program has a standard output");
         c.expectedTexts = {QStringLiteral("стандартный вывод")};
     }},
    {"StandardOutputIsAClosedPipe", Expect::Unreported,
     [](Case& c) {
         c.photo(QStringLiteral("a.jpg"), 1);
         c.shell = QStringLiteral(R"("$0" "$@" | exec 0<&-; exit "${PIPESTATUS[0]}")");
         c.noCoreReason = QStringLiteral("only the built program has a standard output");
         c.expectedTexts = {QStringLiteral("стандартный вывод")};
     }},
};

class HostileInputs : public ::testing::TestWithParam<std::tuple<Row, Via>> {};

TEST_P(HostileInputs, AlbumMadeOrClearRefusalAndNothingLost) {
    const Row& row = std::get<0>(GetParam());
    const Via via = std::get<1>(GetParam());
    Case c;
    row.prepare(c);
    if (via == Via::Process && !c.noProcessReason.isEmpty())
        GTEST_SKIP() << c.noProcessReason.toStdString();
    if (via == Via::Core && !c.noCoreReason.isEmpty())
        GTEST_SKIP() << c.noCoreReason.toStdString();

    const QMap<QString, QByteArray> before = treeSnapshot(c.root.path());
    Result result;
    if (via == Via::Process)
        result = runProcess(c);
    else if (c.atFileSystemRoot)
        result = runCoreAtRoot(c);
    else
        result = runCore(c);
    if (c.restore)
        c.restore();
    if (!result.skip.isEmpty())
        GTEST_SKIP() << result.skip.toStdString();
    const std::string output = (result.out + result.err).toStdString();

    const QStringList lost = lostPhotos(c.root.path(), c.photos);
    EXPECT_TRUE(lost.isEmpty()) << "lost: " << lost.join(QStringLiteral(", ")).toStdString() << "\n"
                                << output;
    for (const QString& text : c.expectedTexts)
        EXPECT_TRUE(result.err.contains(text, Qt::CaseInsensitive))
            << "no \"" << text.toStdString() << "\" in:\n"
            << output;
    if (row.expect == Expect::Made) {
        ASSERT_EQ(result.exitCode, 0) << output;
        const QStringList problems = albumProblems(c, result);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString() << "\n"
                                        << output;
        if (!c.rename && !c.mayChangeTree) {
            // Copy mode only reads the source folder: all that is new is the album.
            QMap<QString, QByteArray> after = treeSnapshot(c.root.path());
            const QString album = QDir(c.root.path()).relativeFilePath(c.albumFolder());
            for (auto it = after.begin(); it != after.end();)
                it = it.key() == album || it.key().startsWith(album + QLatin1Char('/'))
                         ? after.erase(it)
                         : std::next(it);
            EXPECT_TRUE(after == before) << "the source folder changed\n" << output;
        }
    } else if (row.expect == Expect::Unreported) {
        EXPECT_EQ(result.exitCode, 1) << output;
        EXPECT_TRUE(fileBytes(c.albumFolder() + QStringLiteral("/start.htm"))
                        .endsWith("</table></body></html>\r\n"))
            << output;
    } else {
        EXPECT_EQ(result.exitCode, 1) << output;
        EXPECT_FALSE(result.err.trimmed().isEmpty());
        if (!c.mayChangeTree)
            EXPECT_TRUE(treeSnapshot(c.root.path()) == before) << "the folders changed\n" << output;
        else
            EXPECT_FALSE(QFileInfo::exists(c.albumFolder()) &&
                         QFileInfo::exists(c.albumFolder() + QStringLiteral("/start.htm")));
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, HostileInputs,
                         ::testing::Combine(::testing::ValuesIn(rows),
                                            ::testing::Values(Via::Core, Via::Process)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Via::Core ? "_InProcess"
                                                                          : "_BuiltProgram");
                         });

} // namespace
