#include "Emblems.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

// Every emblem is drawn in a 100 by 100 space mapped onto its box.
static void EnterBox(QPainter& p, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    p.setRenderHint(QPainter::Antialiasing);
}

static const QColor kOutline(24, 20, 16);
static const QColor kGoldLight(250, 222, 120);
static const QColor kGold(214, 168, 50);
static const QColor kGoldDark(132, 92, 20);
static const QColor kSteelLight(236, 240, 246);
static const QColor kSteel(160, 170, 184);
static const QColor kSteelDark(88, 96, 110);
static const QColor kWood(122, 76, 36);
static const QColor kWoodDark(70, 42, 20);

static QLinearGradient Across(QPointF a, QPointF b, QColor c0, QColor c1, QColor c2) {
    QLinearGradient g(a, b);
    g.setColorAt(0, c0);
    g.setColorAt(0.5, c1);
    g.setColorAt(1, c2);
    return g;
}

void PaintSword(QPainter& p, const QRectF& box) {
    EnterBox(p, box);
    p.translate(50, 50);
    p.rotate(-45);
    p.translate(-50, -50);
    const QPen outline(kOutline, 1.6);
    QPainterPath blade;
    blade.moveTo(50, 4);
    blade.lineTo(55, 14);
    blade.lineTo(55, 68);
    blade.lineTo(45, 68);
    blade.lineTo(45, 14);
    blade.closeSubpath();
    p.setPen(outline);
    p.setBrush(Across({45, 0}, {55, 0}, kSteelLight, kSteel, kSteelDark));
    p.drawPath(blade);
    p.setPen(QPen(kSteelDark, 1.2));
    p.drawLine(QPointF(50, 12), QPointF(50, 64)); // fuller
    p.setPen(outline);
    p.setBrush(Across({0, 66}, {0, 74}, kGoldLight, kGold, kGoldDark));
    p.drawRoundedRect(QRectF(30, 67, 40, 7), 3, 3); // cross guard
    p.setBrush(Across({46, 0}, {54, 0}, QColor(110, 60, 30), QColor(80, 40, 20), kWoodDark));
    p.drawRect(QRectF(46, 74, 8, 15)); // grip
    p.setPen(QPen(QColor(200, 160, 80), 1));
    for (int y = 77; y < 89; y += 3)
        p.drawLine(QPointF(46.5, y), QPointF(53.5, y + 2));
    p.setPen(outline);
    QRadialGradient pommel(QPointF(50, 93), 6, QPointF(48, 91));
    pommel.setColorAt(0, kGoldLight);
    pommel.setColorAt(1, kGoldDark);
    p.setBrush(pommel);
    p.drawEllipse(QPointF(50, 93), 5.5, 5.5);
    p.restore();
}

