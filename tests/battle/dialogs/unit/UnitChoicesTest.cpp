// The unit editor's arrows and choices: their bounds, what else each one changes, and
// the strength, defence and weight figures the editor shows.

#include "UnitEditorBench.h"
#include "UnitSteps.h"

#include <gtest/gtest.h>

namespace {

constexpr int kHex = 34;

void Press(AddUnitLogic& editor, void (AddUnitLogic::*step)(bool), bool up, int times) {
    for (int i = 0; i < times; ++i)
        (editor.*step)(up);
}

TEST(UnitEditorSteps, MenStayWithinTenAndFiftyAndSetTheValue) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    Press(editor, &AddUnitLogic::MenUDClick, false, 30);
    EXPECT_EQ(bench.Shown().men, 10);
    EXPECT_EQ(bench.Shown().value, 1);
    Press(editor, &AddUnitLogic::MenUDClick, true, 60);
    EXPECT_EQ(bench.Shown().men, 50);
    EXPECT_EQ(bench.Shown().value, 5); // Foot: men ÷ 10
    EXPECT_EQ(editor.menText(), "Men: 50");
    EXPECT_EQ(editor.valueText(), "Value: 5");
    editor.UType2Click();
    EXPECT_EQ(bench.Shown().value, 10); // Horse: men ÷ 5
    editor.MenUDClick(false);
    EXPECT_EQ(bench.Shown().value, 9);
}

TEST(UnitEditorSteps, AValueFromAFileOutsideItsRangeStepsBackOntoIt) {
    UnitEditorBench bench;
    UnitRecord u = NewUnitRecord(0, 1, kHex);
    u.men = 60;
    u.morale = 130;
    u.leaderRating = -9;
    u.wingLeader = 1;
    const int n = bench.battle.AddUnit(u, kHex);
    ASSERT_NE(n, 0);
    AddUnitLogic& editor = bench.Open(kHex);
    ASSERT_EQ(editor.shownUnit(), n);
    editor.MenUDClick(true); // further away: refused
    EXPECT_EQ(bench.Shown().men, 60);
    editor.MenUDClick(false);
    EXPECT_EQ(bench.Shown().men, 50);
    editor.MorUDClick(false);
    EXPECT_EQ(bench.Shown().morale, 125);
    editor.RateUDClick(true);
    EXPECT_EQ(bench.Shown().leaderRating, -5);
    editor.MenUDClick(false);
    EXPECT_EQ(bench.Shown().men, 49);
}

TEST(UnitEditorSteps, EachArrowKeepsItsBounds) {
    struct Case {
        void (AddUnitLogic::*step)(bool);
        int UnitRecord::*field;
        int low;
        int high;
    };
    const Case cases[] = {
        {&AddUnitLogic::MorUDClick, &UnitRecord::morale, 1, 125},
        {&AddUnitLogic::MvpUDClick, &UnitRecord::movementPoints, 0, 12},
        {&AddUnitLogic::VpUDClick, &UnitRecord::value, 0, 25},
    };
    for (const Case& c : cases) {
        UnitEditorBench bench;
        AddUnitLogic& editor = bench.AddOn(kHex);
        Press(editor, c.step, false, 200);
        EXPECT_EQ(bench.Shown().*c.field, c.low);
        Press(editor, c.step, true, 200);
        EXPECT_EQ(bench.Shown().*c.field, c.high);
        // Only its own field moves: men stay as they were.
        EXPECT_EQ(bench.Shown().men, 25);
    }
}

TEST(UnitEditorSteps, ValueAndMovementStepsLeaveOtherFiguresAlone) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.VpUDClick(true);
    editor.MvpUDClick(false);
    EXPECT_EQ(bench.Shown().value, 3);
    EXPECT_EQ(bench.Shown().movementPoints, 7);
    EXPECT_EQ(editor.movementText(), "Movement Points: 7");
    // A morale step does not recompute the value either.
    editor.MorUDClick(true);
    EXPECT_EQ(bench.Shown().value, 3);
}

TEST(UnitEditorSteps, ClassSetsMoraleAndMoraleStopsAt125) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    const int expected[] = {50, 70, 80, 90, 100, 120};
    for (int index = 0; index < 6; ++index) {
        editor.UnitRankChange(index);
        EXPECT_EQ(bench.Shown().unitClass, index);
        EXPECT_EQ(bench.Shown().morale, expected[index]);
    }
    Press(editor, &AddUnitLogic::MorUDClick, true, 10);
    EXPECT_EQ(bench.Shown().morale, 125);
    EXPECT_EQ(editor.moraleText(), "Morale: 125");
}

