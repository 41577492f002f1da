// The new-battle dialog's rules: what it offers, its arrows, its refusals and the battle
// it makes, and that a refused or cancelled dialog leaves the battle shown untouched.

#include "BattleFile.h"
#include "DialogTestSupport.h"
#include "NewMapLogic.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class NewMap : public ::testing::Test {
protected:
    NewMap() : logic(*bench.context) {
        logic.showMessage = bench.Shower();
        bench.context->iconPicture = QImage(120, 120, QImage::Format_RGB32);
        bench.context->iconPicture.fill(Qt::red);
    }

    // Opens the dialog and fills in names that pass.
    void OpenWithNames() {
        logic.FormActivate();
        logic.entries.battleName = "Hastings";
        logic.entries.sideAName = "Saxons";
        logic.entries.sideBName = "Normans";
    }

    // A battle already shown: a 12 × 11 map on set "old" with one unit.
    void ShowOldBattle() {
        bench.WriteSet("old");
        OpenWithNames();
        logic.cols = 12;
        logic.rows = 11;
        logic.symbolSetName = "old";
        ASSERT_TRUE(logic.OKClick());
        bench.battle.AddUnit(UnitRecord(), 5);
        BattleDocumentTestAccess::TakeAsOpened(bench.document);
    }

    DialogTestBench bench;
    NewMapLogic logic;
};

TEST_F(NewMap, FirstOpeningOffers35RowsBy65ColumnsAnd30Turns) {
    logic.FormActivate();
    EXPECT_EQ(logic.rowsText(), "Rows: 35");
    EXPECT_EQ(logic.colsText(), "Cols: 65");
    EXPECT_EQ(logic.totalHexesText(), "Total Hexes: 2275");
    EXPECT_EQ(logic.turnsText(), "Max Turns: 30");
    EXPECT_EQ(logic.symbolSetName, "varnholm");
    EXPECT_EQ(logic.iconName, "sword");
    EXPECT_EQ(logic.entries.sideAName, "Western Forces");
    EXPECT_EQ(logic.entries.sideBName, "Eastern Forces");
    EXPECT_EQ(logic.entries.history, "History");
}

TEST_F(NewMap, TurnsOfTheBattleShownAreOfferedUnlessZero) {
    bench.battle.settings.maxTurns = 12;
    logic.FormActivate();
    EXPECT_EQ(logic.turnsText(), "Max Turns: 12");
}

TEST_F(NewMap, ArrowsStopAtTheirLimits) {
    logic.FormActivate();
    for (int i = 0; i < 200; ++i)
        logic.RowUpDnClick(true);
    EXPECT_EQ(logic.rows, 150);
    for (int i = 0; i < 200; ++i)
        logic.RowUpDnClick(false);
    EXPECT_EQ(logic.rows, 10);
    for (int i = 0; i < 200; ++i)
        logic.ColUpDnClick(false);
    EXPECT_EQ(logic.cols, 10);
    EXPECT_EQ(logic.totalHexesText(), "Total Hexes: 100");

    for (int i = 0; i < 400; ++i)
        logic.TrnUpDnClick(true);
    EXPECT_EQ(logic.maxTurns, 300);
    for (int i = 0; i < 400; ++i)
        logic.TrnUpDnClick(false);
    EXPECT_EQ(logic.maxTurns, 5);
    logic.TrnUpDnClick(true);
    EXPECT_EQ(logic.maxTurns, 6);
}

TEST_F(NewMap, EmptyBattleNameIsRefusedWithMessage10) {
    bench.WriteSet("varnholm");
    OpenWithNames();
    logic.entries.battleName.clear();
    EXPECT_FALSE(logic.OKClick());
    ASSERT_EQ(bench.boxRequests.size(), 1u);
    EXPECT_EQ(bench.boxRequests[0], std::make_pair(10, 1));
    EXPECT_EQ(bench.battle.hexCount(), 0);
    EXPECT_TRUE(bench.battle.settings.battleName.empty());
}