void PaintBow(QPainter& p, const QRectF& box) {
    EnterBox(p, box);
    QPainterPath limb;
    limb.moveTo(30, 8);
    limb.cubicTo(70, 22, 70, 78, 30, 92);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(limb);
    p.setPen(QPen(kWood, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(limb);
    p.setPen(QPen(QColor(170, 120, 60), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(limb.translated(-1, 0));
    p.setPen(QPen(QColor(230, 222, 200), 1.2));
    p.drawLine(QPointF(30, 8), QPointF(30, 92)); // string
    p.setPen(QPen(kGold, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(59, 44), QPointF(59, 56)); // grip wrap
    // Arrow nocked across the bow.
    p.setPen(QPen(kOutline, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 50), QPointF(84, 50));
    p.setPen(QPen(QColor(196, 160, 100), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 50), QPointF(84, 50));
    QPainterPath head;
    head.moveTo(94, 50);
    head.lineTo(82, 44);
    head.lineTo(84, 50);
    head.lineTo(82, 56);
    head.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kSteel);
    p.drawPath(head);
    p.setBrush(QColor(200, 40, 40));
    for (int side : {-1, 1}) {
        QPainterPath fletch;
        fletch.moveTo(18, 50);
        fletch.lineTo(12, 50 + side * 6);
        fletch.lineTo(24, 50 + side * 6);
        fletch.lineTo(28, 50);
        fletch.closeSubpath();
        p.drawPath(fletch);
    }
    p.restore();
}

void PaintShield(QPainter& p, const QRectF& box, QColor field, QColor charge) {
    EnterBox(p, box);
    QPainterPath shield;
    shield.moveTo(14, 10);
    shield.lineTo(86, 10);
    shield.cubicTo(88, 50, 76, 76, 50, 94);
    shield.cubicTo(24, 76, 12, 50, 14, 10);
    QLinearGradient g(0, 10, 100, 90);
    g.setColorAt(0, field.lighter(135));
    g.setColorAt(1, field.darker(140));
    p.setPen(QPen(kOutline, 2.2));
    p.setBrush(g);
    p.drawPath(shield);
    // A chevron charge.
    QPainterPath chevron;
    chevron.moveTo(20, 64);
    chevron.lineTo(50, 32);
    chevron.lineTo(80, 64);
    chevron.lineTo(80, 50);
    chevron.lineTo(50, 18);
    chevron.lineTo(20, 50);
    chevron.closeSubpath();
    p.save();
    p.setClipPath(shield);
    p.setPen(QPen(kOutline, 1.4));
    p.setBrush(charge);
    p.drawPath(chevron);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 3));
    p.drawPath(shield);
    p.setPen(QPen(kOutline, 1));
    p.drawPath(shield);
    p.restore();
}

void PaintHelm(QPainter& p, const QRectF& box) {
    EnterBox(p, box);
    QPainterPath helm;
    helm.moveTo(22, 88);
    helm.lineTo(22, 36);
    helm.cubicTo(22, 14, 78, 14, 78, 36);
    helm.lineTo(78, 88);
    helm.closeSubpath();
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Across({22, 0}, {78, 0}, kSteelDark, kSteelLight, kSteelDark));
    p.drawPath(helm);
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(27, 44, 19, 5), 2, 2); // eye slits
    p.drawRoundedRect(QRectF(54, 44, 19, 5), 2, 2);
    p.setPen(QPen(kSteelDark, 2));
    p.drawLine(QPointF(50, 20), QPointF(50, 86)); // ridge
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(58 + col * 5, 60 + row * 6), 1.2, 1.2); // breaths
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Across({0, 82}, {0, 90}, kGoldLight, kGold, kGoldDark));
    p.drawRect(QRectF(20, 82, 60, 7)); // rim
    // Crest plume.
    QPainterPath plume;
    plume.moveTo(50, 20);
    plume.cubicTo(46, 4, 64, 0, 80, 8);
    plume.cubicTo(68, 8, 60, 12, 56, 20);
    plume.closeSubpath();
    p.setBrush(QColor(190, 30, 36));
    p.drawPath(plume);
    p.restore();
}

void PaintBanner(QPainter& p, const QRectF& box, QColor cloth) {
    EnterBox(p, box);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Across({44, 0}, {50, 0}, QColor(160, 110, 60), kWood, kWoodDark));
    p.drawRect(QRectF(44, 10, 5, 86)); // staff
    p.setBrush(kGold);
    p.drawEllipse(QPointF(46.5, 8), 5, 5);
    QPainterPath flag;
    flag.moveTo(49, 14);
    flag.cubicTo(62, 10, 74, 20, 90, 14);
    flag.lineTo(90, 58);
    flag.lineTo(80, 50);
    flag.lineTo(70, 60);
    flag.cubicTo(62, 56, 56, 58, 49, 60);
    flag.closeSubpath();
    QLinearGradient g(49, 0, 90, 0);
    g.setColorAt(0, cloth.darker(120));
    g.setColorAt(0.4, cloth.lighter(120));
    g.setColorAt(1, cloth.darker(110));
    p.setBrush(g);
    p.drawPath(flag);
    // A gold lion's place on the cloth: a simple cross pattée.
    p.setBrush(kGold);
    QPainterPath cross;
    const QPointF c(68, 36);
    for (int k = 0; k < 4; ++k) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(90 * k);
        QPolygonF arm({{-2, 0}, {-5, -14}, {5, -14}, {2, 0}});
        cross.addPolygon(t.map(arm));
    }
    p.setPen(QPen(kGoldDark, 0.8));
    p.drawPath(cross.simplified());
    p.restore();
}

