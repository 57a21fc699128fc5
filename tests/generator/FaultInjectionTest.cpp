// Every disk operation of a small album, failed in turn with "disk full" and
// "input/output error", and cut off in turn as a crash would: no photo may be
// lost, every failure must be named and undone, and a second run must end with
// exactly the album an uninterrupted run makes and nothing left over.

#include "DiskContents.h"
#include "FaultyFileOps.h"
#include "MakeAlbum.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "TestServices.h"
#include "generator/GenerateAlbum.h"
#include "generator/RenamePlan.h"
#include "platform/ErrorText.h"
#include "steps/InterruptedRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTextStream>
#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QString albumName = QStringLiteral("Альбом");
using Kind = FaultyFileOps::Kind;

struct Scenario {
    const char* name;
    bool rename;
    bool thumbnails;
    QStringList photos; // in album order
    QStringList thumbs; // photo k's thumbnail at k - 1
    bool web = false;   // photos and thumbnails made from the originals
};

// Rename mode meets album names taken by photos of the album itself, so the
// two-phase rename through temporary names is part of every sweep.
const Scenario scenarios[] = {
    {"CopyMode", false, false, {"a#Первый.jpg", "b.jpg", "n1.jpg"}, {}},
    {"CopyModeThumbnails",
     false,
     true,
     {"n2.jpg", "x.jpg", "Лес.jpg"},
     {"n2-m.jpg", "x-m.jpg", "Лес-m.jpg"}},
    {"RenameMode", true, false, {"a#Первый.jpg", "b.jpg", "n1.jpg"}, {}},
    {"RenameModeThumbnails",
     true,
     true,
     {"n2.jpg", "x.jpg", "Лес.jpg"},
     {"n2-m.jpg", "x-m.jpg", "Лес-m.jpg"}},
    {"CopyModeWeb", false, true, {"n2.jpg", "x.jpg", "Лес.jpg"}, {}, true},
};

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

QString bytesHint(const QByteArray& bytes) {
    return QStringLiteral("%1 bytes").arg(bytes.size());
}

// A source folder "Поездка" with the scenario's photos, inside a temporary folder.
class Sandbox {
public:
    explicit Sandbox(const Scenario& scenario) : scenario_(scenario) {
        source = root.makeFolder(QStringLiteral("Поездка"));
        int seed = 1;
        for (const QString& name : scenario.photos + scenario.thumbs) {
            photos.insert(name, makeJpeg(seed++));
            root.writeFile(QStringLiteral("Поездка/") + name, photos[name]);
        }
    }

    QStringList arguments() const {
        QStringList args = {QStringLiteral("-q"), QStringLiteral("-n"), albumName};
        if (scenario_.rename)
            args << QStringLiteral("--rename");
        if (scenario_.thumbnails)
            args << QStringLiteral("--thumbnails");
        if (scenario_.web)
            args << QStringLiteral("--web");
        return args << source;
    }

    Outcome run() const {
        RealFileOps disk;
        return run(disk);
    }
    Outcome run(FileOps& files) const {
        Outcome run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        TestServices test;
        run.exitCode = runCommandLine(arguments(), test.over(&files), out, err);
        out.flush();
        err.flush();
        return run;
    }

    QString albumFolder() const {
        return scenario_.rename ? root.filePath(albumName) : source + QDir::separator() + albumName;
    }