TEST_F(NewMap, EitherEmptySideNameIsRefusedWithMessage12) {
    bench.WriteSet("varnholm");
    for (int side = 0; side < 2; ++side) {
        bench.boxRequests.clear();
        OpenWithNames();
        (side == 0 ? logic.entries.sideAName : logic.entries.sideBName).clear();
        EXPECT_FALSE(logic.OKClick());
        ASSERT_EQ(bench.boxRequests.size(), 1u);
        EXPECT_EQ(bench.boxRequests[0], std::make_pair(12, 1));
        // The names are checked before anything is written into the battle.
        EXPECT_TRUE(bench.battle.settings.battleName.empty());
        EXPECT_EQ(bench.battle.hexCount(), 0);
    }
}

TEST_F(NewMap, OkMakesAnEmptyBattleFromTheSettings) {
    bench.WriteSet("varnholm");
    bench.battle.terrainAttrs[2].costPerMove = 4; // kept from the battle before
    OpenWithNames();
    logic.RowUpDnClick(false);
    logic.TrnUpDnClick(true);
    logic.entries.history = "First line\nSecond line\nThird line";
    bench.context->hexMask = false;

    ASSERT_TRUE(logic.OKClick());
    EXPECT_TRUE(bench.boxRequests.empty());
    const BattleSettings& s = bench.battle.settings;
    EXPECT_EQ(s.battleName.text(), "Hastings");
    EXPECT_EQ(s.sideAName.text(), "Saxons");
    EXPECT_EQ(s.sideBName.text(), "Normans");
    EXPECT_EQ(s.mapRows, 34);
    EXPECT_EQ(s.mapCols, 65);
    EXPECT_EQ(s.hexCount, 34 * 65);
    EXPECT_EQ(bench.battle.hexCount(), 34 * 65);
    EXPECT_EQ(s.maxTurns, 31);
    EXPECT_EQ(s.headerWord, 25);
    EXPECT_EQ(s.headerByte, 1);
    EXPECT_EQ(s.gridLayout, 1);
    EXPECT_EQ(s.saveCount, 0);
    EXPECT_EQ(s.history[0].text(), "First line");
    EXPECT_EQ(s.history[2].text(), "Third line");
    for (int i = 3; i < kHistoryLines; ++i)
        EXPECT_TRUE(s.history[size_t(i)].empty()) << "line " << i;
    EXPECT_EQ(bench.battle.markerTable[MarkerCaltrops], 30); // the standard set's defaults
    EXPECT_EQ(bench.battle.terrainAttrs[2].costPerMove, 4);
    EXPECT_TRUE(bench.document.modified());
    EXPECT_TRUE(bench.context->hexMask);
    // The chosen set is the editor's set now, with its cell steps.
    EXPECT_EQ(bench.symbols.terrainCount(), 3);
    EXPECT_EQ(bench.symbols.cellWidth[2], 30);
    EXPECT_EQ(bench.symbols.columnStep[2], 23);
    EXPECT_EQ(bench.symbols.rowStep[2], 28);
}

TEST_F(NewMap, DescriptionLinesAreCutToTheirFieldAndTheirNumber) {
    bench.WriteSet("varnholm");
    OpenWithNames();
    QStringList lines;
    for (int i = 0; i < 120; ++i)
        lines.append(QString::number(i));
    lines[0] = QString(100, 'x');
    lines[1] = "with a return\r";
    logic.entries.history = lines.join('\n');
    ASSERT_TRUE(logic.OKClick());
    const auto& history = bench.battle.settings.history;
    EXPECT_EQ(history[0].text(), QString(79, 'x'));
    EXPECT_EQ(history[1].text(), "with a return");
    EXPECT_EQ(history[99].text(), "99");
}

