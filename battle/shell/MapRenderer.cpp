#include "MapRenderer.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"
#include "MapTextLayout.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxZoom = 2;

bool IsSymbol(int symbol, int count) {
    return symbol >= 0 && symbol < count && symbol < kOffMap;
}

} // namespace

bool MapRenderer::valid() const {
    const BattleSettings& s = battle_.settings;
    return set_.loaded() && s.mapCols > 0 && s.mapRows > 0 &&
           battle_.hexCount() == s.mapCols * s.mapRows;
}

MapMetrics MapRenderer::metrics() const {
    return MetricsFor(battle_.settings, set_, zoomLevel());
}
int MapRenderer::zoomLevel() const {
    return std::min<int>(battle_.settings.zoomLevel, kMaxZoom);
}
int MapRenderer::originHex() const {
    return battle_.settings.viewOriginHex;
}

int MapRenderer::HexAtPoint(int x, int y) const {
    if (!valid())
        return kOffMap;
    return ::HexAtPoint(metrics(), originHex(), x, y);
}

ScrollRange MapRenderer::horizontalScroll() const {
    return valid() ? HorizontalScroll(metrics(), visibleCols_, originHex()) : ScrollRange{};
}
ScrollRange MapRenderer::verticalScroll() const {
    return valid() ? VerticalScroll(metrics(), visibleRows_, originHex()) : ScrollRange{};
}

MapRenderer::MapRenderer(Battle& battle, const LoadedSymbolSet& set, const DisplayPrefs& prefs)
    : MapRenderer(battle, set, prefs, [&battle](int zoomLevel, int originHex) {
          battle.settings.zoomLevel = uint8_t(zoomLevel);
          battle.settings.viewOriginHex = originHex;
      }) {}

bool MapRenderer::RebuildMapBuffer(int viewWidth, int viewHeight, const MessageSink& sink) {
    buffer_ = QImage();
    viewWidth_ = std::max(viewWidth, 1);
    viewHeight_ = std::max(viewHeight, 1);
    if (!valid())
        return false;
    const MapMetrics m = metrics();
    QImage buffer(viewWidth_ + 2 * m.columnStep, viewHeight_ + 2 * m.rowStep, QImage::Format_RGB32);
    if (buffer.isNull()) {
        Warn(sink, QStringLiteral("Map Buffer Mem Allocation Error."));
        return false;
    }
    buffer.fill(tableColour);
    buffer_ = buffer;
    visibleCols_ = VisibleCols(m, viewWidth_);
    visibleRows_ = VisibleRows(m, viewHeight_);
    const int origin = std::clamp(battle_.settings.viewOriginHex, 0, m.hexCount() - 1);
    SetView(zoomLevel(), ClampOrigin(m, m.col(origin), m.row(origin), visibleCols_, visibleRows_));
    hexPixel_.assign(size_t(m.hexCount()), QPoint());
    CurrentBlock();
    return true;
}

void MapRenderer::Release() {
    buffer_ = QImage();
}

MapRenderer::Block MapRenderer::CurrentBlock() {
    const MapMetrics m = metrics();
    Block b;
    int n = buffer_.width() / m.columnStep;
    int rows = buffer_.height() / m.rowStep;
    int c = m.col(originHex()), r = m.row(originHex());
    bufferOffsetX_ = bufferOffsetY_ = 0;
    if (r > 0) {
        --r;
        ++rows;
        bufferOffsetY_ = m.rowStep;
    }
    if (c > 0) {
        --c;
        ++n;
        bufferOffsetX_ = m.columnStep;
    }
    b.origin = m.hexAt(r, c);
    b.firstCol = c;
    b.firstRow = r;
    b.lastCol = std::min(c + n, m.mapCols - 1);
    b.lastRow = std::min(r + rows, m.mapRows - 1);
    for (int row = b.firstRow; row <= b.lastRow; ++row)
        for (int col = b.firstCol; col <= b.lastCol; ++col) {
            const int hex = m.hexAt(row, col);
            hexPixel_[size_t(hex)] = HexOrigin(m, hex, b.origin);
        }
    block_ = b;
    return b;
}

QRect MapRenderer::HexSquare(int hex) const {
    const int s = metrics().cellWidth;
    return QRect(hexPixel_[size_t(hex)], QSize(s, s));
}

QRect MapRenderer::ViewSquare(int hex) const {
    if (!battle_.IsHex(hex) || size_t(hex) >= hexPixel_.size())
        return {};
    return HexSquare(hex).translated(-bufferOffsetX_, -bufferOffsetY_);
}

void MapRenderer::RenderMap(int flags) {
    if (!hasBuffer() || !valid())
        return;
    CurrentBlock();
    RenderBlock(flags, buffer_.rect());
}

