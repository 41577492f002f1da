// The battle checker: a clean battle passes, and each mistake, made alone in it, is the one
// problem reported, at the hex the editor would show.

#include "BattleCheck.h"
#include "BattleTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

enum Terrain {
    OpenGround,
    Woods,
    Lake, // movement cost 0: nothing can enter it
    RoadNorth,
    RoadNorthEast,
    RoadSouthEast,
    RoadSouth,
    RoadSouthWest,
    RoadNorthWest,
    WallNorth, // a family without its other directions
    ReinforcementMarker,
    TerrainCount,
};

SymbolSetSummary TestSet() {
    SymbolSetSummary set;
    set.terrainCount = TerrainCount;
    set.unitCount = 4;
    set.terrainNames = {"Open Ground",
                        "Woods",
                        "Lake",
                        "Road North",
                        "Road North-East",
                        "Road South-East",
                        "Road South",
                        "Road South-West",
                        "Road North-West",
                        "Wall North",
                        "Western Reinforcement"};
    set.cellWidth = {15, 30, 45};
    for (size_t z = 0; z < 3; ++z) {
        set.columnStep[z] = set.cellWidth[z] * 4 / 5 - 1;
        set.rowStep[z] = set.cellWidth[z] - 2;
    }
    return set;
}

// Units: 1 and 2 of side 1 in wing "Main" (1 leads), 3 of side 2 leading wing "East",
// 4 a side 2 reinforcement of wing "East" on turn 5.
struct Scene {
    Battle b = NewBattle(12, 10);
    SymbolSetSummary set = TestSet();
    Definitions defs = SmallDefinitions();
    QString programFolder;

    int Hex(int row, int col) const { return HexAt(b, row, col); }
    UnitRecord unit(int n) const { return b.unit(n); }
    void Change(int n, const std::function<void(UnitRecord&)>& edit) {
        UnitRecord u = b.unit(n);
        edit(u);
        b.UpdateUnit(n, u);
    }
    std::vector<BattleProblem> Check() const { return CheckBattle(b, set, defs, programFolder); }
};

Scene CleanScene(const QString& programFolder) {
    Scene s;
    s.programFolder = programFolder;
    Battle& b = s.b;
    for (int t = 0; t < TerrainCount; ++t)
        b.terrainAttrs[size_t(t)].costPerMove = t == Lake ? 0 : 1 + t % 3;
    b.terrainAttrs[Lake].elevation = 1;
    b.terrainAttrs[Woods].defenceModifier = 2;
    b.AddWingName("East");
    UnitRecord leader = Unit(1, 0);
    leader.name = "Duke";
    leader.wingLeader = 1;
    b.AddUnit(leader, s.Hex(2, 2));
    b.AddUnit(Unit(1, 0), s.Hex(2, 3));
    UnitRecord jarl = Unit(2, 1);
    jarl.wingLeader = 1;
    b.AddUnit(jarl, s.Hex(7, 8));
    UnitRecord late = Unit(2, 1);
    late.activationTurn = 5;
    b.AddUnit(late, s.Hex(9, 11));
    b.SetReinforcementMarker(s.Hex(9, 11), ReinforcementMarker);
    b.AddObjective(ObjectiveRecord(), s.Hex(5, 6));
    StructureRecord keep;
    keep.supplyLevel = 10;
    b.AddStructure(keep, s.Hex(6, 6));
    MapTextRecord text;
    text.text = "Varn";
    text.fontSize = {8, 10, 12};
    text.orientation = {1, 1, 1};
    b.AddMapText(text, s.Hex(5, 5));
    // A road that meets itself: up from an even column, and from an odd column up and right,
    // where the neighbour lies in the same row.
    b.SetTerrainSlot(s.Hex(5, 4), 1, RoadNorth);
    b.SetTerrainSlot(s.Hex(4, 4), 1, RoadSouth);
    b.SetTerrainSlot(s.Hex(5, 3), 2, RoadNorthEast);
    b.SetTerrainSlot(s.Hex(5, 4), 3, RoadSouthWest);
    b.SetTerrainSlot(s.Hex(3, 3), 0, Woods);
    return s;
}

class BattleCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        QDir(folder_->path()).mkpath("icons");
        QFile icon(folder_->filePath("icons/sword.bmp"));
        icon.open(QIODevice::WriteOnly);
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    static Scene Clean() { return CleanScene(folder_->path()); }

    static QTemporaryDir* folder_;
};
QTemporaryDir* BattleCheck::folder_ = nullptr;

QString Describe(const std::vector<BattleProblem>& problems) {
    QStringList lines;
    for (const BattleProblem& p : problems)
        lines << QStringLiteral("%1 %2 %3: %4")
                     .arg(QLatin1String(CheckInfoOf(p.check).key), p.hexLabel, p.record, p.message);
    return lines.join('\n');
}

struct OneMistake {
    const char* what;
    CheckId expected;
    QString hexLabel; // as shown, empty for a problem without a place
    std::function<void(Scene&)> make;
};

const std::vector<OneMistake>& Mistakes() {
    using enum CheckId;
    static const std::vector<OneMistake> mistakes = {
        {"no turns", NoTurns, "", [](Scene& s) { s.b.settings.maxTurns = 0; }},
        {"no battle name", NoBattleName, "", [](Scene& s) { s.b.settings.battleName = "  "; }},
        {"no side name", NoSideName, "", [](Scene& s) { s.b.settings.sideBName = ""; }},
        {"same side names", SameSideNames, "",
         [](Scene& s) { s.b.settings.sideBName = "western forces"; }},
        {"a side without units", SideWithoutUnits, "",
         [](Scene& s) {
             s.b.DeleteUnit(4);
             s.b.DeleteUnit(3);
         }},
        {"icon missing", IconMissing, "", [](Scene& s) { s.b.settings.iconName = "shield"; }},
        {"every attribute zero, units and objective on the map", AttributesAllZero, "",
         [](Scene& s) { s.b.terrainAttrs.fill(TerrainAttr{}); }},
        {"primary terrain beyond the set", TerrainBeyondSet, "34",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(3, 4), 0, TerrainCount); }},
        {"secondary terrain below zero", TerrainBeyondSet, "34",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(3, 4), 6, -2); }},
        {"structure symbol beyond the set", TerrainBeyondSet, "66",
         [](Scene& s) {
             StructureRecord r = s.b.structures()[1];
             r.symbol = 200;
             s.b.UpdateStructure(1, r);
         }},
        {"the same piece twice", PieceTwice, "33",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(3, 3), 4, Woods); }},
        {"a road piece whose neighbour lacks the opposite", PathWithoutOpposite, "81",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(8, 1), 1, RoadSouthEast); }},
        {"a piece whose opposite the set lacks", PathWithoutOpposite, "88",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(8, 8), 1, WallNorth); }},
        {"a road off the top", PathOffMap, "07",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(0, 7), 1, RoadNorth); }},
        {"a road off the left edge", PathOffMap, "40",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(4, 0), 1, RoadNorthWest); }},
        {"a unit in a lake", UnitOnImpassableHex, "23",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(2, 3), 0, Lake); }},
        {"a unit of 0 men", UnitWithoutMen, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.men = 0; }); }},
        {"a bow without arrows", MissileWithoutAmmo, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.missileWeapon = 1; }); }},
        {"a piece beyond the set", UnitPieceBeyondSet, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.symbol = 4; }); }},
        {"a wing that does not exist", UnitWingUnknown, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.wing = 2; }); }},
        {"a weapon beyond the definitions", EquipmentUnknown, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.combatWeapon = 3; }); }},
        {"a seventh class", EquipmentUnknown, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.unitClass = 6; }); }},
        {"a wing without a leader", WingWithoutLeader, "78",
         [](Scene& s) { s.Change(3, [](UnitRecord& u) { u.wingLeader = 0; }); }},
        {"a wing with two leaders", WingWithLeaders, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.wingLeader = 1; }); }},
        {"a wing on both sides", WingOnBothSides, "78",
         [](Scene& s) {
             s.Change(3, [](UnitRecord& u) { u.wing = 0; });
             s.Change(4, [](UnitRecord& u) { u.wing = 0; });
         }},
        {"arriving after the last turn", ArrivalAfterLastTurn, "911",
         [](Scene& s) { s.Change(4, [](UnitRecord& u) { u.activationTurn = 31; }); }},
        {"arriving on turn 0", ArrivalOnTurnZero, "23",
         [](Scene& s) { s.Change(2, [](UnitRecord& u) { u.activationTurn = 0; }); }},
        {"no reinforcement marker", ArrivalWithoutMarker, "911",
         [](Scene& s) { s.b.SetReinforcementMarker(s.Hex(9, 11), 0); }},
        {"arriving on a structure", ArrivalOnStructure, "911",
         [](Scene& s) {
             StructureRecord r;
             r.height = 2;
             s.b.AddStructure(r, s.Hex(9, 11));
         }},
        {"no objective", NoObjective, "", [](Scene& s) { s.b.DeleteObjective(1); }},
        {"an objective of 0 points", ObjectiveWithoutPoints, "56",
         [](Scene& s) {
             ObjectiveRecord o = s.b.objectives()[1];
             o.victoryPoints = 0;
             s.b.UpdateObjective(1, o);
         }},
        {"a second objective", ObjectiveNotCounted, "19",
         [](Scene& s) { s.b.AddObjective(ObjectiveRecord(), s.Hex(1, 9)); }},
        {"an objective in a lake", ObjectiveOnImpassableHex, "56",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(5, 6), 0, Lake); }},
        {"a structure in a lake", StructureOnImpassableHex, "66",
         [](Scene& s) { s.b.SetTerrainSlot(s.Hex(6, 6), 0, Lake); }},
        {"a structure of no figures", StructureWithoutFigures, "66",
         [](Scene& s) {
             StructureRecord r = s.b.structures()[1];
             r.supplyLevel = 0;
             s.b.UpdateStructure(1, r);
         }},
        {"an empty map text", MapTextEmpty, "55",
         [](Scene& s) {
             MapTextRecord t = s.b.mapTexts()[1];
             t.text = "";
             s.b.UpdateMapText(1, t);
         }},
        {"a map text drawn at no level", MapTextNeverOnMap, "55",
         [](Scene& s) {
             MapTextRecord t = s.b.mapTexts()[1];
             t.fontSize = {5, 5, 5};
             s.b.UpdateMapText(1, t);
         }},
        {"a map text left of the first column", MapTextNeverOnMap, "40",
         [](Scene& s) {
             MapTextRecord t = s.b.mapTexts()[1];
             t.orientation = {7, 5, 6};
             s.b.DeleteMapText(1);
             s.b.AddMapText(t, s.Hex(4, 0));
         }},
    };
    return mistakes;
}

} // namespace

