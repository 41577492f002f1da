#include "FeaturePictures.h"

#include "PaintKit.h"

#include <QPainterPath>

#include <cmath>

// Unit vector from the centre towards an edge's middle, and its normal.
static QPointF Towards(const HexFrame& f, HexSide side) {
    const QPointF d = f.edgeMiddle(side) - f.centre();
    return d / std::hypot(d.x(), d.y());
}

// The course from the centre out past the edge's middle (the hexagon clips it), with a
// gentle bend whose direction depends on the edge, so rivers do not look ruled.
static QPainterPath Course(const HexFrame& f, HexSide side, double bend) {
    const QPointF c = f.centre();
    const QPointF dir = Towards(f, side);
    const QPointF normal(-dir.y(), dir.x());
    const QPointF end = f.edgeMiddle(side) + dir * (f.size() * 0.06);
    const double len = std::hypot(end.x() - c.x(), end.y() - c.y());
    const double sway = (int(side) % 2 ? 1 : -1) * bend * len;
    QPainterPath path(c);
    path.cubicTo(c + dir * (len * 0.35) + normal * sway, c + dir * (len * 0.7) - normal * sway,
                 end);
    return path;
}

// Strokes a course in layers: widest first; each layer is (colour, width).
static void Layered(QPainter& p, const QPainterPath& path, QPointF centre,
                    std::initializer_list<std::pair<QColor, double>> layers) {
    for (const auto& [colour, width] : layers) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        // A round end at the centre joins the pieces of one hex seamlessly.
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(centre, width / 2, width / 2);
    }
}

void PaintRiver(QPainter& p, const HexFrame& f, HexSide side) {
    const double w = f.pixels(7, 3);
    Layered(p, Course(f, side, 0.12), f.centre(),
            {{MapColour::Bank(), w}, {MapColour::Water(), w - std::max(1.0, 2 * f.unit())}});
    if (f.detail() >= 2) {
        p.setPen(QPen(MapColour::WaterLight(), 0.8 * f.unit(), Qt::DotLine));
        p.drawPath(Course(f, side, 0.12));
    }
}

void PaintStream(QPainter& p, const HexFrame& f, HexSide side) {
    const double w = f.pixels(3.5, 2);
    Layered(p, Course(f, side, 0.18), f.centre(),
            {{MapColour::Bank(), w}, {QColor(96, 150, 210), std::max(1.0, w - 1.4 * f.unit())}});
}

void PaintRoad(QPainter& p, const HexFrame& f, HexSide side) {
    const double w = f.pixels(4.5, 2);
    Layered(p, Course(f, side, 0.0), f.centre(),
            {{MapColour::RoadEdge(), w}, {MapColour::Road(), w - std::max(1.0, 1.5 * f.unit())}});
}

void PaintTrack(QPainter& p, const HexFrame& f, HexSide side) {
    const double w = f.pixels(2.5, 1);
    const QPainterPath path = Course(f, side, 0.08);
    if (f.detail() == 1) {
        Layered(p, path, f.centre(), {{MapColour::Earth().darker(115), w}});
        return;
    }
    // Two wheel ruts with trodden earth between them.
    Layered(p, path, f.centre(), {{MapColour::Earth(), w}});
    p.setPen(QPen(MapColour::Earth().darker(150), 0.7 * f.unit(), Qt::DashLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QPointF dir = Towards(f, side);
    const QPointF normal(-dir.y(), dir.x());
    p.drawPath(path.translated(normal * (w * 0.3)));
    p.drawPath(path.translated(-normal * (w * 0.3)));
}

// Turns the painter so the axis from the centre towards `side` is the positive x axis.
static void AlongAxis(QPainter& p, const HexFrame& f, HexSide side) {
    const QPointF dir = Towards(f, side);
    p.translate(f.centre());
    p.rotate(std::atan2(dir.y(), dir.x()) * 180.0 / M_PI);
}

void PaintBridge(QPainter& p, const HexFrame& f, HexSide side) {
    p.save();
    AlongAxis(p, f, side);
    const double half = f.size() * 0.3, deck = f.pixels(6, 3);
    const double rail = std::max(1.0, 1.2 * f.unit());
    // Abutments, the deck of planks and its parapets.
    p.setPen(Qt::NoPen);
    p.setBrush(MapColour::StoneDark());
    p.drawRect(QRectF(-half - rail, -deck / 2 - rail, rail * 2.5, deck + 2 * rail));
    p.drawRect(QRectF(half - rail * 1.5, -deck / 2 - rail, rail * 2.5, deck + 2 * rail));
    p.setBrush(QColor(156, 110, 64));
    p.drawRect(QRectF(-half, -deck / 2, 2 * half, deck));
    if (f.detail() >= 2) {
        p.setPen(QPen(QColor(100, 66, 36), 0.6 * f.unit()));
        for (double x = -half + 2 * f.unit(); x < half; x += 2 * f.unit())
            p.drawLine(QPointF(x, -deck / 2), QPointF(x, deck / 2));
    }
    p.setPen(QPen(MapColour::Ink(), rail));
    p.drawLine(QPointF(-half, -deck / 2), QPointF(half, -deck / 2));
    p.drawLine(QPointF(-half, deck / 2), QPointF(half, deck / 2));
    p.restore();
}

void PaintFord(QPainter& p, const HexFrame& f, HexSide side) {
    p.save();
    AlongAxis(p, f, side);
    const double half = f.size() * 0.28, width = f.pixels(7, 3);
    // A pale sandy bar with stepping stones across the water.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 206, 190));
    p.drawRoundedRect(QRectF(-half, -width / 2, 2 * half, width), width / 2, width / 2);
    p.setBrush(QColor(150, 190, 210));
    p.drawRoundedRect(QRectF(-half * 0.8, -width / 4, 1.6 * half, width / 2), width / 4, width / 4);
    const int stones = f.detail() + 2;
    for (int i = 0; i < stones; ++i) {
        const double x = -half * 0.75 + i * (1.5 * half / (stones - 1));
        Stone(p, QPointF(x, (i % 2 ? 1 : -1) * width * 0.12), std::max(0.9, width * 0.2),
              QColor(170, 160, 140));
    }
    p.restore();
}

// The edge drawn a little inside the hexagon, so the neighbour's ground does not cover it.
static QLineF InnerEdge(const HexFrame& f, HexSide side, double inset) {
    const QPolygonF in = f.inset(inset);
    return QLineF(in[int(side)], in[(int(side) + 1) % 6]);
}

void PaintWall(QPainter& p, const HexFrame& f, HexSide side) {
    const double w = f.pixels(4.5, 3);
    const QLineF edge = InnerEdge(f, side, w / 2 + 0.5);
    p.setPen(QPen(QColor(52, 48, 44), w, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(edge);
    // The wall walk, lighter stone, with crenels at the finer levels.
    p.setPen(QPen(QColor(196, 190, 176), std::max(1.0, w * 0.4),
                  f.detail() >= 2 ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
    p.drawLine(edge);
}

void PaintPalisade(QPainter& p, const HexFrame& f, HexSide side) {
    const double w = f.pixels(4, 2);
    const QLineF edge = InnerEdge(f, side, w / 2 + 0.5);
    p.setPen(QPen(QColor(70, 44, 20), w, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(edge);
    // Pointed stakes: light dots along the line.
    const int stakes = int(edge.length() / std::max(1.6, 2.2 * f.unit()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 172, 108));
    for (int i = 0; i <= stakes; ++i)
        p.drawEllipse(edge.pointAt(double(i) / std::max(1, stakes)), w * 0.3, w * 0.3);
}
