#include "state/AlbumState.h"

#include <gtest/gtest.h>

namespace {

// The ordinal words exactly as the album prints them, misspellings included.
const char* const expectedOrdinals[40] = {
    "Первая",         "Вторая",          "Третья",          "Четвертая",         "Пятая",
    "Шестая",         "Седьмая",         "Восьмая",         "Девятая",           "Десятая",
    "Одинадцатая",    "Двенадцатая",     "Тринадцатая",     "Четырнадцатая",     "Пятнадцатая",
    "Шестнадцатая",   "Семнадцатая",     "Восемнадцатая",   "Девятнадцатая",     "Двадцатая",
    "Двадцатьпервая", "Двадцатьвторая",  "Двадцатьтретяя",  "Двадцатьчетвертая", "Двадцатьпятая",
    "Двадцатьшестая", "Двадцатьседьмая", "Двадцатьвосьмая", "Двадцатьдевятая",   "Тридцатая",
    "Тридцатьпервая", "Тридцатьвторая",  "Тридцатьтретяя",  "Тридцатьчетвертая", "Тридцатьпятая",
    "Тридцатьшестая", "Тридцатьседьмая", "Тридцатьвосьмая", "Тридцатьдевятая",   "Сороковая",
};

TEST(AlbumStateStartup, SelectionWindowDefaults) {
    AlbumState state;
    state.photoCount = 7;
    applyStartupDefaults(state, QStringLiteral("/home/user/Фото"));

    EXPECT_EQ(state.sourceFolder, QStringLiteral("/home/user/Фото")); // no separator added
    EXPECT_EQ(state.photoCount, 0);
    EXPECT_TRUE(state.keepSourceFolder);
    EXPECT_EQ(state.description, QStringLiteral("Этот альбом показывает и рассказывает о ..."));
    EXPECT_EQ(state.backgroundRed, 255);
    EXPECT_EQ(state.backgroundGreen, 255);
    EXPECT_EQ(state.backgroundBlue, 255);
    // The settings window sets these later; start-up leaves them at 0.
    EXPECT_TRUE(state.thumbnails);
    EXPECT_FALSE(state.titlesFromFileNames);
    EXPECT_TRUE(state.albumName.isEmpty());
    EXPECT_TRUE(state.albumFolder.isEmpty());

    EXPECT_TRUE(state.ordinalNames[0].isEmpty());
    for (int k = 1; k <= 40; ++k)
        EXPECT_EQ(state.ordinalNames[k], QString::fromUtf8(expectedOrdinals[k - 1])) << k;
}

TEST(AlbumStateStartup, SettingsWindowLoadTurnsAllThreeFlagsOn) {
    AlbumState state;
    applyStartupDefaults(state, QString());
    state.keepSourceFolder = false;
    state.photoCount = 3;
    applySettingsDefaults(state);
    EXPECT_FALSE(state.thumbnails);
    EXPECT_TRUE(state.titlesFromFileNames);
    EXPECT_TRUE(state.keepSourceFolder);
    EXPECT_EQ(state.photoCount, 3); // the load does not touch the photo list
}

TEST(AlbumStateBounds, LastValidIndexesAreUsable) {
    AlbumState state;
    state.photoFiles[40] = QStringLiteral("f");
    state.titles[40] = QStringLiteral("t");
    state.comments[40] = QStringLiteral("c");
    state.thumbnailFiles[20] = QStringLiteral("m");
    state.photoFiles[0] = QStringLiteral("zero");
    EXPECT_EQ(state.photoFiles[40], QStringLiteral("f"));
    EXPECT_EQ(state.thumbnailFiles[20], QStringLiteral("m"));
    EXPECT_EQ(state.photoFiles[0], QStringLiteral("zero"));
}

TEST(AlbumStateBounds, EveryArrayThrowsOutsideItsBounds) {
    AlbumState state;
    const AlbumState& readOnly = state;
    EXPECT_THROW(state.photoFiles[41] = QStringLiteral("x"), SubscriptOutOfRange);
    EXPECT_THROW(state.thumbnailFiles[21] = QStringLiteral("x"), SubscriptOutOfRange);
    EXPECT_THROW((void)state.titles[41], SubscriptOutOfRange);
    EXPECT_THROW((void)state.comments[41], SubscriptOutOfRange);
    EXPECT_THROW((void)state.ordinalNames[41], SubscriptOutOfRange);
    EXPECT_THROW((void)state.photoFiles[-1], SubscriptOutOfRange);
    EXPECT_THROW((void)state.thumbnailFiles[-1], SubscriptOutOfRange);
    EXPECT_THROW((void)readOnly.thumbnailFiles[21], SubscriptOutOfRange);
    EXPECT_THROW((void)readOnly.ordinalNames[-1], SubscriptOutOfRange);
    EXPECT_THROW((void)state.photoFiles[1LL << 40], SubscriptOutOfRange);
    EXPECT_THROW(state.thumbnailFiles.swapEntries(20, 21), SubscriptOutOfRange);
    // A failed swap leaves the valid entry alone.
    state.thumbnailFiles[20] = QStringLiteral("keep");
    EXPECT_THROW(state.thumbnailFiles.swapEntries(20, 21), SubscriptOutOfRange);
    EXPECT_EQ(state.thumbnailFiles[20], QStringLiteral("keep"));
}

} // namespace
