#pragma once
// The linear terrain of a symbol set, found from the names of its terrain symbols:
//   "<Family> <Direction>"  a piece from the hex's centre to one edge, Direction one of
//                           North, North-East, South-East, South, South-West, North-West
//                           ("Road North-East", "River South");
//   "<Crossing> <Axis>"     a crossing from one edge to the opposite one, Axis one of N-S,
//                           NE-SW, SE-NW ("Bridge N-S", "Ford NE-SW").
// A family whose name contains River, Stream, Brook or Creek is water; one whose name
// contains Road or Track is a way, crossing water on the set's bridge (roads) or ford
// (tracks) when the set has one.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct LoadedSymbolSet;

extern const std::array<const char*, 6> kDirectionNames;
extern const std::array<const char*, 3> kAxisNames;

struct PathFamily {
    QString name;
    std::array<int, 6> pieces; // symbol per direction, kNoSymbol when the set lacks it
    bool water = false;
    int crossing = -1; // the crossing family a way lays over water, or -1

    // "Road North-West, Road South" for the pieces the set lacks; empty when complete.
    QStringList missing() const;
};

struct CrossingFamily {
    QString name;
    std::array<int, 3> pieces; // symbol per axis, kNoSymbol when missing
};

// What a terrain symbol is to the paths.
struct PieceRef {
    enum Kind { None, Path, Crossing } kind = None;
    int family = -1;
    int direction = -1; // 0 … 5 for a path piece, the axis 0 … 2 for a crossing
};

class PathFamilies {
public:
    PathFamilies() = default;
    // terrainNames[s] is the name of zero-based terrain symbol s.
    static PathFamilies Find(const std::vector<QByteArray>& terrainNames);

    const std::vector<PathFamily>& families() const { return families_; }
    const std::vector<CrossingFamily>& crossings() const { return crossings_; }
    bool empty() const { return families_.empty(); }
    // The family of that name, or -1.
    int FamilyNamed(const QString& name) const;
    int CrossingNamed(const QString& name) const;

    PieceRef PieceOf(int symbol) const;
    // The piece of the same family towards another edge (kNoSymbol when the set lacks it);
    // a crossing keeps its family and takes the given axis. Other symbols stay.
    int WithDirection(int symbol, int direction) const;

private:
    std::vector<PathFamily> families_;
    std::vector<CrossingFamily> crossings_;
    std::vector<PieceRef> bySymbol_;
};

// The names of the set's terrain symbols in symbol order.
std::vector<QByteArray> TerrainNames(const LoadedSymbolSet& set);