    // What is wrong with the album a finished run left; empty when nothing is.
    QStringList albumProblems() const {
        QStringList problems;
        const QString album = albumFolder() + QDir::separator();
        auto expect = [&](const QString& name, const QByteArray& bytes) {
            const QByteArray found = fileBytes(album + name);
            if (found != bytes)
                problems << name + QStringLiteral(": ") + bytesHint(found) +
                                QStringLiteral(" instead of ") + bytesHint(bytes);
        };
        auto expectPage = [&](const QString& name, const QByteArray& ending) {
            if (!fileBytes(album + name).endsWith(ending))
                problems << name + QStringLiteral(" is missing or cut short");
        };
        auto expectMade = [&](const QString& name, const QSize& size) {
            if (QImage(album + name).size() != size)
                problems << name + QStringLiteral(" is not a picture of the page's size");
        };
        for (int k = 1; k <= scenario_.photos.size(); ++k) {
            if (scenario_.web) {
                expectMade(QStringLiteral("n%1.jpg").arg(k), QSize(600, 410));
                expectMade(QStringLiteral("n%1-m.jpg").arg(k), QSize(150, 105));
                expectPage(QStringLiteral("n%1.htm").arg(k), "</body></html>\r\n");
                continue;
            }
            expect(QStringLiteral("n%1.jpg").arg(k), photos[scenario_.photos[k - 1]]);
            if (scenario_.thumbnails)
                expect(QStringLiteral("n%1-m.jpg").arg(k), photos[scenario_.thumbs[k - 1]]);
            expectPage(QStringLiteral("n%1.htm").arg(k), "</body></html>\r\n");
        }
        expectPage(QStringLiteral("start.htm"), "</table></body></html>\r\n");
        for (const QString& image : navigationImageNames())
            expect(image, fileBytes(programFolder() + QLatin1Char('/') + image));
        for (const QString& name : QDir(album).entryList(QDir::Files | QDir::Hidden))
            if (name.endsWith(temporaryNameSuffix()) || name.startsWith(QLatin1Char('.')))
                problems << name + QStringLiteral(" is left over");
        return problems;
    }

    TestFolder root;
    QString source;
    QMap<QString, QByteArray> photos;

private:
    const Scenario& scenario_;
};

// The calls of a clean run, counted once per scenario.
QList<FaultyFileOps::Call> cleanRunCalls(const Scenario& scenario) {
    Sandbox box(scenario);
    FaultyFileOps ops;
    const Outcome run = box.run(ops);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return ops.calls();
}

int firstRenameStep(const QList<FaultyFileOps::Call>& calls) {
    for (int i = 0; i < calls.size(); ++i)
        if (calls[i].kind == Kind::Rename)
            return i + 1;
    return static_cast<int>(calls.size()) + 1;
}

// Everything on disk after an uninterrupted run, once per scenario.
QMap<QString, QByteArray> cleanRunTree(const Scenario& scenario) {
    Sandbox box(scenario);
    EXPECT_EQ(box.run().exitCode, 0);
    return treeSnapshot(box.root.path());
}

// The same command again, with the real disk, ends with what an uninterrupted
// run leaves: the same photos, names and pages, and nothing else. When the
// first run had already finished its album, the second finishes its last step.
void checkRerun(const Sandbox& box, const std::string& where,
                const QMap<QString, QByteArray>& cleanTree) {
    const Outcome rerun = box.run();
    EXPECT_EQ(rerun.exitCode, 0) << where << "\n" << rerun.err.toStdString();
    EXPECT_EQ(box.albumProblems(), QStringList()) << where;
    EXPECT_EQ(changes(cleanTree, treeSnapshot(box.root.path())), QStringList())
        << where << "\n"
        << rerun.err.toStdString();
    EXPECT_EQ(lostPhotos(box.root.path(), box.photos), QStringList()) << where << " after rerun";
}

class FaultSweep : public ::testing::TestWithParam<Scenario> {};

TEST_P(FaultSweep, CleanRunWritesEverythingBeforeTheFirstRename) {
    const Scenario& scenario = GetParam();
    const QList<FaultyFileOps::Call> calls = cleanRunCalls(scenario);
    ASSERT_FALSE(calls.isEmpty());
    const int photoCount = static_cast<int>(scenario.photos.size());
    const int files = photoCount * (scenario.thumbnails ? 2 : 1);
    int copies = 0, writes = 0, renames = 0, folders = 0, removals = 0;
    for (const FaultyFileOps::Call& call : calls) {
        copies += call.kind == Kind::Copy;
        writes += call.kind == Kind::Write;
        renames += call.kind == Kind::Rename;
        folders += call.kind == Kind::MakeFolder;
        removals += call.kind == Kind::Remove || call.kind == Kind::RemoveFolder;
    }
    // The journal or the mark of the album being written, the pages, and the
    // record of the finished album, forgotten once it is reported; web photos
    // are written, not copied.
    const int made = scenario.web ? files : 0;
    EXPECT_EQ(writes, 3 + photoCount + made);
    EXPECT_EQ(removals, 2);
    const int first = firstRenameStep(calls);
    if (scenario.rename) {
        EXPECT_EQ(copies, 3);
        EXPECT_EQ(folders, 0);
        // The journal is on disk first, outside the folder; every new file is
        // there before the folder takes the album's name, then the photos
        // theirs, and the journal goes last but for the record.
        EXPECT_TRUE(calls.first().path.endsWith(QStringLiteral(".journal")));
        for (int i = first; i < calls.size() - 2; ++i)
            EXPECT_EQ(calls[i - 1].kind, Kind::Rename) << "call " << i;
        EXPECT_TRUE(calls[first - 1].target.endsWith(QDir::separator() + albumName));
        // Each scenario has photos whose names the album needs: they step aside.
        EXPECT_GT(renames, files + 1);
    } else {
        EXPECT_EQ(calls.first().kind, Kind::MakeFolder);
        EXPECT_TRUE(calls.first().path.endsWith(partFolderName()));
        EXPECT_EQ(copies, files - made + 3);
        // The complete album takes its name in one step.
        EXPECT_EQ(renames, 1);
        EXPECT_EQ(first, calls.size() - 2);
        EXPECT_TRUE(calls[first - 1].target.endsWith(QDir::separator() + albumName));
    }
    EXPECT_TRUE(calls.last().kind == Kind::Remove);
    std::cout << "[ counts   ] " << scenario.name << ": " << calls.size()
              << " disk operations in a clean run\n";
}