TEST(UnitEditorSteps, AmmunitionNeedsAMissileWeapon) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    EXPECT_FALSE(editor.controls().ammoEnabled);
    editor.AmmoUpDnClick(true);
    EXPECT_EQ(bench.Shown().missileAmmo, 0);

    editor.UnitMissleChange(1);
    EXPECT_TRUE(editor.controls().ammoEnabled);
    EXPECT_EQ(editor.ammoText(), "Missile Ammo: X");
    EXPECT_EQ(editor.missileText(), "Missile: 0"); // a weapon without ammunition
    const char* texts[] = {"Missile Ammo: 1 Shot", "Missile Ammo: Low", "Missile Ammo: Hi",
                           "Missile Ammo: Hi"};
    for (const char* text : texts) {
        editor.AmmoUpDnClick(true);
        EXPECT_EQ(editor.ammoText(), text);
    }
    EXPECT_EQ(bench.Shown().missileAmmo, 3);

    editor.UnitMissleChange(0);
    EXPECT_FALSE(editor.controls().ammoEnabled);
    EXPECT_EQ(bench.Shown().missileAmmo, 0);
    EXPECT_EQ(editor.ammoText(), "Missile Ammo: X");
}

TEST(UnitEditorSteps, TypesSetMovementSupplyAndValue) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.SplUDClick(true); // Foot carries no supply
    EXPECT_EQ(bench.Shown().resupplyLevel, 0);

    editor.UType3Click();
    EXPECT_EQ(bench.Shown().unitType, UnitSupply);
    EXPECT_EQ(bench.Shown().movementPoints, 4);
    EXPECT_EQ(bench.Shown().resupplyLevel, 20);
    EXPECT_EQ(bench.Shown().value, 20);
    EXPECT_TRUE(editor.controls().resupplyEnabled);
    EXPECT_EQ(editor.weightText(), "Wgt: N/A");
    EXPECT_EQ(editor.resupplyText(), "ReSupply Level: 20");
    editor.SplUDClick(true);
    EXPECT_EQ(bench.Shown().resupplyLevel, 20);
    Press(editor, &AddUnitLogic::SplUDClick, false, 25);
    EXPECT_EQ(bench.Shown().resupplyLevel, 0);
    EXPECT_EQ(bench.Shown().value, 20); // a supply step changes the label only

    editor.UType2Click();
    EXPECT_EQ(bench.Shown().movementPoints, 10);
    EXPECT_EQ(bench.Shown().resupplyLevel, 0);
    EXPECT_EQ(bench.Shown().value, 5); // 25 men ÷ 5
    EXPECT_FALSE(editor.controls().resupplyEnabled);
    editor.UType1Click();
    EXPECT_EQ(bench.Shown().movementPoints, 6);
    EXPECT_EQ(bench.Shown().value, 2);
    EXPECT_EQ(editor.controls().typeButton, 1);
}

TEST(UnitEditorSteps, LeadersAloneHaveRangeAndRating) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    editor.RangeUDClick(true);
    editor.RateUDClick(true);
    EXPECT_EQ(bench.Shown().commandRange, 0);
    EXPECT_EQ(bench.Shown().leaderRating, 0);

    editor.WingLdrBtnClick(true);
    EXPECT_EQ(bench.Shown().wingLeader, 1);
    EXPECT_EQ(editor.rangeText(), "Range: 4");
    EXPECT_EQ(editor.ratingText(), "Rating: 0");
    Press(editor, &AddUnitLogic::RangeUDClick, false, 5);
    EXPECT_EQ(bench.Shown().commandRange, 3);
    Press(editor, &AddUnitLogic::RangeUDClick, true, 10);
    EXPECT_EQ(bench.Shown().commandRange, 10);
    Press(editor, &AddUnitLogic::RateUDClick, false, 9);
    EXPECT_EQ(editor.ratingText(), "Rating: -5");
    Press(editor, &AddUnitLogic::RateUDClick, true, 12);
    EXPECT_EQ(bench.Shown().leaderRating, 5);

    editor.WingLdrBtnClick(false);
    EXPECT_EQ(bench.Shown().wingLeader, 0);
    EXPECT_EQ(bench.Shown().commandRange, 0);
    EXPECT_EQ(bench.Shown().leaderRating, 0);
}

TEST(UnitEditorStrength, FiguresFollowMenMoraleClassAndEquipment) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    EXPECT_EQ(editor.combatText(), "Combat: 0"); // unarmed peasants: v < 0
    EXPECT_EQ(editor.defenceText(), "Defense: 0%");
    EXPECT_EQ(editor.weightText(), "Wgt: Lt");

    Press(editor, &AddUnitLogic::MenUDClick, true, 25); // 50 men
    editor.UnitRankChange(2);                           // Veteran +10, morale 80
    editor.UnitCombatChange(1);                         // Spear, rating 30: v = 20
    EXPECT_EQ(editor.combatText(), "Combat: 3");        // (50 × 20 ÷ 100) × 30 ÷ 100
    editor.UnitMissleChange(1);                         // Bow, rating 30: v = 21
    editor.AmmoUpDnClick(true);
    EXPECT_EQ(editor.missileText(), "Missile: 3");
    editor.UnitArmorChange(1);                       // Mail 30
    editor.UnitShieldChange(1);                      // Round Shield 20
    EXPECT_EQ(editor.defenceText(), "Defense: 40%"); // 50 × 80 ÷ 100
    EXPECT_EQ(editor.weightText(), "Wgt: Mod");      // 10 + 5 + 20 + 9 = 44

    editor.UnitCombatChange(2); // Pike 25
    editor.UnitMissleChange(2); // Crossbow 12
    editor.UnitArmorChange(2);  // Plate 35
    EXPECT_EQ(editor.weightText(), "Wgt: Hvy");
    EXPECT_EQ(editor.defenceText(), "Defense: 48%");    // (40 + 20) × 80 ÷ 100
    Press(editor, &AddUnitLogic::MorUDClick, true, 45); // morale 125: 75 at most
    EXPECT_EQ(editor.defenceText(), "Defense: 75%");
}

