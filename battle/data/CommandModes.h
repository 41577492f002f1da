#pragma once
// The battle editor's command modes (what the next click on a map hex does) and the kinds
// of the terrain picker, shared by the main window and the dialogs.

#include <QString>

enum CommandMode {
    ModeNone = 0,
    ModePlacePrimary = 1,
    ModeAddSecondary = 2,
    ModeFillPrimary = 3,
    ModeMapText = 4,
    ModeUnits = 5,
    ModeStructures = 6,
    ModeObjective = 7,
    ModeReinforcements = 8,
    ModeZoomIn = 9,
    ModeCopyUnit = 10,
    ModeCutUnit = 11,
    ModePasteUnit = 12,
    ModeCaltrops = 14,
};

// What the terrain picker is choosing for.
enum PickerKind {
    PickerPrimary = 1,   // "Place Primary Terrain", shown beside the map
    PickerFill = 2,      // "Primary Terrain Fill", modal
    PickerSecondary = 3, // "Place Secondary Terrain", shown beside the map
};

// The status line text a mode's command writes; empty for the modes that leave it.
inline QString ModeStatusText(int mode) {
    switch (mode) {
    case ModePlacePrimary:
        return QStringLiteral("Select Hex to Place Primary Terrain.");
    case ModeAddSecondary:
        return QStringLiteral(
            "Select Hex to Add Secondary Terrain (Left Click Adds/Right Click Removes).");
    case ModeFillPrimary:
        return QStringLiteral("Select Hex to Start Primary Terrain Fill.");
    case ModeMapText:
        return QStringLiteral("Select Hex to Add/Modify Map Text.");
    case ModeUnits:
        return QStringLiteral("Select Hex to Add or Modify Units.");
    case ModeStructures:
        return QStringLiteral("Select Hex to Add or Modify Structures.");
    case ModeObjective:
        return QStringLiteral("Select Hex to Set/Modify Terrain Objective.");
    case ModeReinforcements:
        return QStringLiteral("Select Hex to Add or Modify Reinforcements.");
    case ModeCopyUnit:
        return QStringLiteral("Select Unit to Copy.");
    case ModeCutUnit:
        return QStringLiteral("Select Unit to Cut.");
    case ModePasteUnit:
        return QStringLiteral("Select Hex to Paste Unit Into.");
    case ModeCaltrops:
        return QStringLiteral("Select Hex to Add/Remove Caltrops.");
    default:
        return {};
    }
}
