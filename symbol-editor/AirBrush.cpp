#include "AirBrush.h"

#include <QRandomGenerator>
#include <QString>

RandomSource SystemRandomSource() {
    return [](int lo, int hi) { return int(QRandomGenerator::global()->bounded(lo, hi + 1)); };
}

void AirPixels(QImage& picture, QPoint centre, const AirBrushSettings& settings, QRgb colour,
               const RandomSource& random) {
    const int s = settings.size;
    for (int j = centre.y() - s; j <= centre.y() + s; ++j) {
        for (int i = centre.x() - s; i <= centre.x() + s; ++i) {
            if (!picture.valid(i, j))
                continue;
            if (random(1, 500) < 10 * settings.flow)
                picture.setPixel(i, j, colour);
        }
    }
}

QString AirBrushSettingsLogic::sizeText() const {
    return QStringLiteral("Size: %1").arg(values_.size, 2, 10, QLatin1Char('0'));
}

QString AirBrushSettingsLogic::flowText() const {
    return QStringLiteral("Flow: %1").arg(values_.flow, 2, 10, QLatin1Char('0'));
}

void AirBrushSettingsLogic::Step(int& value, int by) {
    const int next = value + by;
    if (next >= AirBrushSettings::kMin && next <= AirBrushSettings::kMax)
        value = next;
}
