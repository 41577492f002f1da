// Draws a battle file's map the way the battle editor shows it at one zoom level: per hex
// the base terrain, caltrops, the pieces, the map overlay, objective, reinforcement and
// structure markers; then the map texts and the units on the map at the start.
// Usage: fm_battle_preview <battle.scn> <level 1-3> <out.png> [enlargement]

#include "Battle.h"
#include "BattleFile.h"
#include "MapPreview.h"
#include "ProgramFolder.h"
#include "ToolFiles.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

static void AddMarker(PreviewHex& hex, int symbol) {
    if (IsTerrainSymbol(symbol))
        hex.secondary.push_back(symbol);
}

static PreviewMap MapOf(const Battle& battle) {
    PreviewMap map(battle.settings.mapCols, battle.settings.mapRows);
    for (int h = 0; h < battle.hexCount(); ++h) {
        const HexRecord& x = battle.hex(h);
        PreviewHex& hex = map.hexes[size_t(h)];
        hex.primary = IsTerrainSymbol(x.primaryTerrain) ? x.primaryTerrain : -1;
        if (x.caltropsMarker != 0)
            AddMarker(hex, x.caltropsMarker);
        for (int s : x.secondaryTerrain)
            AddMarker(hex, s);
        AddMarker(hex, battle.markerTable[MarkerMapOverlay]);
        if (x.objectiveNo != 0)
            AddMarker(hex, battle.markerTable[MarkerObjective]);
        if (x.reinforcementMarker != 0)
            AddMarker(hex, x.reinforcementMarker);
        if (battle.structures().valid(x.structureNo))
            AddMarker(hex, battle.structures()[x.structureNo].symbol);
        if (battle.units().valid(x.unitNo) && battle.unit(x.unitNo).activationTurn <= 1)
            hex.unit = battle.unit(x.unitNo).symbol;
    }
    return map;
}

// Texts placed against the hex's square the way the editor places them.
static void DrawMapTexts(QImage& image, const Battle& battle, int level, int cell) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int colStep = cell * 4 / 5 - 1, rowStep = cell - 2;
    const int z = level - 1;
    for (const MapTextRecord& t : battle.mapTexts()) {
        if (t.text.empty() || t.fontSize[size_t(z)] < 6 || !battle.IsHex(t.hex))
            continue;
        QFont font(t.fontName.text());
        font.setPointSize(t.fontSize[size_t(z)]);
        font.setBold(t.style & 16);
        font.setItalic(t.style & 32);
        font.setUnderline(t.style & 64);
        const QFontMetrics fm(font);
        const QString text = t.text.text();
        const int tw = fm.horizontalAdvance(text), th = fm.height();
        const int c = t.hex % battle.settings.mapCols, r = t.hex / battle.settings.mapCols;
        const int x = colStep * c, y = rowStep * r + (c % 2 ? rowStep / 2 : 0);
        const int cx = x + cell / 2, cy = y + cell / 2;
        QPoint topLeft;
        switch (t.orientation[size_t(z)]) {
        case 1:
            topLeft = {cx - tw / 2, y + cell};
            break;
        case 2:
            topLeft = {cx - tw / 2, y - th};
            break;
        case 3:
            topLeft = {x + cell, y + cell};
            break;
        case 4:
            topLeft = {x + cell, y - th};
            break;
        case 5:
            topLeft = {x - tw, y - th};
            break;
        case 6:
            topLeft = {x - tw, y + cell};
            break;
        case 7:
            topLeft = {x - tw, cy - th / 2};
            break;
        case 8:
            topLeft = {x + cell, cy - th / 2};
            break;
        default:
            continue;
        }
        painter.setFont(font);
        painter.setPen(QColor(int(t.colour & 0xff), int((t.colour >> 8) & 0xff),
                              int((t.colour >> 16) & 0xff)));
        painter.drawText(QRect(topLeft, QSize(tw, th)), Qt::AlignLeft | Qt::AlignTop, text);
    }
}

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <battle.scn> <level 1-3> <out.png> [enlargement]\n",
                     argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const MessageSink sink = [](const QString& caption, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    };
    Battle battle;
    if (!ReadBattleFile(path, battle, sink))
        return 1;
    const QString setPath =
        FindEntry(QFileInfo(path).absolutePath(), battle.settings.symbolSetName.text() + ".set");
    SetPictures pictures;
    if (SetResult r = LoadSetPictures(setPath, pictures); !r) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(setPath), qPrintable(r.message));
        return 1;
    }
    const int level = std::clamp(std::atoi(argv[2]), 1, 3);
    const int enlargement = argc == 5 ? std::clamp(std::atoi(argv[4]), 1, 8) : 1;
    QImage map = RenderPreview(pictures, MapOf(battle), level, qRgb(40, 44, 36));
    DrawMapTexts(map, battle, level, pictures.set.hexSize(level));
    map = map.scaled(map.size() * enlargement);
    return SavePngFile(QString::fromLocal8Bit(argv[3]), map) ? 0 : 1;
}
