#include "steps/PhotoChoice.h"

#include "Recorders.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "steps/FolderChange.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString tooManyPhotos =
    QStringLiteral("Программа может обработать для WEB только 20 изображений");
const QString tooManyThumbnails =
    QStringLiteral("Программа может обработать для WEB только 20 миниатюр");

QString countsDiffer(const char* tail) {
    return QStringLiteral("Проверьте наличие миниатюр и их соответствие главным изображениям в "
                          "выбранной папке. Найдено: ") +
           QString::fromUtf8(tail);
}

class ThumbnailScan : public ::testing::Test {
protected:
    void useFolder() {
        applyStartupDefaults(state, QStringLiteral("/start"));
        applySettingsDefaults(state);
        ASSERT_TRUE(changeFolder(state, folder.path()).ok());
    }
    QString path(const QString& name) const { return folder.withSeparator() + name; }

    TestFolder folder;
    AlbumState state;
    ScriptedMessages messages;
};

TEST_F(ThumbnailScan, FivePhotosAndFiveThumbnailsWrittenInShuffledOrderArePaired) {
    const QStringList names = {"3-m.jpg", "1.jpg",   "5-m.jpg", "2.jpg",   "1-m.jpg",
                               "4.jpg",   "2-m.jpg", "5.jpg",   "4-m.jpg", "3.jpg"};
    writePhotos(folder, names);
    useFolder();

    EXPECT_TRUE(messages.told(setThumbnails(state, true)).ok());
    EXPECT_TRUE(messages.informed.isEmpty());
    EXPECT_TRUE(state.thumbnails);
    ASSERT_EQ(state.photoCount(), 5);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(state.photo(i).file, path(QStringLiteral("%1.jpg").arg(i)));
        EXPECT_EQ(state.photo(i).thumbnail, path(QStringLiteral("%1-m.jpg").arg(i)));
    }
}

TEST_F(ThumbnailScan, PairingFollowsNamesNotListingPositions) {
    // Listed photos: a-x.jpg, a.jpg; listed thumbnails: a-m.jpg, a-x-m.jpg.
    writePhotos(folder, {"a.jpg", "a-m.jpg", "a-x.jpg", "a-x-m.jpg"});
    useFolder();
    EXPECT_TRUE(messages.told(setThumbnails(state, true)).ok());
    EXPECT_EQ(state.photo(1).file, path("a-x.jpg"));
    EXPECT_EQ(state.photo(1).thumbnail, path("a-x-m.jpg"));
    EXPECT_EQ(state.photo(2).file, path("a.jpg"));
    EXPECT_EQ(state.photo(2).thumbnail, path("a-m.jpg"));
}

TEST_F(ThumbnailScan, DifferentCountsSwitchThumbnailsOffWithTheExactMessage) {
    writePhotos(folder,
                {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "1-m.jpg", "2-m.jpg", "3-m.jpg"});
    useFolder();
    EXPECT_FALSE(messages.told(setThumbnails(state, true)).ok());
    EXPECT_EQ(messages.informed, QStringList{countsDiffer(" 5 -  3")});
    EXPECT_TRUE(messages.informed[0].endsWith(QStringLiteral("Найдено:  5 -  3")));
    EXPECT_FALSE(state.thumbnails);
    // The photos stay as the scan left them.
    EXPECT_EQ(state.photoCount(), 5);
    EXPECT_EQ(state.photo(5).file, path("5.jpg"));
}

TEST_F(ThumbnailScan, TwentyFiveShortNamesWarnOnceThenCountsDiffer) {
    QStringList names;
    for (int i = 1; i <= 25; ++i)
        names.append(QStringLiteral("%1.jpg").arg(i));
    writePhotos(folder, names);
    useFolder();

    EXPECT_FALSE(messages.told(setThumbnails(state, true)).ok());
    EXPECT_EQ(messages.informed, QStringList({tooManyPhotos, countsDiffer(" 20 -  0")}));
    EXPECT_EQ(state.photoCount(), 20);
    // Listing order: 1, 10..19, 2, 20..25, 3..9; the last short name takes place 20.
    EXPECT_EQ(state.photo(20).file, path("9.jpg"));
    EXPECT_EQ(state.photo(19).file, path("3.jpg"));
    EXPECT_FALSE(state.thumbnails);
}

