#pragma once
// A dialog test bench with a small battle and a symbol set built in memory: terrain
// symbols "T0" … listed in reverse order, 4-pixel cells; symbol 1 has a mask that lets
// only its left half through.

#include "DialogTestSupport.h"

constexpr int kTestTerrain = 4;
constexpr int kTestCell = 4;
constexpr int kTestCols = 10;
constexpr int kTestRows = 10;

// The colour every pixel of terrain symbol n's pictures has.
QRgb TestTerrainColour(int symbol);

struct HexBench : DialogTestBench {
    HexBench();

    // A unit of `side` standing on h, arriving on `turn`.
    int PlaceUnit(int h, int side, int turn);
};