namespace {

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

void MapRenderer::RenderBlock(int flags, const QRect& clip) {
    const QRect area = clip.intersected(buffer_.rect());
    if (area.isEmpty())
        return;
    stamps_.Follow(set_);
    level_ = zoomLevel() + 1;
    canvas_ = Canvas(buffer_, area);
    if (flags & RenderFill)
        FillTable(area);
    if (flags & RenderTerrain) {
        // Only the columns and rows whose squares can reach into the area; a square spans
        // its cell plus half a step of the odd columns' or rows' shift.
        const MapMetrics m = metrics();
        const Block& b = block_;
        const int reachX = m.cellWidth + m.columnStep / 2, reachY = m.cellWidth + m.rowStep / 2;
        const int firstCol =
            std::max(b.firstCol, b.firstCol + FloorDiv(area.left() - reachX, m.columnStep));
        const int lastCol = std::min(b.lastCol, b.firstCol + FloorDiv(area.right(), m.columnStep));
        const int firstRow =
            std::max(b.firstRow, b.firstRow + FloorDiv(area.top() - reachY, m.rowStep));
        const int lastRow = std::min(b.lastRow, b.firstRow + FloorDiv(area.bottom(), m.rowStep));
        for (int row = firstRow; row <= lastRow; ++row)
            for (int col = firstCol; col <= lastCol; ++col) {
                const int hex = m.hexAt(row, col);
                if (QRect(hexPixel_[size_t(hex)], QSize(m.cellWidth, m.cellWidth)).intersects(area))
                    DrawTerrainLayers(hex);
            }
    }
    if ((flags & RenderMapText) && prefs_.showMapText) {
        for (int hex : BlockHexesOf(battle_.mapTexts(), &HexRecord::mapTextNo))
            DrawMapText(hex, area);
    }
    for (int hex : BlockHexesOf(battle_.units(), &HexRecord::unitNo))
        DrawUnit(hex, area);
}

template <class Table>
std::vector<int> MapRenderer::BlockHexesOf(const Table& table, int HexRecord::*link) const {
    // The hexes of the block that hold a record, in drawing order (row by row).
    const MapMetrics m = metrics();
    std::vector<int> hexes;
    for (int n = 1; n <= table.count(); ++n) {
        const int hex = table[n].hex;
        if (!battle_.IsHex(hex) || battle_.hex(hex).*link != n)
            continue;
        const int c = m.col(hex), r = m.row(hex);
        if (c >= block_.firstCol && c <= block_.lastCol && r >= block_.firstRow &&
            r <= block_.lastRow)
            hexes.push_back(hex);
    }
    std::sort(hexes.begin(), hexes.end());
    return hexes;
}

void MapRenderer::FillTable(const QRect& area) {
    if (area == buffer_.rect()) {
        buffer_.fill(tableColour);
        return;
    }
    const QRgb colour = tableColour.rgb();
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(buffer_.scanLine(y)) + area.left(), area.width(),
                    colour);
}

void MapRenderer::DrawTerrainLayers(int hex) {
    const HexRecord& h = battle_.hex(hex);
    DrawPrimary(h.primaryTerrain, hex);
    if (h.caltropsMarker != 0)
        DrawMarker(h.caltropsMarker, hex);
    for (int symbol : h.secondaryTerrain)
        DrawMarker(symbol, hex);
    if (prefs_.showOverlay)
        DrawMarker(battle_.markerTable[MarkerMapOverlay], hex);
    if (prefs_.showObjectives && h.objectiveNo != 0)
        DrawMarker(battle_.markerTable[MarkerObjective], hex);
    if (prefs_.showReinforcements && h.reinforcementMarker != 0)
        DrawMarker(h.reinforcementMarker, hex);
    if (h.structureNo != 0 && battle_.structures().valid(h.structureNo))
        DrawMarker(battle_.structures()[h.structureNo].symbol, hex);
}

void MapRenderer::DrawPrimary(int symbol, int hex) {
    if (!IsSymbol(symbol, set_.terrainCount()))
        return;
    const auto use = hexMask && set_.maskCount() > 0 ? StampCache::PrimaryThroughHexMask
                                                     : StampCache::PrimaryOpaque;
    DrawStamp(canvas_, hexPixel_[size_t(hex)], stamps_.Get(set_, use, symbol, level_));
}

void MapRenderer::DrawMarker(int symbol, int hex) {
    if (!IsSymbol(symbol, set_.terrainCount()))
        return;
    DrawStamp(canvas_, hexPixel_[size_t(hex)],
              stamps_.Get(set_, StampCache::Marker, symbol, level_));
}

void MapRenderer::DrawUnit(int hex, const QRect& clip) {
    const int n = battle_.hex(hex).unitNo;
    if (!battle_.units().valid(n))
        return;
    const UnitRecord& u = battle_.unit(n);
    if (u.activationTurn > 1 || !IsSymbol(u.symbol, set_.unitCount()))
        return;
    const QRect cell =
        set_.table(SymbolKind::Unit)[size_t(u.symbol)].cells[size_t(level_ - 1)].rect();
    const int s = metrics().cellWidth;
    QPoint at = hexPixel_[size_t(hex)];
    // The piece stands in the middle of its hex's square.
    if (s > cell.width())
        at.rx() += (s - cell.width()) / 2;
    if (s > cell.height())
        at.ry() += (s - cell.height()) / 2;
    const Stamp& stamp = stamps_.Get(set_, StampCache::Unit, u.symbol, level_);
    if (QRect(at, QSize(stamp.width, stamp.height)).intersects(clip))
        DrawStamp(canvas_, at, stamp);
}

