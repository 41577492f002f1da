#include "UnitPictures.h"

#include "SymbolCanvas.h"

#include <QLinearGradient>
#include <QPainterPath>

static const QColor kGlyph(246, 240, 218);
static const QColor kGold(236, 190, 50);
static const QColor kEdge(16, 16, 16);

// Glyphs of the smallest level, 7 by 7 pixels in the middle of the counter:
// 'X' glyph colour, 'G' gold.
static const char* const kTinyGlyphs[kUnitKindCount][7] = {
    {"X.....X", ".X...X.", "..X.X..", "...X...", "..X.X..", ".X...X.", "X.....X"},
    {"..XX...", "..X.X..", "..X..X.", "XXXXXXX", "..X..X.", "..X.X..", "..XX..."},
    {".XXXXX.", "X..X..X", "...X...", "...X...", "..XXX..", "...X...", "...X..."},
    {"...X...", "...X...", "...X...", "...X...", ".XXXXX.", "...X...", "..XXX.."},
    {"......X", ".....X.", "....X..", "...X...", "..X....", ".X.....", "X......"},
    {".....XX", "....XXX", "...XXX.", "..XXX..", ".XXX...", "XXX....", "XX....."},
    {"XGGGG..", "XGGGG..", "XGGGG..", "X......", "X......", "X......", "X......"},
    {".......", ".XXXXX.", "XXXXXXX", "XXXXXXX", ".......", ".XX.XX.", ".XX.XX."},
};

static QImage TinyPiece(UnitKind kind, QColor side) {
    const int n = kUnitSizes[0];
    const bool leader = kind == UnitKind::Leader;
    QImage image(n, n, QImage::Format_RGB32);
    image.fill(side.rgb());
    for (int i = 0; i < n; ++i) {
        const QRgb edge = leader ? kGold.darker(140).rgb() : kEdge.rgb();
        image.setPixel(i, 0, edge);
        image.setPixel(i, n - 1, edge);
        image.setPixel(0, i, edge);
        image.setPixel(n - 1, i, edge);
    }
    // A lit upper row inside the border.
    for (int i = 1; i < n - 1; ++i)
        image.setPixel(i, 1, side.lighter(130).rgb());
    for (const QPoint c : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
        image.setPixel(c, qRgb(0, 0, 0)); // transparent corners
    const int off = (n - 7) / 2;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            const char c = kTinyGlyphs[int(kind)][y][x];
            if (c == 'X')
                image.setPixel(off + x, off + y, kGlyph.rgb());
            else if (c == 'G')
                image.setPixel(off + x, off + y, kGold.rgb());
        }
    return image;
}

// Glyphs of the larger levels, drawn in a 100 by 100 space.
static void HorseHead(QPainter& p) {
    QPainterPath head;
    head.moveTo(34, 94);
    head.lineTo(40, 70);
    head.lineTo(24, 62);
    head.lineTo(13, 54);
    head.lineTo(11, 44);
    head.lineTo(22, 30);
    head.lineTo(36, 18);
    head.lineTo(42, 6);
    head.lineTo(50, 17);
    head.cubicTo(66, 18, 80, 34, 84, 56);
    head.lineTo(84, 94);
    head.closeSubpath();
    p.drawPath(head);
}

