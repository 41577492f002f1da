#include "MapPicture.h"

#include "AtomicWrite.h"
#include "Battle.h"
#include "LoadedSymbolSet.h"
#include "MapTextLayout.h"
#include "PngEncoder.h"

#include <algorithm>
#include <mutex>

namespace {

bool Drawable(const Battle& battle, const LoadedSymbolSet& set) {
    const BattleSettings& s = battle.settings;
    return set.loaded() && s.mapCols > 0 && s.mapRows > 0 &&
           battle.hexCount() == s.mapCols * s.mapRows;
}

int RoundUpToEven(int n) {
    return n + (n & 1);
}

// How far anything drawn for a hex can reach from its square's top left, in any
// direction: its square, a unit piece larger than the square, a map text beside it.
int DrawingReach(const Battle& battle, const LoadedSymbolSet& set, const MapMetrics& m, int zoom) {
    int reach = m.cellWidth;
    for (int n = 1; n <= battle.unitCount(); ++n) {
        const int symbol = battle.unit(n).symbol;
        if (symbol >= 0 && symbol < set.unitCount()) {
            const QRect cell =
                set.table(SymbolKind::Unit)[size_t(symbol)].cells[size_t(zoom)].rect();
            reach = std::max({reach, cell.width(), cell.height()});
        }
    }
    for (int n = 1; n <= battle.mapTexts().count(); ++n) {
        const auto layout = LayOutMapText(battle.mapTexts()[n], zoom, QPoint(0, 0), m.cellWidth);
        if (layout) {
            const QRect b = layout->box;
            reach = std::max({reach, -b.left(), b.right() + 1, -b.top(), b.bottom() + 1});
        }
    }
    return reach;
}

} // namespace

QSize MapPictureSize(const Battle& battle, const LoadedSymbolSet& set, int zoom) {
    if (!Drawable(battle, set))
        return {};
    const MapMetrics m = MetricsFor(battle.settings, set, zoom);
    // The last two columns and rows hold the squares farthest right and down, whichever
    // of them the odd columns' or rows' shift moves.
    int width = 0, height = 0;
    for (int row = std::max(0, m.mapRows - 2); row < m.mapRows; ++row)
        for (int col = std::max(0, m.mapCols - 2); col < m.mapCols; ++col) {
            const QPoint at = HexOrigin(m, m.hexAt(row, col), 0);
            width = std::max(width, at.x() + m.cellWidth);
            height = std::max(height, at.y() + m.cellWidth);
        }
    return {width, height};
}

namespace {

// How a picture is cut into tiles: a tile of whole column and row pairs, drawn with a
// margin of hexes around it wide enough that everything reaching into the tile is drawn
// too. Origins on even columns and rows keep every hex where the whole map has it.
struct TilePlan {
    MapMetrics m;
    int marginCols = 0, marginRows = 0, tileCols = 0, tileRows = 0;
    int viewWidth() const { return (tileCols + 2 * marginCols) * m.columnStep; }
    int viewHeight() const { return (tileRows + 2 * marginRows) * m.rowStep; }
};

TilePlan PlanTiles(const Battle& battle, const LoadedSymbolSet& set,
                   const MapPictureOptions& options) {
    TilePlan plan;
    plan.m = MetricsFor(battle.settings, set, options.zoom);
    const MapMetrics& m = plan.m;
    const int reach = DrawingReach(battle, set, m, options.zoom);
    plan.marginCols = RoundUpToEven((reach + m.columnStep - 1) / m.columnStep + 1);
    plan.marginRows = RoundUpToEven((reach + m.rowStep - 1) / m.rowStep + 1);
    plan.tileCols = RoundUpToEven(std::max(2, options.tilePixels / m.columnStep));
    plan.tileRows = RoundUpToEven(std::max(2, options.tilePixels / m.rowStep));
    return plan;
}

} // namespace

int MapPictureBandRows(const Battle& battle, const LoadedSymbolSet& set,
                       const MapPictureOptions& options) {
    if (MapPictureSize(battle, set, options.zoom).isEmpty())
        return 0;
    const TilePlan plan = PlanTiles(battle, set, options);
    return plan.tileRows * plan.m.rowStep;
}

