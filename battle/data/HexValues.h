#pragma once
// Values derived for one hex from its terrain, caltrops and structure.

#include <QString>

class Battle;

struct RowCol {
    int row = 0;
    int col = 0;
};

RowCol HexRowCol(const Battle& b, int hex);
// The number shown for a hex: its row followed directly by its column ("512").
QString HexLabel(const Battle& b, int hex);
int HexMoveCost(const Battle& b, int hex);
int HexElevation(const Battle& b, int hex);
int HexHeight(const Battle& b, int hex);
int HexDefence(const Battle& b, int hex);
