#include "HexTestSupport.h"
#include "SelectHxMrkLogic.h"
#include "TSelectHxMrk.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct SelectHxMrk : ::testing::Test {
    HexBench bench;
    SelectHxMrkLogic logic{*bench.context};
    std::array<int, kMarkerSlots>& table() { return bench.battle.markerTable; }
};

TEST_F(SelectHxMrk, OpensOnHotHexAndFollowsTheSlotsSymbol) {
    table()[MarkerHotHex] = 1;
    table()[MarkerObjective] = 3;
    table()[MarkerCaltrops] = kNoSymbol;
    logic.FormActivate();
    EXPECT_EQ(logic.slot(), MarkerHotHex);
    EXPECT_EQ(logic.row(), 2); // rows list symbols 3, 2, 1, 0
    EXPECT_EQ(logic.symbolName(), "T1");
    logic.MarkerButtonClick(MarkerObjective);
    EXPECT_EQ(logic.row(), 0);
    // An empty slot leaves the row where it was.
    logic.MarkerButtonClick(MarkerCaltrops);
    EXPECT_EQ(logic.row(), 0);
    EXPECT_EQ(logic.slot(), MarkerCaltrops);

    logic.TerListClick(3);
    EXPECT_EQ(table()[MarkerCaltrops], 0);
    EXPECT_EQ(bench.context->terrainSelection, 0);
    EXPECT_EQ(table()[MarkerObjective], 3);
    EXPECT_TRUE(bench.document.modified());
}

TEST_F(SelectHxMrk, ChoosingTheSymbolTheSlotHoldsStillRemarksThatSide) {
    table()[MarkerWesternReinforcement] = 0; // row 3
    bench.PlaceUnit(11, 1, 3);
    bench.PlaceUnit(13, 2, 4);
    bench.battle.SetReinforcementMarker(11, 2); // out of step with the slot
    bench.battle.SetReinforcementMarker(13, 2);
    BattleDocumentTestAccess::TakeAsOpened(bench.document);
    logic.FormActivate();
    logic.MarkerButtonClick(MarkerWesternReinforcement);
    ASSERT_EQ(logic.row(), 3);
    logic.TerListClick(3);
    EXPECT_EQ(bench.battle.hex(11).reinforcementMarker, 0);
    EXPECT_EQ(bench.battle.hex(13).reinforcementMarker, 2); // the other side's
    EXPECT_TRUE(bench.document.modified());
    BattleDocumentTestAccess::TakeAsOpened(bench.document);
    logic.TerListClick(3); // nothing left to change
    EXPECT_FALSE(bench.document.modified());
}

TEST_F(SelectHxMrk, NewReinforcementMarkerGoesOnlyToThatSidesReinforcementHexes) {
    table()[MarkerWesternReinforcement] = 2;
    table()[MarkerEasternReinforcement] = 3;
    bench.PlaceUnit(11, 1, 3);
    bench.PlaceUnit(12, 1, 1);
    bench.PlaceUnit(13, 2, 4);
    bench.PlaceUnit(14, 1, 2);
    for (const int h : {11, 13, 14})
        bench.battle.SetReinforcementMarker(h, h == 13 ? 3 : 2);
    bench.battle.SetReinforcementMarker(12, 2); // a stray marker under an arrived unit
    logic.FormActivate();
    logic.MarkerButtonClick(MarkerWesternReinforcement);
    logic.TerListClick(3); // symbol 0
    EXPECT_EQ(table()[MarkerWesternReinforcement], 0);
    EXPECT_EQ(bench.battle.hex(11).reinforcementMarker, 0);
    EXPECT_EQ(bench.battle.hex(14).reinforcementMarker, 0);
    EXPECT_EQ(bench.battle.hex(12).reinforcementMarker, 2);
    EXPECT_EQ(bench.battle.hex(13).reinforcementMarker, 3);

    logic.MarkerButtonClick(MarkerEasternReinforcement);
    logic.TerListClick(2); // symbol 1
    EXPECT_EQ(bench.battle.hex(13).reinforcementMarker, 1);
    EXPECT_EQ(bench.battle.hex(11).reinforcementMarker, 0);
}

TEST_F(SelectHxMrk, WindowPutsTheClickedRowIntoTheCheckedSlot) {
    TSelectHxMrk dialog(*bench.context);
    table()[MarkerHotHex] = 3;
    QTimer::singleShot(0, &dialog, [&] {
        auto* overlay = dialog.findChild<QRadioButton*>("OvrLayBtn");
        auto* list = dialog.findChild<QListWidget*>("TerList");
        ASSERT_TRUE(overlay && list);
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("HHexBtn")->isChecked());
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(overlay->text(), "Map OverLay");
        overlay->click();
        list->setCurrentRow(1);
        dialog.findChild<QPushButton*>("OkBtn")->click();
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(table()[MarkerMapOverlay], 2);
    EXPECT_EQ(table()[MarkerHotHex], 3);
    EXPECT_TRUE(bench.document.modified());
}

TEST_F(SelectHxMrk, AClickOnTheHighlightedRowFillsTheCheckedSlot) {
    TSelectHxMrk dialog(*bench.context);
    table()[MarkerHotHex] = 3;             // row 0
    table()[MarkerMapOverlay] = kNoSymbol; // an empty slot keeps row 0 highlighted
    QTimer::singleShot(0, &dialog, [&] {
        auto* list = dialog.findChild<QListWidget*>("TerList");
        ASSERT_TRUE(list);
        dialog.findChild<QRadioButton*>("OvrLayBtn")->click();
        ASSERT_EQ(list->currentRow(), 0);
        const QRect r = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        dialog.findChild<QPushButton*>("OkBtn")->click();
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(table()[MarkerMapOverlay], 3);
}

} // namespace
