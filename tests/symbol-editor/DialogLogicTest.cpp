#include "EditorFixtures.h"

#include <NamePrompts.h>
#include <NewSetLogic.h>
#include <OptimiseLogic.h>
#include <SymbolListLogic.h>
#include <SymbolTextLogic.h>

#include <SetMaintenance.h>
#include <SymbolStorage.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QRgb kGrey = qRgb(192, 192, 192);

// Answers the list's questions from the test.
struct ScriptedPrompts : SymbolListPrompts {
    QString name;
    bool confirm = true;
    int unitAsks = 0;
    QSize unitSizeSeen;
    std::vector<QString> errors;
    bool AskName(NamePromptLogic& prompt) override {
        return prompt.OKBtnClick(name, [] { return 1; });
    }
    bool AskUnitSize(UnitSizeLogic& dialog) override {
        ++unitAsks;
        unitSizeSeen = dialog.sizes[2];
        return dialog.names.OKBtnClick(name, [] { return 1; });
    }
    bool ConfirmRemove() override { return confirm; }
    void ShowError(const QString& message) override { errors.push_back(message); }
};

struct ListFixture : ::testing::Test {
    QTemporaryDir dir;
    SymbolSet set;
    SymbolSelection selection;
    ScriptedPrompts prompts;

    // A real-hex set (hex 28 at level 3) with terrain "Blank", "A", "B".
    void SetUp() override {
        ASSERT_TRUE(CreateNewSet(set, dir.path(), LayoutVertical, true, {5, 15, 28}).ok);
        for (const char* name : {"A", "B"})
            ASSERT_TRUE(AddSymbol(set, SymbolKind::Terrain, name, {}, kGrey).ok);
        selection.kind = 1;
    }
    std::vector<QString> Names(const SymbolListLogic& list) { return list.FillGrid(); }
};

} // namespace

TEST_F(ListFixture, ButtonsFollowCountPositionAndTheStockSet) {
    SymbolListLogic list(set, selection, kGrey);
    list.FormActivate();
    EXPECT_EQ(list.position(), 1);
    ListButtons b = list.SymSelect();
    EXPECT_TRUE(b.remove && b.copy && b.create && b.edit && b.rename && b.down);
    EXPECT_FALSE(b.up);
    EXPECT_EQ(list.UpdateCounter(), " Map/Brd Sym0001 of 0003");

    SymbolSet stock = set;
    stock.setPath = dir.path() + "/Varnholm.set";
    SymbolListLogic stockList(stock, selection, kGrey);
    EXPECT_FALSE(stockList.SymSelect().remove);
}

TEST_F(ListFixture, OneTerrainSymbolCannotGoButOneUnitCan) {
    SymbolSet single;
    QTemporaryDir other;
    ASSERT_TRUE(CreateNewSet(single, other.path(), LayoutGrid, false, {5, 15, 28}).ok);
    ASSERT_TRUE(
        AddSymbol(single, SymbolKind::Unit, "U", {QSize(2, 2), QSize(3, 3), QSize(4, 4)}, kGrey)
            .ok);
    SymbolSelection terrain{1, 0, 1}, unit{2, 0, 1};
    EXPECT_FALSE(SymbolListLogic(single, terrain, kGrey).SymSelect().remove);
    SymbolListLogic units(single, unit, kGrey);
    EXPECT_TRUE(units.SymSelect().remove);
    EXPECT_EQ(units.UpdateCounter(), " Game Piece 0001 of 0001");
    EXPECT_EQ(units.caption(), "Game Pieces");
}

TEST_F(ListFixture, RemovingPositionTwoOfOrder312) {
    set.terrainOrder = {3, 1, 2};
    selection.symbol = 3; // "B" is open in the main window
    selection.position = 2;
    SymbolListLogic list(set, selection, kGrey);
    list.DelSymClick(prompts);
    EXPECT_EQ(set.terrainOrder, (std::vector<int>{2, 1}));
    EXPECT_EQ(Names(list), (std::vector<QString>{"B", "A"}));
    EXPECT_EQ(list.openSymbol(), 2); // still "B"
    EXPECT_FALSE(list.removedOpen());
    EXPECT_EQ(list.position(), 2);
    list.CancelSymClick();
    EXPECT_EQ(list.closeResult, false);
}

TEST_F(ListFixture, RefusedRemovalLeavesTheSetAndRemovingTheOpenSymbolClosesWithOk) {
    selection.symbol = 3;
    selection.position = 3;
    SymbolListLogic list(set, selection, kGrey);
    prompts.confirm = false;
    list.DelSymClick(prompts);
    EXPECT_EQ(list.count(), 3);
    prompts.confirm = true;
    list.DelSymClick(prompts);
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(list.removedOpen());
    EXPECT_EQ(list.position(), 2); // beyond the count: one up
    list.CancelSymClick();
    EXPECT_EQ(list.closeResult, true);
}

