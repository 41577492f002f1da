#include "ReferenceDrawing.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"
#include "MapPicture.h"
#include "OpenBattle.h"
#include "PaletteColour.h"

QImage OneViewDrawing(const Battle& battle, const LoadedSymbolSet& set, int zoom,
                      const DisplayPrefs& prefs, QColor tableColour, bool hexMask) {
    Battle copy = battle;
    copy.settings.zoomLevel = uint8_t(zoom);
    copy.settings.viewOriginHex = 0;
    MapRenderer renderer(copy, set, prefs);
    renderer.tableColour = tableColour;
    renderer.hexMask = hexMask;
    const QSize size = MapPictureSize(battle, set, zoom);
    if (size.isEmpty() || !renderer.RebuildMapBuffer(size.width(), size.height(), {}))
        return {};
    renderer.RenderMap(RenderFull);
    return renderer.View();
}

QImage OneViewDrawingOfFile(const QString& battlePath, const QString& programFolder, int zoom,
                            const DisplayPrefs& prefs) {
    Battle battle;
    LoadedSymbolSet set;
    QString opened;
    if (OpenBattle(battlePath, battle, set, opened, {}) != OpenOutcome::Opened)
        return {};
    const QImage palette(programFolder + "/bmps/ketpal.bmp");
    return OneViewDrawing(battle, set, zoom, prefs,
                          PaletteColour(palette, battle.settings.tableColour), set.realHex != 0);
}