TEST_P(FaultSweep, EveryOperationFailingIsUndoneAndNamed) {
    const Scenario& scenario = GetParam();
    const QList<FaultyFileOps::Call> clean = cleanRunCalls(scenario);
    const QMap<QString, QByteArray> cleanTree = cleanRunTree(scenario);
    // The last call forgets the finished album's record once it is reported:
    // failing it leaves a note, not a failed run.
    const int steps = static_cast<int>(clean.size()) - 1;
    int injected = 0;
    for (int step = 1; step <= steps; ++step) {
        for (const int error : {ENOSPC, EIO}) {
            Sandbox box(scenario);
            const QMap<QString, QByteArray> before = treeSnapshot(box.root.path());
            FaultyFileOps ops;
            ops.failAt(step, error);
            const Outcome run = box.run(ops);
            ++injected;
            const std::string where = std::string(scenario.name) + ", step " +
                                      std::to_string(step) + " fails with errno " +
                                      std::to_string(error) + "\n" + ops.trace().toStdString();
            EXPECT_EQ(ops.failures(), 1) << where;
            EXPECT_EQ(run.exitCode, 1) << where;
            EXPECT_TRUE(run.err.contains(describeErrno(error))) << where << "\n"
                                                                << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(box.root.path())) << where << "\n"
                                                           << run.err.toStdString();
            // Both modes leave the folders exactly as they found them.
            EXPECT_EQ(changes(before, treeSnapshot(box.root.path())), QStringList()) << where;
            checkRerun(box, where, cleanTree);
        }
    }
    std::cout << "[ counts   ] " << scenario.name << ": " << injected << " injected failures\n";
}

// When taking away what a failed run made fails too, the message names what is
// left, and the next run takes it away.
TEST_P(FaultSweep, FailedCleanUpNamesWhatIsLeft) {
    const Scenario& scenario = GetParam();
    const QList<FaultyFileOps::Call> clean = cleanRunCalls(scenario);
    const QMap<QString, QByteArray> cleanTree = cleanRunTree(scenario);
    int made = 0; // folders made and files written or copied before the failing step
    for (int step = 1; step <= clean.size(); ++step) {
        Sandbox box(scenario);
        FaultyFileOps ops;
        ops.failAt(step, EIO);
        ops.failWhen(
            [](const FaultyFileOps::Call& call) {
                return call.kind == Kind::Remove || call.kind == Kind::RemoveFolder;
            },
            EIO);
        const Outcome run = box.run(ops);
        const std::string where = std::string(scenario.name) + ", step " + std::to_string(step) +
                                  " and every removal fail\n" + ops.trace().toStdString();
        EXPECT_EQ(run.exitCode, 1) << where;
        EXPECT_EQ(lostPhotos(box.root.path(), box.photos), QStringList()) << where;
        EXPECT_EQ(run.err.contains(QStringLiteral("Не удалось убрать")), made > 0)
            << where << "\n"
            << run.err.toStdString();
        checkRerun(box, where, cleanTree);
        const Kind kind = clean[step - 1].kind;
        made += kind == Kind::Copy || kind == Kind::Write || kind == Kind::MakeFolder;
    }
}

