#include "AddLocationLogic.h"
#include "HexTestSupport.h"
#include "TAddLocation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct AddLocation : ::testing::Test {
    HexBench bench;
    AddLocationLogic logic{*bench.context};

    void OpenOn(int h) {
        bench.context->currentHex = h;
        logic.FormActivate();
    }
    int TextWithStyle(int h, int style) {
        MapTextRecord r;
        r.text = "Ford";
        r.fontSize = {10, 14, 18};
        r.orientation = {2, 3, 4};
        r.style = uint8_t(style);
        return bench.battle.AddMapText(r, h);
    }
};

TEST_F(AddLocation, TextCreatedAndLeftAtOnceHasTheNewTextValues) {
    OpenOn(27);
    EXPECT_TRUE(logic.addEnabled());
    EXPECT_FALSE(logic.groupsEnabled());
    EXPECT_EQ(logic.draft().fontName, "Ariaw");
    EXPECT_EQ(logic.draft().sizes, (std::array<int, 3>{0, 0, 0}));
    logic.NewBtnClick();
    EXPECT_EQ(logic.shownText(), 1);
    EXPECT_TRUE(logic.removeEnabled());
    EXPECT_FALSE(logic.addEnabled());
    EXPECT_EQ(logic.ExitBtnClick(), 1);
    const MapTextRecord& t = bench.battle.mapTexts()[1];
    EXPECT_EQ(t.text.text(), "Map Text");
    EXPECT_EQ(t.fontName.text(), "Ariaw");
    EXPECT_EQ(t.colour, 0u);
    EXPECT_EQ(t.fontSize, (std::array<uint8_t, 3>{8, 12, 16}));
    EXPECT_EQ(t.orientation, (std::array<uint8_t, 3>{1, 1, 1}));
    EXPECT_EQ(t.style, 9);
    EXPECT_EQ(t.hex, 27);
    EXPECT_EQ(bench.battle.hex(27).mapTextNo, 1);
    EXPECT_TRUE(bench.document.modified());
}

TEST_F(AddLocation, StyleBitsSplitOnOpeningAndAddUpOnStoring) {
    TextWithStyle(5, 9 + 16 + 32);
    OpenOn(5);
    EXPECT_TRUE(logic.draft().bold);
    EXPECT_TRUE(logic.draft().italic);
    EXPECT_FALSE(logic.draft().underline);
    EXPECT_EQ(logic.draft().remainder, 9);
    logic.TxtBldClick();
    logic.ExitBtnClick();
    EXPECT_EQ(bench.battle.mapTexts()[1].style, 9 + 32);

    // A remaining value other than 9, read from a file, is carried unchanged.
    TextWithStyle(6, 128 + 3 + 64);
    OpenOn(6);
    EXPECT_TRUE(logic.draft().underline);
    logic.TxtUndClick();
    logic.TxtItlClick();
    logic.ExitBtnClick();
    EXPECT_EQ(bench.battle.mapTexts()[2].style, 128 + 3 + 32);

    // While the window fills the boxes, their changes are not clicks.
    logic.filling = true;
    logic.TxtBldClick();
    EXPECT_FALSE(logic.draft().bold);
}

TEST_F(AddLocation, RemovingTheSecondOfThreeRenumbersTheThirdsHex) {
    TextWithStyle(10, 9);
    TextWithStyle(20, 9);
    TextWithStyle(30, 9);
    OpenOn(20);
    EXPECT_EQ(logic.RemveBtnClick(), 1);
    ASSERT_EQ(bench.battle.mapTexts().count(), 2);
    EXPECT_EQ(bench.battle.hex(20).mapTextNo, 0);
    EXPECT_EQ(bench.battle.hex(30).mapTextNo, 2);
    EXPECT_EQ(bench.battle.mapTexts()[2].hex, 30);
    EXPECT_EQ(bench.battle.hex(10).mapTextNo, 1);
}

