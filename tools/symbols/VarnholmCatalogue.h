#pragma once
// What the standard set "varnholm" holds: every symbol's name, whether it has a mask of its
// own, and how its picture is painted at each level.

#include <QByteArray>
#include <QImage>

#include <functional>
#include <vector>

struct SymbolPlan {
    QByteArray name;
    bool transparent = false;                 // stored with a mask of its own
    std::function<QImage(int level)> picture; // level 1 … 3
};

// Terrain symbols in record order: entry i is symbol number i (VarnholmNumbers.h).
std::vector<SymbolPlan> VarnholmTerrainPlan();
// Unit symbols in record order.
std::vector<SymbolPlan> VarnholmUnitPlan();
