#include "HexTestSupport.h"
#include "SelectTerLogic.h"
#include "TSelectTer.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct SelectTer : ::testing::Test {
    HexBench bench;
    SelectTerLogic logic{*bench.context};
    TerrainAttr& attr(int symbol) { return bench.battle.terrainAttrs[size_t(symbol)]; }
};

TEST_F(SelectTer, OpensOnTheSelectedTerrainInDisplayOrderWithTheKindsCaption) {
    bench.context->terrainSelection = 2;
    attr(2).name = "Forest";
    attr(2).elevation = 3;
    attr(2).costPerMove = 4;
    attr(2).defenceModifier = -2;
    logic.kind = PickerFill;
    logic.FormActivate();
    EXPECT_EQ(logic.rows().names, QStringList({"T3", "T2", "T1", "T0"}));
    EXPECT_EQ(logic.row(), 1);
    EXPECT_EQ(logic.name(), "Forest");
    EXPECT_EQ(logic.symbolName(), "T2");
    EXPECT_EQ(logic.elevationText(), "3");
    EXPECT_EQ(logic.costText(), "4");
    EXPECT_EQ(logic.defenceText(), "-2");
    EXPECT_EQ(logic.arrowPosition(), 16383);
    EXPECT_EQ(logic.caption(), "Primary Terrain Fill");
    logic.kind = PickerPrimary;
    EXPECT_EQ(logic.caption(), "Primary Terrain");
    logic.kind = 7;
    EXPECT_EQ(logic.caption(), "Secondary Terrain");
}

TEST_F(SelectTer, ClearedSelectionHighlightsNoRowAndStaysCleared) {
    for (const int unlisted : {kNoSymbol, 700}) {
        bench.context->terrainSelection = unlisted;
        attr(3).name = "Grass";
        attr(3).elevation = 2;
        logic.FormActivate();
        EXPECT_EQ(logic.row(), -1);
        // OK lays no terrain: the picker shows no terrain's name or values, and its
        // arrows and name box change no terrain (not the first row's).
        EXPECT_FALSE(logic.valuesShown());
        EXPECT_EQ(logic.name(), "");
        EXPECT_EQ(logic.elevationText(), "");
        logic.ElvUpDnClick(true);
        logic.SymNameChange("Bog");
        EXPECT_EQ(attr(3).elevation, 2);
        EXPECT_EQ(attr(3).name.text(), "Grass");
        EXPECT_EQ(bench.context->terrainSelection, unlisted);
        // Picking a row ends the cleared state.
        logic.TerListClick(2);
        EXPECT_EQ(bench.context->terrainSelection, 1);
        EXPECT_EQ(logic.symbolName(), "T1");
        EXPECT_TRUE(logic.valuesShown());
    }
}

TEST_F(SelectTer, ValueStepsStopAtTheirBoundsAndMarkTheBattleOnlyWhenTheyChange) {
    bench.context->terrainSelection = 0;
    logic.FormActivate();
    TerrainAttr& a = attr(0);
    a.costPerMove = 13;
    a.elevation = 0;
    a.defenceModifier = -8;
    BattleDocumentTestAccess::TakeAsOpened(bench.document);
    logic.CpmUpDnClick(true);
    EXPECT_EQ(a.costPerMove, 13);
    logic.ElvUpDnClick(false);
    EXPECT_EQ(a.elevation, 0);
    logic.DefUpDnClick(false);
    EXPECT_EQ(a.defenceModifier, -8);
    EXPECT_FALSE(bench.document.modified());
    a.costPerMove = 0;
    BattleDocumentTestAccess::TakeAsOpened(bench.document);
    logic.CpmUpDnClick(false);
    EXPECT_EQ(a.costPerMove, 0);
    EXPECT_FALSE(bench.document.modified());

    for (int i = 0; i < 20; ++i) {
        logic.ElvUpDnClick(true);
        logic.DefUpDnClick(true);
        logic.CpmUpDnClick(true);
    }
    EXPECT_EQ(a.elevation, 10);
    EXPECT_EQ(a.defenceModifier, 8);
    EXPECT_EQ(a.costPerMove, 13);
    EXPECT_TRUE(bench.document.modified());
    EXPECT_EQ(logic.costText(), "13");
}

TEST_F(SelectTer, CostFromAFileBelowZeroCannotRiseAndStepsDownIntoRange) {
    bench.context->terrainSelection = 0;
    logic.FormActivate();
    attr(0).costPerMove = -1;
    logic.CpmUpDnClick(true);
    EXPECT_EQ(attr(0).costPerMove, -1);
    logic.CpmUpDnClick(false);
    EXPECT_EQ(attr(0).costPerMove, 13);
}