static void Glyph(QPainter& p, UnitKind kind, QColor side) {
    const QPen line(kGlyph, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen fine(kGlyph, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (kind) {
    case UnitKind::Foot: // spear behind a round shield
        p.setPen(line);
        p.drawLine(QPointF(18, 86), QPointF(82, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(kGlyph);
        p.drawPolygon(QPolygonF({{86, 8}, {70, 16}, {78, 26}}));
        p.setPen(QPen(side.darker(160), 4));
        p.drawEllipse(QPointF(44, 56), 26, 26);
        p.setBrush(side.darker(130));
        p.drawEllipse(QPointF(44, 56), 8, 8);
        break;
    case UnitKind::Archers: { // bow, string and arrow
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        QPainterPath bow;
        bow.moveTo(34, 8);
        bow.cubicTo(84, 22, 84, 78, 34, 92);
        p.drawPath(bow);
        p.setPen(fine);
        p.drawLine(QPointF(34, 8), QPointF(34, 92));
        p.drawLine(QPointF(12, 50), QPointF(88, 50));
        p.setPen(Qt::NoPen);
        p.setBrush(kGlyph);
        p.drawPolygon(QPolygonF({{96, 50}, {80, 40}, {80, 60}}));
        break;
    }
    case UnitKind::Crossbowmen: { // crossbow seen from above
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        QPainterPath prod;
        prod.moveTo(10, 38);
        prod.quadTo(50, 12, 90, 38);
        p.drawPath(prod);
        p.setPen(fine);
        p.drawLine(QPointF(10, 38), QPointF(50, 54));
        p.drawLine(QPointF(90, 38), QPointF(50, 54));
        p.setPen(QPen(kGlyph, 10, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50, 18), QPointF(50, 92));
        p.setPen(fine);
        p.drawEllipse(QPointF(50, 12), 7, 6); // stirrup
        break;
    }
    case UnitKind::MenAtArms: { // heater shield with a sword over it
        QPainterPath shield;
        shield.moveTo(22, 26);
        shield.lineTo(78, 26);
        shield.cubicTo(78, 60, 66, 80, 50, 92);
        shield.cubicTo(34, 80, 22, 60, 22, 26);
        p.setPen(QPen(side.darker(170), 3));
        p.setBrush(kGlyph);
        p.drawPath(shield);
        p.setPen(QPen(side.darker(150), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50, 6), QPointF(50, 80));
        p.drawLine(QPointF(30, 22), QPointF(70, 22));
        break;
    }
    case UnitKind::LightHorse:
        p.setPen(QPen(side.darker(170), 3));
        p.setBrush(kGlyph);
        HorseHead(p);
        p.setBrush(side.darker(160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(32, 36), 4, 4);
        break;
    case UnitKind::HeavyHorse:
        p.setPen(QPen(side.darker(170), 3));
        p.setBrush(kGlyph);
        HorseHead(p);
        // Barding: a gold-edged chanfron down the face, and a lance.
        p.setBrush(kGold);
        p.drawPolygon(QPolygonF({{40, 16}, {54, 24}, {26, 56}, {16, 46}}));
        p.setPen(QPen(kGlyph, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(96, 8), QPointF(60, 96));
        p.setPen(QPen(side.darker(170), 2));
        p.drawLine(QPointF(96, 8), QPointF(60, 96));
        break;
    case UnitKind::Leader: { // a swallow-tailed banner with a star
        p.setPen(QPen(kGlyph, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 8), QPointF(22, 94));
        p.setPen(QPen(kGold.darker(170), 2.5));
        p.setBrush(kGold);
        p.drawPolygon(QPolygonF({{26, 10}, {90, 10}, {76, 32}, {90, 54}, {26, 54}}));
        p.setBrush(side);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(50, 32), 9, 9);
        break;
    }
    case UnitKind::Supply: // covered wagon from the side
        p.setPen(QPen(side.darker(170), 3));
        p.setBrush(kGlyph);
        p.drawChord(QRectF(14, 16, 66, 54), 0, 180 * 16);
        p.drawRect(QRectF(10, 42, 74, 20));
        p.setPen(QPen(kGlyph, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(84, 56), QPointF(96, 48)); // shaft
        p.setPen(QPen(side.darker(170), 3));
        p.setBrush(QColor(150, 100, 50));
        p.drawEllipse(QPointF(28, 74), 12, 12);
        p.drawEllipse(QPointF(68, 74), 12, 12);
        break;
    }
}

static QImage PaintedPiece(UnitKind kind, QColor side, int size) {
    const bool leader = kind == UnitKind::Leader;
    return PaintPiece(QSize(size, size), [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        const double edge = size >= 30 ? 1.6 : 1.2;
        const QRectF body(edge / 2, edge / 2, size - edge, size - edge);
        QLinearGradient g(0, 0, 0, size);
        g.setColorAt(0, side.lighter(135));
        g.setColorAt(0.5, side);
        g.setColorAt(1, side.darker(135));
        p.setPen(QPen(leader ? kGold.darker(150) : kEdge, edge));
        p.setBrush(g);
        p.drawRoundedRect(body, size * 0.14, size * 0.14);
        if (leader) {
            p.setPen(QPen(kGold, edge));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(body.adjusted(edge, edge, -edge, -edge), size * 0.1, size * 0.1);
        }
        const double margin = size * 0.17;
        p.translate(margin, margin);
        p.scale((size - 2 * margin) / 100.0, (size - 2 * margin) / 100.0);
        Glyph(p, kind, side);
    });
}

QImage UnitPicture(UnitKind kind, QColor side, int level) {
    if (level == 1)
        return TinyPiece(kind, side);
    return PaintedPiece(kind, side, kUnitSizes[level - 1]);
}
