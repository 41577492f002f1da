#include "Battle.h"
#include "BattleFile.h"
#include "GeneratedFolder.h"
#include "HexValues.h"
#include "LoadedSymbolSet.h"
#include "MapPreview.h"
#include "OpenBattle.h"
#include "UnitStrength.h" // the definition tables of the battle data library
#include "VarnholmNumbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

// The shipped sample battle, opened once with its set and the shipped definitions the
// way the battle editor opens it.
class SampleBattle : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString folder = GeneratedProgramFolder();
        if (folder.isEmpty())
            return;
        path_ = folder + "/Battles/sample.scn";
        const MessageSink sink = [](const QString& caption, const QString& text) {
            messages_ += caption + ": " + text + "\n";
        };
        battle_ = new Battle;
        set_ = new LoadedSymbolSet;
        defs_ = new Definitions;
        LoadDefinitions(folder, *defs_, sink);
        QString current;
        outcome_ = OpenBattle(path_, *battle_, *set_, current, sink);
    }
    static void TearDownTestSuite() {
        delete battle_;
        delete set_;
        delete defs_;
        battle_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(battle_, nullptr) << "the generators did not run";
        ASSERT_EQ(outcome_, OpenOutcome::Opened) << messages_.toStdString();
        ASSERT_TRUE(messages_.isEmpty()) << messages_.toStdString();
    }

    static const Battle& battle() { return *battle_; }
    static const LoadedSymbolSet& set() { return *set_; }
    static const Definitions& defs() { return *defs_; }
    static QPoint Cell(int hex) {
        return {hex % battle_->settings.mapCols, hex / battle_->settings.mapCols};
    }
    static bool OnMap(QPoint c) {
        return c.x() >= 0 && c.y() >= 0 && c.x() < battle_->settings.mapCols &&
               c.y() < battle_->settings.mapRows;
    }
    static const HexRecord& At(QPoint c) {
        return battle_->hex(c.y() * battle_->settings.mapCols + c.x());
    }
    static bool Holds(const HexRecord& h, int symbol) {
        return std::find(h.secondaryTerrain.begin(), h.secondaryTerrain.end(), symbol) !=
               h.secondaryTerrain.end();
    }

    static inline QString path_;
    static inline QString messages_;
    static inline Battle* battle_ = nullptr;
    static inline LoadedSymbolSet* set_ = nullptr;
    static inline Definitions* defs_ = nullptr;
    static inline OpenOutcome outcome_ = OpenOutcome::ReadFailed;
};

TEST_F(SampleBattle, IsANamedFortyByThirtyBattleOnTheStandardSet) {
    const BattleSettings& s = battle().settings;
    EXPECT_EQ(s.battleName.text(), "Varnholm Ford");
    EXPECT_EQ(s.symbolSetName.text(), "varnholm");
    EXPECT_EQ(s.mapCols, 40);
    EXPECT_EQ(s.mapRows, 30);
    EXPECT_EQ(s.gridLayout, 1);
    EXPECT_GE(s.maxTurns, 10);
    EXPECT_FALSE(s.sideAName.empty());
    EXPECT_FALSE(s.sideBName.empty());
    EXPECT_NE(s.sideAName.text(), s.sideBName.text());
    int lines = 0;
    for (const auto& line : s.history)
        lines += line.empty() ? 0 : 1;
    EXPECT_GE(lines, 5);
    EXPECT_EQ(battle().objectives().count(), 2);
    EXPECT_GE(battle().structures().count(), 3);
    EXPECT_GE(battle().mapTexts().count(), 8);
}

// Saving what was read puts the units into their order again and raises the save count;
// nothing else may move.
TEST_F(SampleBattle, WritingItAgainChangesOnlyTheSaveCount) {
    const QByteArray original = ReadBytes(path_);
    Battle copy;
    ASSERT_TRUE(ReadBattleFile(path_, copy, nullptr));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString again = dir.filePath("again.scn");
    ASSERT_TRUE(WriteBattleFile(again, copy, defs(), set().terrainCount(), nullptr));
    const QByteArray written = ReadBytes(again);
    ASSERT_EQ(written.size(), original.size());
    const int before = uint8_t(original[2]) * 256 + uint8_t(original[3]);
    const int after = uint8_t(written[2]) * 256 + uint8_t(written[3]);
    EXPECT_EQ(after, before + 1);
    EXPECT_EQ(written.left(2), original.left(2));
    EXPECT_TRUE(written.mid(4) == original.mid(4)) << "bytes after the save count differ";
}

