// Renders every symbol of a set at every level into one PNG: terrain symbols, then game
// pieces, each at levels 1, 2 and 3 over a neutral ground, drawn through their masks.
// Usage: fm_contact_sheet <set file> <out.png> [terrain|units|all] [enlargement]

#include "SetPictures.h"
#include "ToolFiles.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>

static constexpr int kColumns = 6;
static constexpr int kLabelHeight = 26;
static constexpr int kGap = 8;

// Width of one entry: its three levels side by side.
static int EntryWidth(const SetPictures& pictures, SymbolKind kind) {
    int width = 0;
    for (int level = 1; level <= kLevelCount; ++level) {
        int widest = 0;
        for (const SymbolRecord& r : pictures.set.table(kind))
            widest = std::max(widest, r.cells[level - 1].width());
        width += widest + 4;
    }
    return std::max(width, 150);
}

static int EntryHeight(const SetPictures& pictures, SymbolKind kind) {
    int tallest = 0;
    for (const SymbolRecord& r : pictures.set.table(kind))
        tallest = std::max(tallest, r.cells[kLevelCount - 1].height());
    return tallest + kLabelHeight;
}

static int DrawKind(QImage& sheet, int top, const SetPictures& pictures, SymbolKind kind,
                    const QString& title) {
    QPainter heading(&sheet);
    heading.setPen(Qt::black);
    QFont font = heading.font();
    font.setBold(true);
    heading.setFont(font);
    heading.drawText(QPoint(kGap, top + 14), title);
    heading.end();
    top += 22;
    const int w = EntryWidth(pictures, kind), h = EntryHeight(pictures, kind);
    const int count = pictures.set.count(kind);
    for (int i = 0; i < count; ++i) {
        const int x0 = kGap + (i % kColumns) * (w + kGap);
        const int y0 = top + (i / kColumns) * (h + kGap);
        int x = x0;
        for (int level = 1; level <= kLevelCount; ++level) {
            const bool primary =
                kind == SymbolKind::Terrain && pictures.set.record(kind, i + 1).maskIndex == 1;
            DrawSymbol(sheet, QPoint(x, y0), pictures, kind, i + 1, level, primary);
            int widest = 0;
            for (const SymbolRecord& r : pictures.set.table(kind))
                widest = std::max(widest, r.cells[level - 1].width());
            x += widest + 4;
        }
        QPainter label(&sheet);
        QFont small = label.font();
        small.setPixelSize(10);
        label.setFont(small);
        label.setPen(QColor(20, 20, 20));
        const QString zeroBased = QString::number(i);
        label.drawText(
            QRect(x0, y0 + h - kLabelHeight + 2, w, kLabelHeight - 2), Qt::AlignLeft | Qt::AlignTop,
            zeroBased + "  " + QString::fromLatin1(pictures.set.record(kind, i + 1).name));
    }
    return top + ((count + kColumns - 1) / kColumns) * (h + kGap);
}

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: %s <set file> <out.png> [terrain|units|all] [enlargement]\n",
                     argv[0]);
        return 2;
    }
    UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    SetPictures pictures;
    if (SetResult r = LoadSetPictures(QString::fromLocal8Bit(argv[1]), pictures); !r) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(r.message));
        return 1;
    }
    const QString which = argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("all");
    const bool terrain = which != "units", units = which != "terrain";
    const int enlargement = argc == 5 ? std::clamp(std::atoi(argv[4]), 1, 8) : 1;
    const int tw = EntryWidth(pictures, SymbolKind::Terrain);
    const int uw = EntryWidth(pictures, SymbolKind::Unit);
    const int width = kGap + kColumns * (std::max(terrain ? tw : 0, units ? uw : 0) + kGap);
    const auto rows = [](int n) { return (n + kColumns - 1) / kColumns; };
    const int terrainHeight = rows(pictures.set.count(SymbolKind::Terrain)) *
                              (EntryHeight(pictures, SymbolKind::Terrain) + kGap);
    const int unitHeight = rows(pictures.set.count(SymbolKind::Unit)) *
                           (EntryHeight(pictures, SymbolKind::Unit) + kGap);
    const int height = 60 + (terrain ? terrainHeight : 0) + (units ? unitHeight : 0);
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(168, 164, 156));
    int top = 4;
    if (terrain)
        top = DrawKind(sheet, top, pictures, SymbolKind::Terrain, "Map/Board Symbols") + 4;
    if (units)
        DrawKind(sheet, top, pictures, SymbolKind::Unit, "Game Pieces");
    sheet = sheet.scaled(sheet.size() * enlargement); // pixel replication
    return SavePngFile(QString::fromLocal8Bit(argv[2]), sheet) ? 0 : 1;
}