TEST_F(NewMap, SetThatFailsToLoadKeepsTheDialogOpenAndTheBattleShown) {
    ShowOldBattle();
    const BattleSettings before = bench.battle.settings;
    const std::vector<HexRecord> hexesBefore = bench.battle.hexes();
    bench.context->hexMask = false;

    OpenWithNames();
    logic.entries.battleName = "Other";
    logic.RowUpDnClick(true);
    logic.Button1Click(bench.folder + "/Battles/missing.set");
    EXPECT_FALSE(logic.OKClick());

    EXPECT_EQ(bench.messageTexts(),
              QStringList({"Could not open the symbol SET file.", "SYM File Load Error."}));
    EXPECT_EQ(bench.messages[0].first, "Warning");
    EXPECT_TRUE(bench.battle.settings == before);
    EXPECT_TRUE(bench.battle.hexes() == hexesBefore);
    EXPECT_EQ(bench.battle.unitCount(), 1);
    EXPECT_FALSE(bench.document.modified());
    EXPECT_FALSE(bench.context->hexMask);
    EXPECT_EQ(bench.symbols.terrainCount(), 3); // the old set is still loaded
}

TEST_F(NewMap, SetOfUnknownFormatKeepsTheOldSet) {
    ShowOldBattle();
    QFile bad(bench.folder + "/Battles/bad.set");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a set");
    bad.close();
    OpenWithNames();
    logic.Button1Click(bad.fileName());
    EXPECT_FALSE(logic.OKClick());
    EXPECT_EQ(bench.messageTexts(),
              QStringList({"Symbol Set Format is Unknown.", "SYM File Load Error."}));
    EXPECT_EQ(bench.battle.settings.symbolSetName.text(), "old");
    EXPECT_EQ(bench.symbols.terrainCount(), 3);
}

TEST_F(NewMap, ChosenSetKeepsTheNameBeforeItsFirstDot) {
    logic.FormActivate();
    EXPECT_TRUE(logic.Button1Click(bench.folder + "/Battles/hills.v2.set"));
    EXPECT_EQ(logic.symbolSetName, "hills");
    EXPECT_TRUE(logic.Button1Click("/elsewhere/Plain.set"));
    EXPECT_EQ(logic.symbolSetName, "Plain"); // a chosen name keeps its letter case
}

TEST_F(NewMap, ChosenIconIsShownAndStoredOnlyByOk) {
    bench.WriteSet("varnholm");
    const QString path = bench.WriteIcon("shield.bmp", Qt::blue);
    OpenWithNames();
    ASSERT_TRUE(logic.Button2Click(path));
    EXPECT_EQ(logic.iconName, "shield");
    EXPECT_EQ(logic.iconPreview().size(), QSize(60, 60));
    EXPECT_EQ(logic.iconPreview().pixelColor(30, 30), QColor(Qt::blue));
    EXPECT_EQ(bench.context->iconPicture.pixelColor(0, 0), QColor(Qt::red));

    ASSERT_TRUE(logic.OKClick());
    EXPECT_EQ(bench.battle.settings.iconName.text(), "shield");
    EXPECT_EQ(bench.context->iconPicture.pixelColor(0, 0), QColor(Qt::blue));
}

TEST_F(NewMap, FileThatIsNoPictureIsRefusedAsIcon) {
    QFile junk(bench.folder + "/icons/junk.bmp");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("junk");
    junk.close();
    logic.FormActivate();
    EXPECT_FALSE(logic.Button2Click(junk.fileName()));
    EXPECT_EQ(bench.messageTexts(), QStringList({"Could not open selected file."}));
    EXPECT_EQ(logic.iconName, "sword");
}

TEST_F(NewMap, NamesTooLongForTheirFieldAreRefused) {
    logic.FormActivate();
    const QString longIcon = bench.WriteIcon(QString(40, 'i') + ".bmp", Qt::green);
    EXPECT_FALSE(logic.Button2Click(longIcon));
    EXPECT_EQ(logic.iconName, "sword");
    EXPECT_FALSE(logic.Button1Click("/x/" + QString(300, 's') + ".set"));
    EXPECT_EQ(logic.symbolSetName, "varnholm");
    EXPECT_EQ(bench.messages.size(), 2u);
}

