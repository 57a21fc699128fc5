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
    state.ImageCount = 7;
    applyStartupDefaults(state, QStringLiteral("/home/user/Фото"));

    EXPECT_EQ(state.SourceFolder, QStringLiteral("/home/user/Фото")); // no separator added
    EXPECT_EQ(state.ImageCount, 0);
    EXPECT_EQ(state.KeepSourceFolder, -1);
    EXPECT_EQ(state.AlbumDescription,
              QStringLiteral("Этот альбом показывает и рассказывает о ..."));
    EXPECT_EQ(state.BackRed, 255);
    EXPECT_EQ(state.BackGreen, 255);
    EXPECT_EQ(state.BackBlue, 255);
    // The settings window sets these later; start-up leaves them at 0.
    EXPECT_EQ(state.NoThumbnails, 0);
    EXPECT_EQ(state.UseFileNameAsComment, 0);
    EXPECT_TRUE(state.AlbumName.isEmpty());
    EXPECT_TRUE(state.AlbumFolder.isEmpty());

    EXPECT_TRUE(state.OrdinalNames[0].isEmpty());
    for (int k = 1; k <= 40; ++k)
        EXPECT_EQ(state.OrdinalNames[k], QString::fromUtf8(expectedOrdinals[k - 1])) << k;
}

TEST(AlbumStateStartup, SettingsWindowLoadTurnsAllThreeFlagsOn) {
    AlbumState state;
    applyStartupDefaults(state, QString());
    state.KeepSourceFolder = 0;
    state.ImageCount = 3;
    applySettingsDefaults(state);
    EXPECT_EQ(state.NoThumbnails, -1);
    EXPECT_EQ(state.UseFileNameAsComment, -1);
    EXPECT_EQ(state.KeepSourceFolder, -1);
    EXPECT_EQ(state.ImageCount, 3); // the load does not touch the photo list
}

TEST(AlbumStateBounds, LastValidIndexesAreUsable) {
    AlbumState state;
    state.FileNames[40] = QStringLiteral("f");
    state.PhotoTitles[40] = QStringLiteral("t");
    state.PhotoComments[40] = QStringLiteral("c");
    state.ThumbNames[20] = QStringLiteral("m");
    state.FileNames[0] = QStringLiteral("zero");
    EXPECT_EQ(state.FileNames[40], QStringLiteral("f"));
    EXPECT_EQ(state.ThumbNames[20], QStringLiteral("m"));
    EXPECT_EQ(state.FileNames[0], QStringLiteral("zero"));
}

TEST(AlbumStateBounds, EveryArrayThrowsOutsideItsBounds) {
    AlbumState state;
    const AlbumState& readOnly = state;
    EXPECT_THROW(state.FileNames[41] = QStringLiteral("x"), SubscriptOutOfRange);
    EXPECT_THROW(state.ThumbNames[21] = QStringLiteral("x"), SubscriptOutOfRange);
    EXPECT_THROW((void)state.PhotoTitles[41], SubscriptOutOfRange);
    EXPECT_THROW((void)state.PhotoComments[41], SubscriptOutOfRange);
    EXPECT_THROW((void)state.OrdinalNames[41], SubscriptOutOfRange);
    EXPECT_THROW((void)state.FileNames[-1], SubscriptOutOfRange);
    EXPECT_THROW((void)state.ThumbNames[-1], SubscriptOutOfRange);
    EXPECT_THROW((void)readOnly.ThumbNames[21], SubscriptOutOfRange);
    EXPECT_THROW((void)readOnly.OrdinalNames[-1], SubscriptOutOfRange);
    EXPECT_THROW((void)state.FileNames[1LL << 40], SubscriptOutOfRange);
    EXPECT_THROW(state.ThumbNames.swapEntries(20, 21), SubscriptOutOfRange);
    // A failed swap leaves the valid entry alone.
    state.ThumbNames[20] = QStringLiteral("keep");
    EXPECT_THROW(state.ThumbNames.swapEntries(20, 21), SubscriptOutOfRange);
    EXPECT_EQ(state.ThumbNames[20], QStringLiteral("keep"));
}

} // namespace