void MapRenderer::DrawMapText(int hex, const QRect& clip) {
    const int n = battle_.hex(hex).mapTextNo;
    if (!battle_.mapTexts().valid(n))
        return;
    const auto layout = LayOutMapText(battle_.mapTexts()[n], zoomLevel(), hexPixel_[size_t(hex)],
                                      metrics().cellWidth);
    if (!layout || !layout->box.intersects(clip))
        return;
    QPainter painter(&buffer_);
    if (clip != buffer_.rect())
        painter.setClipRect(clip);
    painter.setFont(layout->font);
    painter.setPen(layout->colour);
    painter.drawText(layout->box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, layout->text);
}

void MapRenderer::RedrawHex(int hex) {
    if (!hasBuffer() || !valid() || !battle_.IsHex(hex))
        return;
    const MapMetrics m = metrics();
    const int c = m.col(hex), r = m.row(hex);
    if (c < block_.firstCol || c > block_.lastCol || r < block_.firstRow || r > block_.lastRow)
        return;
    // Everything over the hex's square again: its neighbours' overlapping layers, texts and
    // units; nothing outside the square changes.
    RenderBlock(RenderFill | RenderTerrain | RenderMapText, HexSquare(hex));
}

void MapRenderer::ScrollColumns(int delta) {
    ScrollBy(EvenScrollStep(delta), 0);
}
void MapRenderer::ScrollRows(int delta) {
    ScrollBy(0, EvenScrollStep(delta));
}

void MapRenderer::ScrollBy(int dCols, int dRows) {
    if ((dCols == 0 && dRows == 0) || !hasBuffer() || !valid())
        return;
    const MapMetrics m = metrics();
    const int col = std::clamp(m.col(originHex()) + dCols, 0, m.mapCols - 1);
    const int row = std::clamp(m.row(originHex()) + dRows, 0, m.mapRows - 1);
    const int oldDrawing = block_.origin;
    SetView(zoomLevel(), m.hexAt(row, col));
    CurrentBlock();
    if (std::abs(dCols) > 2 || std::abs(dRows) > 2) {
        RenderBlock(RenderFull, buffer_.rect());
        return;
    }
    if (block_.origin == oldDrawing) {
        return; // held at the map's edge: nothing moved
    }
    // A step of two: move the pixels and draw only the strip that came into view.
    const QPoint shift(m.columnStep * (m.col(oldDrawing) - m.col(block_.origin)),
                       m.rowStep * (m.row(oldDrawing) - m.row(block_.origin)));
    MovePixels(shift);
    // The strip reaches one cell further in: the old buffer's edge lacked the overhang of
    // the hexes beyond its block, which are inside the new block.
    QRect strip;
    const int w = buffer_.width(), h = buffer_.height(), reach = m.cellWidth;
    if (shift.x() < 0)
        strip = QRect(w + shift.x() - reach, 0, reach - shift.x(), h);
    else if (shift.x() > 0)
        strip = QRect(0, 0, shift.x() + reach, h);
    else if (shift.y() < 0)
        strip = QRect(0, h + shift.y() - reach, w, reach - shift.y());
    else
        strip = QRect(0, 0, w, shift.y() + reach);
    // Terrain, texts and units in the strip only: everything outside it moved unchanged.
    RenderBlock(RenderFill | RenderTerrain | RenderMapText, strip);
}

void MapRenderer::MovePixels(QPoint shift) {
    // In place: rows are contiguous, so a vertical move is one block move and a horizontal
    // one a move per row. What is uncovered is redrawn by the caller.
    const int w = buffer_.width(), h = buffer_.height();
    const qsizetype stride = buffer_.bytesPerLine();
    uchar* bits = buffer_.bits();
    const int dy = std::clamp(shift.y(), -h, h), dx = std::clamp(shift.x(), -w, w);
    if (dy > 0)
        std::memmove(bits + dy * stride, bits, size_t(h - dy) * size_t(stride));
    else if (dy < 0)
        std::memmove(bits, bits - dy * stride, size_t(h + dy) * size_t(stride));
    if (dx == 0)
        return;
    const size_t moved = size_t(w - std::abs(dx)) * sizeof(QRgb);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        if (dx > 0)
            std::memmove(row + dx, row, moved);
        else
            std::memmove(row, row - dx, moved);
    }
}

bool MapRenderer::ZoomInAt(int hex) {
    if (zoomLevel() >= kMaxZoom || !valid() || !battle_.IsHex(hex))
        return false;
    const int level = zoomLevel() + 1;
    SetView(level,
            ZoomInOrigin(MetricsFor(battle_.settings, set_, level), hex, viewWidth_, viewHeight_));
    return true;
}

bool MapRenderer::ZoomOutView() {
    if (zoomLevel() <= 0 || !valid())
        return false;
    const MapMetrics old = metrics();
    const int level = zoomLevel() - 1;
    SetView(level, ZoomOutOrigin(old, MetricsFor(battle_.settings, set_, level), originHex(),
                                 viewWidth_, viewHeight_));
    return true;
}
