#include "EditorFixtures.h"

#include <DrawingTools.h>
#include <UndoRing.h>

#include <gtest/gtest.h>

namespace {

QRgb Shade(int n) {
    return qRgb(n % 256, 20, n / 256);
}

// `n` changes, each filling the picture with the next shade.
void Change(TestCanvas& canvas, int from, int to) {
    for (int n = from; n <= to; ++n) {
        canvas.target.SetSaveFlag();
        canvas.target.picture.fill(Shade(n));
    }
}

QRgb Shown(const TestCanvas& canvas) {
    return canvas.target.picture.pixel(0, 0);
}

} // namespace

TEST(UndoRing, UndoStepsBackNewestFirstAndStopsAtTheOldest) {
    TestCanvas canvas(Plain(4, 4, Shade(0)));
    Change(canvas, 1, 6);
    std::vector<QRgb> seen;
    for (int i = 0; i < 7; ++i) {
        canvas.target.PopUndo();
        seen.push_back(Shown(canvas));
    }
    // The first five as before; then on to the start, where a further undo does nothing
    // (it used to wrap round to the newest snapshot).
    EXPECT_EQ(seen, (std::vector<QRgb>{Shade(5), Shade(4), Shade(3), Shade(2), Shade(1), Shade(0),
                                       Shade(0)}));
    EXPECT_FALSE(canvas.target.undo().canUndo());
    EXPECT_EQ(canvas.changes, 6);
}

TEST(UndoRing, HoldsOneHundredStepsAndDropsTheOldest) {
    TestCanvas canvas(Plain(2, 2, Shade(0)));
    Change(canvas, 1, 101);
    EXPECT_EQ(canvas.target.undo().undoSteps(), UndoRing::kSteps);
    for (int i = 0; i < 150; ++i)
        canvas.target.PopUndo();
    EXPECT_EQ(Shown(canvas), Shade(1)); // the step before the first change fell off
}

TEST(UndoRing, RedoGoesForwardAgainUntilANewChange) {
    TestCanvas canvas(Plain(2, 2, Shade(0)));
    Change(canvas, 1, 3);
    canvas.target.PopUndo();
    canvas.target.PopUndo();
    EXPECT_EQ(Shown(canvas), Shade(1));
    canvas.target.Redo();
    EXPECT_EQ(Shown(canvas), Shade(2));
    canvas.target.Redo();
    canvas.target.Redo(); // nothing more to redo
    EXPECT_EQ(Shown(canvas), Shade(3));

    canvas.target.PopUndo();
    Change(canvas, 9, 9); // a new change drops the redo steps
    EXPECT_FALSE(canvas.target.undo().canRedo());
    canvas.target.Redo();
    EXPECT_EQ(Shown(canvas), Shade(9));
    canvas.target.PopUndo();
    EXPECT_EQ(Shown(canvas), Shade(2));
}

TEST(UndoRing, DroppingANewestStepThatChangedNothingKeepsTheRedoSteps) {
    UndoRing ring;
    ring.PushUndo(Plain(1, 1, Shade(0)));
    const QImage undone = ring.PopUndo(Plain(1, 1, Shade(1)));
    EXPECT_EQ(undone.pixel(0, 0), Shade(0));
    ring.PushUndo(undone); // a click that turns out to change nothing
    EXPECT_FALSE(ring.canRedo());
    ring.DropNewest();
    EXPECT_FALSE(ring.canUndo());
    ASSERT_TRUE(ring.canRedo());
    EXPECT_EQ(ring.Redo(undone).pixel(0, 0), Shade(1));
}

TEST(UndoRing, EachPictureLevelKeepsItsOwnHistory) {
    TestCanvas canvas(Plain(2, 2, Shade(0)));
    Change(canvas, 1, 2);
    canvas.target.SelectLevel(2);
    EXPECT_FALSE(canvas.target.undo().canUndo());
    canvas.target.picture = Plain(3, 3, Shade(50));
    Change(canvas, 51, 51);
    canvas.target.SelectLevel(1);
    canvas.target.picture = Plain(2, 2, Shade(2));
    canvas.target.PopUndo();
    EXPECT_EQ(Shown(canvas), Shade(1));
    EXPECT_EQ(canvas.target.picture.size(), QSize(2, 2));
    canvas.target.SelectLevel(2);
    EXPECT_EQ(canvas.target.undo().undoSteps(), 1);
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

    // Both steps hold the picture before the paste.
    canvas.target.picture.fill(Shade(9));
    canvas.target.PopUndo();
    EXPECT_EQ(CountColour(canvas.target.picture, Shade(1)), 100);
    canvas.target.PopUndo();
    EXPECT_EQ(CountColour(canvas.target.picture, Shade(1)), 100);
}

TEST(UndoRing, RightClickInPasteModeWithoutAPasteKeepsTheLastEdit) {
    TestCanvas canvas(Plain(10, 10, Shade(1)));
    DrawingTools tools(canvas.target);
    tools.SetPrimary(Shade(5));
    tools.DrwGrdMouseDown(Qt::LeftButton, {2, 2}); // an edit with the pen
    tools.DrwGrdMouseUp({2, 2});
    tools.SetRegion(Plain(2, 2, Shade(7))); // an import chooses "Paste Region"
    tools.SetDrawMode(ModePasteRegion);
    tools.DrwGrdMouseDown(Qt::RightButton, {4, 4});
    EXPECT_EQ(canvas.target.picture.pixel(2, 2), Shade(5));

    // After a paste and another edit, the right click no longer reaches back either.
    tools.DrwGrdMouseDown(Qt::LeftButton, {6, 6});
    tools.DrwGrdMouseUp({6, 6});
    canvas.target.SetSaveFlag();
    canvas.target.picture.setPixel(0, 0, Shade(3));
    tools.DrwGrdMouseDown(Qt::RightButton, {4, 4});
    EXPECT_EQ(canvas.target.picture.pixel(0, 0), Shade(3));
    EXPECT_EQ(canvas.target.picture.pixel(6, 6), Shade(7));
}

TEST(SymbolHistories, OnlyTheSymbolsLeftLastKeepTheirHistories) {
    EditorPicture picture;
    picture.picture = QImage(2, 2, QImage::Format_RGB32);
    const int n = EditorPicture::kKeptSymbols;
    for (int symbol = 1; symbol <= n + 5; ++symbol) {
        picture.OpenHistoryOf(2, symbol);
        picture.SetSaveFlag(); // one step each
    }
    picture.OpenHistoryOf(2, 1); // left longest ago: its history is gone
    EXPECT_FALSE(picture.undo().canUndo());
    picture.OpenHistoryOf(2, n + 4); // among the last ones left
    EXPECT_TRUE(picture.undo().canUndo());
    picture.OpenHistoryOf(2, n + 5);
    EXPECT_TRUE(picture.undo().canUndo());
    EXPECT_LE(picture.keptHistories(), n);
}