QString DrawMapPictureRows(const Battle& battle, const LoadedSymbolSet& set,
                           const MapPictureOptions& options, const PictureRows& picture,
                           qint64* tileBufferBytes) {
    // The renderer moves its battle's view; the battle shown elsewhere keeps its own.
    Battle copy = battle;
    copy.settings.zoomLevel = uint8_t(options.zoom);
    copy.settings.viewOriginHex = 0;
    MapRenderer renderer(copy, set, options.prefs);
    renderer.tableColour = options.tableColour;
    renderer.hexMask = options.hexMask;
    const TilePlan plan = PlanTiles(copy, set, options);
    const MapMetrics& m = plan.m;
    if (!renderer.RebuildMapBuffer(plan.viewWidth(), plan.viewHeight(), {}))
        return QStringLiteral("Map Buffer Mem Allocation Error.");
    if (tileBufferBytes)
        *tileBufferBytes = renderer.buffer().sizeInBytes();

    const QRect band(0, picture.top, picture.size.width(), picture.bottom - picture.top);
    const int tileHeight = plan.tileRows * m.rowStep;
    for (int tileRow = band.top() / tileHeight * plan.tileRows;
         tileRow * m.rowStep < band.bottom() + 1; tileRow += plan.tileRows)
        for (int tileCol = 0; tileCol * m.columnStep < picture.size.width();
             tileCol += plan.tileCols) {
            const int originCol = std::max(0, tileCol - plan.marginCols);
            const int originRow = std::max(0, tileRow - plan.marginRows);
            copy.settings.viewOriginHex = m.hexAt(originRow, originCol);
            renderer.RenderMap(RenderFull);
            const QPoint to(tileCol * m.columnStep, tileRow * m.rowStep);
            const QRect tile =
                QRect(to, QSize(plan.tileCols * m.columnStep, tileHeight)).intersected(band);
            const QPoint from = renderer.viewRect().topLeft() + tile.topLeft() -
                                QPoint(originCol * m.columnStep, originRow * m.rowStep);
            const QImage& buffer = renderer.buffer();
            const size_t rowBytes = size_t(tile.width()) * sizeof(QRgb);
            for (int y = 0; y < tile.height(); ++y)
                std::copy_n(buffer.constScanLine(from.y() + y) + from.x() * qsizetype(sizeof(QRgb)),
                            rowBytes,
                            picture.bits + (tile.top() + y) * picture.bytesPerLine +
                                tile.left() * qsizetype(sizeof(QRgb)));
        }
    return {};
}

MapPicture RenderMapPicture(const Battle& battle, const LoadedSymbolSet& set,
                            const MapPictureOptions& options) {
    MapPicture result;
    const QSize size = MapPictureSize(battle, set, options.zoom);
    if (size.isEmpty()) {
        result.error = QStringLiteral("There is no map to draw.");
        return result;
    }
    result.picture = QImage(size, QImage::Format_RGB32);
    if (result.picture.isNull()) {
        result.error = QStringLiteral("The map picture of %1 × %2 pixels is too large to be made.")
                           .arg(size.width())
                           .arg(size.height());
        return result;
    }
    const PictureRows rows{result.picture.bits(), result.picture.bytesPerLine(), size, 0,
                           size.height()};
    result.error = DrawMapPictureRows(battle, set, options, rows, &result.tileBufferBytes);
    if (!result.error.isEmpty())
        result.picture = QImage();
    return result;
}

QByteArray DrawMapPicturePng(const Battle& battle, const LoadedSymbolSet& set,
                             const MapPictureOptions& options, QString& error) {
    const QSize size = MapPictureSize(battle, set, options.zoom);
    if (size.isEmpty()) {
        error = QStringLiteral("There is no map to draw.");
        return {};
    }
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull()) {
        error = QStringLiteral("The map picture of %1 × %2 pixels is too large to be made.")
                    .arg(size.width())
                    .arg(size.height());
        return {};
    }
    // Every row pointer taken before the encoder shares the picture, so no thread's
    // drawing makes the picture copy itself.
    const PictureRows whole{picture.bits(), picture.bytesPerLine(), size, 0, size.height()};
    std::mutex failing;
    const auto draw = [&](int top, int bottom) {
        PictureRows rows = whole;
        rows.top = top;
        rows.bottom = bottom;
        const QString failed = DrawMapPictureRows(battle, set, options, rows);
        if (!failed.isEmpty()) {
            const std::lock_guard lock(failing);
            error = failed;
        }
        return failed.isEmpty();
    };
    PngSettings settings;
    settings.bandRows = MapPictureBandRows(battle, set, options);
    const QByteArray png = EncodePng(picture, settings, draw);
    if (png.isEmpty() && error.isEmpty())
        error = QStringLiteral("The picture could not be encoded.");
    return png;
}

QString WriteMapPicturePng(const Battle& battle, const LoadedSymbolSet& set,
                           const MapPictureOptions& options, const QString& path) {
    QString error;
    const QByteArray png = DrawMapPicturePng(battle, set, options, error);
    if (png.isEmpty())
        return error;
    return WriteFileAtomically(path, png).message;
}
