#include "BuildingPictures.h"

#include "PaintKit.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

static Scatter Seeded(int picture, const HexFrame& f) {
    return Scatter(uint32_t(picture * 131 + f.size()));
}

static void Yard(QPainter& p, const HexFrame& f, Scatter& rnd, QColor base) {
    FillShaded(p, f, base, 8);
    Speckle(p, f, rnd, base, 0.1, std::max(0.5, f.unit() * 0.7), 12);
}

// A lane of beaten earth through the hex.
static void Lane(QPainter& p, QPointF from, QPointF to, double width) {
    p.setPen(QPen(MapColour::Road().darker(110), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

void PaintVillage(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(1, f);
    Yard(p, f, rnd, MapColour::Grass());
    const double s = f.size();
    Lane(p, QPointF(s * 0.1, s * 0.62), QPointF(s * 0.9, s * 0.48), f.pixels(2.5));
    struct House {
        double x, y, len, dep, angle;
        QColor roof;
    };
    const House houses[5] = {{0.32, 0.38, 0.3, 0.2, -8, MapColour::Tile()},
                             {0.66, 0.3, 0.26, 0.18, 80, MapColour::Thatch()},
                             {0.58, 0.72, 0.3, 0.2, -10, MapColour::Tile().darker(110)},
                             {0.28, 0.78, 0.2, 0.16, 30, MapColour::Thatch()},
                             {0.82, 0.66, 0.16, 0.14, -60, MapColour::Tile()}};
    const int count = f.detail() == 1 ? 3 : 5;
    for (int i = 0; i < count; ++i) {
        const House& h = houses[i];
        RoofedHouse(p, QPointF(h.x * s, h.y * s), h.len * s * (f.detail() == 1 ? 1.25 : 1.0),
                    h.dep * s * (f.detail() == 1 ? 1.25 : 1.0), h.angle, h.roof);
    }
    if (f.detail() >= 2)
        TreeCrown(p, QPointF(s * 0.78, s * 0.2), s * 0.08, MapColour::Tree());
}

void PaintTown(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(2, f);
    Yard(p, f, rnd, QColor(170, 160, 136));
    const double s = f.size();
    // Two streets crossing at a market place; blocks of houses in between.
    Lane(p, QPointF(0, s * 0.5), QPointF(s, s * 0.5), f.pixels(2.5));
    Lane(p, QPointF(s * 0.5, 0), QPointF(s * 0.5, s), f.pixels(2.5));
    const int perSide = f.detail() == 1 ? 1 : 2;
    const double block = s * 0.34 / perSide;
    const QColor roofs[3] = {MapColour::Tile(), MapColour::Slate(), MapColour::Tile().darker(115)};
    int k = 0;
    for (int qx = 0; qx < 2; ++qx)
        for (int qy = 0; qy < 2; ++qy)
            for (int i = 0; i < perSide; ++i)
                for (int j = 0; j < perSide; ++j) {
                    const double x = qx ? s * 0.56 + i * block : s * 0.44 - (i + 1) * block;
                    const double y = qy ? s * 0.56 + j * block : s * 0.44 - (j + 1) * block;
                    RoofedHouse(p, QPointF(x + block / 2, y + block / 2), block * 0.92, block * 0.8,
                                (k % 2) * 90, roofs[k % 3]);
                    ++k;
                }
    if (f.detail() >= 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(206, 196, 170));
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.08, s * 0.08); // market cross
        p.setBrush(MapColour::StoneDark());
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.025, s * 0.025);
    }
}

