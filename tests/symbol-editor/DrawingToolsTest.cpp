#include "EditorFixtures.h"

#include <ColourRules.h>
#include <DrawingTools.h>
#include <GridGeometry.h>

#include <gtest/gtest.h>

#include <set>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(200, 0, 0);
const QRgb kBlue = qRgb(0, 0, 200);

struct ToolsFixture : ::testing::Test {
    TestCanvas canvas{Plain(20, 20, kWhite)};
    DrawingTools tools{canvas.target};
    QImage& picture() { return canvas.target.picture; }
    void SetUp() override {
        tools.SetPrimary(kRed);
        tools.SetSecondary(kBlue);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
        tools.DrwGrdMouseDown(button, from);
        tools.DrwGrdMouseMove(to);
        tools.DrwGrdMouseUp(to);
    }
};

} // namespace

TEST_F(ToolsFixture, FillOnSameColourChangesNothingButTakesAnUndoStep) {
    picture().fill(kRed);
    tools.SetDrawMode(ModeRegionFill);
    tools.DrwGrdMouseDown(Qt::LeftButton, {3, 3});
    tools.DrwGrdMouseUp({3, 3});
    EXPECT_EQ(CountColour(picture(), kRed), 400);
    EXPECT_EQ(canvas.changes, 1);
    EXPECT_EQ(canvas.target.undo().Newest(picture()).pixel(0, 0), kRed);
}

TEST_F(ToolsFixture, FillStopsAtOtherColoursAndRightButtonUsesSecondary) {
    for (int y = 0; y < 20; ++y)
        picture().setPixel(10, y, kRed); // a wall down the middle
    tools.SetDrawMode(ModeRegionFill);
    tools.DrwGrdMouseDown(Qt::RightButton, {2, 2});
    EXPECT_EQ(CountColour(picture(), kBlue), 200);
    EXPECT_EQ(picture().pixel(15, 5), kWhite);
}

TEST_F(ToolsFixture, AirbrushAtCornerVisitsOnlyTheSquareInsideThePicture) {
    std::set<std::pair<int, int>> painted;
    int draws = 0;
    tools.random = [&](int lo, int hi) {
        EXPECT_EQ(lo, 1);
        EXPECT_EQ(hi, 500);
        ++draws;
        return 1; // always below the flow threshold
    };
    tools.SetDrawMode(ModeAirBrush);
    tools.DrwGrdMouseDown(Qt::LeftButton, {0, 0});
    tools.DrwGrdMouseUp({0, 0});
    EXPECT_EQ(draws, 36);
    EXPECT_EQ(CountColour(picture(), kRed), 36);
    EXPECT_EQ(picture().pixel(5, 5), kRed);
    EXPECT_EQ(picture().pixel(6, 0), kWhite);
    EXPECT_EQ(picture().pixel(0, 6), kWhite);
}

TEST_F(ToolsFixture, AirbrushFlowSetsTheThreshold) {
    // Draws at the threshold paint nothing; one below it paints.
    tools.airBrush = {1, 5};
    tools.SetDrawMode(ModeAirBrush);
    tools.random = [](int, int) { return 50; };
    tools.DrwGrdMouseDown(Qt::LeftButton, {10, 10});
    tools.DrwGrdMouseUp({10, 10});
    EXPECT_EQ(CountColour(picture(), kRed), 0);
    tools.random = [](int, int) { return 49; };
    tools.DrwGrdMouseDown(Qt::LeftButton, {10, 10});
    tools.DrwGrdMouseMove({11, 10}); // spraying continues while the button is held
    tools.DrwGrdMouseUp({11, 10});
    EXPECT_EQ(CountColour(picture(), kRed), 12);
}

TEST_F(ToolsFixture, SelectingUpAndLeftCutsTheSpannedRegion) {
    picture().setPixel(4, 7, kRed);
    picture().setPixel(10, 10, kBlue);
    tools.SetDrawMode(ModeSelectRegion);
    tools.DrwGrdMouseDown(Qt::LeftButton, {10, 10});
    tools.DrwGrdMouseMove({4, 7});
    // The rubber band is drawn exclusive-or white while dragging.
    EXPECT_EQ(picture().pixel(6, 7), qRgb(0, 0, 0));
    tools.DrwGrdMouseUp({4, 7});
    ASSERT_EQ(tools.region().size(), QSize(7, 4));
    EXPECT_EQ(tools.region().pixel(0, 0), kRed);
    EXPECT_EQ(tools.region().pixel(6, 3), kBlue);
    EXPECT_EQ(picture().pixel(6, 7), kWhite); // outline removed
    EXPECT_EQ(tools.mode(), ModePasteRegion);
    EXPECT_TRUE(tools.regionAvailable());
}