// The undo's own renames fail: the message says that the journal stays, and
// the next run puts every name back from it and makes the album.
TEST_P(FaultSweep, FailedUndoIsFinishedByTheNextRun) {
    const Scenario& scenario = GetParam();
    if (!scenario.rename)
        GTEST_SKIP() << "copy mode renames nothing of the user's";
    const QList<FaultyFileOps::Call> clean = cleanRunCalls(scenario);
    const QMap<QString, QByteArray> cleanTree = cleanRunTree(scenario);
    // The last call, after the report, cannot fail the run.
    for (int step = firstRenameStep(clean) + 1; step < clean.size(); ++step) {
        Sandbox box(scenario);
        FaultyFileOps ops;
        ops.failAt(step, EIO);
        int calls = 0;
        ops.failWhen(
            [step, calls](const FaultyFileOps::Call& call) mutable {
                return ++calls > step && call.kind == Kind::Rename;
            },
            EROFS);
        const Outcome run = box.run(ops);
        const std::string where = std::string(scenario.name) + ", step " + std::to_string(step) +
                                  " and the undo's renames fail\n" + ops.trace().toStdString() +
                                  "\n" + run.err.toStdString();
        EXPECT_EQ(run.exitCode, 1) << where;
        EXPECT_TRUE(run.err.contains(describeErrno(EROFS))) << where;
        EXPECT_TRUE(run.err.contains(QStringLiteral(".journal"))) << where;
        EXPECT_EQ(lostPhotos(box.root.path(), box.photos), QStringList()) << where;
        checkRerun(box, where, cleanTree);
    }
}

// Another run on the same folder at any moment of this one is refused at once
// and changes nothing; this one goes on to the end.
TEST_P(FaultSweep, SecondRunAtEveryStepIsRefused) {
    const Scenario& scenario = GetParam();
    const QList<FaultyFileOps::Call> clean = cleanRunCalls(scenario);
    const QMap<QString, QByteArray> cleanTree = cleanRunTree(scenario);
    for (int step = 1; step <= clean.size(); ++step) {
        Sandbox box(scenario);
        FaultyFileOps ops;
        Outcome second;
        QMap<QString, QByteArray> before;
        QMap<QString, QByteArray> after;
        int calls = 0;
        ops.beforeFirst(
            [step, calls](const FaultyFileOps::Call&) mutable { return ++calls == step; },
            [&] {
                before = treeSnapshot(box.root.path());
                // The folder is where it is now: the first run may have renamed it.
                const QString folder =
                    QFileInfo::exists(box.source) ? box.source : box.root.filePath(albumName);
                QStringList args = box.arguments();
                args.last() = folder;
                QProcess tool;
                tool.start(programFolder() + QStringLiteral("/photoalbum-make"), args);
                tool.waitForFinished();
                second.exitCode = tool.exitCode();
                second.err = QString::fromUtf8(tool.readAllStandardError());
                after = treeSnapshot(box.root.path());
            });
        const Outcome first = box.run(ops);
        const std::string where = std::string(scenario.name) + ", second run at step " +
                                  std::to_string(step) + "\n" + second.err.toStdString();
        EXPECT_EQ(second.exitCode, 1) << where;
        EXPECT_TRUE(second.err.contains(QStringLiteral("уже работает другой запуск"))) << where;
        EXPECT_EQ(changes(before, after), QStringList()) << where;
        EXPECT_EQ(first.exitCode, 0) << where << first.err.toStdString();
        EXPECT_EQ(changes(cleanTree, treeSnapshot(box.root.path())), QStringList()) << where;
    }
}

