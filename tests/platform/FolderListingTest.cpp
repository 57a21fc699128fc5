#include "platform/FolderListing.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(PhotoListing, OnlyVisibleJpgFilesInAnyCaseSortedLikeWindows) {
    TestFolder folder;
    for (const char* name : {"b.JPG", "a.jpg", "A.jpg", "B.jpg", "Дача.jpg", "c.Jpg", "d.jpeg",
                             "e.jpg.txt", "f.png", ".hidden.jpg", "jpg", "x-m.jpg"})
        folder.writeFile(QString::fromUtf8(name), "x");
    folder.makeFolder(QStringLiteral("folder.jpg"));

    const FolderListing listing = listPhotoFiles(folder.path());
    ASSERT_TRUE(listing.ok()) << listing.message.toStdString();
    // Upper-cased names first; equal upper-cased names by their exact spelling.
    QStringList expected = {QStringLiteral("A.jpg"),   QStringLiteral("a.jpg"),
                            QStringLiteral("B.jpg"),   QStringLiteral("b.JPG"),
                            QStringLiteral("c.Jpg"),   QStringLiteral("x-m.jpg"),
                            QStringLiteral("Дача.jpg")};
    // A disk that ignores case (Windows) kept the first spelling of each name.
    const QStringList kept = QDir(folder.path()).entryList(QDir::Files);
    expected.removeIf([&kept](const QString& name) { return !kept.contains(name); });
    EXPECT_EQ(listing.value, expected);
}

TEST(PhotoListing, WorksWithOrWithoutTrailingSeparator) {
    TestFolder folder;
    folder.writeFile(QStringLiteral("1.jpg"), "x");
    EXPECT_EQ(listPhotoFiles(folder.path()).value, QStringList{QStringLiteral("1.jpg")});
    EXPECT_EQ(listPhotoFiles(folder.withSeparator()).value, QStringList{QStringLiteral("1.jpg")});
}

TEST(PhotoListing, EmptyFolderIsFineButAMissingOneIsAnError) {
    TestFolder folder;
    const FolderListing empty = listPhotoFiles(folder.path());
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.value.isEmpty());

    const QString missing = folder.filePath(QStringLiteral("нет такой"));
    const FolderListing failed = listPhotoFiles(missing);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.value.isEmpty());
    EXPECT_TRUE(failed.message.contains(missing)) << failed.message.toStdString();

    folder.writeFile(QStringLiteral("file.jpg"), "x");
    EXPECT_FALSE(listPhotoFiles(folder.filePath(QStringLiteral("file.jpg"))).ok());
}

TEST(FolderEntriesListing, FoldersAreMarkedAndDotEntriesHidden) {
    TestFolder folder;
    folder.writeFile(QStringLiteral("b.txt"), "x");
    folder.writeFile(QStringLiteral(".secret"), "x");
    folder.makeFolder(QStringLiteral("Альбом"));
    folder.makeFolder(QStringLiteral("a"));
    folder.makeFolder(QStringLiteral(".git"));

    const FolderEntries listing = listFolderEntries(folder.path());
    ASSERT_TRUE(listing.ok());
    ASSERT_EQ(listing.value.size(), 3);
    EXPECT_EQ(listing.value[0].name, QStringLiteral("a"));
    EXPECT_TRUE(listing.value[0].isFolder);
    EXPECT_EQ(listing.value[1].name, QStringLiteral("b.txt"));
    EXPECT_FALSE(listing.value[1].isFolder);
    EXPECT_EQ(listing.value[2].name, QStringLiteral("Альбом"));
    EXPECT_TRUE(listing.value[2].isFolder);

    EXPECT_FALSE(listFolderEntries(folder.filePath(QStringLiteral("missing"))).ok());
}

} // namespace
