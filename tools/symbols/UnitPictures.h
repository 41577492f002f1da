#pragma once
// Game pieces of the stock set: counters in a side's colour with the arm of service on them.
// The smallest level is drawn pixel by pixel for legibility, the larger ones with QPainter.

#include <QColor>
#include <QImage>

enum class UnitKind {
    Foot,
    Archers,
    Crossbowmen,
    MenAtArms,
    LightHorse,
    HeavyHorse,
    Leader,
    Supply
};
constexpr int kUnitKindCount = 8;

// Edge length of a piece at levels 1, 2, 3: odd, so a piece centres exactly on the hex.
constexpr int kUnitSizes[3] = {11, 22, 33};

// The piece at `level` (1 … 3), square of kUnitSizes[level - 1]; transparent corners are
// pure black, as the set stores them.
QImage UnitPicture(UnitKind kind, QColor side, int level);