TEST_F(ToolsFixture, GrabOfPureBlackGivesVisibleBlack) {
    picture().setPixel(2, 2, qRgb(0, 0, 0));
    tools.SetDrawMode(ModeGrabColour);
    tools.DrwGrdMouseDown(Qt::LeftButton, {2, 2});
    EXPECT_EQ(tools.primary(), qRgb(16, 16, 16));
    picture().setPixel(3, 3, kWhite);
    tools.DrwGrdMouseDown(Qt::RightButton, {3, 3});
    EXPECT_EQ(tools.secondary(), kWhite);
}

TEST_F(ToolsFixture, RectangleFollowsTheMouseAndCoversBothCorners) {
    tools.SetDrawMode(ModeRectangle);
    tools.DrwGrdMouseDown(Qt::LeftButton, {2, 2});
    tools.DrwGrdMouseMove({12, 12});
    tools.DrwGrdMouseMove({5, 6}); // the earlier, larger shape is taken back
    tools.DrwGrdMouseUp({5, 6});
    EXPECT_EQ(picture().pixel(2, 2), kRed);
    EXPECT_EQ(picture().pixel(5, 6), kRed);
    EXPECT_EQ(picture().pixel(3, 3), kBlue); // inside in the fill colour
    EXPECT_EQ(picture().pixel(12, 12), kWhite);
    EXPECT_EQ(CountColour(picture(), kRed) + CountColour(picture(), kBlue), 4 * 5);
}

TEST_F(ToolsFixture, RightButtonSwapsPenAndFill) {
    tools.SetDrawMode(ModeEllipse);
    Drag(Qt::RightButton, {0, 0}, {10, 10});
    EXPECT_EQ(picture().pixel(5, 0), kBlue);  // outline
    EXPECT_EQ(picture().pixel(5, 5), kRed);   // inside
    EXPECT_EQ(picture().pixel(0, 0), kWhite); // corner outside the ellipse
}

TEST_F(ToolsFixture, LineIncludesBothEndsAndDrawSkipsRepeats) {
    tools.SetDrawMode(ModeLine);
    Drag(Qt::LeftButton, {1, 1}, {8, 1});
    EXPECT_EQ(CountColour(picture(), kRed), 8);

    tools.SetDrawMode(ModeDraw);
    tools.DrwGrdMouseDown(Qt::LeftButton, {0, 5});
    tools.DrwGrdMouseMove({1, 5});
    tools.DrwGrdMouseUp({1, 5});
    EXPECT_EQ(picture().pixel(0, 5), kRed);
    EXPECT_EQ(picture().pixel(1, 5), kRed);
    EXPECT_EQ(canvas.changes, 2); // one step per stroke, not per pixel
}

TEST_F(ToolsFixture, SwitchColourRepaintsEveryPixelOfTheClickedColour) {
    picture().setPixel(1, 1, kBlue);
    picture().setPixel(15, 15, kBlue);
    tools.SetDrawMode(ModeSwitchColour);
    tools.DrwGrdMouseDown(Qt::LeftButton, {15, 15});
    EXPECT_EQ(CountColour(picture(), kRed), 2);
}

TEST_F(ToolsFixture, ColourBoxesCopyBetweenPrimaryAndSecondary) {
    tools.PCBoxMouseDown(Qt::RightButton);
    EXPECT_EQ(tools.secondary(), kRed);
    tools.SetSecondary(kBlue);
    tools.SCBoxMouseDown(Qt::LeftButton);
    EXPECT_EQ(tools.primary(), kBlue);
    tools.SetPrimary(qRgb(0, 0, 0));
    EXPECT_EQ(tools.primary(), kVisibleBlack);
    EXPECT_EQ(tools.pen(), kVisibleBlack); // style 1 selected after a colour change
}

TEST_F(ToolsFixture, ModesShowTheirLabelsAndStyles) {
    tools.SetDrawMode(ModeRegionFill);
    EXPECT_EQ(tools.modeLabel(), "Region Fill");
    EXPECT_EQ(tools.style(), StyleLeft);
    tools.SetDrawMode(ModeSelectRegion);
    EXPECT_EQ(tools.modeLabel(), "Select Region");
    EXPECT_EQ(tools.style(), StyleOutline);
    EXPECT_EQ(ModeInfoFor(ModePasteRegion).cursor, Qt::DragMoveCursor);
    EXPECT_FALSE(tools.regionAvailable());
    tools.SetDrawMode(ModePasteRegion);
    EXPECT_TRUE(tools.regionAvailable());
}

TEST_F(ToolsFixture, ClearAndFlips) {
    picture().setPixel(0, 0, kRed);
    tools.HorizFlipClick();
    EXPECT_EQ(picture().pixel(19, 0), kRed);
    tools.VertFlipClick();
    EXPECT_EQ(picture().pixel(19, 19), kRed);
    tools.ClrClick();
    EXPECT_EQ(CountColour(picture(), kBlue), 400);
    tools.UndoWrkClick();
    EXPECT_EQ(picture().pixel(19, 19), kRed);
}

