#include "MapFixtures.h"

#include "HexGeometry.h"

#include <QPainter>

QRgb TerrainColour(int symbol) {
    return qRgb(40 + symbol * 20, 200 - symbol * 15, 60 + symbol * 10);
}
QRgb UnitColour(int symbol) {
    return qRgb(220, 30 + symbol * 90, 40);
}

namespace {

constexpr int kTerrain = 10;
constexpr int kUnits = 2;

} // namespace

LoadedSymbolSet MakeLoadedSet() {
    LoadedSymbolSet set;
    set.realHex = 1;
    auto& terrain = set.records[KindIndex(SymbolKind::Terrain)];
    auto& units = set.records[KindIndex(SymbolKind::Unit)];
    auto& masks = set.records[KindIndex(SymbolKind::Mask)];
    terrain.resize(kTerrain);
    units.resize(kUnits);
    masks.resize(3); // 1 hex mask, 2 marker 7's outline, 3 the disc of unit 1 … and marker 9
    const std::array<int, 3> sizes{15, 30, 45};
    for (int level = 1; level <= 3; ++level) {
        const int s = sizes[size_t(level - 1)];
        const int u = s * 2 / 3;
        QImage t = QImage(s * kTerrain, s, QImage::Format_RGB32);
        QImage un = QImage(u * kUnits, u, QImage::Format_RGB32);
        QImage m = QImage(s * 2 + u, s, QImage::Format_RGB32);
        t.fill(Qt::black);
        un.fill(Qt::black);
        m.fill(Qt::white);
        QPainter tp(&t), up(&un), mp(&m);
        const QImage hex = HexMask(s, 1);
        mp.drawImage(0, 0, hex);
        for (int i = 0; i < kTerrain; ++i) {
            terrain[size_t(i)].cells[size_t(level - 1)] = {i * s, 0, i * s + s - 1, s - 1};
            terrain[size_t(i)].maskIndex = 1;
            if (i == 7) {
                // An outline: only the hexagon's edge is drawn, the inside transparent.
                QImage outline(s, s, QImage::Format_RGB32);
                outline.fill(Qt::black);
                for (const Segment& seg : HexOutline(s, 1))
                    DrawLine(outline, seg.from, seg.to, TerrainColour(7));
                tp.drawImage(i * s, 0, outline);
                mp.drawImage(s, 0, MaskFromPicture(outline));
                terrain[size_t(i)].maskIndex = 2;
            } else {
                // Inside the hexagon the symbol's colour, outside transparent black.
                for (int y = 0; y < s; ++y)
                    for (int x = 0; x < s; ++x)
                        if (hex.pixel(x, y) == qRgb(0, 0, 0))
                            t.setPixel(i * s + x, y, TerrainColour(i));
            }
        }
        masks[0].cells[size_t(level - 1)] = {0, 0, s - 1, s - 1};
        masks[1].cells[size_t(level - 1)] = {s, 0, 2 * s - 1, s - 1};
        masks[2].cells[size_t(level - 1)] = {2 * s, 0, 2 * s + u - 1, u - 1};
        for (int i = 0; i < kUnits; ++i)
            units[size_t(i)].cells[size_t(level - 1)] = {i * u, 0, i * u + u - 1, u - 1};
        up.fillRect(0, 0, u, u, QColor::fromRgb(UnitColour(0)));
        up.setBrush(QColor::fromRgb(UnitColour(1)));
        up.setPen(Qt::NoPen);
        up.drawEllipse(u, 0, u, u);
        tp.end();
        up.end();
        // The disc's mask from its picture: white (transparent) outside the disc.
        mp.drawImage(2 * s, 0, MaskFromPicture(un.copy(u, 0, u, u)));
        mp.end();
        set.pictures[0][size_t(level - 1)] = t;
        set.pictures[1][size_t(level - 1)] = un;
        set.pictures[2][size_t(level - 1)] = m;
        set.cellWidth[size_t(level - 1)] = s;
    }
    units[1].maskIndex = 3;
    terrain[9].maskIndex = 1;
    set.terrainOrder = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    set.unitOrder = {1, 2};
    set.ComputeCellSteps();
    return set;
}

void MakeBattle(Battle& battle, int cols, int rows) {
    battle.settings.mapCols = cols;
    battle.settings.mapRows = rows;
    battle.settings.symbolSetName = "varnholm";
    battle.InitNewBattle({});
    battle.markerTable[MarkerMapOverlay] = kNoSymbol;
    battle.markerTable[MarkerObjective] = 9;
    for (int h = 0; h < battle.hexCount(); ++h)
        battle.SetTerrainSlot(h, 0, (h * 7 + h / cols) % 5);
}
