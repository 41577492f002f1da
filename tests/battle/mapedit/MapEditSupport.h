#pragma once
// Shared by the map editing tests: the stock set with its path families, battles on it in
// either arrangement, and checks that every road, river or wall piece meets its partner.

#include "Battle.h"
#include "HexGrid.h"
#include "LoadedSymbolSet.h"
#include "PathFamilies.h"

#include <gtest/gtest.h>

const LoadedSymbolSet& StockSet();
const PathFamilies& StockFamilies();

// An empty cols × rows battle on the stock set in the given arrangement.
Battle StockBattle(int cols, int rows, int layout = LayoutVertical);

// The stock piece of a family towards edge d ("Road", 2).
int Piece(const char* family, int d);
// The stock crossing piece of an axis ("Bridge", 0).
int CrossingPiece(const char* crossing, int axis);
bool HasPiece(const Battle& b, int hex, int symbol);

// Every path piece of the battle points at a neighbour that holds the family's opposite
// piece (or off the map).
testing::AssertionResult PathsConnected(const Battle& b);
// The number of path pieces on the map.
int PathPieceCount(const Battle& b);

// A battle with a bit of everything: random terrain, units in several wings, structures,
// objectives, map texts, caltrops, reinforcement markers, and stock roads and rivers.
Battle BusyBattle(int cols, int rows, int layout, unsigned seed);
// The battle's whole state as bytes, for comparing two battles exactly.
std::vector<uint8_t> StateOf(const Battle& b);
// The sample battle "Varnholm Ford" on the stock set.
const Battle& SampleBattle();
// The path pieces of the given hexes whose neighbour among them lacks the partner.
int UnpairedPieces(const Battle& b, const std::vector<int>& hexes);
