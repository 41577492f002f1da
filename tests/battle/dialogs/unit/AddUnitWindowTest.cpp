// The unit editor's window, offscreen: its controls are there with their captions and
// are wired to the rules.

#include "TAddUnit.h"
#include "UnitEditorBench.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kHex = 45;

QString LabelText(QWidget& dialog, const char* name) {
    auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    // Near the left edge: a radio button takes clicks on its indicator and caption only.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

bool Enabled(QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<QWidget*>(name);
    return widget && widget->isEnabled();
}

struct OpenWindow {
    explicit OpenWindow(UnitEditorBench& bench, int mode = ModeUnits) : dialog(*bench.context) {
        bench.context->currentHex = kHex;
        dialog.logic().commandMode = mode;
        dialog.show();
    }
    TAddUnit dialog;
};

TEST(AddUnitWindow, ShowsItsControlsWithTheirCaptions) {
    UnitEditorBench bench;
    OpenWindow w(bench);
    TAddUnit& dialog = w.dialog;
    QStringList titles;
    for (auto* box : dialog.findChildren<QGroupBox*>())
        titles.append(box->title());
    titles.sort();
    EXPECT_EQ(titles, QStringList({"Class", "Command", "Factions", "Name", "Raw Strength",
                                   "Statistics", "Symbol", "Type", "Weapons", "Wing"}));
    EXPECT_EQ(LabelText(dialog, "FrmLbl"), "Units");
    EXPECT_EQ(dialog.findChild<QRadioButton*>("ASideBtn")->text(), "Western Forces");
    EXPECT_EQ(dialog.findChild<QRadioButton*>("BSideBtn")->text(), "Eastern Forces");
    EXPECT_EQ(dialog.findChild<QRadioButton*>("UType1")->text(), "Foot");
    EXPECT_EQ(dialog.findChild<QRadioButton*>("UType2")->text(), "Horse");
    EXPECT_EQ(dialog.findChild<QRadioButton*>("UType3")->text(), "Supply");
    EXPECT_EQ(dialog.findChild<QCheckBox*>("WingLdrBtn")->text(), "Wing Leader");
    EXPECT_EQ(dialog.findChild<QPushButton*>("AddBtn")->text(), "Add");
    EXPECT_EQ(dialog.findChild<QPushButton*>("RemBtn")->text(), "Remove");
    EXPECT_EQ(dialog.findChild<QPushButton*>("ExitBtn")->text(), "Exit");
    const std::pair<const char*, const char*> hints[] = {
        {"ComSts", "Combat Weapon Information"}, {"MslSts", "Missle Weapon Information"},
        {"ArmSts", "Armor Information"},         {"ShlSts", "Shield Information"},
        {"RangeUD", "Command Range in Hexes"},   {"RateUD", "Effectiveness Rating"}};
    for (auto [name, hint] : hints)
        EXPECT_EQ(dialog.findChild<QWidget*>(name)->toolTip(), hint) << name;
    EXPECT_EQ(dialog.findChild<QPushButton*>("ComSts")->text(), "+");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SymName")->maxLength(), 20);
    EXPECT_EQ(dialog.findChild<QComboBox*>("UnitGroup")->lineEdit()->maxLength(), 24);
    const auto* pieces = dialog.findChild<QListWidget*>("TerList");
    EXPECT_EQ(pieces->count(), 3);
    // The piece list fills its column down to the wing box: no empty band below it.
    const QWidget* wingBox = dialog.findChild<QComboBox*>("UnitGroup")->parentWidget();
    const QWidget* rangeArrows = dialog.findChild<QWidget*>("RangeUD");
    EXPECT_GE(wingBox->mapTo(&dialog, QPoint(0, wingBox->height())).y(),
              rangeArrows->mapTo(&dialog, QPoint(0, rangeArrows->height())).y())
        << "the left column reaches as low as the middle one";
    EXPECT_GT(pieces->height(), 110);
    EXPECT_EQ(dialog.findChild<QComboBox*>("UnitMissle")->count(), 3);
    EXPECT_EQ(LabelText(dialog, "MenLbl"), "Men: --");
    EXPECT_TRUE(Enabled(dialog, "AddBtn"));
    EXPECT_FALSE(Enabled(dialog, "RemBtn"));
    EXPECT_TRUE(Enabled(dialog, "ExitBtn"));
    EXPECT_FALSE(Enabled(dialog, "StatisticsBox"));
}

TEST(AddUnitWindow, AddFillsTheControlsAndShowsThePreview) {
    UnitEditorBench bench;
    OpenWindow w(bench);
    TAddUnit& dialog = w.dialog;
    Click(dialog, "AddBtn");
    EXPECT_EQ(bench.battle.hex(kHex).unitNo, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(Enabled(dialog, "AddBtn"));
    EXPECT_TRUE(Enabled(dialog, "RemBtn"));
    EXPECT_TRUE(Enabled(dialog, "StatisticsBox"));
    EXPECT_FALSE(Enabled(dialog, "AtrnUD"));
    EXPECT_EQ(dialog.findChild<QLineEdit*>("SymName")->text(), "New Unit");
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("ASideBtn")->isChecked());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("UType1")->isChecked());
    EXPECT_EQ(dialog.findChild<QComboBox*>("UnitGroup")->currentText(), "Main");
    EXPECT_EQ(LabelText(dialog, "MenLbl"), "Men: 25");
    EXPECT_EQ(LabelText(dialog, "MvpLbl"), "Movement Points: 8");
    EXPECT_EQ(LabelText(dialog, "ActLbl"), "Activation Turn: 1");
    EXPECT_EQ(LabelText(dialog, "WgtLbl"), "Wgt: Lt");
    const QPixmap preview = dialog.findChild<QLabel*>("Image1")->pixmap();
    ASSERT_FALSE(preview.isNull());
    // The symbol of the first row (unit 3) fills the middle of the stretched cell.
    const QImage shown = preview.toImage();
    EXPECT_EQ(shown.pixel(shown.width() / 2, shown.height() / 2) & 0xFFFFFF,
              UnitEditorBench::UnitColour(2) & 0xFFFFFF);
}

