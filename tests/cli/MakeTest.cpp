#include "CliRun.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "generator/PageText.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QStringList albumEntries(int photos, bool thumbnails = false) {
    QStringList names = {"back-bt.gif", "for-bt.gif", "ish-bt.gif", "start.htm"};
    for (int k = 1; k <= photos; ++k) {
        names << QStringLiteral("n%1.htm").arg(k) << QStringLiteral("n%1.jpg").arg(k);
        if (thumbnails)
            names << QStringLiteral("n%1-m.jpg").arg(k);
    }
    names.sort();
    return names;
}

bool hasBareLineFeed(const QByteArray& page) {
    for (qsizetype i = page.indexOf('\n'); i >= 0; i = page.indexOf('\n', i + 1)) {
        if (i == 0 || page[i - 1] != '\r')
            return true;
    }
    return false;
}

// Copy mode: the album goes into a new folder inside the source folder, the
// photos are copied in listing order and the sources stay as they were.
TEST(CopyMode, MakesTheAlbumBesideUntouchedSources) {
    TestFolder dir;
    dir.makeFolder("photos");
    writePhotos(dir, {"photos/c.JPG", "photos/Море#Закат.jpg", "photos/b.jpg", "photos/notes.txt"});
    const QMap<QString, QByteArray> sources = treeSnapshot(dir.filePath("photos"));

    const CliRun run = runInProcess({"-n", "Альбом", dir.filePath("photos")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString album = dir.filePath("photos/Альбом") + QDir::separator();
    EXPECT_EQ(run.lastOutLine(), album);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Копируется файл изображения: ") +
                                 dir.filePath("photos/b.jpg")))
        << run.err.toStdString();

    QMap<QString, QByteArray> after = treeSnapshot(dir.filePath("photos"));
    for (auto it = after.begin(); it != after.end();)
        it = it.key() == QStringLiteral("Альбом") || it.key().startsWith(QStringLiteral("Альбом/"))
                 ? after.erase(it)
                 : std::next(it);
    EXPECT_EQ(changes(sources, after), QStringList());

    EXPECT_EQ(dir.entries("photos/Альбом"), albumEntries(3));
    EXPECT_EQ(dir.readFile("photos/Альбом/n1.jpg"), sources.value("b.jpg"));
    EXPECT_EQ(dir.readFile("photos/Альбом/n2.jpg"), sources.value("c.JPG"));
    EXPECT_EQ(dir.readFile("photos/Альбом/n3.jpg"), sources.value("Море#Закат.jpg"));
    QFile button(programFolder() + "/back-bt.gif");
    ASSERT_TRUE(button.open(QIODevice::ReadOnly));
    EXPECT_EQ(dir.readFile("photos/Альбом/back-bt.gif"), button.readAll());
    const QByteArray index = dir.readFile("photos/Альбом/start.htm");
    EXPECT_TRUE(index.contains(toWindows1251("<br>Море<br>")));
    EXPECT_TRUE(dir.readFile("photos/Альбом/n3.htm").contains(toWindows1251("Закат")));
    EXPECT_FALSE(hasBareLineFeed(index));
}