TEST_F(ThumbnailScan, TwentyOneLongNamesStopAtTheFirstExtraPhoto) {
    QStringList names;
    for (int i = 1; i <= 21; ++i)
        names.append(QStringLiteral("photo%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    writePhotos(folder, names);
    useFolder();
    EXPECT_FALSE(messages.told(setThumbnails(state, true)).ok());
    EXPECT_EQ(messages.informed.count(tooManyPhotos), 1);
    EXPECT_EQ(state.photoCount(), 20);
    EXPECT_EQ(state.photo(20).file, path("photo20.jpg"));
}

TEST_F(ThumbnailScan, TwentyOneThumbnailsStopAndSwitchTheOptionOff) {
    QStringList names;
    for (int i = 1; i <= 21; ++i) {
        names.append(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
        names.append(QStringLiteral("p%1-m.jpg").arg(i, 2, 10, QLatin1Char('0')));
    }
    writePhotos(folder, names);
    useFolder();
    EXPECT_FALSE(messages.told(setThumbnails(state, true)).ok());
    ASSERT_FALSE(messages.informed.isEmpty());
    EXPECT_EQ(messages.informed.last(), tooManyThumbnails);
    EXPECT_FALSE(messages.informed.join('|').contains(QStringLiteral("Найдено")));
    EXPECT_FALSE(state.thumbnails);
}

TEST_F(ThumbnailScan, UpperCaseMarkerAndOddDotPositionsArePhotos) {
    // "-M" is no marker; "a.b-m.jpg" has its first dot at place 1; "ab.x-m.jpg" at place 2.
    // The thumbnail's stem differs from "pic-M"'s: on Windows the two would be one file.
    writePhotos(folder, {"pic-M.jpg", "a.b-m.jpg", "ab.x-m.jpg", "pix-m.jpg"});
    useFolder();
    EXPECT_FALSE(messages.told(setThumbnails(state, true)).ok());
    EXPECT_EQ(state.photoCount(), 3);
    EXPECT_TRUE(messages.informed.last().endsWith(QStringLiteral("Найдено:  3 -  1")));
}

struct NameCase {
    const char* name;
    bool thumbnail;
};

class ThumbnailName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ThumbnailName, Classified) {
    EXPECT_EQ(isThumbnailName(QString::fromUtf8(GetParam().name)), GetParam().thumbnail)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ThumbnailName,
    ::testing::Values(NameCase{"1-m.jpg", true}, NameCase{"12.jpg", false},
                      NameCase{"-m.jpg", false}, NameCase{"1-M.jpg", false},
                      NameCase{"море-m.jpg", true}, NameCase{"a-m.b.jpg", true},
                      NameCase{"a-m-b.jpg", false}, NameCase{"a.b-m.jpg", false},
                      NameCase{"ab.c-m.jpg", false}, NameCase{".m-m.jpg", false},
                      NameCase{"abc-m.JPG", true}, NameCase{"abcdefg", false}));

} // namespace

namespace {

TEST_F(ThumbnailScan, WebPhotosLeaveTheMFilesAloneAndKeepTheLimitOfTwenty) {
    QStringList names;
    for (int i = 10; i <= 30; ++i)
        names << QStringLiteral("p%1.jpg").arg(i) << QStringLiteral("p%1-m.jpg").arg(i);
    writePhotos(folder, names);
    useFolder();
    EXPECT_TRUE(messages.told(setWebPhotos(state, true)).ok());
    EXPECT_EQ(state.photoCount(), 21);
    EXPECT_TRUE(messages.told(setThumbnails(state, true)).ok());
    EXPECT_EQ(messages.informed, QStringList{tooManyPhotos});
    ASSERT_EQ(state.photoCount(), 20);
    EXPECT_EQ(state.photo(20).file, path("p29.jpg"));
    EXPECT_EQ(state.photo(20).thumbnail, path("p29.jpg")); // made from its photo
}

} // namespace