void PaintChurch(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(3, f);
    Yard(p, f, rnd, MapColour::Grass());
    const double s = f.size();
    // Churchyard wall.
    p.setPen(QPen(MapColour::StoneDark(), std::max(0.8, 0.8 * f.unit())));
    p.setBrush(MapColour::Meadow().darker(108));
    p.drawRoundedRect(QRectF(s * 0.18, s * 0.2, s * 0.64, s * 0.6), s * 0.06, s * 0.06);
    // Cross-shaped roof: nave west to east, transept, and the tower at the west end.
    const QColor slate = MapColour::Slate().lighter(115);
    RoofedHouse(p, QPointF(s * 0.54, s * 0.5), s * 0.46, s * 0.18, 0, slate);
    RoofedHouse(p, QPointF(s * 0.6, s * 0.5), s * 0.36, s * 0.14, 90, slate);
    p.setPen(QPen(MapColour::Ink(), std::max(0.7, 0.6 * f.unit())));
    QRadialGradient g(QPointF(s * 0.29, s * 0.47), s * 0.12);
    g.setColorAt(0, MapColour::Stone().lighter(120));
    g.setColorAt(1, MapColour::StoneDark());
    p.setBrush(g);
    const double t = s * 0.15;
    p.drawRect(QRectF(s * 0.29 - t / 2, s * 0.5 - t / 2, t, t));
    // Spire seen from above: four faces meeting at the point.
    p.drawLine(QPointF(s * 0.29 - t / 2, s * 0.5 - t / 2),
               QPointF(s * 0.29 + t / 2, s * 0.5 + t / 2));
    p.drawLine(QPointF(s * 0.29 - t / 2, s * 0.5 + t / 2),
               QPointF(s * 0.29 + t / 2, s * 0.5 - t / 2));
    if (f.detail() >= 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 146, 136));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(s * (0.26 + i * 0.1), s * 0.7, s * 0.03, s * 0.04)); // graves
    }
}

void PaintCastle(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(4, f);
    Yard(p, f, rnd, MapColour::Grass().darker(105));
    const double s = f.size();
    const double wall = std::max(2.0, s * 0.09);
    const QRectF bailey(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
    // Ditch, courtyard, curtain wall, corner towers, keep.
    p.setPen(QPen(MapColour::Water().darker(110), wall * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bailey.adjusted(-wall, -wall, wall, wall));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(168, 156, 126));
    p.drawRect(bailey);
    p.setPen(QPen(MapColour::StoneDark().darker(120), wall));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bailey);
    p.setPen(QPen(MapColour::Stone(), wall * 0.45));
    p.drawRect(bailey);
    const QPointF corners[4] = {bailey.topLeft(), bailey.topRight(), bailey.bottomLeft(),
                                bailey.bottomRight()};
    for (const QPointF& c : corners) {
        QRadialGradient g(c - QPointF(wall * 0.4, wall * 0.4), wall * 1.6);
        g.setColorAt(0, MapColour::Stone().lighter(120));
        g.setColorAt(1, MapColour::StoneDark());
        p.setPen(QPen(MapColour::Ink(), std::max(0.6, 0.5 * f.unit())));
        p.setBrush(g);
        p.drawEllipse(c, wall * 1.1, wall * 1.1);
    }
    const double k = s * 0.22;
    QRadialGradient keep(QPointF(s * 0.46, s * 0.46), k);
    keep.setColorAt(0, MapColour::Stone().lighter(115));
    keep.setColorAt(1, MapColour::StoneDark());
    p.setBrush(keep);
    p.drawRect(QRectF(s * 0.5 - k / 2, s * 0.5 - k / 2, k, k));
    if (f.detail() >= 2) {
        p.setPen(QPen(MapColour::Ink(), 0.6 * f.unit()));
        p.setBrush(QColor(190, 30, 30));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.5, s * 0.36));
        p.drawPolygon(QPolygonF(
            {QPointF(s * 0.5, s * 0.36), QPointF(s * 0.6, s * 0.39), QPointF(s * 0.5, s * 0.42)}));
    }
}