TEST_F(NewMap, CancelLeavesTurnsSetAndIconOfTheBattleAsTheyWere) {
    bench.battle.settings.maxTurns = 20;
    const QString path = bench.WriteIcon("shield.bmp", Qt::blue);
    logic.FormActivate();
    logic.TrnUpDnClick(true);
    logic.Button1Click(bench.folder + "/Battles/other.set");
    logic.Button2Click(path);
    // Cancel: the widget closes without OKClick.
    EXPECT_EQ(bench.battle.settings.maxTurns, 20);
    EXPECT_EQ(bench.battle.settings.symbolSetName.text(), "varnholm");
    EXPECT_EQ(bench.battle.settings.iconName.text(), "sword");
    EXPECT_EQ(bench.context->iconPicture.pixelColor(0, 0), QColor(Qt::red));
    // The next opening starts again from the battle's values.
    logic.FormActivate();
    EXPECT_EQ(logic.maxTurns, 20);
    EXPECT_EQ(logic.symbolSetName, "varnholm");
    EXPECT_EQ(logic.iconName, "sword");
}

TEST_F(NewMap, SideNamesDescriptionAndSizeCarryOverButTheBattleNameDoesNot) {
    logic.FormActivate();
    logic.entries = {"Name", "Red", "Blue", "Story"};
    logic.RowUpDnClick(true);
    logic.FormActivate();
    EXPECT_TRUE(logic.entries.battleName.isEmpty());
    EXPECT_EQ(logic.entries.sideAName, "Red");
    EXPECT_EQ(logic.entries.sideBName, "Blue");
    EXPECT_EQ(logic.entries.history, "Story");
    EXPECT_EQ(logic.rows, 36);
}

TEST_F(NewMap, ImportedTerrainAttributesReplaceTheShownBattlesOnlyByOk) {
    bench.WriteSet("old");
    bench.battle.terrainAttrs[0].name = "Shown";
    bench.battle.terrainAttrs[4].name = "Beyond";
    Battle source;
    source.settings.mapCols = 12;
    source.settings.mapRows = 10;
    ASSERT_TRUE(source.InitNewBattle({}));
    source.terrainAttrs[0].name = "Meadow";
    source.terrainAttrs[0].costPerMove = 2;
    source.terrainAttrs[1].name = "Ford";
    const QString path = bench.folder + "/Battles/source.scn";
    ASSERT_TRUE(WriteBattleFile(path, source, Definitions{}, 2, {}));

    OpenWithNames();
    EXPECT_EQ(logic.attrsText(), "From the battle shown");
    ASSERT_TRUE(logic.ImportAttrsClick(path));
    EXPECT_EQ(logic.attrsText(), "source.scn");
    EXPECT_EQ(bench.battle.terrainAttrs[0].name.text(), "Shown") << "not before OK";
    // A file that cannot be read is refused with its message and keeps the choice.
    QFile bad(bench.folder + "/Battles/bad.scn");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("no battle");
    bad.close();
    EXPECT_FALSE(logic.ImportAttrsClick(bad.fileName()));
    EXPECT_EQ(bench.messages.size(), 1u);
    EXPECT_EQ(logic.attrsText(), "source.scn");

    logic.symbolSetName = "old";
    ASSERT_TRUE(logic.OKClick());
    EXPECT_EQ(bench.battle.terrainAttrs[0].name.text(), "Meadow");
    EXPECT_EQ(bench.battle.terrainAttrs[0].costPerMove, 2);
    EXPECT_EQ(bench.battle.terrainAttrs[1].name.text(), "Ford");
    EXPECT_EQ(bench.battle.terrainAttrs[4].name.text(), "Beyond") << "past the file's records";
    // The choice is for one opening.
    logic.FormActivate();
    EXPECT_EQ(logic.attrsText(), "From the battle shown");
}

} // namespace