TEST_F(ToolsFixture, HexSideLinesOfTheOlderTilingDrawThreeSides) {
    picture() = Plain(15, 15, kWhite);
    canvas.target.InitUndo();
    tools.DrwHexClick(LayoutVertical, false);
    // Top edge from 15 div 5 = 3 to the right border, the two left sides.
    EXPECT_EQ(picture().pixel(14, 0), kRed);
    EXPECT_EQ(picture().pixel(2, 0), kWhite);
    EXPECT_EQ(picture().pixel(0, 7), kRed);
    EXPECT_EQ(picture().pixel(3, 14), kRed);
    EXPECT_EQ(picture().pixel(14, 7), kWhite); // no right side
}

TEST_F(ToolsFixture, HexSideLinesOfARealHexSetDrawTheWholeOutline) {
    picture() = Plain(15, 15, kWhite);
    canvas.target.InitUndo();
    tools.SetDrawMode(ModeSelectRegion);
    tools.DrwHexClick(0, true); // layout 0 is read as Vertical
    EXPECT_EQ(picture().pixel(14, 7), kRed);
    EXPECT_EQ(picture().pixel(11, 14), kRed);
    EXPECT_EQ(tools.style(), StyleOutline); // back to the outline style of its mode
}

TEST_F(ToolsFixture, AQuickFreehandStrokeLeavesNoGaps) {
    tools.SetDrawMode(ModeDraw);
    tools.DrwGrdMouseDown(Qt::LeftButton, {1, 1});
    tools.DrwGrdMouseMove({11, 1}); // the mouse jumped ten pixels between two reports
    tools.DrwGrdMouseMove({11, 6});
    tools.DrwGrdMouseUp({11, 6});
    EXPECT_EQ(CountColour(picture(), kRed), 11 + 5);
    EXPECT_EQ(picture().pixel(6, 1), kRed);
    EXPECT_EQ(picture().pixel(11, 4), kRed);
    EXPECT_EQ(canvas.target.undo().undoSteps(), 1);
}

TEST_F(ToolsFixture, AClickWithoutADragSetsOnePixelWithEveryShapeTool) {
    for (int mode : {ModeLine, ModeRectangle, ModeEllipse}) {
        picture().fill(kWhite);
        tools.SetDrawMode(mode);
        tools.DrwGrdMouseDown(Qt::LeftButton, {5, 7});
        tools.DrwGrdMouseUp({5, 7});
        EXPECT_EQ(CountColour(picture(), kRed), 1) << mode;
        EXPECT_EQ(picture().pixel(5, 7), kRed) << mode;
    }
    EXPECT_EQ(canvas.target.undo().undoSteps(), 3);
}

TEST_F(ToolsFixture, AClickThatChangesNothingUsesNoUndoStep) {
    picture().setPixel(5, 7, kRed);
    for (int mode : {ModeDraw, ModeLine, ModeRectangle, ModeEllipse, ModeSelectRegion}) {
        tools.SetDrawMode(mode);
        tools.DrwGrdMouseDown(Qt::LeftButton, {5, 7});
        tools.DrwGrdMouseUp({5, 7});
    }
    EXPECT_FALSE(canvas.target.undo().canUndo());
    EXPECT_EQ(tools.mode(), ModePasteRegion); // the selection was made all the same
}

TEST_F(ToolsFixture, DragsPastTheLeftAndTopEdgesAreDroppedAsPastTheOthers) {
    // The grid passes positions outside the picture on as negative pixels.
    EXPECT_EQ(GridPixel(QPoint(-3, 10), 8), QPoint(-1, 1));
    EXPECT_EQ(GridPixel(QPoint(-8, -9), 8), QPoint(-1, -2));
    EXPECT_EQ(GridPixel(QPoint(7, 8), 8), QPoint(0, 1));

    tools.SetDrawMode(ModeRectangle);
    Drag(Qt::LeftButton, {2, 2}, {-3, -3});
    // The outline runs outside the picture: column and row 0 are inside the shape.
    EXPECT_EQ(picture().pixel(0, 1), kBlue);
    EXPECT_EQ(picture().pixel(2, 1), kRed);
    picture().fill(kWhite);
    tools.SetDrawMode(ModeLine);
    Drag(Qt::LeftButton, {3, 18}, {30, 18});
    Drag(Qt::LeftButton, {3, 5}, {-4, 12});
    EXPECT_EQ(picture().pixel(19, 18), kRed);
    EXPECT_EQ(picture().pixel(0, 8), kRed); // the line crosses column 0 where it really does
    EXPECT_EQ(picture().pixel(0, 12), kWhite);
    tools.SetDrawMode(ModeDraw);
    Drag(Qt::LeftButton, {1, 15}, {-6, 15});
    EXPECT_EQ(picture().pixel(0, 15), kRed);
    tools.DrwGrdMouseDown(Qt::LeftButton, {0, 2});
    tools.DrwGrdMouseMove({-1, 2});
    tools.DrwGrdMouseMove({-5, 3}); // outside all the way: nothing is painted at row 3
    tools.DrwGrdMouseUp({-5, 3});
    EXPECT_EQ(picture().pixel(0, 3), kWhite);
}