TEST_F(SampleBattle, MarkersAndTerrainPointAtTheNamedSymbols) {
    const std::map<int, int> markers = {
        {MarkerHotHex, VhHotHex},
        {MarkerCombatHex, VhCombatHex},
        {MarkerLegalMove, VhLegalMove},
        {MarkerUnitDestroyed, VhUnitDestroyed},
        {MarkerWesternReinforcement, VhWesternReinforcement},
        {MarkerEasternReinforcement, VhEasternReinforcement},
        {MarkerObjective, VhObjective},
        {MarkerMapOverlay, VhMapOverlay},
        {MarkerCaltrops, VhCaltrops},
    };
    for (auto [slot, symbol] : markers)
        EXPECT_EQ(battle().markerTable[size_t(slot)], symbol) << "slot " << slot;
    const int terrain = set().terrainCount();
    int caltrops = 0;
    for (int h = 0; h < battle().hexCount(); ++h) {
        const HexRecord& x = battle().hex(h);
        EXPECT_LT(x.primaryTerrain, terrain) << h;
        for (int slot = 1; slot <= kSecondarySlots; ++slot)
            EXPECT_TRUE(x.terrainSlot(slot) < terrain || x.terrainSlot(slot) >= kNoSymbol) << h;
        EXPECT_TRUE(x.caltropsMarker == 0 || x.caltropsMarker == VhCaltrops) << h;
        caltrops += x.caltropsMarker != 0;
    }
    EXPECT_GT(caltrops, 0);
    for (const StructureRecord& s : battle().structures()) {
        ASSERT_LT(s.symbol, terrain) << s.name.text().toStdString();
        // Structures are drawn over their hex: only a symbol with a mask leaves it visible.
        EXPECT_GE(set().table(SymbolKind::Terrain)[size_t(s.symbol)].maskIndex, 2)
            << s.name.text().toStdString();
    }
}

TEST_F(SampleBattle, EveryTerrainSymbolHasItsAttributes) {
    for (int s = 0; s < set().terrainCount(); ++s) {
        const TerrainAttr& a = battle().terrainAttrs[size_t(s)];
        EXPECT_EQ(a.name.bytes(), set().table(SymbolKind::Terrain)[size_t(s)].name) << s;
        EXPECT_TRUE(a.elevation >= 0 && a.elevation <= 10) << s;
        EXPECT_TRUE(a.costPerMove >= 0 && a.costPerMove <= 13) << s;
        EXPECT_TRUE(a.defenceModifier >= -8 && a.defenceModifier <= 8) << s;
    }
    // Ground costs something to cross; the markers are only drawn.
    for (int s : {VhOpenGround, VhFields, VhWoods, VhForest, VhHills, VhMarsh, VhTown})
        EXPECT_GT(battle().terrainAttrs[size_t(s)].costPerMove, 0) << s;
    for (int s : {VhMapOverlay, VhObjective, VhHotHex, VhCaltrops, VhWesternReinforcement})
        EXPECT_EQ(battle().terrainAttrs[size_t(s)].costPerMove, 0) << s;
    EXPECT_GT(battle().terrainAttrs[VhForest].defenceModifier,
              battle().terrainAttrs[VhOpenGround].defenceModifier);
}

TEST_F(SampleBattle, UnitsCarryExistingEquipmentAndTheSymbolOfTheirArm) {
    for (const UnitRecord& u : battle().units()) {
        const std::string name = u.name.text().toStdString();
        ASSERT_TRUE(u.combatWeapon >= 0 && u.combatWeapon < int(defs().combatWeapons.size()))
            << name;
        ASSERT_TRUE(u.missileWeapon >= 0 && u.missileWeapon < int(defs().missileWeapons.size()))
            << name;
        ASSERT_TRUE(u.armour >= 0 && u.armour < int(defs().armour.size())) << name;
        ASSERT_TRUE(u.shield >= 0 && u.shield < int(defs().shields.size())) << name;
        ASSERT_TRUE(u.symbol >= 0 && u.symbol < set().unitCount()) << name;
        EXPECT_TRUE(u.unitClass >= 0 && u.unitClass <= 5) << name;
        EXPECT_TRUE(u.men >= 10 && u.men <= 50) << name;
        EXPECT_TRUE(u.morale >= 1 && u.morale <= 125) << name;
        EXPECT_TRUE(u.movementPoints >= 1 && u.movementPoints <= 12) << name;
        EXPECT_TRUE(u.value >= 0 && u.value <= 25) << name;
        EXPECT_TRUE(u.missileAmmo >= 0 && u.missileAmmo <= 3) << name;
        EXPECT_EQ(u.missileAmmo > 0, u.missileWeapon > 0) << name;

        // The western side wears the western colour.
        EXPECT_EQ(u.symbol >= VhEasternFirst, u.side == 2) << name;
        const int arm = u.symbol % VhEasternFirst;
        const QString missile = defs().missileWeapons[size_t(u.missileWeapon)].name;
        if (arm == VhArchers) {
            EXPECT_TRUE(missile.contains("bow", Qt::CaseInsensitive) && !missile.contains("Cross"))
                << name;
        }
        if (arm == VhCrossbowmen) {
            EXPECT_TRUE(missile.contains("Crossbow")) << name;
        }
        EXPECT_EQ(arm == VhLeader, u.wingLeader == 1) << name;
        EXPECT_EQ(arm == VhSupplyWagon, u.unitType == 3) << name;
        const bool mounted = arm == VhLightHorse || arm == VhHeavyHorse || arm == VhLeader;
        EXPECT_EQ(mounted, u.unitType == 2) << name;
        EXPECT_EQ(u.resupplyLevel > 0, u.unitType == 3) << name;
    }
}

