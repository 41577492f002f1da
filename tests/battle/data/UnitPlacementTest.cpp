// Units in a few clicks: new units like the last one with numbered names, Shift+click
// copies, the side-first piece and wing lists, and the changes to several units at once.

#include "BattleTestSupport.h"
#include "SideFirstOrder.h"
#include "UnitSelectionEdits.h"
#include "UnitSides.h"
#include "UnitTemplate.h"

#include <gtest/gtest.h>

namespace {

constexpr int kNameChars = 20;

UnitRecord Named(const char* name, int side = 1, int wing = 0) {
    UnitRecord u = Unit(side, wing);
    u.name = name;
    return u;
}

TEST(UnitTemplate, NamesAreNumberedPastEveryUnitOfTheSameBase) {
    Battle b = NewBattle();
    b.AddUnit(Named("Crossbows"), 1);
    struct Case {
        const char* model;
        const char* expected;
    };
    const Case cases[] = {{"Crossbows", "Crossbows 2"},
                          {"Crossbows 2", "Crossbows 2"}, // no unit is called that yet
                          {"Spears", "Spears 2"},
                          {"A name of twenty chr", "A name of twenty c 2"}};
    for (const Case& c : cases)
        EXPECT_EQ(NumberedUnitName(b, c.model, kNameChars), c.expected) << c.model;
    b.AddUnit(Named("Crossbows 2"), 2);
    b.AddUnit(Named("Crossbows 7"), 3);
    EXPECT_EQ(NumberedUnitName(b, "Crossbows", kNameChars), "Crossbows 8");
    EXPECT_EQ(NumberedUnitName(b, "Crossbows 2", kNameChars), "Crossbows 8");
}

TEST(UnitTemplate, CopyTakesTheModelsChoicesButNeverLeadsAWing) {
    Battle b = NewBattle();
    b.AddWingName("Left");
    UnitRecord model = Named("Knights", 2, 1);
    model.symbol = 4;
    model.unitType = 2;
    model.unitClass = 3;
    model.combatWeapon = 2;
    model.missileWeapon = 1;
    model.missileAmmo = 2;
    model.armour = 2;
    model.shield = 1;
    model.men = 40;
    model.morale = 90;
    model.movementPoints = 10;
    model.value = 8;
    model.wingLeader = 1;
    model.commandRange = 5;
    model.leaderRating = 3;
    b.AddUnit(model, 3);
    const UnitRecord copy = UnitLike(model, b, 7, 1, kNameChars);
    UnitRecord expected = model;
    expected.name = "Knights 2";
    expected.hex = 7;
    expected.wingLeader = expected.commandRange = expected.leaderRating = 0;
    EXPECT_EQ(copy, expected);
    // A wing the battle no longer lists becomes the first.
    model.wing = 9;
    EXPECT_EQ(UnitLike(model, b, 7, 1, kNameChars).wing, 0);
}

TEST(UnitTemplate, ActivationTurnOfACopy) {
    UnitRecord model;
    struct Case {
        int modelTurn;
        bool reinforcement;
        int maxTurns;
        int expected;
    };
    const Case cases[] = {{5, false, 30, 1},  {1, true, 30, 15}, {5, true, 30, 5},
                          {40, true, 30, 30}, {1, true, 3, 2},   {7, true, 1, 2}};
    for (const Case& c : cases) {
        model.activationTurn = c.modelTurn;
        EXPECT_EQ(ActivationTurnLike(model, c.reinforcement, c.maxTurns), c.expected)
            << c.modelTurn << " " << c.reinforcement << " " << c.maxTurns;
    }
}

TEST(UnitTemplate, StampPlacesNumberedCopiesAndRefusesWithAReason) {
    Battle b = NewBattle(30, 20);
    UnitTemplate tmpl;
    QString refusal;
    EXPECT_EQ(StampUnit(b, tmpl, 5, false, kNameChars, refusal), 0);
    EXPECT_FALSE(refusal.isEmpty()) << "no model yet";

    tmpl.Remember(Named("Bows", 2));
    EXPECT_EQ(StampUnit(b, tmpl, 5, false, kNameChars, refusal), 1);
    EXPECT_EQ(StampUnit(b, tmpl, 6, false, kNameChars, refusal), 2);
    EXPECT_EQ(b.unit(1).name.text(), "Bows 2");
    EXPECT_EQ(b.unit(2).name.text(), "Bows 3");
    EXPECT_EQ(b.hex(6).unitNo, 2);
    EXPECT_EQ(b.hex(6).reinforcementMarker, 0);

    // As a reinforcement: the side's marker, the middle of the battle.
    EXPECT_EQ(StampUnit(b, tmpl, 8, true, kNameChars, refusal), 3);
    EXPECT_EQ(b.unit(3).activationTurn, 15);
    EXPECT_EQ(b.hex(8).reinforcementMarker, b.markerTable[MarkerEasternReinforcement]);

    b.AddStructure(StructureRecord(), 9);
    b.SetReinforcementMarker(10, 77);
    struct Refused {
        int hex;
        bool reinforcement;
    };
    for (const Refused r : {Refused{5, false}, Refused{9, true}, Refused{10, false}}) {
        refusal.clear();
        EXPECT_EQ(StampUnit(b, tmpl, r.hex, r.reinforcement, kNameChars, refusal), 0) << r.hex;
        EXPECT_FALSE(refusal.isEmpty()) << r.hex;
    }
    EXPECT_EQ(b.unitCount(), 3);
    for (int h = 20; b.unitCount() < kMaxUnits; ++h)
        ASSERT_NE(StampUnit(b, tmpl, h, false, kNameChars, refusal), 0);
    EXPECT_EQ(StampUnit(b, tmpl, 599, false, kNameChars, refusal), 0);
    EXPECT_TRUE(refusal.contains("room"));
}

// The side rule of the reports: a unit of side 3 (from a file) counts for side 2.
TEST(SideFirstOrder, SidesPiecesAndWingsComeFirstInTheirOwnOrder) {
    Battle b = NewBattle();
    for (const char* w : {"West Left", "East Left", "East Right"})
        b.AddWingName(w);
    UnitRecord u = Unit(1, 1);
    u.symbol = 5;
    b.AddUnit(u, 1);
    u = Unit(3, 3);
    u.symbol = 2;
    b.AddUnit(u, 2);
    u = Unit(2, 2);
    u.symbol = 7;
    b.AddUnit(u, 3);

    const std::vector<int> set{1, 2, 5, 7, 9};
    // The side's own, the free ones, the other side's.
    EXPECT_EQ(SideFirstSymbols(b, 1, set), (std::vector<int>{5, 1, 9, 2, 7}));
    EXPECT_EQ(SideFirstSymbols(b, 2, set), (std::vector<int>{2, 7, 1, 9, 5}));
    EXPECT_EQ(SideFirstWings(b, 1), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(SideFirstWings(b, 2), (std::vector<int>{2, 3, 0, 1}));
    // The unit being edited (here the first, of side 1 with piece 5) counts for no side.
    EXPECT_EQ(SideFirstSymbols(b, 2, set, 1), (std::vector<int>{2, 7, 1, 5, 9}));
    EXPECT_EQ(SideFirstWings(b, 1, 1), (std::vector<int>{0, 1, 2, 3}));

    EXPECT_TRUE(SideHasUnits(b, 2, false));
    EXPECT_FALSE(SideHasUnits(b, 2, true));
    b.AddUnit(
        [] {
            UnitRecord r = Unit(3);
            r.activationTurn = 4;
            return r;
        }(),
        4);
    EXPECT_TRUE(SideHasUnits(b, 2, true));
    EXPECT_FALSE(SideHasUnits(b, 1, true));
}

TEST(UnitSelectionEdits, WingSideTurnAndRemoveChangeTheChosenUnitsAndTheirMarkers) {
    Battle b = NewBattle();
    b.AddWingName("Reserve");
    for (int h = 0; h < 4; ++h)
        b.AddUnit(Unit(1), h);
    const std::vector<int> chosen{2, 4, 99};

    EXPECT_TRUE(SetUnitsWing(b, chosen, 1));
    EXPECT_EQ(b.unit(2).wing, 1);
    EXPECT_EQ(b.unit(4).wing, 1);
    EXPECT_EQ(b.unit(3).wing, 0);
    EXPECT_FALSE(SetUnitsWing(b, chosen, 1)) << "nothing left to change";
    EXPECT_FALSE(SetUnitsWing(b, chosen, 5)) << "no such wing";

    EXPECT_TRUE(SetUnitsActivationTurn(b, chosen, 99));
    EXPECT_EQ(b.unit(2).activationTurn, 30) << "kept within the battle's turns";
    EXPECT_EQ(b.hex(1).reinforcementMarker, b.markerTable[MarkerWesternReinforcement]);
    EXPECT_TRUE(SetUnitsSide(b, chosen, 2));
    EXPECT_EQ(b.unit(4).side, 2);
    EXPECT_EQ(b.hex(3).reinforcementMarker, b.markerTable[MarkerEasternReinforcement]);
    EXPECT_EQ(b.hex(2).reinforcementMarker, 0) << "not chosen";
    EXPECT_TRUE(SetUnitsActivationTurn(b, {2}, 1));
    EXPECT_EQ(b.hex(1).reinforcementMarker, 0) << "back on the map from the start";

    EXPECT_EQ(RemoveUnits(b, {4, 2, 2, 99}), 2);
    EXPECT_EQ(b.unitCount(), 2);
    EXPECT_EQ(b.hex(3).unitNo, 0);
    EXPECT_EQ(b.hex(3).reinforcementMarker, 0);
    EXPECT_EQ(b.hex(2).unitNo, 2) << "the later unit moved down a number";
    EXPECT_EQ(b.unit(2).hex, 2);
}

} // namespace
