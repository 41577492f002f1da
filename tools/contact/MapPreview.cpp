#include "MapPreview.h"

#include "HexGrid.h"

QPoint NeighbourCell(QPoint cell, int side) {
    // The battle's own steps; a cell off the map (a path leaving it) converts as well.
    const HexGrid vertical{};
    const ColRow next =
        vertical.FromCube(vertical.ToCube({cell.x(), cell.y()}) + vertical.Step(side));
    return {next.col, next.row};
}

int SideTowards(QPoint from, QPoint to) {
    for (int side = 0; side < 6; ++side)
        if (NeighbourCell(from, side) == to)
            return side;
    return -1;
}

void LinkPath(PreviewMap& map, const std::vector<QPoint>& path, int firstPiece) {
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        const int side = SideTowards(path[i], path[i + 1]);
        if (side < 0)
            continue;
        const bool fromOn = path[i].x() >= 0 && path[i].x() < map.cols && path[i].y() >= 0 &&
                            path[i].y() < map.rows;
        const bool toOn = path[i + 1].x() >= 0 && path[i + 1].x() < map.cols &&
                          path[i + 1].y() >= 0 && path[i + 1].y() < map.rows;
        if (fromOn)
            map.at(path[i]).secondary.push_back(firstPiece + side);
        if (toOn)
            map.at(path[i + 1]).secondary.push_back(firstPiece + (side + 3) % 6);
    }
}

QImage RenderPreview(const SetPictures& pictures, const PreviewMap& map, int level,
                     QRgb tableColour) {
    const int cell = pictures.set.hexSize(level);
    const int colStep = cell * 4 / 5 - 1, rowStep = cell - 2;
    QImage image(colStep * map.cols + cell, rowStep * map.rows + rowStep / 2 + cell,
                 QImage::Format_RGB32);
    image.fill(tableColour);
    const auto origin = [&](int c, int r) {
        return QPoint(colStep * c, rowStep * r + (c % 2 ? rowStep / 2 : 0));
    };
    const int terrainCount = pictures.set.count(SymbolKind::Terrain);
    for (int r = 0; r < map.rows; ++r)
        for (int c = 0; c < map.cols; ++c) {
            const PreviewHex& hex = map.hexes[size_t(r * map.cols + c)];
            const QPoint at = origin(c, r);
            if (hex.primary >= 0 && hex.primary < terrainCount)
                DrawSymbol(image, at, pictures, SymbolKind::Terrain, hex.primary + 1, level, true);
            for (int s : hex.secondary)
                if (s >= 0 && s < terrainCount)
                    DrawSymbol(image, at, pictures, SymbolKind::Terrain, s + 1, level, false);
            if (map.overlay >= 0 && map.overlay < terrainCount)
                DrawSymbol(image, at, pictures, SymbolKind::Terrain, map.overlay + 1, level, false);
        }
    for (int r = 0; r < map.rows; ++r)
        for (int c = 0; c < map.cols; ++c) {
            const PreviewHex& hex = map.hexes[size_t(r * map.cols + c)];
            if (hex.unit < 0 || hex.unit >= pictures.set.count(SymbolKind::Unit))
                continue;
            const QSize size =
                pictures.set.record(SymbolKind::Unit, hex.unit + 1).cells[level - 1].size();
            const QPoint at = origin(c, r) + QPoint(std::max(0, (cell - size.width()) / 2),
                                                    std::max(0, (cell - size.height()) / 2));
            DrawSymbol(image, at, pictures, SymbolKind::Unit, hex.unit + 1, level, false);
        }
    return image;
}
