#include "state/AlbumState.h"

#include <gtest/gtest.h>
#include <limits>

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
    state.photos.resize(7);
    applyStartupDefaults(state, QStringLiteral("/home/user/Фото"));

    EXPECT_EQ(state.sourceFolder, QStringLiteral("/home/user/Фото")); // no separator added
    EXPECT_EQ(state.photoCount(), 0);
    EXPECT_TRUE(state.keepSourceFolder);
    EXPECT_EQ(state.description, QStringLiteral("Этот альбом показывает и рассказывает о ..."));
    EXPECT_EQ(state.backgroundRed, 255);
    EXPECT_EQ(state.backgroundGreen, 255);
    EXPECT_EQ(state.backgroundBlue, 255);
    // The settings window sets these later; until then the record says "with
    // thumbnails" and "typed titles".
    EXPECT_TRUE(state.thumbnails);
    EXPECT_FALSE(state.titlesFromFileNames);
    EXPECT_TRUE(state.albumName.isEmpty());
    EXPECT_TRUE(state.albumFolder.isEmpty());

    for (int k = 1; k <= 40; ++k)
        EXPECT_EQ(ordinalWord(k), QString::fromUtf8(expectedOrdinals[k - 1])) << k;
}

TEST(AlbumStateStartup, SettingsWindowLoadTurnsAllThreeFlagsOn) {
    AlbumState state;
    applyStartupDefaults(state, QString());
    state.keepSourceFolder = false;
    state.photos.resize(3);
    applySettingsDefaults(state);
    EXPECT_FALSE(state.thumbnails);
    EXPECT_TRUE(state.titlesFromFileNames);
    EXPECT_TRUE(state.keepSourceFolder);
    EXPECT_EQ(state.photoCount(), 3); // the load does not touch the photo list
}

// Positions count from 1 and stop at the last photo; every access outside
// them throws instead of touching memory.
TEST(AlbumStateBounds, PhotoPositionsAreCheckedAtBothEnds) {
    AlbumState state;
    state.photos.resize(40);
    state.photo(40).title = QStringLiteral("t");
    EXPECT_EQ(state.photos.last().title, QStringLiteral("t"));
    const AlbumState& readOnly = state;
    for (const int k : {0, -1, 41, std::numeric_limits<int>::max()}) {
        EXPECT_THROW(state.photo(k).file = QStringLiteral("x"), SubscriptOutOfRange) << k;
        EXPECT_THROW((void)readOnly.photo(k), SubscriptOutOfRange) << k;
    }
    for (const int k : {0, -1, 41})
        EXPECT_THROW((void)ordinalWord(k), SubscriptOutOfRange) << k;
}

} // namespace
