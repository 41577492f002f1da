#include "GroundPictures.h"

#include "PaintKit.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

// Every picture seeds its scatter from its own number and the size, so each level has its
// own arrangement and every build paints the same pixels.
static Scatter Seeded(int picture, const HexFrame& f) {
    return Scatter(uint32_t(picture * 97 + f.size()));
}

static void Grass(QPainter& p, const HexFrame& f, Scatter& rnd, QColor base) {
    FillShaded(p, f, base, 8);
    Speckle(p, f, rnd, base, 0.12, std::max(0.5, f.unit() * 0.7), 14);
    if (f.detail() >= 2)
        Tufts(p, f, rnd, base.darker(135), f.detail() * 3, 1.6 * f.unit());
}

void PaintOpenGround(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(1, f);
    Grass(p, f, rnd, MapColour::Grass());
}

void PaintMeadow(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(2, f);
    Grass(p, f, rnd, MapColour::Meadow());
    const QColor flowers[3] = {QColor(250, 246, 230), QColor(246, 214, 70), QColor(220, 120, 170)};
    p.setPen(Qt::NoPen);
    const int count = 4 + 4 * f.detail() * f.detail();
    for (int i = 0; i < count; ++i) {
        p.setBrush(flowers[i % 3]);
        p.drawEllipse(PointInHex(f, rnd, 2), 0.5 + 0.3 * f.unit(), 0.5 + 0.3 * f.unit());
    }
}

void PaintFields(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(3, f);
    Grass(p, f, rnd, MapColour::Grass().darker(105));
    // Strips of crops at a slant, divided by hedgerows.
    const QColor crops[4] = {QColor(214, 190, 96), QColor(150, 170, 70), QColor(196, 160, 90),
                             QColor(228, 206, 120)};
    const int strips = f.detail() + 2;
    const double width = f.size() * 0.9 / strips;
    p.save();
    p.setClipRegion(QRegion(f.inset(f.unit() * 1.5).toPolygon()));
    p.translate(f.centre());
    p.rotate(-30);
    for (int i = 0; i < strips; ++i) {
        const QRectF strip(-f.size(), -f.size() * 0.45 + i * width, 2 * f.size(), width);
        p.fillRect(strip, crops[i % 4]);
        if (f.detail() >= 2) {
            p.setPen(QPen(crops[i % 4].darker(125), 0.7 * f.unit()));
            for (double y = strip.top() + 1.5 * f.unit(); y < strip.bottom() - 0.5;
                 y += 2 * f.unit())
                p.drawLine(QPointF(strip.left(), y), QPointF(strip.right(), y));
        }
        p.setPen(QPen(MapColour::TreeDark(), std::max(1.0, f.unit())));
        p.drawLine(strip.topLeft(), strip.topRight());
    }
    p.restore();
}

void PaintWoods(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(4, f);
    Grass(p, f, rnd, MapColour::Grass().darker(108));
    const int trees[4] = {0, 3, 6, 9};
    const double r = f.size() * (f.detail() == 1 ? 0.2 : 0.15);
    // Fixed places spread over the hex, jittered a little.
    const QPointF places[9] = {{-0.22, -0.18}, {0.2, -0.05},  {-0.05, 0.22},
                               {0.05, -0.28},  {-0.3, 0.12},  {0.28, 0.2},
                               {0.22, -0.3},   {-0.2, -0.34}, {0.1, 0.32}};
    for (int i = 0; i < trees[f.detail()]; ++i) {
        const QPointF at = f.centre() + places[i] * f.size() +
                           QPointF(rnd.Range(-1, 1), rnd.Range(-1, 1)) * f.unit();
        TreeCrown(p, at, r * rnd.Range(0.85, 1.1),
                  Mix(MapColour::Tree(), QColor(90, 130, 50), rnd.Unit() * 0.5));
    }
}

