#include "DiskContents.h"
#include "Recorders.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "platform/FileStatus.h"
#include "platform/RealFileOps.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/InterruptedRun.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList numberedNames(int count, const QString& pattern = QStringLiteral("photo%1.jpg")) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(pattern.arg(i, 2, 10, QLatin1Char('0')));
    return names;
}

AlbumState startedState() {
    AlbumState state;
    applyStartupDefaults(state, QStringLiteral("/start"));
    return state;
}

TEST(FolderChange, AddsOneSeparatorAndCountsEveryJpgWithoutLimit) {
    TestFolder folder;
    writePhotos(folder, numberedNames(41));
    folder.writeFile(QStringLiteral("photo01-m.jpg"), "thumb");
    folder.writeFile(QStringLiteral("notes.txt"), "x");
    AlbumState state = startedState();

    ASSERT_TRUE(changeFolder(state, folder.path()).ok());
    EXPECT_EQ(state.sourceFolder, folder.withSeparator());
    EXPECT_EQ(state.folderPhotoCount, 42); // thumbnails count too, and there is no limit of 40

    ASSERT_TRUE(changeFolder(state, folder.withSeparator()).ok());
    EXPECT_EQ(state.sourceFolder, folder.withSeparator());
    EXPECT_FALSE(state.sourceFolder.endsWith(QString(2, QDir::separator())));
}

TEST(FolderChange, UnlistableFolderKeepsTheState) {
    TestFolder folder;
    writePhotos(folder, {QStringLiteral("a.jpg")});
    AlbumState state = startedState();
    ASSERT_TRUE(changeFolder(state, folder.path()).ok());

    const QString missing = folder.filePath(QStringLiteral("пропала"));
    const Outcome result = changeFolder(state, missing);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message.contains(missing)) << result.message.toStdString();
    EXPECT_EQ(state.sourceFolder, folder.withSeparator());
    EXPECT_EQ(state.folderPhotoCount, 1);
}

class ConfigureAlbum : public ::testing::Test {
protected:
    void SetUp() override {
        writePhotos(folder,
                    {QStringLiteral("b.jpg"), QStringLiteral("A.JPG"), QStringLiteral("c-m.jpg")});
        ASSERT_TRUE(changeFolder(state, folder.path()).ok());
    }

    TestFolder folder;
    AlbumState state = startedState();
    RealFileOps disk;
};

TEST_F(ConfigureAlbum, TakesTheNameAndListsPhotosInListingOrder) {
    ScriptedMessages messages;
    ASSERT_TRUE(
        messages.told(configureAlbum(state, QStringLiteral(" Лето 2024 "), messages, disk)).ok());
    EXPECT_TRUE(messages.informed.isEmpty());
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_EQ(state.albumName, QStringLiteral(" Лето 2024 ")); // not trimmed
    ASSERT_EQ(state.photoCount(), 3);
    EXPECT_EQ(state.photo(1).file, folder.withSeparator() + QStringLiteral("A.JPG"));
    EXPECT_EQ(state.photo(2).file, folder.withSeparator() + QStringLiteral("b.jpg"));
    EXPECT_EQ(state.photo(3).file, folder.withSeparator() + QStringLiteral("c-m.jpg"));
}