TEST_F(BattleCheck, CleanBattleHasNoProblems) {
    const Scene s = Clean();
    const auto problems = s.Check();
    EXPECT_TRUE(problems.empty()) << Describe(problems).toStdString();
}

TEST_F(BattleCheck, EachMistakeIsReportedAloneAtItsHex) {
    for (const OneMistake& m : Mistakes()) {
        Scene s = Clean();
        m.make(s);
        const auto problems = s.Check();
        ASSERT_EQ(problems.size(), 1u) << m.what << "\n" << Describe(problems).toStdString();
        const BattleProblem& p = problems[0];
        EXPECT_EQ(p.check, m.expected) << m.what;
        EXPECT_EQ(p.severity, CheckInfoOf(m.expected).severity) << m.what;
        EXPECT_EQ(p.hexLabel, m.hexLabel) << m.what;
        EXPECT_EQ(p.hex == kNoHex, m.hexLabel.isEmpty()) << m.what;
        EXPECT_FALSE(p.record.isEmpty()) << m.what;
        EXPECT_FALSE(p.message.isEmpty()) << m.what;
    }
}

TEST_F(BattleCheck, EveryCheckHasAMistakeThatShowsIt) {
    for (const CheckInfo& info : BattleChecks()) {
        EXPECT_EQ(&CheckInfoOf(info.id), &info);
        const bool covered =
            std::any_of(Mistakes().begin(), Mistakes().end(),
                        [&](const OneMistake& m) { return m.expected == info.id; });
        EXPECT_TRUE(covered) << info.key;
    }
}

