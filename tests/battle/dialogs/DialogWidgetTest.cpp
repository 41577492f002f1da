// The dialogs' windows, offscreen: their controls are there and wired to the rules.

#include "DialogTestSupport.h"
#include "TAboutMBld.h"
#include "TMapInfo.h"
#include "TModifyBattle.h"
#include "TNewMap.h"
#include "TSelectColor.h"
#include "UpDownArrows.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

QString LabelText(QWidget& dialog, const char* name) {
    auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList GroupTitles(QWidget& dialog) {
    QStringList titles;
    for (auto* box : dialog.findChildren<QGroupBox*>())
        titles.append(box->title());
    titles.sort();
    return titles;
}

TEST(NewMapWindow, ShowsItsControlsWithTheirCaptions) {
    DialogTestBench bench;
    TNewMap dialog(*bench.context, bench.Shower());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Create Battle");
    EXPECT_EQ(GroupTitles(dialog),
              QStringList({"Battle Description", "Battle Icon", "Battle Name", "Eastern Forces",
                           "Game Turns", "Map Size", "Symbol Set", "Terrain Attributes",
                           "Western Forces"}));
    EXPECT_EQ(LabelText(dialog, "MpRw"), "Rows: 35");
    EXPECT_EQ(LabelText(dialog, "MpCl"), "Cols: 65");
    EXPECT_EQ(LabelText(dialog, "TotHex"), "Total Hexes: 2275");
    EXPECT_EQ(LabelText(dialog, "GameTurns"), "Max Turns: 30");
    EXPECT_EQ(LabelText(dialog, "SetLbl"), "varnholm");
    EXPECT_EQ(LabelText(dialog, "IconLbl"), "sword");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Button1")->text(), "Select Set");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Button2")->text(), "Select Icon");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SNam")->maxLength(), 20);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SideA")->text(), "Western Forces");
}

TEST(NewMapWindow, ArrowsRefreshTheLabels) {
    DialogTestBench bench;
    TNewMap dialog(*bench.context, bench.Shower());
    dialog.show();
    Click(dialog, "RowUpDnUp");
    Click(dialog, "ColUpDnDown");
    Click(dialog, "TrnUpDnDown");
    EXPECT_EQ(LabelText(dialog, "MpRw"), "Rows: 36");
    EXPECT_EQ(LabelText(dialog, "MpCl"), "Cols: 64");
    EXPECT_EQ(LabelText(dialog, "TotHex"), "Total Hexes: 2304");
    EXPECT_EQ(LabelText(dialog, "GameTurns"), "Max Turns: 29");
}

