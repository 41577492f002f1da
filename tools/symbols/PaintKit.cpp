#include "PaintKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

QColor Mix(QColor a, QColor b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

void FillShaded(QPainter& p, const HexFrame& f, QColor base, int contrast) {
    QLinearGradient g(0, 0, f.size(), f.size());
    g.setColorAt(0, base.lighter(100 + contrast));
    g.setColorAt(1, base.darker(100 + contrast));
    p.fillRect(QRectF(0, 0, f.size(), f.size()), g);
}

QPointF PointInHex(const HexFrame& f, Scatter& rnd, double margin) {
    const QPolygonF area = f.inset(margin);
    const QRectF box = area.boundingRect();
    for (int tries = 0; tries < 50; ++tries) {
        const QPointF pt(rnd.Range(box.left(), box.right()), rnd.Range(box.top(), box.bottom()));
        if (area.containsPoint(pt, Qt::OddEvenFill))
            return pt;
    }
    return f.centre();
}

void Speckle(QPainter& p, const HexFrame& f, Scatter& rnd, QColor base, double perPixel,
             double radius, int spread) {
    const int count = int(perPixel * f.size() * f.size());
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at = PointInHex(f, rnd, 0);
        const int shift = rnd.Below(2 * spread + 1) - spread;
        p.setBrush(shift >= 0 ? base.lighter(100 + shift) : base.darker(100 - shift));
        p.drawEllipse(at, radius, radius);
    }
    p.restore();
}

void Tufts(QPainter& p, const HexFrame& f, Scatter& rnd, QColor colour, int count, double height) {
    p.save();
    p.setPen(QPen(colour, std::max(0.8, f.unit() * 0.8), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const QPointF at = PointInHex(f, rnd, height);
        p.drawLine(at, at + QPointF(-height * 0.4, -height));
        p.drawLine(at, at + QPointF(0, -height * 1.2));
        p.drawLine(at, at + QPointF(height * 0.4, -height));
    }
    p.restore();
}

void TreeCrown(QPainter& p, QPointF at, double radius, QColor crown) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 18, 150));
    p.drawEllipse(at + QPointF(radius * 0.35, radius * 0.35), radius, radius * 0.9);
    QRadialGradient g(at - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    g.setColorAt(0, crown.lighter(150));
    g.setColorAt(0.6, crown);
    g.setColorAt(1, crown.darker(150));
    p.setBrush(g);
    p.setPen(QPen(crown.darker(200), std::max(0.6, radius * 0.12)));
    p.drawEllipse(at, radius, radius);
    p.restore();
}

void RoofedHouse(QPainter& p, QPointF centre, double length, double depth, double angle,
                 QColor roof) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const double hl = length / 2, hd = depth / 2;
    const double edge = std::max(0.6, depth * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 26, 20, 140)); // cast shadow
    p.drawRect(QRectF(-hl + edge * 1.5, -hd + edge * 1.5, length, depth));
    p.setBrush(roof.lighter(125));
    p.drawRect(QRectF(-hl, -hd, length, hd));
    p.setBrush(roof.darker(125));
    p.drawRect(QRectF(-hl, 0, length, hd));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(roof.darker(220), edge));
    p.drawRect(QRectF(-hl, -hd, length, depth));
    p.drawLine(QPointF(-hl, 0), QPointF(hl, 0));
    p.restore();
}

void Stone(QPainter& p, QPointF at, double radius, QColor colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 28, 24, 140));
    p.drawEllipse(at + QPointF(radius * 0.3, radius * 0.3), radius, radius * 0.8);
    QRadialGradient g(at - QPointF(radius * 0.4, radius * 0.4), radius * 1.5);
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(1, colour.darker(140));
    p.setBrush(g);
    p.drawEllipse(at, radius, radius * 0.8);
    p.restore();
}