void PaintCastle(QPainter& p, const QRectF& box) {
    EnterBox(p, box);
    const QColor stone(178, 170, 150), stoneDark(120, 112, 98);
    p.setPen(QPen(kOutline, 1.6));
    auto tower = [&](double x, double w, double top) {
        QPainterPath t;
        t.moveTo(x, 92);
        t.lineTo(x, top + 6);
        const int merlons = w > 20 ? 4 : 3;
        const double step = w / (2 * merlons - 1);
        for (int i = 0; i < 2 * merlons - 1; ++i) {
            const double x0 = x + i * step;
            if (i % 2 == 0) {
                t.lineTo(x0, top);
                t.lineTo(x0 + step, top);
            } else {
                t.lineTo(x0, top + 6);
                t.lineTo(x0 + step, top + 6);
            }
            t.lineTo(x0 + step, top + 6);
        }
        t.lineTo(x + w, 92);
        t.closeSubpath();
        p.setBrush(Across({x, 0}, {x + w, 0}, stone.lighter(110), stone, stoneDark));
        p.drawPath(t);
    };
    tower(26, 48, 40); // curtain and gatehouse
    tower(8, 20, 22);
    tower(72, 20, 22);
    tower(40, 20, 8); // keep
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(44, 66, 12, 26), 6, 6); // gate
    p.drawRect(QRectF(16, 38, 4, 9));
    p.drawRect(QRectF(80, 38, 4, 9));
    p.drawRect(QRectF(48, 22, 4, 9));
    p.setPen(QPen(kWoodDark, 1.2));
    p.drawLine(QPointF(50, 10), QPointF(50, 0.5));
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(QPolygonF({{50, 1}, {62, 4}, {50, 7}}));
    p.restore();
}

void PaintCrossedAxes(QPainter& p, const QRectF& box) {
    EnterBox(p, box);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(50, 50);
        p.rotate(side * 35);
        p.translate(-50, -50);
        p.setPen(QPen(kOutline, 1.5));
        p.setBrush(Across({46, 0}, {54, 0}, QColor(160, 110, 60), kWood, kWoodDark));
        p.drawRoundedRect(QRectF(46.5, 8, 7, 88), 3, 3);
        QPainterPath head;
        head.moveTo(53, 14);
        head.cubicTo(66, 10, 76, 4, 80, 2);
        head.cubicTo(74, 16, 74, 30, 80, 42);
        head.cubicTo(74, 38, 64, 32, 53, 30);
        head.closeSubpath();
        if (side < 0) {
            QTransform mirror(-1, 0, 0, 1, 100, 0);
            head = mirror.map(head);
        }
        p.setBrush(Across({50, 0}, {80, 0}, kSteelDark, kSteel, kSteelLight));
        p.drawPath(head);
        p.restore();
    }
    p.restore();
}

void PaintCrown(QPainter& p, const QRectF& box) {
    EnterBox(p, box);
    QPainterPath crown;
    crown.moveTo(14, 76);
    crown.lineTo(10, 30);
    crown.lineTo(30, 50);
    crown.lineTo(50, 18);
    crown.lineTo(70, 50);
    crown.lineTo(90, 30);
    crown.lineTo(86, 76);
    crown.closeSubpath();
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Across({0, 20}, {0, 80}, kGoldLight, kGold, kGoldDark));
    p.drawPath(crown);
    p.drawRoundedRect(QRectF(12, 72, 76, 14), 3, 3);
    p.setBrush(kGold);
    for (QPointF tip : {QPointF(10, 28), QPointF(50, 15), QPointF(90, 28)})
        p.drawEllipse(tip, 4.5, 4.5);
    const QColor gems[3] = {QColor(200, 20, 30), QColor(20, 90, 200), QColor(30, 150, 60)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(gems[i]);
        p.drawEllipse(QPointF(28 + 22 * i, 79), 4.5, 4);
    }
    p.restore();
}