TEST(NewMapWindow, OkWithAnEmptyNameLeavesTheDialogOpen) {
    DialogTestBench bench;
    TNewMap dialog(*bench.context, bench.Shower());
    dialog.show();
    Click(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(bench.boxRequests.size(), 1u);
    EXPECT_EQ(bench.boxRequests[0].first, 10);
}

TEST(NewMapWindow, OkWithAMissingSetLeavesTheDialogOpen) {
    DialogTestBench bench;
    TNewMap dialog(*bench.context, bench.Shower());
    dialog.show();
    dialog.findChild<QLineEdit*>("SNam")->setText("Bannockburn");
    Click(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(bench.boxRequests.empty());
    EXPECT_EQ(bench.messageTexts().value(0), "Could not open the symbol SET file.");
}

TEST(NewMapWindow, OkWithGoodSettingsClosesWith1AndTypedSidesCarryOver) {
    DialogTestBench bench;
    bench.WriteSet("varnholm");
    TNewMap dialog(*bench.context, bench.Shower());
    dialog.show();
    dialog.findChild<QLineEdit*>("SNam")->setText("Bannockburn");
    dialog.findChild<QLineEdit*>("SideA")->setText("Scots");
    Click(dialog, "OK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(bench.battle.settings.sideAName.text(), "Scots");
    EXPECT_EQ(bench.battle.hexCount(), 35 * 65);

    dialog.show();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SNam")->text(), "");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SideA")->text(), "Scots");
    Click(dialog, "Cancel");
    EXPECT_EQ(dialog.result(), 2);
}

TEST(NewMapWindow, SelectSetShowsTheChosenName) {
    DialogTestBench bench;
    TNewMap dialog(*bench.context, bench.Shower());
    QString askedTitle, askedFilter;
    dialog.chooseFile = [&](const QString& title, const QString&, const QString& filter) {
        askedTitle = title;
        askedFilter = filter;
        return bench.folder + "/Battles/fens.old.set";
    };
    dialog.show();
    Click(dialog, "Button1");
    EXPECT_EQ(askedTitle, "Open Map File");
    EXPECT_TRUE(askedFilter.startsWith("Fieldmark Symbol Files (*.set"));
    EXPECT_EQ(LabelText(dialog, "SetLbl"), "fens");
}

TEST(ModifyBattleWindow, ShowsTheBattleAndRefusesAnEmptySide) {
    DialogTestBench bench;
    bench.battle.settings.battleName = "Falkirk";
    bench.battle.settings.sideAName = "Scots";
    bench.battle.settings.sideBName = "English";
    bench.battle.settings.maxTurns = 40;
    TModifyBattle dialog(*bench.context, bench.Shower());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Battle Settings");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SNam")->text(), "Falkirk");
    EXPECT_EQ(LabelText(dialog, "GameTurns"), "Max Turns: 40");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Cancel"), nullptr);
    dialog.findChild<QLineEdit*>("SideB")->clear();
    Click(dialog, "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(bench.boxRequests.at(0).first, 12);
    dialog.findChild<QLineEdit*>("SideB")->setText("Edward");
    Click(dialog, "OK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(bench.battle.settings.sideBName.text(), "Edward");
    EXPECT_TRUE(bench.document.modified());
}

TEST(ModifyBattleWindow, LongNamesFromAFileAreShownAndKeptWhole) {
    DialogTestBench bench;
    const QString battle = "The Battle of Varnholm Ford 1";
    bench.battle.settings.battleName.assign(battle);
    bench.battle.settings.sideAName = "Scots";
    bench.battle.settings.sideBName = "The Eastern Host of the Marches";
    TModifyBattle dialog(*bench.context, bench.Shower());
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SNam")->text(), battle);
    Click(dialog, "OK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(bench.battle.settings.battleName.text(), battle);
    EXPECT_EQ(bench.battle.settings.sideBName.text(), "The Eastern Host of the Marches");
}

TEST(SelectColorWindow, ClickOnASwatchPreviewsItAndOkAnswersItsIndex) {
    DialogTestBench bench;
    TSelectColor dialog(*bench.context);
    dialog.show();
    QWidget* grid = dialog.findChild<QWidget*>("ColorGrid");
    ASSERT_NE(grid, nullptr);
    // Swatches are 16 pixels square: column 3, row 2.
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(3 * 16 + 8, 2 * 16 + 8));
    auto* panel = dialog.findChild<QFrame*>("Panel1");
    EXPECT_EQ(panel->palette().color(QPalette::Window), DialogTestBench::PaletteIndexColour(35));
    Click(dialog, "Button1");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.logic().answer(), 35);
}

TEST(MapInfoWindow, ShowsItsLabels) {
    DialogTestBench bench;
    bench.battle.settings.mapCols = 10;
    bench.battle.settings.mapRows = 20;
    bench.battle.InitNewBattle(nullptr);
    TMapInfo dialog(*bench.context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Map Information");
    QStringList texts;
    for (auto* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_EQ(texts, QStringList({"Symbol Set: varnholm", "Total Hexes: 200", "Max Rows: 20",
                                  "Max Cols: 10", "Total Units: 0", "Map Text Entries: 0"}));
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), 1);
}

TEST(AboutWindow, NamesTheProgramWithOrWithoutItsLogo) {
    DialogTestBench bench;
    {
        TAboutMBld about(bench.folder);
        EXPECT_EQ(about.windowTitle(), "About Fieldmark Varnholm");
        EXPECT_EQ(about.findChild<QLabel*>("Logo"), nullptr);
        EXPECT_EQ(LabelText(about, "ProgramName"), "Fieldmark Varnholm");
    }
    QImage logo(50, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkRed);
    logo.save(bench.folder + "/bmps/FMEDT.BMP", "BMP");
    TAboutMBld about(bench.folder);
    ASSERT_NE(about.findChild<QLabel*>("Logo"), nullptr);
    about.show();
    Click(about, "OKButton");
    EXPECT_EQ(about.result(), 1);
}

} // namespace
