#include "Icons.h"

#include "Emblems.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <functional>

// A bevelled gold frame around a field that is lit from the upper left.
static QImage FramedPlate(QColor field) {
    QImage image(kIconSize, kIconSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient frame(0, 0, kIconSize, kIconSize);
    frame.setColorAt(0, QColor(246, 220, 130));
    frame.setColorAt(0.5, QColor(190, 146, 52));
    frame.setColorAt(1, QColor(104, 70, 20));
    p.fillRect(image.rect(), frame);
    QRadialGradient glow(QPointF(44, 40), 90);
    glow.setColorAt(0, field.lighter(150));
    glow.setColorAt(1, field.darker(170));
    p.setPen(QPen(QColor(60, 40, 12), 1.5));
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(6.5, 6.5, 107, 107), 6, 6);
    return image;
}

static BattleIcon MakeIcon(const QString& name, QColor field,
                           const std::function<void(QPainter&, const QRectF&)>& emblem) {
    QImage image = FramedPlate(field);
    QPainter p(&image);
    emblem(p, QRectF(14, 14, 92, 92));
    p.end();
    return {name, image};
}

std::vector<BattleIcon> BattleIcons() {
    return {
        MakeIcon("sword", QColor(120, 24, 28), PaintSword),
        MakeIcon("bow", QColor(34, 84, 40), PaintBow),
        MakeIcon("shield", QColor(40, 52, 96),
                 [](QPainter& p, const QRectF& b) {
                     PaintShield(p, b, QColor(40, 80, 170), QColor(236, 232, 214));
                 }),
        MakeIcon("helm", QColor(70, 58, 48), PaintHelm),
        MakeIcon("banner", QColor(36, 60, 90),
                 [](QPainter& p, const QRectF& b) { PaintBanner(p, b, QColor(170, 26, 30)); }),
        MakeIcon("castle", QColor(56, 96, 150), PaintCastle),
        MakeIcon("axes", QColor(90, 44, 20), PaintCrossedAxes),
        MakeIcon("crown", QColor(70, 20, 90), PaintCrown),
    };
}