TEST_F(BattleCheck, ErrorsComeFirstAndEachMistakeOnce) {
    Scene s = Clean();
    s.b.SetTerrainSlot(s.Hex(0, 7), 1, RoadNorth);             // warning
    s.Change(2, [](UnitRecord& u) { u.men = 0; });             // error
    s.b.AddObjective(ObjectiveRecord(), s.Hex(1, 9));          // warning
    s.b.settings.maxTurns = 0;                                 // error
    s.Change(4, [](UnitRecord& u) { u.activationTurn = 40; }); // not again for no turns
    const auto problems = s.Check();
    ASSERT_EQ(problems.size(), 4u) << Describe(problems).toStdString();
    EXPECT_EQ(problems[0].check, CheckId::NoTurns);
    EXPECT_EQ(problems[1].check, CheckId::UnitWithoutMen);
    EXPECT_EQ(problems[2].check, CheckId::PathOffMap);
    EXPECT_EQ(problems[3].check, CheckId::ObjectiveNotCounted);
    const ProblemCount count = CountProblems(problems);
    EXPECT_EQ(count.errors, 2);
    EXPECT_EQ(count.warnings, 2);
}

TEST_F(BattleCheck, MessagesNameTheRecordsAndPieces) {
    Scene s = Clean();
    s.b.SetTerrainSlot(s.Hex(8, 1), 1, RoadSouthEast);
    s.Change(1, [](UnitRecord& u) {
        u.missileWeapon = 1;
        u.missileAmmo = 0;
    });
    const auto problems = s.Check();
    ASSERT_EQ(problems.size(), 2u) << Describe(problems).toStdString();
    // Column 1 is odd: south-east of row 8 is row 9, column 2.
    EXPECT_EQ(problems[0].message,
              "\"Road South-East\" points to hex 92, which has no \"Road North-West\".");
    EXPECT_EQ(problems[1].record, "Unit 1 \"Duke\"");
    EXPECT_TRUE(problems[1].message.contains("Bow")) << problems[1].message.toStdString();
}

// A text beside its hex is outside the map exactly when the hex's square touches that edge;
// a text centred above or below its hex always overlaps the square's middle.
TEST_F(BattleCheck, MapTextsBesideTheEdgeHexes) {
    const struct {
        int row, col, orientation;
        bool outside;
    } cases[] = {
        {0, 0, 5, true},   {0, 0, 2, true},  {0, 0, 7, true},   {0, 0, 1, false},
        {0, 0, 3, false},  {0, 0, 8, false}, {0, 1, 2, false},  {0, 1, 4, false},
        {9, 11, 1, true},  {9, 11, 8, true}, {9, 10, 1, false}, {9, 10, 3, false},
        {9, 10, 8, false}, {4, 11, 4, true}, {4, 11, 7, false}, {0, 6, 4, true},
    };
    for (const auto& c : cases) {
        Scene s = Clean();
        MapTextRecord t = s.b.mapTexts()[1];
        t.orientation = {uint8_t(c.orientation), uint8_t(c.orientation), uint8_t(c.orientation)};
        s.b.DeleteMapText(1);
        s.b.AddMapText(t, s.Hex(c.row, c.col));
        const auto problems = s.Check();
        EXPECT_EQ(problems.size(), c.outside ? 1u : 0u)
            << c.row << "," << c.col << " placement " << c.orientation << "\n"
            << Describe(problems).toStdString();
    }
    // Outside at one level but on the map at another is fine.
    Scene s = Clean();
    MapTextRecord t = s.b.mapTexts()[1];
    t.orientation = {5, 1, 5};
    s.b.DeleteMapText(1);
    s.b.AddMapText(t, s.Hex(0, 0));
    EXPECT_TRUE(s.Check().empty());
}

TEST(ProblemCountText, SaysHowManyOfEach) {
    EXPECT_EQ(ProblemCountText({3, 5}), "3 errors, 5 warnings");
    EXPECT_EQ(ProblemCountText({1, 0}), "1 error, no warnings");
    EXPECT_EQ(ProblemCountText({0, 1}), "no errors, 1 warning");
    EXPECT_EQ(ProblemCountText({0, 0}), "No problems");
}

// The help page lists every check by its title.
TEST(BattleCheckHelp, ListsEveryCheck) {
    QFile page(QStringLiteral(FM_BATTLE_HELP_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll()).simplified();
    for (const CheckInfo& info : BattleChecks())
        EXPECT_TRUE(text.contains(QString::fromUtf8(info.title))) << info.title;
}