void PaintForest(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(5, f);
    FillShaded(p, f, MapColour::TreeDark().darker(120), 10);
    const double r = f.size() * (f.detail() == 1 ? 0.17 : 0.13);
    const double step = r * 1.35;
    for (double y = r * 0.3; y < f.size(); y += step * 0.87)
        for (double x = (int(y / step) % 2) * step / 2; x < f.size() + r; x += step) {
            const QPointF at(x + rnd.Range(-0.3, 0.3) * r, y + rnd.Range(-0.3, 0.3) * r);
            TreeCrown(p, at, r * rnd.Range(0.9, 1.15),
                      Mix(MapColour::TreeDark(), MapColour::Tree(), rnd.Unit()));
        }
}

void PaintOrchard(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(6, f);
    Grass(p, f, rnd, MapColour::Meadow().darker(105));
    const int rows = f.detail() + 1;
    const double gap = f.size() * 0.7 / rows;
    const double r = gap * 0.32;
    for (int row = 0; row <= rows; ++row)
        for (int col = 0; col <= rows; ++col) {
            const QPointF at(f.size() * 0.15 + col * gap + (row % 2) * gap / 2,
                             f.size() * 0.15 + row * gap);
            if (!f.inset(r).containsPoint(at, Qt::OddEvenFill))
                continue;
            TreeCrown(p, at, r, QColor(80, 140, 60));
            if (f.detail() >= 2) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(200, 40, 30));
                p.drawEllipse(at + QPointF(-r * 0.3, r * 0.2), r * 0.18, r * 0.18);
                p.drawEllipse(at + QPointF(r * 0.3, -r * 0.25), r * 0.18, r * 0.18);
            }
        }
}

// Rising ground fills the whole hex in its own tone, lighter towards the middle, with
// contour lines following the hexagon, so neighbouring hill hexes read as one mass.
static void RisingGround(QPainter& p, const HexFrame& f, Scatter& rnd, QColor tone, int contours) {
    QRadialGradient g(f.centre() - QPointF(f.size() * 0.08, f.size() * 0.1), f.size() * 0.62);
    g.setColorAt(0, tone.lighter(118));
    g.setColorAt(1, tone.darker(112));
    p.fillRect(QRectF(0, 0, f.size(), f.size()), g);
    Speckle(p, f, rnd, tone, 0.08, std::max(0.5, f.unit() * 0.7), 12);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= contours; ++i) {
        p.setPen(QPen(tone.darker(150), std::max(0.8, 0.8 * f.unit())));
        // The ring through the inset hexagon's edge middles, its corners rounded off: a
        // hill is not a hexagon.
        const QPolygonF ring = f.inset(f.size() * 0.16 * i);
        QPainterPath contour((ring[5] + ring[0]) / 2);
        for (int k = 0; k < 6; ++k)
            contour.quadTo(ring[k], (ring[k] + ring[(k + 1) % 6]) / 2);
        p.drawPath(contour);
    }
}

void PaintHills(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(7, f);
    RisingGround(p, f, rnd, QColor(164, 162, 92), f.detail() >= 2 ? 2 : 1);
    if (f.detail() >= 2)
        Tufts(p, f, rnd, QColor(110, 114, 60), f.detail() * 2, 1.4 * f.unit());
}

void PaintHighHills(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(8, f);
    RisingGround(p, f, rnd, QColor(168, 140, 96), 1);
    // Rocky crags: peaks lit on their left face.
    const int peaks = f.detail() == 1 ? 1 : 3;
    const QPointF places[3] = {{0, -0.04}, {-0.2, 0.12}, {0.2, 0.14}};
    const double scale[3] = {1.0, 0.7, 0.65};
    for (int i = 0; i < peaks; ++i) {
        const double h = f.size() * 0.34 * scale[i] * (peaks == 1 ? 1.2 : 1.0);
        const QPointF base = f.centre() + places[i] * f.size() + QPointF(0, h * 0.45);
        const QPointF tip = base + QPointF(h * 0.05, -h);
        const QPointF left = base + QPointF(-h * 0.6, 0), right = base + QPointF(h * 0.6, 0);
        const QPointF foot = base + QPointF(h * 0.1, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(206, 194, 170));
        p.drawPolygon(QPolygonF({left, tip, foot}));
        p.setBrush(QColor(110, 92, 74));
        p.drawPolygon(QPolygonF({foot, tip, right}));
        p.setPen(QPen(QColor(60, 50, 40), std::max(0.7, 0.7 * f.unit())));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({left, tip, right}));
    }
}