TEST_F(SampleBattle, EachSideHasWingsWithOneLeaderAndReinforcementsOnMarkers) {
    const int wings = int(battle().wingNames().size());
    std::map<int, int> sideOfWing;
    for (int side : {1, 2}) {
        const int marker = battle().markerTable[size_t(side == 1 ? MarkerWesternReinforcement
                                                                 : MarkerEasternReinforcement)];
        std::map<int, int> leaders; // wing -> leaders
        int units = 0, reinforcements = 0;
        for (const UnitRecord& u : battle().units()) {
            if (u.side != side)
                continue;
            ++units;
            const std::string name = u.name.text().toStdString();
            ASSERT_TRUE(u.wing >= 0 && u.wing < wings) << name;
            EXPECT_EQ(sideOfWing.emplace(u.wing, side).first->second, side)
                << name << ": a wing shared by both sides";
            leaders[u.wing] += u.wingLeader;
            if (u.wingLeader) {
                EXPECT_TRUE(u.commandRange >= 3 && u.commandRange <= 10) << name;
                EXPECT_TRUE(u.leaderRating >= -5 && u.leaderRating <= 5) << name;
            } else {
                EXPECT_EQ(u.commandRange, 0) << name;
                EXPECT_EQ(u.leaderRating, 0) << name;
            }
            ASSERT_TRUE(u.activationTurn >= 1 && u.activationTurn <= battle().settings.maxTurns)
                << name;
            const HexRecord& x = battle().hex(u.hex);
            if (u.activationTurn >= 2) {
                ++reinforcements;
                EXPECT_EQ(x.reinforcementMarker, marker) << name;
            } else {
                EXPECT_EQ(x.reinforcementMarker, 0) << name;
            }
            // The hex names the unit back, and a unit can enter it.
            ASSERT_TRUE(battle().units().valid(x.unitNo)) << name;
            EXPECT_EQ(&battle().unit(x.unitNo), &u) << name;
            EXPECT_GT(HexMoveCost(battle(), u.hex), 0) << name;
        }
        EXPECT_GE(units, 15) << "side " << side;
        EXPECT_GE(reinforcements, 2) << "side " << side;
        EXPECT_GE(leaders.size(), 3u) << "side " << side;
        for (auto [wing, count] : leaders)
            EXPECT_EQ(count, 1) << "side " << side << " wing " << wing;
    }
}

// Rivers, streams, roads and tracks are drawn as pieces towards hex edges: each piece
// must meet its partner across the edge, or run off the map (a stream may rise in the
// mere).
TEST_F(SampleBattle, PiecesJoinAcrossEveryEdge) {
    for (int first : {int(VhRiverFirst), int(VhStreamFirst), int(VhRoadFirst), int(VhTrackFirst)})
        for (int h = 0; h < battle().hexCount(); ++h)
            for (int side = 0; side < 6; ++side) {
                if (!Holds(battle().hex(h), first + side))
                    continue;
                const QPoint next = NeighbourCell(Cell(h), side);
                if (!OnMap(next) || (first == VhStreamFirst && At(next).primaryTerrain == VhLake))
                    continue;
                EXPECT_TRUE(Holds(At(next), first + (side + 3) % 6))
                    << "piece " << first + side << " at " << Cell(h).x() << "," << Cell(h).y();
            }
}

