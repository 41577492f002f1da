#include "VarnholmCatalogue.h"

#include "BuildingPictures.h"
#include "FeaturePictures.h"
#include "GroundPictures.h"
#include "MarkerPictures.h"
#include "UnitPictures.h"
#include "VarnholmNumbers.h"

static const QColor kWestern(44, 78, 168);
static const QColor kEastern(176, 38, 36);

static int HexSize(int level) {
    return kVarnholmHexSizes[level - 1];
}

static SymbolPlan Ground(const char* name, void (*paint)(QPainter&, const HexFrame&)) {
    return {name, false, [paint](int level) { return PaintGround(HexSize(level), paint); }};
}

static SymbolPlan Overlay(const QByteArray& name, const HexPainting& paint) {
    return {name, true, [paint](int level) { return PaintOverlay(HexSize(level), paint); }};
}

static const char* const kSideNames[6] = {"North", "North-East", "South-East",
                                          "South", "South-West", "North-West"};
static const char* const kAxisNames[3] = {"N-S", "NE-SW", "SE-NW"};

// Six pieces, one towards each edge, starting at `first`.
static void EdgePieces(std::vector<SymbolPlan>& plan, int first, const char* stem,
                       void (*paint)(QPainter&, const HexFrame&, HexSide)) {
    for (int k = 0; k < 6; ++k)
        plan[first + k] =
            Overlay(QByteArray(stem) + " " + kSideNames[k],
                    [paint, k](QPainter& p, const HexFrame& f) { paint(p, f, kAllSides[k]); });
}

static void AxisPieces(std::vector<SymbolPlan>& plan, int first, const char* stem,
                       void (*paint)(QPainter&, const HexFrame&, HexSide)) {
    for (int k = 0; k < 3; ++k)
        plan[first + k] =
            Overlay(QByteArray(stem) + " " + kAxisNames[k],
                    [paint, k](QPainter& p, const HexFrame& f) { paint(p, f, kAllSides[k]); });
}

std::vector<SymbolPlan> VarnholmTerrainPlan() {
    std::vector<SymbolPlan> plan(VhTerrainCount);
    plan[VhOpenGround] = Ground("Open Ground", PaintOpenGround);
    plan[VhFields] = Ground("Fields", PaintFields);
    plan[VhWoods] = Ground("Woods", PaintWoods);
    plan[VhForest] = Ground("Forest", PaintForest);
    plan[VhHills] = Ground("Hills", PaintHills);
    plan[VhHighHills] = Ground("High Hills", PaintHighHills);
    plan[VhMarsh] = Ground("Marsh", PaintMarsh);
    plan[VhMapOverlay] = {"Map OverLay", true,
                          [](int level) { return MapOverlayPicture(HexSize(level)); }};
    plan[VhLake] = Ground("Lake", PaintLake);
    plan[VhObjective] = Overlay("Objective", PaintObjective);
    plan[VhScrub] = Ground("Scrub", PaintScrub);
    plan[VhMeadow] = Ground("Meadow", PaintMeadow);
    plan[VhVillage] = Ground("Village", PaintVillage);
    plan[VhTown] = Ground("Town", PaintTown);
    plan[VhChurch] = Ground("Church", PaintChurch);
    plan[VhCastle] = Ground("Castle", PaintCastle);
    plan[VhRuins] = Ground("Ruins", PaintRuins);
    plan[VhHotHex] = Overlay("Hot Hex", PaintHotHex);
    plan[VhCombatHex] = Overlay("Combat Hex", PaintCombatHex);
    plan[VhLegalMove] = Overlay("Legal Move", PaintLegalMove);
    plan[VhUnitDestroyed] = Overlay("Unit Destroyed", PaintUnitDestroyed);
    plan[VhOrchard] = Ground("Orchard", PaintOrchard);
    plan[VhWindmill] = Ground("Windmill", PaintWindmill);
    plan[VhCamp] = Ground("Camp", PaintCamp);
    plan[VhShallows] = Ground("Shallows", PaintShallows);
    plan[VhRockyGround] = Ground("Rocky Ground", PaintRockyGround);
    plan[VhFarmstead] = Ground("Farmstead", PaintFarmstead);
    plan[VhBurntGround] = Ground("Burnt Ground", PaintBurntGround);
    plan[VhEasternReinforcement] =
        Overlay("Eastern Reinforcement",
                [](QPainter& p, const HexFrame& f) { PaintReinforcement(p, f, kEastern); });
    plan[VhWesternReinforcement] =
        Overlay("Western Reinforcement",
                [](QPainter& p, const HexFrame& f) { PaintReinforcement(p, f, kWestern); });
    plan[VhCaltrops] = Overlay("Caltrops", PaintCaltrops);
    EdgePieces(plan, VhRiverFirst, "River", PaintRiver);
    EdgePieces(plan, VhStreamFirst, "Stream", PaintStream);
    EdgePieces(plan, VhRoadFirst, "Road", PaintRoad);
    EdgePieces(plan, VhTrackFirst, "Track", PaintTrack);
    AxisPieces(plan, VhBridgeFirst, "Bridge", PaintBridge);
    AxisPieces(plan, VhFordFirst, "Ford", PaintFord);
    EdgePieces(plan, VhWallFirst, "Wall", PaintWall);
    EdgePieces(plan, VhPalisadeFirst, "Palisade", PaintPalisade);
    return plan;
}

std::vector<SymbolPlan> VarnholmUnitPlan() {
    static const char* const kArms[kUnitKindCount] = {"Foot",        "Archers",     "Crossbowmen",
                                                      "Men-at-Arms", "Light Horse", "Heavy Horse",
                                                      "Leader",      "Supply Wagon"};
    std::vector<SymbolPlan> plan;
    for (int side = 0; side < 2; ++side)
        for (int k = 0; k < kUnitKindCount; ++k) {
            const QColor colour = side == 0 ? kWestern : kEastern;
            const UnitKind kind = UnitKind(k);
            plan.push_back(
                {QByteArray(side == 0 ? "Western " : "Eastern ") + kArms[k], true,
                 [kind, colour](int level) { return UnitPicture(kind, colour, level); }});
        }
    return plan;
}
