#include "MapCommands.h"

namespace {

// Terrain symbols 254 and above and empty hexes share one key.
int FillKey(int primaryTerrain) {
    return primaryTerrain >= 0 && primaryTerrain <= 253 ? primaryTerrain + 1 : 0;
}

} // namespace

Redraw MapCommands::PlacePrimary(int hex) {
    context_.Edit(QStringLiteral("Place Primary Terrain"),
                  [&](Battle& b) { b.SetTerrainSlot(hex, 0, context_.terrainSelection); });
    return Redraw::Hex;
}

Redraw MapCommands::AddSecondary(int hex) {
    const Battle& b = context_.battle();
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
    context_.Edit(QStringLiteral("Place Secondary Terrain"),
                  [&](Battle& edited) { edited.SetTerrainSlot(hex, slot, t); });
    return Redraw::Hex;
}

Redraw MapCommands::RemoveSecondary(int hex) {
    const Battle& b = context_.battle();
    for (int slot = kSecondarySlots; slot >= 1; --slot) {
        if (b.hex(hex).terrainSlot(slot) < kNoSymbol) {
            context_.Edit(QStringLiteral("Remove Secondary Terrain"),
                          [&](Battle& edited) { edited.SetTerrainSlot(hex, slot, kNoSymbol); });
            return Redraw::Hex;
        }
    }
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
    context_.Edit(QStringLiteral("Fill Primary Terrain"), [&](Battle& b) { Fill(b, hex); });
    return Redraw::All;
}

void MapCommands::Fill(Battle& b, int hex) {
    const int t = context_.terrainSelection;
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
}

Redraw MapCommands::ToggleCaltrops(int hex) {
    context_.Edit(QStringLiteral("Place Caltrops"), [&](Battle& b) {
        b.SetCaltropsMarker(hex, b.hex(hex).caltropsMarker > 0 ? 0 : b.markerTable[MarkerCaltrops]);
    });
    return Redraw::All;
}

Redraw MapCommands::SetCaltrops(int hex, bool on) {
    const Battle& b = context_.battle();
    if ((b.hex(hex).caltropsMarker > 0) == on)
        return Redraw::Nothing;
    context_.Edit(QStringLiteral("Place Caltrops"), [&](Battle& edited) {
        edited.SetCaltropsMarker(hex, on ? edited.markerTable[MarkerCaltrops] : 0);
    });
    return Redraw::Hex;
}

bool MapCommands::CopyUnit(int hex) {
    const int u = context_.battle().hex(hex).unitNo;
    if (u == 0)
        return false;
    // The clipboard is not part of the battle's history: a copy leaves no step.
    context_.Edit(QStringLiteral("Copy Unit"), [&](Battle& b) { b.CopyUnitToClipboard(u); });
    context_.sounds.Play(SoundClick);
    return true;
}

Redraw MapCommands::CutUnit(int hex, bool& taken) {
    const int u = context_.battle().hex(hex).unitNo;
    taken = u != 0;
    if (!taken)
        return Redraw::Nothing;
    context_.Edit(QStringLiteral("Cut Unit"), [&](Battle& b) {
        b.CopyUnitToClipboard(u);
        b.DeleteUnit(u);
        if (b.hex(hex).reinforcementMarker != 0)
            b.SetReinforcementMarker(hex, 0);
    });
    return Redraw::All;
}

Redraw MapCommands::PasteUnit(int hex) {
    const Battle& b = context_.battle();
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
    if (b.units().full()) {
        context_.Refuse(QStringLiteral("The battle holds the most units it has room for."));
        return Redraw::Nothing;
    }
    context_.Edit(QStringLiteral("Paste Unit"), [&](Battle& edited) {
        if (edited.AddClipboardUnit(hex) == 0 || clip.activationTurn <= 1)
            return;
        const int slot = 4 + clip.side;
        if (slot >= 0 && slot < kMarkerSlots)
            edited.SetReinforcementMarker(hex, edited.markerTable[size_t(slot)]);
    });
    return Redraw::All;
}