void PaintRuins(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(5, f);
    Yard(p, f, rnd, QColor(132, 150, 86));
    const double s = f.size();
    const double wall = std::max(2.0, s * 0.1);
    // The broken outline of a hall: an L of wall stubs, gaps between them.
    const QLineF stubs[5] = {{s * 0.22, s * 0.28, s * 0.5, s * 0.28},
                             {s * 0.62, s * 0.28, s * 0.76, s * 0.28},
                             {s * 0.22, s * 0.28, s * 0.22, s * 0.56},
                             {s * 0.76, s * 0.28, s * 0.76, s * 0.44},
                             {s * 0.22, s * 0.7, s * 0.44, s * 0.7}};
    for (const QLineF& line : stubs) {
        p.setPen(QPen(QColor(70, 66, 60), wall, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(line);
        p.setPen(QPen(QColor(200, 194, 180), wall * 0.45, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(line);
    }
    const int rubble = 3 + f.detail() * 3;
    for (int i = 0; i < rubble; ++i)
        Stone(p, QPointF(rnd.Range(0.3, 0.75) * s, rnd.Range(0.4, 0.75) * s),
              s * rnd.Range(0.025, 0.045), MapColour::Stone());
    if (f.detail() >= 2)
        TreeCrown(p, QPointF(s * 0.66, s * 0.62), s * 0.08, QColor(80, 110, 50));
}

void PaintWindmill(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(6, f);
    Yard(p, f, rnd, MapColour::Meadow());
    const double s = f.size();
    const QPointF c = f.centre();
    QRadialGradient g(c - QPointF(s * 0.04, s * 0.04), s * 0.16);
    g.setColorAt(0, QColor(236, 226, 200));
    g.setColorAt(1, QColor(160, 146, 120));
    p.setPen(QPen(MapColour::Ink(), std::max(0.6, 0.5 * f.unit())));
    p.setBrush(g);
    p.drawEllipse(c, s * 0.13, s * 0.13);
    // Four sails, lattice at the finer levels.
    p.save();
    p.translate(c);
    p.rotate(20);
    for (int i = 0; i < 4; ++i) {
        const QRectF sail(s * 0.03, -s * 0.05, s * 0.34, s * 0.1);
        p.setPen(QPen(MapColour::Wood().darker(150), std::max(0.6, 0.5 * f.unit())));
        p.setBrush(QColor(230, 222, 196));
        p.drawRect(sail);
        if (f.detail() >= 2)
            for (int k = 1; k < 4; ++k)
                p.drawLine(QPointF(sail.left() + k * sail.width() / 4, sail.top()),
                           QPointF(sail.left() + k * sail.width() / 4, sail.bottom()));
        p.rotate(90);
    }
    p.restore();
    p.setBrush(MapColour::Wood());
    p.drawEllipse(c, s * 0.035, s * 0.035);
}

void PaintCamp(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(7, f);
    Yard(p, f, rnd, QColor(140, 150, 90));
    const double s = f.size();
    // Tents: a ridge pole and two sloping cloth faces.
    const QPointF tents[5] = {{0.3, 0.34}, {0.64, 0.3}, {0.34, 0.68}, {0.68, 0.66}, {0.5, 0.5}};
    const QColor cloth[3] = {QColor(232, 224, 200), QColor(210, 196, 160), QColor(196, 70, 60)};
    const int count = f.detail() == 1 ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        const QPointF at = tents[i] * s;
        const double w = s * (f.detail() == 1 ? 0.2 : 0.16), h = w * 0.8;
        const QColor c = cloth[i % 3];
        p.setPen(QPen(c.darker(200), std::max(0.6, 0.5 * f.unit())));
        p.setBrush(c.lighter(110));
        p.drawPolygon(QPolygonF({at + QPointF(-w / 2, -h / 2), at + QPointF(w / 2, -h / 2),
                                 at + QPointF(w / 2, 0), at + QPointF(-w / 2, 0)}));
        p.setBrush(c.darker(125));
        p.drawPolygon(QPolygonF({at + QPointF(-w / 2, 0), at + QPointF(w / 2, 0),
                                 at + QPointF(w / 2, h / 2), at + QPointF(-w / 2, h / 2)}));
    }
    // Camp fire.
    const QPointF fire = tents[4] * s + QPointF(0, s * 0.04);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 60, 50));
    p.drawEllipse(fire, s * 0.06, s * 0.05);
    p.setBrush(QColor(250, 160, 40));
    p.drawEllipse(fire, s * 0.035, s * 0.03);
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(fire, s * 0.015, s * 0.013);
}

void PaintFarmstead(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(8, f);
    Yard(p, f, rnd, MapColour::Grass());
    const double s = f.size();
    // A fenced paddock, the farmhouse and the barn around a yard.
    p.setPen(QPen(MapColour::Wood(), std::max(0.7, 0.6 * f.unit()), Qt::DashLine));
    p.setBrush(QColor(170, 170, 96));
    p.drawRect(QRectF(s * 0.5, s * 0.52, s * 0.3, s * 0.24));
    p.setPen(Qt::NoPen);
    p.setBrush(MapColour::Road().darker(105));
    p.drawEllipse(QPointF(s * 0.42, s * 0.46), s * 0.14, s * 0.1);
    RoofedHouse(p, QPointF(s * 0.36, s * 0.3), s * 0.3, s * 0.18, 0, MapColour::Thatch());
    RoofedHouse(p, QPointF(s * 0.26, s * 0.62), s * 0.28, s * 0.2, 90, MapColour::Wood());
    if (f.detail() >= 2)
        TreeCrown(p, QPointF(s * 0.7, s * 0.28), s * 0.08, MapColour::Tree());
}
