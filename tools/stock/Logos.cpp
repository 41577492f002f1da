#include "Logos.h"

#include "Emblems.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

// A flat-topped hexagon of the given circumradius around `centre`.
static QPolygonF Hexagon(QPointF centre, double r) {
    QPolygonF hex;
    for (int k = 0; k < 6; ++k) {
        const double a = M_PI / 3 * k;
        hex << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return hex;
}

// Text with a dark outline and a gold face.
static void EngravedText(QPainter& p, const QPointF& baseline, const QString& text,
                         const QFont& font, QColor top, QColor bottom) {
    QPainterPath path;
    path.addText(baseline, font, text);
    const QRectF b = path.boundingRect();
    QLinearGradient g(0, b.top(), 0, b.bottom());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QColor(20, 14, 8), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

static QFont SerifFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("C059"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// A cluster of seven hexes coloured as grass, woods, hills and water, with two opposing
// pieces on it: the battle editor's subject at a glance.
static void PaintMapCluster(QPainter& p, QPointF centre, double r) {
    const double dx = r * 1.5, dy = r * std::sqrt(3.0);
    const QPointF offsets[7] = {{0, 0},        {0, -dy},      {0, dy},     {-dx, -dy / 2},
                                {-dx, dy / 2}, {dx, -dy / 2}, {dx, dy / 2}};
    const QColor fills[7] = {QColor(120, 170, 80), QColor(46, 110, 52),  QColor(150, 132, 84),
                             QColor(60, 110, 180), QColor(128, 176, 86), QColor(190, 176, 96),
                             QColor(40, 96, 46)};
    for (int i = 0; i < 7; ++i) {
        const QPolygonF hex = Hexagon(centre + offsets[i], r);
        QLinearGradient g(hex.boundingRect().topLeft(), hex.boundingRect().bottomRight());
        g.setColorAt(0, fills[i].lighter(125));
        g.setColorAt(1, fills[i].darker(125));
        p.setBrush(g);
        p.setPen(QPen(QColor(30, 26, 20), 1.5));
        p.drawPolygon(hex);
    }
    // Trees on the woods hexes, a ripple on the water.
    p.setPen(QPen(QColor(16, 50, 20), 1));
    for (int i : {1, 6})
        for (int k = 0; k < 3; ++k) {
            const QPointF c = centre + offsets[i] + QPointF(-r / 3 + k * r / 3, (k % 2) * 5 - 2);
            p.setBrush(QColor(30, 86, 36).lighter(100 + 15 * k));
            p.drawEllipse(c, r / 4, r / 4);
        }
    p.setPen(QPen(QColor(190, 220, 250), 1.5));
    const QPointF w = centre + offsets[3];
    p.drawArc(QRectF(w.x() - 10, w.y() - 4, 10, 8), 0, 180 * 16);
    p.drawArc(QRectF(w.x(), w.y() - 2, 10, 8), 0, 180 * 16);
    // Two pieces facing each other.
    const QColor sides[2] = {QColor(40, 70, 160), QColor(170, 32, 32)};
    const QPointF at[2] = {centre + offsets[4], centre + offsets[0]};
    for (int s = 0; s < 2; ++s) {
        const QRectF piece(at[s].x() - r * 0.45, at[s].y() - r * 0.45, r * 0.9, r * 0.9);
        p.setPen(QPen(QColor(16, 16, 16), 1.5));
        p.setBrush(sides[s]);
        p.drawRoundedRect(piece, 3, 3);
        p.setPen(QPen(QColor(240, 236, 220), 2));
        const QRectF inner = piece.adjusted(4, 4, -4, -4);
        p.drawLine(inner.topLeft(), inner.bottomRight());
        if (s == 0)
            p.drawLine(inner.bottomLeft(), inner.topRight());
    }
}

QImage BattleEditorLogo() {
    QImage image(360, 200, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    PaintMapCluster(p, QPointF(74, 100), 25);
    // The title is fitted to the space right of the map.
    QFont title = SerifFont(44, true);
    while (QFontMetricsF(title).horizontalAdvance(QStringLiteral("Fieldmark")) > 196)
        title.setPixelSize(title.pixelSize() - 1);
    const double titleWidth = QFontMetricsF(title).horizontalAdvance(QStringLiteral("Fieldmark"));
    EngravedText(p, QPointF(250 - titleWidth / 2, 100), QStringLiteral("Fieldmark"), title,
                 QColor(255, 236, 150), QColor(180, 126, 34));
    PaintSword(p, QRectF(230, 14, 40, 40));
    p.setPen(QPen(QColor(190, 146, 52), 1.5));
    p.drawLine(QPointF(156, 114), QPointF(344, 114));
    QFont sub = SerifFont(17, false);
    sub.setItalic(true);
    p.setFont(sub);
    p.setPen(QColor(226, 214, 180));
    p.drawText(QRectF(150, 120, 200, 24), Qt::AlignHCenter,
               QStringLiteral("Varnholm Battle Editor"));
    QFont small = SerifFont(11, false);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(small);
    p.setPen(QColor(150, 140, 120));
    p.drawText(QRectF(150, 150, 200, 18), Qt::AlignHCenter,
               QStringLiteral("OPEN OR CREATE A BATTLE"));
    return image;
}

// The symbol editor's logo on a 120 by 120 square of the painter's coordinates.
static void PaintSymbolEditorLogo(QPainter& p) {
    QLinearGradient parchment(0, 0, 120, 120);
    parchment.setColorAt(0, QColor(244, 232, 200));
    parchment.setColorAt(1, QColor(214, 192, 146));
    p.fillRect(QRect(0, 0, 120, 120), parchment);
    // A tree drawn pixel by pixel on a magnified grid: the symbol editor at work.
    static const char* const kTree[] = {
        "...GGG...", "..GGgGG..", ".GGgGGgG.", ".GgGGGgG.", "GGGGgGGGG",
        ".GGgGGG..", "...TT....", "...TT....", "..TTTT...",
    };
    const int cell = 8, left = 24, top = 12;
    p.setPen(Qt::NoPen);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const char c = kTree[y][x];
            QColor colour = c == 'G'   ? QColor(44, 120, 52)
                            : c == 'g' ? QColor(96, 170, 80)
                            : c == 'T' ? QColor(110, 70, 36)
                                       : QColor(236, 224, 190);
            p.fillRect(left + x * cell, top + y * cell, cell, cell, colour);
        }
    p.setPen(QColor(160, 140, 104));
    for (int i = 0; i <= 9; ++i) {
        p.drawLine(left + i * cell, top, left + i * cell, top + 9 * cell);
        p.drawLine(left, top + i * cell, left + 9 * cell, top + i * cell);
    }
    // A quill laid across the grid.
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath quill;
    quill.moveTo(100, 8);
    quill.cubicTo(112, 20, 96, 48, 72, 66);
    quill.cubicTo(80, 46, 88, 26, 100, 8);
    p.setPen(QPen(QColor(60, 50, 40), 1));
    p.setBrush(QColor(250, 250, 244));
    p.drawPath(quill);
    p.setPen(QPen(QColor(40, 30, 20), 1.5));
    p.drawLine(QPointF(99, 12), QPointF(66, 74));
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = SerifFont(17, true);
    EngravedText(p, QPointF(60 - QFontMetricsF(f).horizontalAdvance("Symbols") / 2, 108),
                 QStringLiteral("Symbols"), f, QColor(140, 30, 30), QColor(90, 16, 16));
}

QImage SymbolEditorLogo() {
    QImage image(120, 120, QImage::Format_RGB32);
    QPainter p(&image);
    PaintSymbolEditorLogo(p);
    return image;
}

// A square picture of `size` pixels on a transparent ground, drawn by `paint` on a square of
// `logical` units of its own coordinates.
template <class Paint> static QImage ScaledIcon(int size, double logical, Paint paint) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / logical, size / logical);
    paint(p);
    return image;
}

QImage BattleEditorIcon(int size) {
    // The logo's map cluster alone: seven hexes reach 62.5 units across and 65 down from
    // the middle hex's centre.
    return ScaledIcon(size, 136, [](QPainter& p) { PaintMapCluster(p, QPointF(68, 68), 25); });
}

QImage SymbolEditorIcon(int size) {
    return ScaledIcon(size, 120, [](QPainter& p) { PaintSymbolEditorLogo(p); });
}
