#pragma once
// The checker's topics, each in a file of its own, and the list they add their problems
// to. Only the checker's own files include this.

#include "BattleCheck.h"

class Battle;
struct Definitions;

class ProblemList {
public:
    explicit ProblemList(const Battle& battle) : battle_(battle) {}

    // A problem of a record that has a place on the map (hex) or none (kNoHex).
    void Add(CheckId check, int hex, const QString& record, const QString& message);
    std::vector<BattleProblem>& problems() { return problems_; }

private:
    const Battle& battle_;
    std::vector<BattleProblem> problems_;
};

// "Unit 12 \"Archers\"" and the like: the record's kind, number and name.
QString RecordName(const char* kind, int number, const QString& name);

// Settings, sides and the icon.
void CheckSettings(const Battle& b, const QString& programFolder, ProblemList& out);
// Terrain attributes and the hexes' terrain slots, path pieces included. True when every
// terrain attribute is zero: then no hex can be entered and the checks of records on
// impassable hexes would only repeat that.
bool CheckTerrain(const Battle& b, const SymbolSetSummary& set, ProblemList& out);
// Units, wings and reinforcements.
void CheckUnits(const Battle& b, const SymbolSetSummary& set, const Definitions& defs,
                bool checkPassable, ProblemList& out);
// Objectives, structures and map texts.
void CheckPlaces(const Battle& b, const SymbolSetSummary& set, bool checkPassable,
                 ProblemList& out);