#ifndef _WIN32 // a run stopped dead is a forked child killed where it stands
TEST_P(FaultSweep, ProcessStoppedAtEveryOperationIsPutRightByTheNextRun) {
    const Scenario& scenario = GetParam();
    const QList<FaultyFileOps::Call> clean = cleanRunCalls(scenario);
    const QMap<QString, QByteArray> cleanTree = cleanRunTree(scenario);
    int killPoints = 0;
    for (int step = 1; step <= clean.size(); ++step) {
        const Kind kind = clean[step - 1].kind;
        QList<FaultyFileOps::Stop> ways = {FaultyFileOps::Stop::Before};
        if (kind == Kind::Copy || kind == Kind::Write)
            ways << FaultyFileOps::Stop::Halfway;
        for (const FaultyFileOps::Stop how : ways) {
            Sandbox box(scenario);
            std::cout.flush();
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                FaultyFileOps ops;
                ops.stopAt(step, how);
                const Outcome run = box.run(ops);
                std::_Exit(run.exitCode == 0 ? 0 : 1); // not stopped: the parent reports it
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ++killPoints;
            const std::string where =
                std::string(scenario.name) + ", stopped at step " + std::to_string(step) +
                (how == FaultyFileOps::Stop::Halfway ? " halfway" : " before it");
            ASSERT_TRUE(WIFEXITED(status)) << where;
            ASSERT_EQ(WEXITSTATUS(status), FaultyFileOps::StoppedExitCode) << where;
            EXPECT_EQ(lostPhotos(box.root.path(), box.photos), QStringList()) << where;
            // Copy mode never leaves a half-made album under its name (its mark
            // may still be inside: the next run takes it away).
            if (!scenario.rename && QFileInfo::exists(box.albumFolder())) {
                QStringList problems = box.albumProblems();
                problems.removeIf([](const QString& p) { return p.endsWith("is left over"); });
                EXPECT_EQ(problems, QStringList()) << where;
            }
            checkRerun(box, where, cleanTree);
        }
    }
    std::cout << "[ counts   ] " << scenario.name << ": " << killPoints << " kill points\n";
}

// The run that puts an interrupted rename right is itself stopped at each of
// its steps; the run after it still ends with the complete album.
TEST_P(FaultSweep, RecoveryStoppedAtEveryStepIsPutRightByTheNextRun) {
    const Scenario& scenario = GetParam();
    if (!scenario.rename)
        GTEST_SKIP() << "copy mode's leftovers are one folder of its own";
    const QList<FaultyFileOps::Call> clean = cleanRunCalls(scenario);
    const QMap<QString, QByteArray> cleanTree = cleanRunTree(scenario);
    // Stopped just before the last photo rename: every kind of change is on disk.
    int stopFirst = 0;
    for (int i = 1; i <= clean.size(); ++i)
        stopFirst = clean[i - 1].kind == Kind::Rename ? i : stopFirst;
    for (int recoveryStep = 1;; ++recoveryStep) {
        Sandbox box(scenario);
        bool recoveryStopped = false;
        for (const int step : {stopFirst, recoveryStep}) {
            std::cout.flush();
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                FaultyFileOps ops;
                ops.stopAt(step);
                const Outcome run = box.run(ops);
                std::_Exit(run.exitCode == 0 ? 0 : 1);
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            recoveryStopped = WEXITSTATUS(status) == FaultyFileOps::StoppedExitCode;
        }
        const std::string where = std::string(scenario.name) + ", recovery stopped at step " +
                                  std::to_string(recoveryStep);
        EXPECT_EQ(lostPhotos(box.root.path(), box.photos), QStringList()) << where;
        if (!recoveryStopped) {
            // The second run got past every step of its own and made the album.
            EXPECT_EQ(changes(cleanTree, treeSnapshot(box.root.path())), QStringList()) << where;
            break;
        }
        checkRerun(box, where, cleanTree);
    }
}
#endif // fork

