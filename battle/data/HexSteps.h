#pragma once
// Neighbours and distances on the hex map, with odd columns shifted down by half a hex,
// whatever arrangement the map is drawn in.

class Battle;

// Directions 1 … 6 clockwise from straight up. kNoHex when the result is off the map,
// including a step across the left or right edge.
int HexNeighbour(int direction, int hex, int mapCols, int hexCount);
int HexNeighbour(const Battle& b, int direction, int hex);

// Steps between two hexes of the map; hexes off the map are beyond every range.
int HexDistance(const Battle& b, int a, int c);
constexpr int kUnreachable = 1 << 30;
