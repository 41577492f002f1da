#include "MarkerPictures.h"

#include "HexGeometry.h"
#include "PaintKit.h"

#include <QPainterPath>

#include <cmath>

QImage MapOverlayPicture(int size) {
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    for (const Segment& segment : HexOutline(size, 1))
        DrawLine(picture, segment.from, segment.to, qRgb(58, 62, 44));
    return picture;
}

// A band just inside the hexagon's edge.
static void Ring(QPainter& p, const HexFrame& f, QColor colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(f.inset(width / 2 + 0.6));
}

static QPainterPath Star(QPointF c, double outer, double inner) {
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5;
        const double r = k % 2 ? inner : outer;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

void PaintObjective(QPainter& p, const HexFrame& f) {
    // A gold ring around the hex (visible around a piece standing on it) and a star at
    // the top edge.
    Ring(p, f, QColor(120, 84, 10), f.pixels(3, 2));
    Ring(p, f, QColor(236, 190, 40), f.pixels(1.5, 1));
    const double r = f.size() * (f.detail() == 1 ? 0.2 : 0.14);
    const QPointF c(f.centre().x(), r + 0.5);
    p.setPen(QPen(QColor(90, 60, 0), std::max(0.8, 0.6 * f.unit())));
    p.setBrush(QColor(250, 214, 60));
    p.drawPath(Star(c, r, r * 0.45));
}

void PaintHotHex(QPainter& p, const HexFrame& f) {
    Ring(p, f, QColor(150, 30, 10), f.pixels(3.5, 2));
    Ring(p, f, QColor(250, 130, 30), f.pixels(1.6, 1));
}

void PaintCombatHex(QPainter& p, const HexFrame& f) {
    Ring(p, f, QColor(170, 20, 20), f.pixels(2.5, 1));
    // Two crossed blades.
    const double r = f.size() * 0.3;
    const QPointF c = f.centre();
    for (int k : {-1, 1}) {
        const QPointF tip = c + QPointF(k * r, -r), hilt = c + QPointF(-k * r * 0.8, r * 0.8);
        p.setPen(QPen(MapColour::Ink(), f.pixels(3, 2), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tip, hilt);
        p.setPen(QPen(QColor(226, 230, 236), f.pixels(1.5, 1), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tip, hilt);
        const QPointF guard = c + QPointF(-k * r * 0.45, r * 0.45);
        p.setPen(QPen(QColor(200, 150, 40), f.pixels(2, 1), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(guard + QPointF(-r * 0.22, -k * r * 0.22),
                   guard + QPointF(r * 0.22, k * r * 0.22));
    }
}

void PaintLegalMove(QPainter& p, const HexFrame& f) {
    Ring(p, f, QColor(30, 110, 40), f.pixels(2.5, 1));
    p.setPen(QPen(QColor(20, 70, 24), std::max(0.8, 0.6 * f.unit())));
    p.setBrush(QColor(120, 220, 110));
    const double r = f.size() * 0.1;
    p.drawEllipse(f.centre(), r, r);
}

void PaintUnitDestroyed(QPainter& p, const HexFrame& f) {
    const double r = f.size() * 0.28;
    const QPointF c = f.centre();
    for (int k : {-1, 1}) {
        p.setPen(QPen(MapColour::Ink(), f.pixels(5, 3), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-r, -k * r), c + QPointF(r, k * r));
    }
    for (int k : {-1, 1}) {
        p.setPen(QPen(QColor(200, 24, 24), f.pixels(3, 1), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-r, -k * r), c + QPointF(r, k * r));
    }
}

void PaintReinforcement(QPainter& p, const HexFrame& f, QColor side) {
    // A shield-shaped badge in the side's colour with a white arrow into the hex.
    const double s = f.size();
    const QPointF c = f.centre();
    QPainterPath badge;
    badge.moveTo(c + QPointF(-s * 0.3, -s * 0.3));
    badge.lineTo(c + QPointF(s * 0.3, -s * 0.3));
    badge.lineTo(c + QPointF(s * 0.3, s * 0.05));
    badge.quadTo(c + QPointF(s * 0.28, s * 0.28), c + QPointF(0, s * 0.36));
    badge.quadTo(c + QPointF(-s * 0.28, s * 0.28), c + QPointF(-s * 0.3, s * 0.05));
    badge.closeSubpath();
    p.setPen(QPen(MapColour::Ink(), f.pixels(1.6, 1)));
    p.setBrush(side);
    p.drawPath(badge);
    p.setPen(
        QPen(QColor(250, 246, 230), f.pixels(3, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double a = s * 0.16;
    p.drawLine(c + QPointF(0, -a * 1.3), c + QPointF(0, a * 0.9));
    p.drawPolyline(QPolygonF({c + QPointF(-a, 0), c + QPointF(0, a), c + QPointF(a, 0)}));
}

void PaintCaltrops(QPainter& p, const HexFrame& f) {
    // Scattered four-pointed iron spikes.
    Scatter rnd(uint32_t(700 + f.size()));
    const int count = 2 + 2 * f.detail();
    const double r = std::max(1.6, f.size() * 0.08);
    for (int i = 0; i < count; ++i) {
        const QPointF at = PointInHex(f, rnd, r + 1.5);
        const double turn = rnd.Range(0, M_PI / 2);
        for (int k = 0; k < 2; ++k) {
            const double a = turn + k * M_PI / 2;
            const QPointF d(r * std::cos(a), r * std::sin(a));
            p.setPen(
                QPen(MapColour::Ink(), std::max(1.0, 0.9 * f.unit()), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at - d, at + d);
        }
        if (f.detail() >= 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 176, 186));
            p.drawEllipse(at, r * 0.35, r * 0.35);
        }
    }
}