TEST_F(SelectTer, NameIsKeptAtTwentyCharactersAndClearEndsWithNoTerrain) {
    bench.context->terrainSelection = 1;
    logic.FormActivate();
    logic.SymNameChange("A very long terrain name indeed");
    EXPECT_EQ(attr(1).name.text(), "A very long terrain ");
    EXPECT_TRUE(bench.document.modified());
    EXPECT_EQ(logic.Button2Click(), 2);
    EXPECT_EQ(attr(1).name.text(), "A very long terrain ");
    EXPECT_EQ(logic.Button3Click(), 1);
    EXPECT_EQ(bench.context->terrainSelection, kNoSymbol);
}

TEST_F(SelectTer, PreviewDrawsAMaskedSymbolOverSilverAndAnUnmaskedOneOpaque) {
    bench.context->terrainSelection = 1;
    logic.FormActivate();
    const QImage& masked = logic.preview();
    ASSERT_EQ(masked.size(), QSize(kTestCell, kTestCell));
    EXPECT_EQ(masked.pixel(0, 0), TestTerrainColour(1));
    EXPECT_EQ(masked.pixel(kTestCell - 1, kTestCell - 1), qRgb(192, 192, 192));
    logic.TerListClick(0); // symbol 3, no mask
    EXPECT_EQ(logic.preview().pixel(kTestCell - 1, 0), TestTerrainColour(3));
}

// After "Clear" the picker shows what OK (or a click on the map) lays: no terrain, not
// the first row's picture beside the first row's values.
TEST_F(SelectTer, ClearedSelectionPreviewsNoTerrain) {
    bench.context->terrainSelection = kNoSymbol;
    logic.kind = PickerFill;
    logic.FormActivate();
    EXPECT_EQ(logic.symbolName(), SelectTerLogic::kNoTerrainName);
    const QImage& preview = logic.preview();
    ASSERT_EQ(preview.size(), QSize(kTestCell, kTestCell));
    for (const QPoint p : {QPoint(0, 0), QPoint(kTestCell / 2, kTestCell / 2)})
        EXPECT_EQ(preview.pixel(p), qRgb(192, 192, 192));
    EXPECT_EQ(logic.Button1Click(), 1);
    EXPECT_EQ(bench.context->terrainSelection, kNoSymbol);
    logic.TerListClick(0);
    EXPECT_EQ(logic.symbolName(), "T3");
    EXPECT_EQ(logic.preview().pixel(kTestCell - 1, 0), TestTerrainColour(3));
}

TEST_F(SelectTer, FloatingHidesTheButtonsAndTheFillEndsThroughThem) {
    TSelectTer picker(*bench.context);
    bench.context->terrainSelection = 2;
    picker.ShowFloating(PickerSecondary);
    auto* clear = picker.findChild<QPushButton*>("Button3");
    auto* list = picker.findChild<QListWidget*>("TerList");
    auto* name = picker.findChild<QLineEdit*>("SymName");
    ASSERT_TRUE(clear && list && name);
    EXPECT_EQ(picker.windowTitle(), "Secondary Terrain");
    EXPECT_FALSE(clear->isVisible());
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(name->maxLength(), 20);
    list->setCurrentRow(3);
    EXPECT_EQ(bench.context->terrainSelection, 0);
    // A second command re-activates the open picker with its kind.
    picker.ShowFloating(PickerPrimary);
    EXPECT_EQ(picker.windowTitle(), "Primary Terrain");

    QTimer::singleShot(0, clear, [clear] {
        EXPECT_TRUE(clear->isVisible());
        clear->click();
    });
    EXPECT_EQ(picker.ExecModal(PickerFill), 1);
    EXPECT_EQ(bench.context->terrainSelection, kNoSymbol);
    auto* cancel = picker.findChild<QPushButton*>("Button2");
    QTimer::singleShot(0, cancel, [cancel, name] {
        EXPECT_FALSE(name->isEnabled()); // cleared: no terrain's name to edit
        EXPECT_EQ(name->text(), "");
        cancel->click();
    });
    EXPECT_EQ(picker.ExecModal(PickerFill), 2);
}

// A left click on a row of the list as the designer makes it.
void ClickRow(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

TEST_F(SelectTer, EveryClickOnARowChoosesItAfterClearToo) {
    TSelectTer picker(*bench.context);
    bench.context->terrainSelection = kNoSymbol; // after "Clear"
    picker.ShowFloating(PickerPrimary);
    auto* list = picker.findChild<QListWidget*>("TerList");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    ClickRow(list, 0);
    EXPECT_EQ(bench.context->terrainSelection, 3);
    // Another dialog changed the selection; the row still highlighted chooses again.
    bench.context->terrainSelection = 1;
    ClickRow(list, 0);
    EXPECT_EQ(bench.context->terrainSelection, 3);
    ClickRow(list, 2);
    EXPECT_EQ(bench.context->terrainSelection, 1);
}

} // namespace