// The wizard is pointed at a folder an interrupted rename had already given the
// album's name, with one photo renamed and one aside: "Настроить" puts every
// name back, says so, and goes on with the folder under its first name.
TEST(ConfigureAfterInterruptedRename, PutsEveryNameBackAndGoesOn) {
    RealFileOps disk;
    TestFolder root;
    const QString first = root.filePath(QStringLiteral("Поездка"));
    const QString renamed = root.makeFolder(QStringLiteral("Альбом"));
    root.writeFile(QStringLiteral("Альбом/n1.jpg"), "photo b");
    root.writeFile(QStringLiteral("Альбом/n1.jpg.photoalbum-tmp"), "photo n1");
    root.writeFile(QStringLiteral("Альбом/start.htm"), "page");
    root.writeFile(QStringLiteral("Альбом/notes.photoalbum-tmp"), "the user's own");
    const auto inode = [&](const QString& name) {
        return linkStatusOf(renamed + QLatin1Char('/') + name).inode;
    };
    RenameJournal journal;
    journal.originalFolder = first;
    journal.albumFolder = renamed;
    journal.createdFiles = {QStringLiteral("start.htm"), QStringLiteral("n1.htm"),
                            QStringLiteral("n2.htm")};
    journal.renames = {{QStringLiteral("n1.jpg"), QStringLiteral("n1.jpg.photoalbum-tmp"),
                        QStringLiteral("n2.jpg"), inode(QStringLiteral("n1.jpg.photoalbum-tmp"))},
                       {QStringLiteral("b.jpg"), QString(), QStringLiteral("n1.jpg"),
                        inode(QStringLiteral("n1.jpg"))}};
    const Result<QString> kept = keptJournalPath(renamed);
    ASSERT_TRUE(kept.ok()) << kept.message.toStdString();
    QFile keptFile(kept.value);
    ASSERT_TRUE(keptFile.open(QIODevice::WriteOnly));
    keptFile.write(encodeJournal(journal));
    keptFile.close();

    // The folder's first name, given relative to the current folder, leads there too.
    const QString current = QDir::currentPath();
    QDir::setCurrent(root.path());
    EXPECT_EQ(renamedFolderOf(QStringLiteral("Поездка"), QStringLiteral("Альбом")), renamed);
    QDir::setCurrent(current);
    // So does its full path with forward slashes, as it may be typed on Windows.
    EXPECT_EQ(renamedFolderOf(QDir::fromNativeSeparators(first), QStringLiteral("Альбом")),
              renamed);

    AlbumState state = startedState();
    ASSERT_TRUE(changeFolder(state, renamed).ok());
    ScriptedMessages messages;
    ASSERT_TRUE(
        messages.told(configureAlbum(state, QStringLiteral("Альбом"), messages, disk)).ok());
    ASSERT_EQ(messages.informed.size(), 1);
    EXPECT_TRUE(messages.informed[0].contains(QStringLiteral("был прерван")))
        << messages.informed[0].toStdString();
    EXPECT_EQ(state.sourceFolder, first + QDir::separator());
    EXPECT_EQ(root.entries(), QStringList{QStringLiteral("Поездка")});
    EXPECT_EQ(sortedEntries(first), QStringList({QStringLiteral("b.jpg"), QStringLiteral("n1.jpg"),
                                                 QStringLiteral("notes.photoalbum-tmp")}));
    EXPECT_EQ(fileBytes(first + QStringLiteral("/b.jpg")), "photo b");
    EXPECT_EQ(fileBytes(first + QStringLiteral("/n1.jpg")), "photo n1");
    ASSERT_EQ(state.photoCount(), 2);
    EXPECT_EQ(state.photo(1).file, first + QDir::separator() + QStringLiteral("b.jpg"));
}

TEST_F(ConfigureAlbum, NoPhotosCountedIsRefused) {
    AlbumState fresh = startedState(); // before any folder change the count is 0
    fresh.albumName = QStringLiteral("было");
    ScriptedMessages messages;
    EXPECT_FALSE(messages.told(configureAlbum(fresh, QStringLiteral("Лето"), messages, disk)).ok());
    EXPECT_EQ(messages.informed,
              QStringList{QStringLiteral("В выбранной папке нет файлов изображений")});
    EXPECT_EQ(fresh.albumName, QStringLiteral("было"));
}