void PaintMarsh(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(9, f);
    Grass(p, f, rnd, QColor(112, 138, 84));
    const int pools = f.detail() * 2 + 1;
    for (int i = 0; i < pools; ++i) {
        const QPointF at = PointInHex(f, rnd, f.size() * 0.12);
        const double w = f.size() * rnd.Range(0.1, 0.17), h = w * rnd.Range(0.4, 0.6);
        p.setPen(QPen(QColor(70, 90, 70), std::max(0.6, 0.5 * f.unit())));
        p.setBrush(QColor(96, 136, 160));
        p.drawEllipse(at, w, h);
    }
    Tufts(p, f, rnd, QColor(48, 70, 36), 3 + f.detail() * 4, 2.2 * f.unit());
}

static void Ripples(QPainter& p, const HexFrame& f, Scatter& rnd, QColor colour, int count) {
    p.setPen(QPen(colour, std::max(0.8, 0.8 * f.unit()), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const QPointF at = PointInHex(f, rnd, f.size() * 0.15);
        const double w = f.size() * 0.12;
        p.drawArc(QRectF(at.x() - w, at.y() - w / 3, w, w * 0.6), 20 * 16, 140 * 16);
        p.drawArc(QRectF(at.x(), at.y() - w / 3, w, w * 0.6), 20 * 16, 140 * 16);
    }
}

void PaintLake(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(10, f);
    QRadialGradient g(f.centre(), f.size() * 0.7);
    g.setColorAt(0, MapColour::WaterDeep());
    g.setColorAt(1, MapColour::Water());
    p.fillRect(QRectF(0, 0, f.size(), f.size()), g);
    Ripples(p, f, rnd, MapColour::WaterLight(), f.detail() * 2);
}

void PaintShallows(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(11, f);
    FillShaded(p, f, QColor(104, 156, 190), 8);
    Speckle(p, f, rnd, QColor(190, 190, 150), 0.03, f.unit() * 1.2, 10);
    Ripples(p, f, rnd, QColor(200, 226, 240), f.detail() * 2);
}

void PaintScrub(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(12, f);
    Grass(p, f, rnd, QColor(150, 154, 92));
    const int bushes = 3 + f.detail() * 3;
    for (int i = 0; i < bushes; ++i)
        TreeCrown(p, PointInHex(f, rnd, f.size() * 0.1), f.size() * rnd.Range(0.05, 0.08),
                  QColor(86, 104, 52));
}

void PaintRockyGround(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(13, f);
    Grass(p, f, rnd, QColor(150, 146, 104));
    Speckle(p, f, rnd, QColor(140, 130, 110), 0.06, f.unit() * 0.8, 20);
    const int stones = 3 + f.detail() * 3;
    for (int i = 0; i < stones; ++i)
        Stone(p, PointInHex(f, rnd, f.size() * 0.1), f.size() * rnd.Range(0.05, 0.09),
              MapColour::Stone());
}

void PaintBurntGround(QPainter& p, const HexFrame& f) {
    Scatter rnd = Seeded(14, f);
    FillShaded(p, f, QColor(104, 92, 72), 10);
    Speckle(p, f, rnd, QColor(84, 74, 60), 0.06, f.unit() * 1.2, 15);
    Speckle(p, f, rnd, QColor(150, 146, 140), 0.015, f.unit() * 0.9, 10);
    Tufts(p, f, rnd, QColor(60, 50, 40), f.detail() * 2, 1.5 * f.unit());
    p.setPen(Qt::NoPen);
    for (int i = 0; i < f.detail() * 3; ++i) {
        p.setBrush(i % 2 ? QColor(240, 120, 30) : QColor(220, 60, 20));
        p.drawEllipse(PointInHex(f, rnd, 2), 0.6 * f.unit() + 0.3, 0.6 * f.unit() + 0.3);
    }
}