TEST(UnitEditorStrength, LowMoraleSilencesTheMissiles) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    Press(editor, &AddUnitLogic::MenUDClick, true, 25);
    editor.UnitMissleChange(2); // rating 40
    editor.AmmoUpDnClick(true);
    EXPECT_EQ(editor.missileText(), "Missile: 3");       // v = 40 + 0 + 80 − 99 = 21
    Press(editor, &AddUnitLogic::MorUDClick, false, 71); // morale 9
    EXPECT_EQ(bench.Shown().morale, 9);
    EXPECT_EQ(editor.missileText(), "Missile: 0");
}

TEST(UnitEditorWeight, ThresholdsAtThirtyAndSixty) {
    Definitions defs;
    defs.combatWeapons = {{"A", 29, 0, 0}, {"B", 30, 0, 0}, {"C", 59, 0, 0}, {"D", 60, 0, 0}};
    UnitRecord u = NewUnitRecord(0, 1, 0);
    const char* expected[] = {"Wgt: Lt", "Wgt: Mod", "Wgt: Mod", "Wgt: Hvy"};
    for (int i = 0; i < 4; ++i) {
        u.combatWeapon = i;
        EXPECT_EQ(WeightText(defs, u), expected[i]) << i;
    }
}

TEST(UnitEditorSteps, ValueIsCappedAtTwentyFive) {
    UnitRecord u = NewUnitRecord(0, 1, 0);
    u.unitType = UnitHorse;
    u.men = 50;
    EXPECT_EQ(RecomputedValue(u), 10);
    u.men = 200; // read from a file
    EXPECT_EQ(RecomputedValue(u), 25);
}

TEST(UnitEditorSteps, ActivationTurnsStayWithinTheBattle) {
    EXPECT_EQ(SteppedActivationTurn(300, true, true, 400), 300);
    EXPECT_EQ(SteppedActivationTurn(299, true, true, 400), 300);
    EXPECT_EQ(SteppedActivationTurn(1, false, false, 10), 1);
    EXPECT_EQ(SteppedActivationTurn(2, false, false, 10), 1);
    EXPECT_EQ(SteppedActivationTurn(2, false, true, 10), 2);
    // A battle shortened after its reinforcements were set pulls them in.
    EXPECT_EQ(SteppedActivationTurn(20, false, true, 10), 10);
    EXPECT_EQ(NewUnitActivationTurn(true, 30), 15);
    EXPECT_EQ(NewUnitActivationTurn(true, 15), 7);
    EXPECT_EQ(NewUnitActivationTurn(false, 15), 1);
}

TEST(UnitEditorSounds, ClicksForControlsButNotForTyping) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.AddOn(kHex);
    bench.sounds->ClearPlayed();
    editor.SymNameChange("Quiet");
    editor.UnitGroupEdit("Hush");
    editor.WingLdrBtnClick(true);
    EXPECT_TRUE(bench.sounds->played().empty());
    editor.MenUDClick(true);
    editor.UType2Click();
    editor.UnitRankChange(1);
    editor.TerListClick(1);
    editor.BSideBtnClick();
    EXPECT_EQ(bench.sounds->played(), std::vector<int>(5, SoundClick));
}

TEST(UnitEditorSymbols, ARowChoosesTheUnitSymbolAndLeavesTheTerrainSelection) {
    UnitEditorBench bench;
    bench.context->terrainSelection = 7;
    AddUnitLogic& editor = bench.AddOn(kHex);
    const QImage before = editor.controls().preview;
    editor.TerListClick(2);
    EXPECT_EQ(bench.Shown().symbol, 1);
    EXPECT_EQ(bench.context->terrainSelection, 7);
    EXPECT_EQ(editor.controls().symbolRow, 2);
    EXPECT_NE(editor.controls().preview, before);
    editor.TerListClick(5); // no such row
    EXPECT_EQ(bench.Shown().symbol, 1);
}

TEST(UnitEditorHooks, PlusButtonsAskForTheirTable) {
    UnitEditorBench bench;
    AddUnitLogic& editor = bench.Open(kHex);
    std::vector<int> asked;
    editor.showWeaponTable = [&](int kind) { asked.push_back(kind); };
    editor.MslStsClick();
    editor.ComStsClick();
    editor.ArmStsClick();
    editor.ShlStsClick();
    EXPECT_EQ(asked, std::vector<int>({1, 2, 3, 4}));
}

} // namespace