TEST(CopyMode, WithThumbnailsCopiesThePairs) {
    TestFolder dir;
    dir.makeFolder("photos");
    writePhotos(dir, {"photos/b-m.jpg", "photos/a.jpg", "photos/a-m.jpg", "photos/b.jpg"});
    const CliRun run = runInProcess({"-q", "--thumbnails", "-n", "Альбом", dir.filePath("photos")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(dir.entries("photos/Альбом"), albumEntries(2, true));
    EXPECT_EQ(dir.readFile("photos/Альбом/n2-m.jpg"), dir.readFile("photos/b-m.jpg"));
    EXPECT_EQ(dir.readFile("photos/Альбом/n2.jpg"), dir.readFile("photos/b.jpg"));
}

// Only ordinary files are photos: a link that leads nowhere is passed over.
TEST(CopyMode, PassesOverADanglingLink) {
    TestFolder dir;
    dir.makeFolder("photos");
    writePhotos(dir, {"photos/a.jpg", "photos/b.jpg"});
    if (!makeSymlink(dir.filePath("gone.jpg"), dir.filePath("photos/x.jpg")))
        GTEST_SKIP() << "this system makes no symbolic links";
    const CliRun run = runInProcess({"-q", "-n", "Альбом", dir.filePath("photos")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(dir.entries("photos/Альбом"), albumEntries(2));
}

TEST(CopyMode, FortyOnePhotosWarnAndMakeForty) {
    TestFolder dir;
    dir.makeFolder("photos");
    QStringList names;
    for (int i = 1; i <= 41; ++i)
        names << QStringLiteral("photos/p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    writePhotos(dir, names);
    const CliRun run = runInProcess({"-q", "-n", "Альбом", dir.filePath("photos")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QStringLiteral(
                           "photoalbum-make: Программа может обработать только 40 изображений\n"));
    EXPECT_EQ(dir.entries("photos/Альбом"), albumEntries(40));
    EXPECT_EQ(dir.readFile("photos/Альбом/n40.jpg"), dir.readFile("photos/p40.jpg"));

    // A modern album takes every photo, at no more than its own width.
    dir.writeFile("photos/wide.jpg", makeJpeg(7, 700, 300));
    const CliRun modern = runInProcess({"-q", "--modern", "-n", "Новый", dir.filePath("photos")});
    ASSERT_EQ(modern.exitCode, 0) << modern.err.toStdString();
    EXPECT_EQ(modern.err, QString());
    const QStringList made = dir.entries("photos/Новый");
    for (const char* name : {"start.htm", "index.html", "album.css", "album.js", "n42.html",
                             "n1-64.webp", "n42-thumb.jpg", "n42-thumb2x.webp", "n42-700.jpg"})
        EXPECT_TRUE(made.contains(QString::fromLatin1(name))) << name;
    EXPECT_EQ(QImage::fromData(dir.readFile("photos/Новый/n42-640.jpg")).size(), QSize(640, 274));
    EXPECT_EQ(made.filter(".gif"), QStringList());
}

// What the options change on the pages.
TEST(PageOptions, ReachThePages) {
    struct Case {
        const char* label;
        QStringList options;
        QByteArray indexHas, indexLacks;
    };
    const QList<Case> cases = {
        {"defaults", {}, toWindows1251("<br>Море<br>"), "bgcolor=\"#0A05FF\""},
        {"typed titles", {"--typed-titles"}, "<br><br>", toWindows1251("Море")},
        {"background", {"--background", "0a05ff"}, "<body bgcolor=\"#0A05FF\" ", "#FFFFFF"},
        {"background with #", {"--background=#0a05ff"}, "<body bgcolor=\"#0A05FF\" ", "#FFFFFF"},
        {"description with a line break",
         {"--description", "Первая строка\nВторая & <третья>"},
         toWindows1251("\r\nПервая строка<br>\r\nВторая &amp; &lt;третья&gt;\r\n"),
         toWindows1251("Этот альбом")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TestFolder dir;
        dir.makeFolder("photos");
        writePhotos(dir, {"photos/Море#Закат.jpg"});
        const CliRun run =
            runInProcess(QStringList(c.options) << "-q"
                                                << "-n"
                                                << "Альбом" << dir.filePath("photos"));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray index = dir.readFile("photos/Альбом/start.htm");
        const QByteArray page = dir.readFile("photos/Альбом/n1.htm");
        EXPECT_TRUE(index.contains(c.indexHas));
        EXPECT_FALSE(index.contains(c.indexLacks));
        EXPECT_FALSE(hasBareLineFeed(index));
        if (c.options.contains("--typed-titles")) {
            EXPECT_FALSE(page.contains(toWindows1251("Море")));
            EXPECT_FALSE(page.contains(toWindows1251("Закат")));
        }
        if (c.options.join(' ').contains("0a05ff")) {
            EXPECT_TRUE(page.contains("bgcolor=\"#0A05FF\""));
        }
    }
}

TEST(Quiet, SilencesStandardErrorOnSuccessOnly) {
    TestFolder dir;
    dir.makeFolder("photos");
    writePhotos(dir, {"photos/a.jpg"});
    const CliRun quiet = runInProcess({"-q", "-n", "Тихий", dir.filePath("photos")});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_TRUE(quiet.err.isEmpty()) << quiet.err.toStdString();
    EXPECT_EQ(quiet.out, dir.filePath("photos/Тихий") + QDir::separator() + "\n");

    const CliRun loud = runInProcess({"-n", "Громкий", dir.filePath("photos")});
    EXPECT_EQ(loud.exitCode, 0);
    EXPECT_TRUE(loud.err.contains(QStringLiteral("Страница для изображения:  1")));

    const CliRun refused = runInProcess({"--quiet", "-n", "Тихий", dir.filePath("photos")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.err.isEmpty());
}

// Rename mode: the folder itself becomes the album. "n2.jpg" is one of the
// photos and also the name the second photo wants: nothing may be overwritten.
TEST(RenameMode, RenamesPhotosAndFolder) {
    TestFolder dir;
    dir.makeFolder("Отпуск");
    writePhotos(dir, {"Отпуск/n2.jpg", "Отпуск/a.jpg", "Отпуск/b.jpg", "Отпуск/notes.txt"});
    const QMap<QString, QByteArray> before = treeSnapshot(dir.filePath("Отпуск"));

    const CliRun run = runProcess(builtTool(), {"--rename", "-n", "Лето", dir.filePath("Отпуск")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lastOutLine(), dir.filePath("Лето") + QDir::separator());
    EXPECT_EQ(dir.entries(), QStringList{"Лето"});
    QStringList expected = albumEntries(3) << "notes.txt";
    expected.sort();
    EXPECT_EQ(dir.entries("Лето"), expected);
    EXPECT_EQ(dir.readFile("Лето/n1.jpg"), before.value("a.jpg"));
    EXPECT_EQ(dir.readFile("Лето/n2.jpg"), before.value("b.jpg"));
    EXPECT_EQ(dir.readFile("Лето/n3.jpg"), before.value("n2.jpg"));
    EXPECT_EQ(dir.readFile("Лето/notes.txt"), before.value("notes.txt"));
    EXPECT_TRUE(dir.readFile("Лето/start.htm").contains(toWindows1251("<title>Лето</title>")));
}

TEST(BuiltProgram, MakesACopyModeAlbumAndPrintsItsFolder) {
    TestFolder dir;
    dir.makeFolder("Фото");
    writePhotos(dir, {"Фото/a.jpg", "Фото/b.jpg"});
    const CliRun run = runProcess(builtTool(), {"-n", "Зима 2026", dir.filePath("Фото")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lastOutLine(), dir.filePath("Фото/Зима 2026") + QDir::separator());
    EXPECT_EQ(dir.entries("Фото/Зима 2026"), albumEntries(2));
    EXPECT_FALSE(run.err.isEmpty());

    const CliRun again = runProcess(builtTool(), {"-q", "-n", "Зима 2026", dir.filePath("Фото")});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("Фотоальбом с таким именем уже существует")));

    const CliRun empty = runProcess(builtTool(), {"-n", "Пусто", dir.makeFolder("пустая")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.out.isEmpty());
    EXPECT_EQ(empty.err,
              QStringLiteral("photoalbum-make: В выбранной папке нет файлов изображений\n"));
}

} // namespace