INSTANTIATE_TEST_SUITE_P(Albums, FaultSweep, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// A real disk that fills up: a small tmpfs in a private mount namespace, with
// the built program run on it in copy mode and in rename mode.
TEST(RealDiskFull, FailsCleanlyAndTheSecondRunMakesTheAlbum) {
    if (QProcess::execute(QStringLiteral("unshare"),
                          {QStringLiteral("-Urm"), QStringLiteral("true")}) != 0)
        GTEST_SKIP() << "private mount namespaces are not allowed here (unshare -Urm)";

    TestFolder root;
    const QString photosFolder = root.makeFolder(QStringLiteral("photos"));
    const QString disk = root.makeFolder(QStringLiteral("disk"));
    const QString results = root.makeFolder(QStringLiteral("results"));
    QMap<QString, QByteArray> photos;
    QRandomGenerator random(7);
    for (int k = 1; k <= 4; ++k) {
        // A real JPEG padded with noise to 64 KiB, so that the disk's size is
        // easy to choose: room for the photos and one copy, not for two.
        QByteArray bytes = makeJpeg(k);
        while (bytes.size() < 64 * 1024)
            bytes.append(static_cast<char>(random.bounded(256)));
        const QString name = QStringLiteral("Фото %1.jpg").arg(k);
        photos.insert(name, bytes);
        root.writeFile(QStringLiteral("photos/") + name, bytes);
    }

    const QString script = QStringLiteral(R"(
set -u
disk=$1 tool=$2 photos=$3 results=$4
mount -t tmpfs -o size=384k tmpfs "$disk" || exit 77
cp -r "$photos" "$disk/Поездка"
run() { "$tool" -q "$@" >"$results/$step.out" 2>"$results/$step.err"; echo $? >"$results/$step.rc"; }
step=copy-full; run -n Альбом "$disk/Поездка"; cp -a "$disk/Поездка" "$results/$step"
mount -o remount,size=4m "$disk"
step=copy-room; run -n Альбом "$disk/Поездка"; cp -a "$disk/Поездка" "$results/$step"
rm -r "$disk/Поездка/Альбом"
cat /dev/zero >"$disk/filler" 2>/dev/null
step=rename-full; run --rename -n Альбом "$disk/Поездка"; cp -a "$disk/Поездка" "$results/$step"
rm "$disk/filler"
step=rename-room; run --rename -n Альбом "$disk/Поездка"; cp -a "$disk/Альбом" "$results/$step"
)");
    const int status = QProcess::execute(QStringLiteral("unshare"),
                                         {QStringLiteral("-Urm"), QStringLiteral("sh"),
                                          QStringLiteral("-c"), script, QStringLiteral("sh"), disk,
                                          programFolder() + QStringLiteral("/photoalbum-make"),
                                          photosFolder, results});
    if (status == 77)
        GTEST_SKIP() << "mounting a tmpfs is not allowed here";
    ASSERT_EQ(status, 0);

    auto text = [&](const QString& name) {
        return QString::fromUtf8(fileBytes(results + QLatin1Char('/') + name)).trimmed();
    };
    const QString full = describeErrno(ENOSPC);
    const QMap<QString, QByteArray> sourceBefore = treeSnapshot(photosFolder);

    // Copy mode on a full disk: the failed copy, the copies before it and the
    // album folder are gone again; the photos are as they were.
    EXPECT_EQ(text(QStringLiteral("copy-full.rc")), QStringLiteral("1"));
    EXPECT_TRUE(text(QStringLiteral("copy-full.err")).contains(full))
        << text(QStringLiteral("copy-full.err")).toStdString();
    EXPECT_TRUE(text(QStringLiteral("copy-full.err")).contains(QStringLiteral(".jpg")));
    EXPECT_EQ(treeSnapshot(results + QStringLiteral("/copy-full")), sourceBefore);

    EXPECT_EQ(text(QStringLiteral("copy-room.rc")), QStringLiteral("0"))
        << text(QStringLiteral("copy-room.err")).toStdString();
    const QStringList names = photos.keys();
    for (int k = 1; k <= names.size(); ++k)
        EXPECT_EQ(fileBytes(results + QStringLiteral("/copy-room/Альбом/n%1.jpg").arg(k)),
                  photos[names[k - 1]]);

    // Rename mode on a full disk: not one page is left behind, no photo renamed.
    EXPECT_EQ(text(QStringLiteral("rename-full.rc")), QStringLiteral("1"));
    EXPECT_TRUE(text(QStringLiteral("rename-full.err")).contains(full))
        << text(QStringLiteral("rename-full.err")).toStdString();
    EXPECT_TRUE(text(QStringLiteral("rename-full.err")).contains(QStringLiteral("start.htm")));
    EXPECT_EQ(treeSnapshot(results + QStringLiteral("/rename-full")), sourceBefore);

    EXPECT_EQ(text(QStringLiteral("rename-room.rc")), QStringLiteral("0"))
        << text(QStringLiteral("rename-room.err")).toStdString();
    for (int k = 1; k <= names.size(); ++k)
        EXPECT_EQ(fileBytes(results + QStringLiteral("/rename-room/n%1.jpg").arg(k)),
                  photos[names[k - 1]]);
    EXPECT_TRUE(fileBytes(results + QStringLiteral("/rename-room/start.htm"))
                    .endsWith("</table></body></html>\r\n"));
}

} // namespace