TEST_F(ConfigureAlbum, DefaultNameQuestionYesStopsWithoutChanges) {
    state.albumName = QStringLiteral("было");
    state.photos = {{QStringLiteral("старое"), {}, {}, {}}};
    ScriptedMessages messages({true});
    EXPECT_FALSE(
        messages.told(configureAlbum(state, QStringLiteral("Мой фотоальбом"), messages, disk))
            .ok());
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("Что, так просто,\"Мой альбом\"? А где фантазия?  Хотите вернуться и "
                             "изменит его?"));
    EXPECT_EQ(messages.asked[0].title, QStringLiteral("Внимание!"));
    EXPECT_EQ(state.albumName, QStringLiteral("было"));
    EXPECT_EQ(state.folderPhotoCount, 3); // the folder change's count, untouched
    EXPECT_EQ(state.photo(1).file, QStringLiteral("старое"));
}

TEST_F(ConfigureAlbum, DefaultNameQuestionNoKeepsTheName) {
    ScriptedMessages messages({false});
    EXPECT_TRUE(
        messages.told(configureAlbum(state, QStringLiteral("Мой фотоальбом"), messages, disk))
            .ok());
    EXPECT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(state.albumName, QStringLiteral("Мой фотоальбом"));
    EXPECT_EQ(state.photoCount(), 3);
}

TEST_F(ConfigureAlbum, OnlyTheExactDefaultNameIsQuestioned) {
    for (const QString& name : {QStringLiteral("мой фотоальбом"), QStringLiteral("Мой фотоальбом "),
                                QStringLiteral("Мой альбом")}) {
        ScriptedMessages messages({true});
        EXPECT_TRUE(messages.told(configureAlbum(state, name, messages, disk)).ok())
            << name.toStdString();
        EXPECT_TRUE(messages.asked.isEmpty()) << name.toStdString();
    }
}

TEST_F(ConfigureAlbum, NamesThatCannotNameAFolderAreRefusedBeforeAnythingChanges) {
    const QStringList bad = {QString(),
                             QStringLiteral("."),
                             QStringLiteral(".."),
                             QStringLiteral("a/b"),
                             QStringLiteral("a\\b"),
                             QStringLiteral("a:b"),
                             QStringLiteral("a*b"),
                             QStringLiteral("a?b"),
                             QStringLiteral("a\"b"),
                             QStringLiteral("a<b"),
                             QStringLiteral("a>b"),
                             QStringLiteral("a|b"),
                             QStringLiteral("a\tb"),
                             QStringLiteral("a\nb"),
                             QStringLiteral(".PHOTOALBUM-PART"),
                             QStringLiteral("Дача.jpg.PhotoAlbum-TMP."),
                             QStringLiteral("a\u202eb"),
                             QStringLiteral("a\u009bb"),
                             QString(300, QLatin1Char('x'))};
    for (const QString& name : bad) {
        AlbumState before = state;
        before.albumName = QStringLiteral("было");
        AlbumState attempt = before;
        ScriptedMessages messages;
        EXPECT_FALSE(messages.told(configureAlbum(attempt, name, messages, disk)).ok())
            << name.toStdString();
        EXPECT_EQ(messages.informed.size(), 1) << name.toStdString();
        EXPECT_EQ(attempt.albumName, QStringLiteral("было")) << name.toStdString();
        EXPECT_EQ(attempt.folderPhotoCount, 3);
    }
    EXPECT_TRUE(folder.entries().size() == 3);
}

TEST(ConfigureAlbumLimit, FortyOneJpgsKeepTheFirstFortyWithOneMessage) {
    RealFileOps disk;
    TestFolder folder;
    const QStringList names = numberedNames(41);
    writePhotos(folder, names);
    AlbumState state = startedState();
    ASSERT_TRUE(changeFolder(state, folder.path()).ok());
    ASSERT_EQ(state.folderPhotoCount, 41);

    ScriptedMessages messages;
    EXPECT_TRUE(messages.told(configureAlbum(state, QStringLiteral("Сорок"), messages, disk)).ok());
    EXPECT_EQ(messages.informed,
              QStringList{QStringLiteral("Программа может обработать только 40 изображений")});
    EXPECT_EQ(state.photoCount(), 40);
    for (int k = 1; k <= 40; ++k)
        EXPECT_EQ(state.photo(k).file, folder.withSeparator() + names[k - 1]);
}

} // namespace
