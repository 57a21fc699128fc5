#include "CliRun.h"
#include "TestFolder.h"
#include "TestPhotos.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

const QString Tool = QStringLiteral("photoalbum-make: ");

QString noPhotos() {
    return QStringLiteral("В выбранной папке нет файлов изображений");
}

QString albumExists() {
    return QStringLiteral("Фотоальбом с таким именем уже существует. Программа не позволяет "
                          "перезаписывать альбомы. Пожалуйста дайте альбому другое имя. ");
}

// A refused run prints one message on standard error, nothing on standard
// output, and leaves the folder (and what lies beside it) exactly as it was.
struct RefusalCase {
    const char* label;
    std::function<void(const TestFolder&)> prepare; // fills "photos" inside the test folder
    QStringList options;                            // before the folder
    QString message;                                // exact, or the start of it
    bool exact = true;
};

QList<RefusalCase> refusals() {
    const auto threePhotos = [](const TestFolder& dir) {
        writePhotos(dir, {"photos/a.jpg", "photos/b.jpg", "photos/c.jpg"});
    };
    const QString badName = QStringLiteral("Недопустимое имя альбома. ");
    QList<RefusalCase> cases = {
        {"empty folder", [](const TestFolder&) {}, {"-n", "Альбом"}, noPhotos()},
        {"no JPEG among the files",
         [](const TestFolder& dir) {
             dir.writeFile("photos/a.png", makeJpeg(1));
             dir.writeFile("photos/.hidden.jpg", makeJpeg(2));
             dir.writeFile("photos/jpg", makeJpeg(3));
             dir.makeFolder("photos/folder.jpg");
         },
         {"-n", "Альбом"},
         noPhotos()},
        {"only a dangling link",
         [](const TestFolder& dir) {
             makeSymlink(dir.filePath("gone.jpg"), dir.filePath("photos/x.jpg"));
         },
         {"-n", "Альбом"},
         noPhotos()},
        {"fewer thumbnails than photos",
         [](const TestFolder& dir) {
             writePhotos(dir, {"photos/a.jpg", "photos/b.jpg", "photos/c.jpg", "photos/a-m.jpg",
                               "photos/b-m.jpg"});
         },
         {"--thumbnails", "-n", "Альбом"},
         QStringLiteral("Проверьте наличие миниатюр и их соответствие главным изображениям в "
                        "выбранной папке. Найдено:  3 -  2")},
        {"thumbnails without photos",
         [](const TestFolder& dir) {
             writePhotos(dir, {"photos/a-m.jpg", "photos/b-m.jpg"});
         },
         {"--thumbnails", "-n", "Альбом"},
         QStringLiteral("Проверьте наличие миниатюр и их соответствие главным изображениям в "
                        "выбранной папке. Найдено:  0 -  2")},
        {"web photos in rename mode",
         threePhotos,
         {"--web", "--rename", "-n", "Альбом"},
         QStringLiteral("Подготовить фото для WEB можно, только если папка и исходные "
                        "изображения остаются без изменений"),
         false},
        {"web photo that is no picture",
         [=](const TestFolder& dir) {
             threePhotos(dir);
             dir.writeFile("photos/b.jpg", "\xFF\xD8 not a picture");
         },
         {"-q", "--web", "--thumbnails", "-n", "Альбом"},
         QStringLiteral("Файл фотографии «%1» повреждён или не является изображением JPEG"),
         false},
        {"modern album in rename mode",
         threePhotos,
         {"--modern", "--rename", "-n", "Альбом"},
         QStringLiteral("Современный альбом создаётся только в новой папке"),
         false},
        // Made while the album is written: the part folder goes again.
        {"modern album photo that is no picture, one of forty-one",
         [](const TestFolder& dir) {
             for (int k = 1; k <= 40; ++k)
                 writePhotos(dir, {QStringLiteral("photos/p%1.jpg").arg(k)});
             dir.writeFile("photos/b.jpg", "\xFF\xD8 not a picture");
         },
         {"-q", "--modern", "-n", "Альбом"},
         QStringLiteral("Файл фотографии «%1» повреждён"),
         false},
        // Chosen for «Настроить» and again for the web: the limit is told once.
        {"web photo that is no picture, one of forty-one",
         [](const TestFolder& dir) {
             for (int k = 1; k <= 40; ++k)
                 writePhotos(dir, {QStringLiteral("photos/p%1.jpg").arg(k)});
             dir.writeFile("photos/b.jpg", "\xFF\xD8 not a picture");
         },
         {"-q", "--web", "-n", "Альбом"},
         QStringLiteral("Программа может обработать только 40 изображений\n") + Tool +
             QStringLiteral("Файл фотографии «%1» повреждён"),
         false},
        {"album folder exists",
         [=](const TestFolder& dir) {
             threePhotos(dir);
             dir.makeFolder("photos/Альбом");
             dir.writeFile("photos/Альбом/keep.txt", "mine");
         },
         {"-n", "Альбом"},
         albumExists()},
        {"album folder exists in other letter case",
         [=](const TestFolder& dir) {
             threePhotos(dir);
             dir.makeFolder("photos/альбом");
         },
         {"-n", "АЛЬБОМ"},
         albumExists()},
    };
    for (const QString& name : {QStringLiteral(".."), QStringLiteral("."), QStringLiteral("a/b"),
                                QString(), QStringLiteral("a:b"), QStringLiteral("a\\b"),
                                QStringLiteral("a*b"), QStringLiteral("a\tb")}) {
        for (const bool rename : {false, true}) {
            QStringList options = {"-n", name};
            if (rename)
                options.prepend("--rename");
            cases.append({rename ? "invalid name, rename mode" : "invalid name", threePhotos,
                          options, badName, false});
        }
    }
    return cases;
}

