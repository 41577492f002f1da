#pragma once
// The airbrush: each pixel of a square around the mouse is painted with a chance set by the
// flow. The random source is passed in so the spray can be reproduced.

#include <QImage>
#include <QPoint>

#include <functional>

// A uniform random integer in lo .. hi, both included.
using RandomSource = std::function<int(int lo, int hi)>;
RandomSource SystemRandomSource();

struct AirBrushSettings {
    static constexpr int kMin = 1;
    static constexpr int kMax = 10;
    int size = 5; // half-width of the square
    int flow = 5; // density
};

// Visits every pixel within `size` of `centre` (a square) that lies in the picture and paints
// it when a draw from 1 .. 500 is below 10 × flow.
void AirPixels(QImage& picture, QPoint centre, const AirBrushSettings& settings, QRgb colour,
               const RandomSource& random);

// "AirBrush Settings": the two values with their spins; OK applies them.
class AirBrushSettingsLogic {
public:
    explicit AirBrushSettingsLogic(const AirBrushSettings& current) : values_(current) {}
    void SizeUp() { Step(values_.size, +1); }
    void SizeDown() { Step(values_.size, -1); }
    void FlowUp() { Step(values_.flow, +1); }
    void FlowDown() { Step(values_.flow, -1); }
    QString sizeText() const;
    QString flowText() const;
    const AirBrushSettings& values() const { return values_; }

private:
    static void Step(int& value, int by);
    AirBrushSettings values_;
};
