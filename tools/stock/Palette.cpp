#include "Palette.h"

#include <QColor>

#include <algorithm>

#include <set>
#include <vector>

// A row runs through its anchor colours in even steps.
struct PaletteRow {
    std::vector<QRgb> anchors;
};

// Rows, top to bottom: greys, stone, earths, sand, olive, greens, deep greens, water,
// sky and steel, reds, rusts and oranges, yellows and golds, purples and heraldic
// tinctures, skin, metals, banner brights.
static const PaletteRow kRows[16] = {
    {{qRgb(0, 0, 0), qRgb(255, 255, 255)}},
    {{qRgb(38, 34, 30), qRgb(120, 112, 100), qRgb(232, 226, 212)}},
    {{qRgb(40, 24, 12), qRgb(110, 70, 38), qRgb(214, 176, 130)}},
    {{qRgb(92, 74, 40), qRgb(196, 164, 98), qRgb(246, 232, 196)}},
    {{qRgb(42, 48, 18), qRgb(120, 128, 52), qRgb(222, 226, 150)}},
    {{qRgb(14, 52, 16), qRgb(70, 138, 52), qRgb(190, 230, 150)}},
    {{qRgb(10, 40, 34), qRgb(40, 104, 80), qRgb(168, 214, 190)}},
    {{qRgb(10, 22, 66), qRgb(40, 90, 170), qRgb(180, 212, 246)}},
    {{qRgb(34, 44, 60), qRgb(96, 124, 150), qRgb(214, 230, 240)}},
    {{qRgb(60, 6, 8), qRgb(180, 30, 30), qRgb(250, 190, 180)}},
    {{qRgb(78, 30, 8), qRgb(210, 100, 30), qRgb(252, 208, 150)}},
    {{qRgb(90, 70, 6), qRgb(220, 180, 30), qRgb(255, 246, 170)}},
    {{qRgb(40, 14, 56), qRgb(120, 60, 150), qRgb(226, 196, 236)}},
    {{qRgb(74, 44, 30), qRgb(186, 128, 96), qRgb(252, 222, 200)}},
    {{qRgb(52, 56, 62), qRgb(150, 150, 158), qRgb(176, 120, 60), qRgb(212, 180, 80),
      qRgb(236, 236, 240)}},
    {{qRgb(200, 16, 24), qRgb(240, 120, 0), qRgb(250, 214, 0), qRgb(30, 150, 40), qRgb(0, 120, 200),
      qRgb(30, 40, 150), qRgb(140, 30, 150), qRgb(250, 250, 236)}},
};

static QRgb Blend(QRgb a, QRgb b, double t) {
    auto mix = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

static QRgb RowColour(const PaletteRow& row, int column) {
    const int segments = int(row.anchors.size()) - 1;
    const double pos = column * double(segments) / 15.0;
    const int seg = std::min(int(pos), segments - 1);
    return Blend(row.anchors[seg], row.anchors[seg + 1], pos - seg);
}

std::array<QRgb, 256> PaletteColours() {
    std::array<QRgb, 256> colours{};
    std::set<QRgb> used;
    for (int i = 0; i < 256; ++i) {
        QRgb c = RowColour(kRows[i / 16], i % 16);
        // Keep every colour distinct (the terrain fill compares colours) and keep black
        // for index 0 alone: a clash moves its blue a step on until the colour is unique.
        while (i > 0 && (used.count(c) || (qRed(c) | qGreen(c) | qBlue(c)) == 0))
            c = qRgb(qRed(c), qGreen(c), (qBlue(c) + 3) % 256);
        used.insert(c);
        colours[i] = c;
    }
    return colours;
}

QImage PalettePicture() {
    QImage picture(16, 16, QImage::Format_RGB32);
    const auto colours = PaletteColours();
    for (int i = 0; i < 256; ++i)
        picture.setPixel(i % 16, i / 16, colours[i]);
    return picture;
}