TEST_F(AddLocation, AddIsRefusedWhenTheTableIsFull) {
    for (int h = 0; h < kMaxMapTexts; ++h)
        TextWithStyle(h, 9);
    const MapTextTable before = bench.battle.mapTexts();
    BattleDocumentTestAccess::TakeAsOpened(bench.document);
    OpenOn(kMaxMapTexts);
    bench.sounds->ClearPlayed();
    logic.NewBtnClick();
    EXPECT_EQ(logic.shownText(), 0);
    EXPECT_EQ(bench.sounds->played(), std::vector<int>{SoundRefusal});
    EXPECT_EQ(bench.refusals.size(), 1);
    EXPECT_EQ(bench.battle.mapTexts(), before);
    EXPECT_FALSE(bench.document.modified());
    EXPECT_EQ(logic.ExitBtnClick(), 1);
    EXPECT_EQ(bench.battle.mapTexts(), before);
}

TEST_F(AddLocation, SizeArrowsSelectTheirLevelAndClampToAByte) {
    OpenOn(12);
    logic.NewBtnClick();
    bench.sounds->ClearPlayed();
    logic.UpDownClick(3, true);
    EXPECT_EQ(logic.level(), 3);
    EXPECT_EQ(logic.sampleSize(), 17);
    EXPECT_EQ(logic.orientationHeading(), "Level 3 Orientation");
    for (int i = 0; i < 300; ++i)
        logic.UpDownClick(3, true);
    EXPECT_EQ(logic.draft().sizes[2], 255);
    for (int i = 0; i < 20; ++i)
        logic.UpDownClick(1, false);
    EXPECT_EQ(logic.draft().sizes[0], 0);
    EXPECT_EQ(logic.level(), 1);
    logic.TPosClick(8);
    logic.FSzePanClick(2);
    logic.TPosClick(5);
    EXPECT_EQ(logic.selectedPosition(), 5);
    logic.ExitBtnClick();
    const MapTextRecord& t = bench.battle.mapTexts()[1];
    EXPECT_EQ(t.fontSize, (std::array<uint8_t, 3>{0, 12, 255}));
    EXPECT_EQ(t.orientation, (std::array<uint8_t, 3>{8, 5, 1}));
    for (const int effect : bench.sounds->played())
        EXPECT_EQ(effect, SoundClick);
    EXPECT_EQ(bench.sounds->played().size(), 1u + 300u + 20u + 3u);
}

TEST_F(AddLocation, FontNamesTheRecordCannotHoldAreRefused) {
    OpenOn(12);
    logic.NewBtnClick();
    EXPECT_FALSE(logic.FontBoxChange("An Extraordinarily Long Font"));
    EXPECT_EQ(logic.draft().fontName, "Ariaw");
    EXPECT_TRUE(logic.FontBoxChange("Twenty-five letters fits!"));
    logic.ColourBoxChange(0x0000ff);
    logic.LocTextChange("Old Mill on the Stream Bank");
    logic.ExitBtnClick();
    const MapTextRecord& t = bench.battle.mapTexts()[1];
    EXPECT_EQ(t.fontName.text(), "Twenty-five letters fits!");
    EXPECT_EQ(t.text.text(), "Old Mill on the Stre");
    EXPECT_EQ(MapTextColour(t.colour), QColor(255, 0, 0));
}

TEST_F(AddLocation, WindowShowsTheStyleOfTheHexsTextAndStoresTheUntick) {
    TextWithStyle(44, 9 + 16 + 32);
    TAddLocation dialog(*bench.context);
    bench.context->currentHex = 44;
    QTimer::singleShot(0, &dialog, [&] {
        auto* bold = dialog.findChild<QCheckBox*>("TxtBld");
        auto* fonts = dialog.findChild<QComboBox*>("FontBox");
        ASSERT_TRUE(bold && fonts);
        EXPECT_TRUE(bold->isChecked());
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("TxtItl")->isChecked());
        EXPECT_FALSE(dialog.findChild<QCheckBox*>("TxtUnd")->isChecked());
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("TPosUC")->isChecked());
        EXPECT_EQ(dialog.findChild<QGroupBox*>("OriBox")->title(), "Level 1 Orientation");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("LocText")->maxLength(), 20);
        for (int i = 0; i < fonts->count(); ++i)
            EXPECT_LE(fonts->itemText(i).toLatin1().size(), 25);
        bold->click();
        dialog.findChild<QPushButton*>("ExitBtn")->click();
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(bench.battle.mapTexts()[1].style, 9 + 32);
}

} // namespace
