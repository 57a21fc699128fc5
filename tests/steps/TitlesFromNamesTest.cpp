#include "steps/TitlesFromNames.h"

#include "Recorders.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "steps/FolderChange.h"
#include "steps/PhotoOrder.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;
    const char* ordinal;
    const char* title;
    const char* comment;
};

class TitleFromName : public ::testing::TestWithParam<NameCase> {};

TEST_P(TitleFromName, SplitAtTheFirstHashWithoutTheLastFourCharacters) {
    const NameCase& c = GetParam();
    QString title = QStringLiteral("old"), comment = QStringLiteral("old");
    titleAndCommentFromName(QString::fromUtf8(c.name), QString::fromUtf8(c.ordinal), title,
                            comment);
    EXPECT_EQ(title, QString::fromUtf8(c.title)) << c.name;
    EXPECT_EQ(comment, QString::fromUtf8(c.comment)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, TitleFromName,
    ::testing::Values(NameCase{"Море#Закат над заливом.jpg", "Первая", "Море", "Закат над заливом"},
                      NameCase{"#Без названия.jpg", "Первая", "", "Без названия"},
                      NameCase{"a#b#c.jpg", "Первая", "a", "b#c"},
                      NameCase{"Дача.jpg", "Третья", "Третья", "Дача"},
                      NameCase{"x.JPG", "Первая", "Первая", "x"},
                      NameCase{"Море#.jpg", "Первая", "Море", ""},
                      NameCase{"a.b.c.jpg", "Вторая", "Вторая", "a.b.c"}));

class TitlesLoad : public ::testing::Test {
protected:
    void useFolder() {
        applyStartupDefaults(state, QStringLiteral("/start"));
        applySettingsDefaults(state);
        ASSERT_TRUE(changeFolder(state, folder.path()).ok());
    }

    TestFolder folder;
    AlbumState state;
    ScriptedMessages messages;
};

TEST_F(TitlesLoad, FillsEveryTitleFromTheListedNames) {
    writePhotos(folder, {"Море#Закат над заливом.jpg", "#Без названия.jpg", "Дача.jpg"});
    useFolder();
    // Listing: "#Без названия", "Дача", "Море#…" ("#" sorts before letters).
    ASSERT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
    EXPECT_TRUE(messages.informed.isEmpty());
    ASSERT_EQ(state.photoCount(), 3);
    EXPECT_EQ(state.photo(1).file, folder.withSeparator() + "#Без названия.jpg");
    EXPECT_EQ(state.photo(1).title, QString());
    EXPECT_EQ(state.photo(1).comment, QStringLiteral("Без названия"));
    EXPECT_EQ(state.photo(2).title, QStringLiteral("Вторая"));
    EXPECT_EQ(state.photo(2).comment, QStringLiteral("Дача"));
    EXPECT_EQ(state.photo(3).title, QStringLiteral("Море"));
    EXPECT_EQ(state.photo(3).comment, QStringLiteral("Закат над заливом"));
}

TEST_F(TitlesLoad, ThirdFileWithoutHashIsTitledTretya) {
    writePhotos(folder, {"a.jpg", "b.jpg", "Дача.jpg"});
    useFolder();
    ASSERT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
    EXPECT_EQ(state.photo(3).title, QStringLiteral("Третья"));
    EXPECT_EQ(state.photo(3).comment, QStringLiteral("Дача"));
}

TEST_F(TitlesLoad, FortyOneFilesGiveOneMessageAndForty) {
    QStringList names;
    for (int i = 1; i <= 41; ++i)
        names.append(QStringLiteral("t%1#c%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    writePhotos(folder, names);
    useFolder();
    state.photos.resize(40);
    state.photo(40).title = QStringLiteral("typed");
    ASSERT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
    EXPECT_EQ(messages.informed,
              QStringList{QStringLiteral("Программа может обработать только 40 изображений")});
    EXPECT_EQ(state.photoCount(), 40);
    EXPECT_EQ(state.photo(40).title, QStringLiteral("t40"));
    EXPECT_EQ(state.photo(40).comment, QStringLiteral("c40"));
}

TEST_F(TitlesLoad, ReloadAfterUpAndDownKeepsEachTitleWithItsPhoto) {
    writePhotos(folder, {"A#одна.jpg", "B#две.jpg", "C#три.jpg"});
    useFolder();
    ASSERT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
    EXPECT_EQ(movePhotoDown(state, 0), 1); // B, A, C
    EXPECT_EQ(movePhotoDown(state, 1), 2); // B, C, A
    state.photo(1).title = QStringLiteral("набрано");

    ASSERT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
    const QString dir = folder.withSeparator();
    const QStringList files = {dir + "B#две.jpg", dir + "C#три.jpg", dir + "A#одна.jpg"};
    const QStringList titles = {"B", "C", "A"};
    const QStringList comments = {"две", "три", "одна"};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(state.photo(k).file, files[k - 1]) << k;
        EXPECT_EQ(state.photo(k).title, titles[k - 1]) << k;
        EXPECT_EQ(state.photo(k).comment, comments[k - 1]) << k;
    }
}

TEST_F(TitlesLoad, ReloadAfterTheFolderChangedTakesTheListingOrder) {
    writePhotos(folder, {"b#2.jpg", "a#1.jpg"});
    useFolder();
    ASSERT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
    movePhotoDown(state, 0);
    folder.writeFile(QStringLiteral("c#3.jpg"), makeJpeg(9));
    ASSERT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
    ASSERT_EQ(state.photoCount(), 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(state.photo(k).title, QString(QChar('a' + k - 1)));
        EXPECT_EQ(state.photo(k).comment, QString::number(k));
    }
}

} // namespace