TEST(AddUnitWindow, ControlsWriteTheUnitAndRefreshTheLabels) {
    UnitEditorBench bench;
    OpenWindow w(bench);
    TAddUnit& dialog = w.dialog;
    Click(dialog, "AddBtn");
    Click(dialog, "MenUDUp");
    EXPECT_EQ(LabelText(dialog, "MenLbl"), "Men: 26");
    Click(dialog, "UType3");
    EXPECT_EQ(LabelText(dialog, "VptLbl"), "Value: 20");
    EXPECT_EQ(LabelText(dialog, "WgtLbl"), "Wgt: N/A");
    EXPECT_TRUE(Enabled(dialog, "SplUD"));
    dialog.findChild<QComboBox*>("UnitRank")->setCurrentIndex(5);
    EXPECT_EQ(LabelText(dialog, "MorLbl"), "Morale: 120");
    Click(dialog, "WingLdrBtn");
    EXPECT_EQ(LabelText(dialog, "RngLbl"), "Range: 4");
    // The new unit's name is chosen to be typed over; End keeps it and types after it.
    QTest::keyClick(dialog.findChild<QLineEdit*>("SymName"), Qt::Key_End);
    QTest::keyClicks(dialog.findChild<QLineEdit*>("SymName"), "X");
    EXPECT_EQ(bench.battle.unit(1).name.text(), "New UnitX");
    dialog.findChild<QListWidget*>("TerList")->setCurrentRow(1);
    EXPECT_EQ(bench.battle.unit(1).symbol, 0);
    Click(dialog, "BSideBtn");
    EXPECT_EQ(bench.battle.unit(1).side, 2);
    EXPECT_FALSE(dialog.findChild<QRadioButton*>("ASideBtn")->isChecked());
}

TEST(AddUnitWindow, ExitClosesWithOkAndAddsTheTypedWing) {
    UnitEditorBench bench;
    OpenWindow w(bench, ModeReinforcements);
    TAddUnit& dialog = w.dialog;
    EXPECT_EQ(LabelText(dialog, "FrmLbl"), "Reinforcements");
    Click(dialog, "AddBtn");
    EXPECT_TRUE(Enabled(dialog, "AtrnUD"));
    EXPECT_EQ(LabelText(dialog, "ActLbl"), "Activation Turn: 7");
    QTest::keyClicks(dialog.findChild<QComboBox*>("UnitGroup")->lineEdit(), "Vanguard");
    Click(dialog, "ExitBtn");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), TAddUnit::kOk);
    ASSERT_EQ(bench.battle.wingNames().size(), 2u);
    EXPECT_EQ(bench.battle.unit(1).wing, 1);
    EXPECT_EQ(bench.battle.hex(kHex).reinforcementMarker, UnitEditorBench::kWesternMarker);
}

TEST(AddUnitWindow, ATypedWingIsTakenExactlyAsTyped) {
    UnitEditorBench bench;
    bench.battle.AddWingName("Left");
    OpenWindow w(bench);
    Click(w.dialog, "AddBtn");
    auto* wing = w.dialog.findChild<QComboBox*>("UnitGroup");
    wing->lineEdit()->selectAll();
    QTest::keyClicks(wing->lineEdit(), "le");
    Click(w.dialog, "ExitBtn");
    ASSERT_EQ(bench.battle.wingNames().size(), 3u);
    EXPECT_EQ(bench.battle.wingNames()[2].text(), "le");
    EXPECT_EQ(bench.battle.unit(1).wing, 2);
}

// Escape leaves the editor like every other dialog, as "Exit" does: the unit stays.
TEST(AddUnitWindow, RemoveClosesWithOkAndEscapeLeavesLikeExit) {
    UnitEditorBench bench;
    bench.PlaceUnit(kHex);
    OpenWindow w(bench);
    TAddUnit& dialog = w.dialog;
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), TAddUnit::kOk);
    EXPECT_EQ(bench.battle.unitCount(), 1);
    dialog.show();
    Click(dialog, "RemBtn");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), TAddUnit::kOk);
    EXPECT_EQ(bench.battle.unitCount(), 0);
}

