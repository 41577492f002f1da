#pragma once
// Symbol numbers of the standard set "varnholm", zero-based as battles refer to them
// (record number - 1). A new battle on this set expects its special markers at these
// numbers, so they must not move.

#include <array>

enum VarnholmTerrain : int {
    VhOpenGround = 0,
    VhFields = 1,
    VhWoods = 2,
    VhForest = 3,
    VhHills = 4,
    VhHighHills = 5,
    VhMarsh = 6,
    VhMapOverlay = 7,
    VhLake = 8,
    VhObjective = 9,
    VhScrub = 10,
    VhMeadow = 11,
    VhVillage = 12,
    VhTown = 13,
    VhChurch = 14,
    VhCastle = 15,
    VhRuins = 16,
    VhHotHex = 17,
    VhCombatHex = 18,
    VhLegalMove = 19,
    VhUnitDestroyed = 20,
    VhOrchard = 21,
    VhWindmill = 22,
    VhCamp = 23,
    VhShallows = 24,
    VhRockyGround = 25,
    VhFarmstead = 26,
    VhBurntGround = 27,
    VhEasternReinforcement = 28,
    VhWesternReinforcement = 29,
    VhCaltrops = 30,
    // Pieces towards each edge, in the order north, north-east, south-east, south,
    // south-west, north-west (add the edge's index to the first number).
    VhRiverFirst = 31,
    VhStreamFirst = 37,
    VhRoadFirst = 43,
    VhTrackFirst = 49,
    // Crossings along the axes north-south, north-east-south-west, south-east-north-west.
    VhBridgeFirst = 55,
    VhFordFirst = 58,
    // Walls along each edge, same order as the pieces.
    VhWallFirst = 61,
    VhPalisadeFirst = 67,
    VhTerrainCount = 73,
};

// Game pieces: the eight arms of the western side, then the same for the eastern side.
enum VarnholmUnit : int {
    VhFoot = 0,
    VhArchers = 1,
    VhCrossbowmen = 2,
    VhMenAtArms = 3,
    VhLightHorse = 4,
    VhHeavyHorse = 5,
    VhLeader = 6,
    VhSupplyWagon = 7,
    VhEasternFirst = 8,
    VhUnitCount = 16,
};

constexpr std::array<int, 3> kVarnholmHexSizes = {15, 30, 45};