// Following the river from where it enters at the north edge leads to the south edge,
// over one bridge and one ford.
TEST_F(SampleBattle, RiverRunsFromTheNorthEdgeToTheSouthEdgeOverABridgeAndAFord) {
    QPoint cell(-1, -1);
    for (int c = 0; c < battle().settings.mapCols; ++c)
        if (Holds(At({c, 0}), VhRiverFirst + 0))
            cell = {c, 0};
    ASSERT_NE(cell.x(), -1) << "no river at the north edge";
    int cameFrom = 0, bridges = 0, fords = 0;
    std::set<std::pair<int, int>> seen;
    while (true) {
        ASSERT_TRUE(seen.insert({cell.x(), cell.y()}).second) << "the river runs in a loop";
        const HexRecord& x = At(cell);
        for (int axis = 0; axis < 3; ++axis) {
            bridges += Holds(x, VhBridgeFirst + axis);
            fords += Holds(x, VhFordFirst + axis);
        }
        int out = -1;
        for (int side = 0; side < 6; ++side)
            if (side != cameFrom && Holds(x, VhRiverFirst + side))
                out = side;
        ASSERT_NE(out, -1) << "the river ends at " << cell.x() << "," << cell.y();
        const QPoint next = NeighbourCell(cell, out);
        if (!OnMap(next)) {
            EXPECT_EQ(next.y(), battle().settings.mapRows) << "leaves by another edge";
            break;
        }
        cell = next;
        cameFrom = (out + 3) % 6;
    }
    EXPECT_EQ(bridges, 1);
    EXPECT_EQ(fords, 1);
    int objectivesOnCrossings = 0;
    for (const ObjectiveRecord& o : battle().objectives())
        objectivesOnCrossings += seen.count({Cell(o.hex).x(), Cell(o.hex).y()});
    EXPECT_EQ(objectivesOnCrossings, 2);
}

TEST_F(SampleBattle, MapTextsNameTheirPlacesAtEveryZoomLevel) {
    for (const MapTextRecord& t : battle().mapTexts()) {
        const std::string name = t.text.text().toStdString();
        EXPECT_FALSE(t.text.empty());
        EXPECT_FALSE(t.fontName.empty()) << name;
        for (int z = 0; z < 3; ++z) {
            EXPECT_GE(t.fontSize[size_t(z)], 6) << name;
            EXPECT_TRUE(t.orientation[size_t(z)] >= 1 && t.orientation[size_t(z)] <= 8) << name;
        }
        EXPECT_EQ(t.style & 0x0f, 9) << name;
        EXPECT_EQ(battle().hex(t.hex).mapTextNo, &t - &*battle().mapTexts().begin() + 1) << name;
    }
}

// The sample battle copied somewhere its set is not, as a file manager opens a battle
// saved outside the program folder: the set is found in the other folders, or the message
// names it and every folder looked in.
TEST(BattleAwayFromItsSet, IsDrawnWithTheSetOfTheOtherFoldersOrSaysWhereItLooked) {
    const QString folder = GeneratedProgramFolder();
    ASSERT_FALSE(folder.isEmpty()) << "the generators did not run";
    QTemporaryDir away;
    const QString copy = away.filePath("Downloads/ford.scn");
    QDir().mkpath(away.filePath("Downloads"));
    ASSERT_TRUE(QFile::copy(folder + "/Battles/sample.scn", copy));
    QStringList messages;
    const MessageSink sink = [&](const QString&, const QString& text) { messages << text; };

    Battle battle;
    LoadedSymbolSet set;
    QString current;
    const QString elsewhere = away.filePath("nothing-here");
    EXPECT_EQ(OpenBattle(copy, battle, set, current, sink, {elsewhere, folder + "/Battles"}),
              OpenOutcome::Opened);
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));
    EXPECT_TRUE(set.loaded());
    EXPECT_EQ(current, copy);

    Battle again;
    LoadedSymbolSet none;
    EXPECT_EQ(OpenBattle(copy, again, none, current, sink, {elsewhere, away.filePath("Downloads")}),
              OpenOutcome::SetFailed);
    ASSERT_EQ(messages.size(), 1);
    const QString& said = messages.front();
    EXPECT_TRUE(said.contains("\"varnholm\"")) << qPrintable(said);
    EXPECT_TRUE(said.contains("varnholm.set")) << qPrintable(said);
    // Each folder once, the battle's own first.
    EXPECT_TRUE(said.endsWith(away.filePath("Downloads") + "\n" + elsewhere)) << qPrintable(said);
    EXPECT_FALSE(none.loaded());
}
