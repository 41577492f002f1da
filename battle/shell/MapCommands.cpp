#include "MapCommands.h"

namespace {

// Terrain symbols 254 and above and empty hexes share one key.
int FillKey(int primaryTerrain) {
    return primaryTerrain >= 0 && primaryTerrain <= 253 ? primaryTerrain + 1 : 0;
}

} // namespace

Redraw MapCommands::PlacePrimary(int hex) {
    context_.battle.SetTerrainSlot(hex, 0, context_.terrainSelection);
    return Redraw::Hex;
}

Redraw MapCommands::AddSecondary(int hex) {
    Battle& b = context_.battle;
    const int t = context_.terrainSelection;
    const HexRecord& h = b.hex(hex);
    if (t == h.primaryTerrain)
        return Redraw::Nothing;
    for (int symbol : h.secondaryTerrain)
        if (symbol == t)
            return Redraw::Nothing;
    // The lowest free slot of 1 … 5, else slot 6 is replaced.
    int slot = kSecondarySlots;
    for (int s = 1; s < kSecondarySlots; ++s) {
        if (h.terrainSlot(s) >= kNoSymbol) {
            slot = s;
            break;
        }
    }
    b.SetTerrainSlot(hex, slot, t);
    return Redraw::Hex;
}

Redraw MapCommands::RemoveSecondary(int hex) {
    Battle& b = context_.battle;
    for (int slot = kSecondarySlots; slot >= 1; --slot) {
        if (b.hex(hex).terrainSlot(slot) < kNoSymbol) {
            b.SetTerrainSlot(hex, slot, kNoSymbol);
            return Redraw::Hex;
        }
    }
    b.modified = true;
    return Redraw::Hex;
}

std::vector<int> MapCommands::FillRegion(const Battle& battle, int hex) {
    const int cols = battle.settings.mapCols, rows = battle.settings.mapRows;
    std::vector<int> region;
    if (!battle.IsHex(hex) || cols <= 0)
        return region;
    const int key = FillKey(battle.hex(hex).primaryTerrain);
    std::vector<bool> seen(size_t(battle.hexCount()), false);
    std::vector<int> stack{hex};
    seen[size_t(hex)] = true;
    while (!stack.empty()) {
        const int h = stack.back();
        stack.pop_back();
        region.push_back(h);
        const int c = h % cols, r = h / cols;
        const int next[4][2] = {{c - 1, r}, {c + 1, r}, {c, r - 1}, {c, r + 1}};
        for (const auto& [nc, nr] : next) {
            if (nc < 0 || nr < 0 || nc >= cols || nr >= rows)
                continue;
            const int n = nr * cols + nc;
            if (!seen[size_t(n)] && FillKey(battle.hex(n).primaryTerrain) == key) {
                seen[size_t(n)] = true;
                stack.push_back(n);
            }
        }
    }
    return region;
}

Redraw MapCommands::FillPrimary(int hex) {
    Battle& b = context_.battle;
    const int t = context_.terrainSelection;
    b.modified = true;
    std::vector<int> backup(size_t(b.hexCount()));
    bool allSame = true;
    for (int h = 0; h < b.hexCount(); ++h) {
        backup[size_t(h)] = b.hex(h).primaryTerrain;
        allSame = allSame && backup[size_t(h)] == backup[0];
    }
    if (allSame) {
        for (int h = 0; h < b.hexCount(); ++h)
            b.SetTerrainSlot(h, 0, t);
    } else {
        for (int h : FillRegion(b, hex))
            b.SetTerrainSlot(h, 0, t);
    }
    if (redrawBeforeQuestion)
        redrawBeforeQuestion();
    if (askMessage && askMessage(MsgKeepTerrainFill, OrvTwoButtons) == OrvNo) {
        for (int h = 0; h < b.hexCount(); ++h)
            b.SetTerrainSlot(h, 0, backup[size_t(h)]);
    }
    b.modified = true;
    return Redraw::All;
}

Redraw MapCommands::ToggleCaltrops(int hex) {
    // Marks the battle modified too: after a save in this mode a click must not be lost.
    Battle& b = context_.battle;
    b.SetCaltropsMarker(hex, b.hex(hex).caltropsMarker > 0 ? 0 : b.markerTable[MarkerCaltrops]);
    return Redraw::All;
}

Redraw MapCommands::SetCaltrops(int hex, bool on) {
    Battle& b = context_.battle;
    if ((b.hex(hex).caltropsMarker > 0) == on)
        return Redraw::Nothing;
    b.SetCaltropsMarker(hex, on ? b.markerTable[MarkerCaltrops] : 0);
    return Redraw::Hex;
}

bool MapCommands::CopyUnit(int hex) {
    const int u = context_.battle.hex(hex).unitNo;
    if (u == 0)
        return false;
    context_.battle.CopyUnitToClipboard(u);
    context_.sounds.Play(SoundClick);
    return true;
}

Redraw MapCommands::CutUnit(int hex, bool& taken) {
    Battle& b = context_.battle;
    const int u = b.hex(hex).unitNo;
    taken = u != 0;
    if (!taken)
        return Redraw::Nothing;
    b.CopyUnitToClipboard(u);
    b.DeleteUnit(u);
    if (b.hex(hex).reinforcementMarker != 0)
        b.SetReinforcementMarker(hex, 0);
    b.modified = true; // a cut must not be lost by leaving without the save question
    return Redraw::All;
}

Redraw MapCommands::PasteUnit(int hex) {
    Battle& b = context_.battle;
    const HexRecord& h = b.hex(hex);
    const UnitRecord& clip = b.unitClipboard;
    const bool onReinforcementHex = h.reinforcementMarker != 0 && clip.activationTurn == 1;
    if (h.unitNo != 0) {
        context_.Refuse(QStringLiteral("A unit already stands on this hex."));
        return Redraw::Nothing;
    }
    if (onReinforcementHex) {
        context_.Refuse(QStringLiteral("Only a reinforcement can be pasted on this hex."));
        return Redraw::Nothing;
    }
    if (b.AddClipboardUnit(hex) == 0) {
        context_.Refuse(QStringLiteral("The battle holds the most units it has room for."));
        return Redraw::Nothing;
    }
    if (clip.activationTurn > 1) {
        const int slot = 4 + clip.side;
        if (slot >= 0 && slot < kMarkerSlots)
            b.SetReinforcementMarker(hex, b.markerTable[size_t(slot)]);
    }
    b.modified = true;
    return Redraw::All;
}
