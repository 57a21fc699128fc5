#include "steps/PhotoOrder.h"

#include "state/AlbumState.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

// An album of `count` photos whose entries name their original place.
AlbumState albumOf(int count) {
    AlbumState state;
    state.photoCount = static_cast<Count>(count);
    for (int k = 0; k <= 40; ++k) {
        state.photoFiles[k] = QStringLiteral("f%1").arg(k);
        state.titles[k] = QStringLiteral("t%1").arg(k);
        state.comments[k] = QStringLiteral("c%1").arg(k);
    }
    for (int k = 0; k <= 20; ++k)
        state.thumbnailFiles[k] = QStringLiteral("m%1").arg(k);
    return state;
}

// The original place of the photo at each position 0..40.
QList<int> order(const AlbumState& state) {
    QList<int> places;
    for (int k = 0; k <= 40; ++k) {
        const int place = state.photoFiles[k].mid(1).toInt();
        EXPECT_EQ(state.titles[k], QStringLiteral("t%1").arg(place)) << k;
        EXPECT_EQ(state.comments[k], QStringLiteral("c%1").arg(place)) << k;
        places.append(place);
    }
    return places;
}

QList<int> thumbOrder(const AlbumState& state) {
    QList<int> places;
    for (int k = 0; k <= 20; ++k)
        places.append(state.thumbnailFiles[k].mid(1).toInt());
    return places;
}

QList<int> identity(int size) {
    QList<int> places;
    for (int k = 0; k < size; ++k)
        places.append(k);
    return places;
}

QList<int> swapped(QList<int> places, int a, int b) {
    places.swapItemsAt(a, b);
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
    EXPECT_EQ(order(state), swapped(identity(41), c.swappedA, c.swappedB));
    const bool thumbsMove = c.swappedA <= 20 && c.swappedB <= 20;
    EXPECT_EQ(thumbOrder(state),
              thumbsMove ? swapped(identity(21), c.swappedA, c.swappedB) : identity(21));
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
                                           // Thumbnails only have places 1 to 20.
                                           MoveCase{false, 25, 18, 19, 19, 20},
                                           MoveCase{false, 25, 19, 20, 20, 21},
                                           MoveCase{true, 25, 20, 19, 20, 21},
                                           MoveCase{true, 25, 21, 20, 21, 22}));

TEST(PhotoMoveSequence, DownThenUpRestoresTheOrder) {
    AlbumState state = albumOf(5);
    int line = 0;
    for (int i = 0; i < 4; ++i)
        line = movePhotoDown(state, line);
    EXPECT_EQ(line, 4);
    EXPECT_EQ(state.photoFiles[5], QStringLiteral("f1"));
    EXPECT_EQ(state.thumbnailFiles[5], QStringLiteral("m1"));
    EXPECT_EQ(movePhotoDown(state, line), 4);
    for (int i = 0; i < 4; ++i)
        line = movePhotoUp(state, line);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(order(state), identity(41));
    EXPECT_EQ(thumbOrder(state), identity(21));
}

} // namespace