// A unit just added, by "Add" or at once after "Add Another", has its name chosen in a
// field that has the keyboard: the designer types the new name straight over it.
TEST(AddUnitWindow, ANewUnitsNameIsReadyToBeTypedOver) {
    UnitEditorBench bench;
    OpenWindow w(bench);
    auto* name = w.dialog.findChild<QLineEdit*>("SymName");
    ASSERT_TRUE(name);
    Click(w.dialog, "AddBtn");
    EXPECT_EQ(w.dialog.focusWidget(), name);
    EXPECT_EQ(name->selectedText(), "New Unit");
    Click(w.dialog, "AddAnotherBtn");
    EXPECT_FALSE(w.dialog.isVisible());
    bench.context->currentHex = kHex + 1;
    w.dialog.show();
    ASSERT_EQ(w.dialog.logic().shownUnit(), 2);
    EXPECT_EQ(w.dialog.focusWidget(), name);
    EXPECT_EQ(name->selectedText(), "New Unit 2");
    // A unit opened again is shown as it is, its name not offered for typing over.
    Click(w.dialog, "ExitBtn");
    bench.context->currentHex = kHex;
    w.dialog.show();
    EXPECT_EQ(name->text(), "New Unit");
    EXPECT_EQ(name->selectedText(), "");
}

TEST(AddUnitWindow, TheSameWindowServesTheNextHex) {
    UnitEditorBench bench;
    OpenWindow w(bench);
    Click(w.dialog, "AddBtn");
    Click(w.dialog, "ExitBtn");
    bench.context->currentHex = kHex + 1;
    w.dialog.show();
    EXPECT_EQ(w.dialog.logic().shownUnit(), 0);
    EXPECT_EQ(LabelText(w.dialog, "MenLbl"), "Men: --");
    EXPECT_EQ(w.dialog.findChild<QLineEdit*>("SymName")->text(), "");
    EXPECT_FALSE(w.dialog.findChild<QRadioButton*>("ASideBtn")->isChecked());
    EXPECT_EQ(w.dialog.findChild<QComboBox*>("UnitRank")->currentIndex(), -1);
    EXPECT_EQ(w.dialog.findChild<QComboBox*>("UnitGroup")->currentText(), "");
    EXPECT_TRUE(Enabled(w.dialog, "AddBtn"));
    bench.context->currentHex = kHex;
    w.dialog.hide();
    w.dialog.show();
    EXPECT_EQ(w.dialog.logic().shownUnit(), 1);
    EXPECT_EQ(LabelText(w.dialog, "MenLbl"), "Men: 25");
}

TEST(AddUnitWindow, ShowingAgainKeepsWhereTheWindowWasPlaced) {
    UnitEditorBench bench;
    OpenWindow w(bench);
    // Where the designer or the window manager put it; the window must not move itself.
    w.dialog.move(37, 41);
    const QPoint placed = w.dialog.pos();
    w.dialog.hide();
    w.dialog.show();
    EXPECT_EQ(w.dialog.pos(), placed);
}

TEST(AddUnitWindow, AFullWingListKeepsTheWindowOpenAndUsable) {
    UnitEditorBench bench;
    for (int i = 1; i < kMaxWings; ++i)
        ASSERT_GE(bench.battle.AddWingName(QStringLiteral("Wing %1").arg(i)), 0);
    bench.PlaceUnit(kHex);
    OpenWindow w(bench);
    auto* wing = w.dialog.findChild<QComboBox*>("UnitGroup");
    ASSERT_TRUE(wing && wing->isEditable());
    wing->setEditText("One Too Many");
    bench.sounds->ClearPlayed();
    Click(w.dialog, "ExitBtn");
    EXPECT_TRUE(w.dialog.isVisible());
    EXPECT_EQ(bench.sounds->played(), std::vector<int>{SoundRefusal});
    EXPECT_EQ(bench.refusals.size(), 1);
    EXPECT_TRUE(Enabled(w.dialog, "ExitBtn"));
    wing->setCurrentIndex(2);
    Click(w.dialog, "ExitBtn");
    EXPECT_FALSE(w.dialog.isVisible());
    EXPECT_EQ(bench.battle.unit(1).wing, 2);
}

TEST(AddUnitWindow, PlusButtonsCallTheReportHook) {
    UnitEditorBench bench;
    bench.PlaceUnit(kHex);
    OpenWindow w(bench);
    std::vector<int> asked;
    w.dialog.logic().showWeaponTable = [&](int kind) { asked.push_back(kind); };
    for (const char* name : {"ShlSts", "ArmSts", "ComSts", "MslSts"})
        Click(w.dialog, name);
    EXPECT_EQ(asked, std::vector<int>({4, 3, 2, 1}));
}

} // namespace