TEST(Refusals, ExitOneWithTheMessageAndChangeNothing) {
    for (const RefusalCase& c : refusals()) {
        SCOPED_TRACE(std::string(c.label) + ": " + c.options.join(' ').toStdString());
        TestFolder dir;
        dir.makeFolder("photos");
        c.prepare(dir);
        const QMap<QString, QByteArray> before = treeSnapshot(dir.path());

        const CliRun run = runInProcess(QStringList(c.options) << dir.filePath("photos"));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        const QString expected =
            Tool +
            (c.message.contains("%1") ? c.message.arg(dir.filePath("photos/b.jpg")) : c.message);
        if (c.exact)
            EXPECT_EQ(run.err, expected + QLatin1Char('\n'));
        else
            EXPECT_TRUE(run.err.startsWith(expected)) << run.err.toStdString();
        EXPECT_EQ(changes(before, treeSnapshot(dir.path())), QStringList());
    }
}

TEST(Refusals, FolderThatIsNoFolder) {
    TestFolder dir;
    writePhotos(dir, {"a.jpg"});
    for (const QString& path : {dir.filePath("a.jpg"), dir.filePath("missing")}) {
        const CliRun run = runInProcess({"-n", "Альбом", path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
    }
    EXPECT_EQ(dir.entries(), QStringList{"a.jpg"});
}

TEST(Refusals, RenameModeRefusesNamesTakenBesideOrInside) {
    struct Case {
        const char* label;
        QString takenPath; // relative to the test folder
        bool folder;
    };
    const QList<Case> cases = {
        {"album name taken beside the folder", "Лето", false},
        {"photo name taken by a folder", "Отпуск/n2.jpg", true},
        {"page name taken by a file", "Отпуск/start.htm", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TestFolder dir;
        dir.makeFolder("Отпуск");
        writePhotos(dir, {"Отпуск/a.jpg", "Отпуск/b.jpg"});
        if (c.folder)
            dir.makeFolder(c.takenPath);
        else
            dir.writeFile(c.takenPath, "not ours");
        const QMap<QString, QByteArray> before = treeSnapshot(dir.path());

        const CliRun run = runInProcess({"--rename", "-n", "Лето", dir.filePath("Отпуск")});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(dir.filePath(c.takenPath))) << run.err.toStdString();
        EXPECT_EQ(changes(before, treeSnapshot(dir.path())), QStringList());
    }
}

// A program folder without the navigation images: the copy fails before any
// photo is copied, the message names the missing file, no album is left behind.
TEST(FailedFileOperations, MissingNavigationImageIsNamed) {
    TestFolder dir;
    dir.makeFolder("photos");
    writePhotos(dir, {"photos/a.jpg", "photos/b.jpg"});
    const QString emptyProgramFolder = dir.makeFolder("program");
    const QMap<QString, QByteArray> before = treeSnapshot(dir.path());

    for (const bool rename : {false, true}) {
        SCOPED_TRACE(rename ? "rename mode" : "copy mode");
        QStringList arguments = {"-q", "-n", "Альбом", dir.filePath("photos")};
        if (rename)
            arguments.prepend("--rename");
        const CliRun run = runInProcess(arguments, emptyProgramFolder);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(emptyProgramFolder + QDir::separator() + "back-bt.gif"))
            << run.err.toStdString();
        EXPECT_EQ(changes(before, treeSnapshot(dir.path())), QStringList());
    }
}

TEST(FailedFileOperations, BuiltProgramAwayFromItsImages) {
    TestFolder dir;
    dir.makeFolder("photos");
    writePhotos(dir, {"photos/a.jpg"});
    const QString program = dir.makeFolder("bin") + "/photoalbum-make" PHOTOALBUM_EXE_SUFFIX;
    ASSERT_TRUE(QFile::copy(builtTool(), program));
    const CliRun run = runProcess(program, {"-n", "Альбом", dir.filePath("photos")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(dir.filePath("bin/back-bt.gif"))) << run.err.toStdString();
    EXPECT_EQ(dir.entries("photos"), QStringList{"a.jpg"});

    // With its images but not the web photo library, which is looked for in the
    // program's folder alone: not in the current folder, not on the library path.
    for (const QString image : {"back-bt.gif", "for-bt.gif", "ish-bt.gif"})
        ASSERT_TRUE(QFile::copy(programFolder() + "/" + image, dir.filePath("bin/" + image)));
    const QString home = QDir::currentPath();
    const bool hadLibraryPath = qEnvironmentVariableIsSet("LD_LIBRARY_PATH");
    const QByteArray libraryPath = qgetenv("LD_LIBRARY_PATH");
    QDir::setCurrent(programFolder());
    qputenv("LD_LIBRARY_PATH", QFile::encodeName(programFolder()));
    const CliRun web = runProcess(program, {"--web", "-n", "Альбом", dir.filePath("photos")});
    QDir::setCurrent(home);
    hadLibraryPath ? qputenv("LD_LIBRARY_PATH", libraryPath) : qunsetenv("LD_LIBRARY_PATH");
    EXPECT_EQ(web.exitCode, 1);
    EXPECT_TRUE(web.err.contains(dir.filePath("bin/" PHOTOALBUM_WEBPHOTOS_LIBRARY)))
        << web.err.toStdString();
    EXPECT_EQ(dir.entries("photos"), QStringList{"a.jpg"});
}

TEST(FailedFileOperations, UnreadablePhotoIsNamed) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes no reading right away by permission bits";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "the super-user reads every file";
#endif
    TestFolder dir;
    dir.makeFolder("photos");
    writePhotos(dir, {"photos/a.jpg", "photos/b.jpg"});
    QFile::setPermissions(dir.filePath("photos/b.jpg"), QFileDevice::WriteOwner);
    const CliRun run = runInProcess({"-n", "Альбом", dir.filePath("photos")});
    QFile::setPermissions(dir.filePath("photos/b.jpg"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(dir.filePath("photos/b.jpg"))) << run.err.toStdString();
    EXPECT_EQ(dir.entries("photos"), (QStringList{"a.jpg", "b.jpg"}));
}

} // namespace
