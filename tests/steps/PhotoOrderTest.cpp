#include "steps/PhotoOrder.h"

#include "state/AlbumState.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

// An album of `count` photos whose entries name their original place.
AlbumState albumOf(int count) {
    AlbumState state;
    for (int k = 1; k <= count; ++k)
        state.photos.append({QStringLiteral("f%1").arg(k), QStringLiteral("m%1").arg(k),
                             QStringLiteral("t%1").arg(k), QStringLiteral("c%1").arg(k)});
    return state;
}

// The original place of the photo at each position; its thumbnail, title and
// comment must have come along.
QList<int> order(const AlbumState& state) {
    QList<int> places;
    for (int k = 1; k <= state.photoCount(); ++k) {
        const int place = state.photo(k).file.mid(1).toInt();
        EXPECT_EQ(state.photo(k).thumbnail, QStringLiteral("m%1").arg(place)) << k;
        EXPECT_EQ(state.photo(k).title, QStringLiteral("t%1").arg(place)) << k;
        EXPECT_EQ(state.photo(k).comment, QStringLiteral("c%1").arg(place)) << k;
        places.append(place);
    }
    return places;
}

// 1..size, with the places a and b exchanged (none when a is 0).
QList<int> placesSwapped(int size, int a = 0, int b = 0) {
    QList<int> places;
    for (int k = 1; k <= size; ++k)
        places.append(k);
    if (a > 0)
        places.swapItemsAt(a - 1, b - 1);
    return places;
}

struct MoveCase {
    bool up;
    int count;
    int line;
    int selectedAfter;
    int swappedA, swappedB; // positions exchanged, 0 0 when nothing moves
};

class PhotoMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PhotoMove, MovesEveryEntryOfThePhotoTogether) {
    const MoveCase& c = GetParam();
    AlbumState state = albumOf(c.count);
    const int selected = c.up ? movePhotoUp(state, c.line) : movePhotoDown(state, c.line);
    EXPECT_EQ(selected, c.selectedAfter);
    EXPECT_EQ(order(state), placesSwapped(c.count, c.swappedA, c.swappedB));
}

INSTANTIATE_TEST_SUITE_P(Moves, PhotoMove,
                         ::testing::Values(MoveCase{true, 3, 1, 0, 1, 2},    // place 2 up
                                           MoveCase{true, 3, 2, 1, 2, 3},    // last up
                                           MoveCase{true, 3, 0, 0, 0, 0},    // first line: nothing
                                           MoveCase{true, 3, -1, -1, 0, 0},  // no selection
                                           MoveCase{false, 3, 0, 1, 1, 2},   // first down
                                           MoveCase{false, 3, 1, 2, 2, 3},   // middle down
                                           MoveCase{false, 3, 2, 2, 0, 0},   // last line: nothing
                                           MoveCase{false, 3, -1, -1, 0, 0}, // no selection
                                           MoveCase{false, 1, 0, 0, 0, 0},   // a single photo stays
                                           MoveCase{false, 40, 38, 39, 39, 40}, // to the very end
                                           MoveCase{true, 40, 39, 38, 39, 40},
                                           MoveCase{false, 25, 19, 20, 20, 21}));

TEST(PhotoMoveSequence, DownThenUpRestoresTheOrder) {
    AlbumState state = albumOf(5);
    int line = 0;
    for (int i = 0; i < 4; ++i)
        line = movePhotoDown(state, line);
    EXPECT_EQ(line, 4);
    EXPECT_EQ(state.photo(5).file, QStringLiteral("f1"));
    EXPECT_EQ(state.photo(5).thumbnail, QStringLiteral("m1"));
    EXPECT_EQ(movePhotoDown(state, line), 4);
    for (int i = 0; i < 4; ++i)
        line = movePhotoUp(state, line);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(order(state), placesSwapped(5));
}

} // namespace
