#include "EditorFixtures.h"

#include <DrawingTools.h>
#include <UndoRing.h>

#include <gtest/gtest.h>

namespace {

QRgb Shade(int n) {
    return qRgb(10 * n, 20, 30);
}

} // namespace

TEST(UndoRing, InitFillsEverySlotNewestFirst) {
    UndoRing ring;
    ring.InitUndo(Plain(3, 3, Shade(1)));
    EXPECT_EQ(ring.order(), (std::array<int, 5>{5, 4, 3, 2, 1}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ring.PopUndo().pixel(0, 0), Shade(1));
}

TEST(UndoRing, SixChangesSixUndosNeverReachTheStart) {
    TestCanvas canvas(Plain(4, 4, Shade(0)));
    for (int n = 1; n <= 6; ++n) {
        canvas.target.SetSaveFlag();
        canvas.target.picture.fill(Shade(n));
    }
    std::vector<QRgb> seen;
    for (int i = 0; i < 6; ++i) {
        canvas.target.PopUndo();
        seen.push_back(canvas.target.picture.pixel(0, 0));
    }
    // Back through the five snapshots, then round again to the newest.
    EXPECT_EQ(seen,
              (std::vector<QRgb>{Shade(5), Shade(4), Shade(3), Shade(2), Shade(1), Shade(5)}));
    EXPECT_EQ(canvas.changes, 6);
}

TEST(UndoRing, PushAfterUndoReusesThePoppedSlot) {
    UndoRing ring;
    ring.InitUndo(Plain(2, 2, Shade(0)));
    ring.PushUndo(Plain(2, 2, Shade(1)));
    EXPECT_EQ(ring.order()[0], 1); // after slot 5 comes slot 1
    ring.PopUndo();
    EXPECT_EQ(ring.order(), (std::array<int, 5>{5, 4, 3, 2, 1}));
    ring.PushUndo(Plain(2, 2, Shade(2)));
    EXPECT_EQ(ring.order(), (std::array<int, 5>{1, 5, 4, 3, 2}));
    EXPECT_EQ(ring.Newest().pixel(0, 0), Shade(2));
}

TEST(UndoRing, PasteTakesTwoStepsAndRightClickTakesItBack) {
    TestCanvas canvas(Plain(10, 10, Shade(1)));
    DrawingTools tools(canvas.target);
    tools.SetRegion(Plain(3, 3, Shade(7)));
    tools.SetDrawMode(ModePasteRegion);
    tools.DrwGrdMouseDown(Qt::LeftButton, {8, 8});
    tools.DrwGrdMouseUp({8, 8});
    EXPECT_EQ(CountColour(canvas.target.picture, Shade(7)), 4); // clipped at the corner
    EXPECT_EQ(canvas.changes, 2);

    tools.DrwGrdMouseDown(Qt::RightButton, {0, 0});
    EXPECT_EQ(CountColour(canvas.target.picture, Shade(1)), 100);
    EXPECT_EQ(canvas.changes, 2); // taking back is no change of its own

    // Both steps of the ring hold the picture before the paste.
    canvas.target.picture.fill(Shade(9));
    canvas.target.PopUndo();
    EXPECT_EQ(CountColour(canvas.target.picture, Shade(1)), 100);
    canvas.target.PopUndo();
    EXPECT_EQ(CountColour(canvas.target.picture, Shade(1)), 100);
}