TEST_F(ListFixture, MovingTheLastUpAndDownRestoresTheOrderAndWritesIt) {
    selection.position = 3;
    SymbolListLogic list(set, selection, kGrey);
    list.SymUpClick();
    EXPECT_EQ(set.terrainOrder, (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(list.position(), 2);
    list.SymDnClick();
    EXPECT_EQ(set.terrainOrder, (std::vector<int>{1, 2, 3}));
    list.SymUpClick();
    ASSERT_TRUE(list.FormClose().ok);
    SymbolSet reread;
    ASSERT_TRUE(reread.Read(set.setPath).ok);
    EXPECT_EQ(reread.terrainOrder, (std::vector<int>{1, 3, 2}));
}

TEST_F(ListFixture, CreateNewAppendsOnceAndOpensTheNewSymbol) {
    selection.position = 1;
    SymbolListLogic list(set, selection, kGrey);
    prompts.name = "C";
    list.NewSymClick(prompts);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(set.terrainOrder, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(selection.symbol, 4);
    EXPECT_EQ(selection.position, 4);
    EXPECT_EQ(list.closeResult, true);
}

TEST_F(ListFixture, NewUnitStartsAtHalfTheHexAndCopyGetsItsOwnRecord) {
    SymbolSelection units{2, 0, 0};
    SymbolListLogic list(set, units, kGrey);
    prompts.name = "Archers";
    list.NewSymClick(prompts);
    EXPECT_EQ(prompts.unitSizeSeen, QSize(14, 14));
    ASSERT_EQ(set.count(SymbolKind::Unit), 1);
    EXPECT_EQ(set.record(SymbolKind::Unit, 1).cells[2].size(), QSize(14, 14));

    SymbolSelection again{2, 0, 1};
    SymbolListLogic copies(set, again, kGrey);
    prompts.name = "Archers 2";
    copies.CpySymClick(prompts);
    EXPECT_EQ(set.unitOrder, (std::vector<int>{1, 2}));
    EXPECT_EQ(set.record(SymbolKind::Unit, 2).name, "Archers 2");
}

TEST_F(ListFixture, RenameKeepsTheListOpenAndWritesTheName) {
    selection.position = 2;
    SymbolListLogic list(set, selection, kGrey);
    prompts.name = "Marsh";
    list.RenSymClick(prompts);
    EXPECT_FALSE(list.closeResult);
    SymbolSet reread;
    ASSERT_TRUE(reread.Read(set.setPath).ok);
    EXPECT_EQ(reread.record(SymbolKind::Terrain, 2).name, "Marsh");
}

TEST_F(ListFixture, NamePromptRefusesEmptyNamesAndAsksAboutNamesOfTheSameKind) {
    ASSERT_TRUE(
        AddSymbol(set, SymbolKind::Unit, "Archers", {QSize(2, 2), QSize(3, 3), QSize(4, 4)}, kGrey)
            .ok);
    int asked = 0;
    const auto no = [&] {
        ++asked;
        return 2;
    };
    NamePromptLogic terrain(set, SymbolKind::Terrain);
    EXPECT_FALSE(terrain.OKBtnClick("", no));
    EXPECT_TRUE(terrain.OKBtnClick("Archers", no)); // a unit's name is no clash for terrain
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(terrain.OKBtnClick("A", no));
    EXPECT_EQ(asked, 1);

    UnitSizeLogic unit(set);
    EXPECT_FALSE(unit.names.OKBtnClick("", no));
    EXPECT_FALSE(unit.names.OKBtnClick("Archers", no));
    EXPECT_TRUE(unit.names.OKBtnClick("Archers", [] { return 1; }));
    EXPECT_EQ(unit.names.buffer, "Archers");
    unit.names.CancelBtnClick();
    EXPECT_TRUE(unit.names.buffer.isEmpty());
}

TEST_F(ListFixture, UnitSizeSpinsStayWithinBoundsAndPreviewShowsBothFootprints) {
    UnitSizeLogic dialog(set);
    EXPECT_EQ(dialog.sizes[0], QSize(2, 2)); // 5 div 2 raised to the minimum
    dialog.WidthDown(1);
    EXPECT_EQ(dialog.sizes[0].width(), 2);
    EXPECT_EQ(dialog.sizeText(dialog.sizes[2].width()), "014");
    const QImage preview = dialog.Preview(3);
    EXPECT_EQ(preview.pixel(60, 60), qRgb(255, 255, 255)); // the unit over the hex
    EXPECT_EQ(preview.pixel(47, 47), qRgb(0, 128, 0));     // hex footprint 46 .. 73
    EXPECT_EQ(preview.pixel(5, 5), kGrey);
}

TEST(NewSetDialog, RealHexRoundsSizesAndCancelRestoresThem) {
    std::array<int, kLevelCount> sizes{3, 15, 28};
    NewSetLogic logic(sizes, 0, false);
    EXPECT_TRUE(logic.realHex());
    EXPECT_EQ(logic.layout(), LayoutVertical);
    EXPECT_EQ(sizes, (std::array<int, kLevelCount>{5, 15, 25}));
    EXPECT_EQ(logic.hexesText(3), "025 x 014 Hexes per Screen");
    logic.SizeDown(1);
    EXPECT_EQ(logic.size(1), 5);
    logic.SizeUp(3);
    EXPECT_EQ(logic.size(3), 30);
    logic.GridClick();
    logic.SizeDown(1);
    EXPECT_EQ(logic.size(1), 4);
    EXPECT_FALSE(logic.orientationEnabled());
    logic.CancelBtnClick();
    EXPECT_EQ(sizes, (std::array<int, kLevelCount>{3, 15, 28}));
}

TEST(NewSetDialog, PreviewIsAnOliveHexagonOnBlack) {
    std::array<int, kLevelCount> sizes{5, 15, 25};
    NewSetLogic logic(sizes, LayoutHoriz, true);
    EXPECT_EQ(logic.layout(), LayoutHoriz);
    const QImage hex = logic.Preview(3);
    EXPECT_EQ(hex.size(), QSize(25, 25));
    EXPECT_EQ(hex.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(hex.pixel(12, 12), qRgb(128, 128, 0));
    logic.GridClick();
    EXPECT_EQ(logic.Preview(3).pixel(0, 0), qRgb(128, 128, 0));
}

TEST(SymbolText, ArrowsStopAtThePictureEdges) {
    TextFont font;
    SymbolTextLogic text(Plain(40, 30, qRgb(255, 255, 255)), font);
    text.RightClick();
    EXPECT_EQ(text.position(), QPoint(0, 0)); // nothing moves without text
    text.SetText("Hi");
    ASSERT_GT(text.textWidth(), 0);
    ASSERT_LT(text.textWidth(), 40);
    for (int i = 0; i < 100; ++i)
        text.RightClick();
    EXPECT_EQ(text.position().x() + text.textWidth(), 40);
    for (int i = 0; i < 100; ++i)
        text.DownClick();
    EXPECT_EQ(text.position().y() + text.inkHeight(), 30);
    text.LeftClick();
    text.UpClick();
    EXPECT_EQ(text.position(), QPoint(39 - text.textWidth(), 29 - text.inkHeight()));
    // The letters are in the font colour; the rest shows the picture.
    EXPECT_GT(CountColour(text.result(), qRgb(16, 16, 16)), 0);
    EXPECT_EQ(text.result().pixel(0, 0), qRgb(255, 255, 255));
}

TEST(SymbolText, ACancelledColourDialogKeepsTheTextColour) {
    TextFont font;
    SymbolTextLogic text(Plain(40, 30, qRgb(255, 255, 255)), font);
    text.SetText("Hi");
    QFont bold = TextFont::DefaultFont();
    bold.setBold(true);
    text.SetFont(bold, qRgb(200, 0, 0));
    text.SetFont(TextFont::DefaultFont(), std::nullopt); // font chosen, colour cancelled
    EXPECT_EQ(font.colour, qRgb(200, 0, 0));
    EXPECT_FALSE(font.font.bold());
    EXPECT_GT(CountColour(text.result(), qRgb(200, 0, 0)), 0);
    text.SetFont(bold, qRgb(0, 0, 0));
    EXPECT_EQ(font.colour, qRgb(16, 16, 16)); // pure black is the visible black
}

TEST(Optimise, PresetsTickWhatPacksSmallerAndSkipEmptyKinds) {
    QTemporaryDir dir;
    SymbolSet set;
    ASSERT_TRUE(CreateNewSet(set, dir.path(), LayoutGrid, false, {5, 15, 28}).ok);
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(AddSymbol(set, SymbolKind::Terrain, name, {}, kGrey).ok);
    OptimiseLogic fresh(set);
    fresh.FormShow();
    EXPECT_FALSE(fresh.ticked[0]); // already packed
    EXPECT_FALSE(fresh.enabled[1]);
    EXPECT_FALSE(fresh.enabled[2]);
    EXPECT_EQ(fresh.status, "Select Start to Optimize Sets.");

    ASSERT_TRUE(RemoveSymbol(set, SymbolKind::Terrain, 2).ok);
    OptimiseLogic after(set);
    after.FormShow();
    EXPECT_TRUE(after.ticked[0]); // the hatched cell can go
    ASSERT_TRUE(after.StartClick().ok);
    EXPECT_EQ(after.status, "Done");
    EXPECT_FALSE(after.startEnabled);
    EXPECT_EQ(after.levelLabel, "Terrain Level 3");
    EXPECT_EQ(set.contents.bitmapSize(SymbolKind::Terrain, 3), QSize(3 * 28, 28));
}
