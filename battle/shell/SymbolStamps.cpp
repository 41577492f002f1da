#include "SymbolStamps.h"

#include "LoadedSymbolSet.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;

// The cells symbol `symbol` is drawn with for `use` at `level`; false when it has none.
bool CellsFor(const LoadedSymbolSet& set, StampCache::Use use, int symbol, int level,
              const QImage*& picture, QRect& source, const QImage*& mask, QRect& maskSource) {
    const SymbolKind kind = use == StampCache::Unit ? SymbolKind::Unit : SymbolKind::Terrain;
    if (symbol < 0 || symbol >= set.count(kind))
        return false;
    const SymbolRecord& r = set.table(kind)[size_t(symbol)];
    const auto& masks = set.table(SymbolKind::Mask);
    picture = &set.picture(kind, level);
    source = r.cells[size_t(level - 1)].rect();
    mask = nullptr;
    int entry = 0;
    if (use == StampCache::PrimaryThroughHexMask)
        entry = masks.empty() ? 0 : 1;
    else if (use != StampCache::PrimaryOpaque && r.maskIndex >= 1 &&
             r.maskIndex <= int(masks.size()))
        entry = r.maskIndex;
    if (entry > 0) {
        mask = &set.picture(SymbolKind::Mask, level);
        maskSource = masks[size_t(entry - 1)].cells[size_t(level - 1)].rect();
        if (use == StampCache::Unit) // a piece's mask is taken at the piece's size
            maskSource.setSize(source.size());
    }
    return true;
}

} // namespace

Stamp MakeStamp(const QImage& picture, const QRect& source, const QImage* mask,
                const QRect& maskSource) {
    Stamp stamp;
    stamp.width = std::max(source.width(), mask ? maskSource.width() : 0);
    stamp.height = std::max(source.height(), mask ? maskSource.height() : 0);
    stamp.rows.assign(size_t(std::max(stamp.height, 0)), {});
    if (stamp.width <= 0 || stamp.height <= 0)
        return stamp;
    // Drawn once on black and once on white ground, the symbol shows per pixel what it
    // keeps of the ground and what it puts on it: on an opaque ground g the drawing gives
    // (g AND onWhite) OR onBlack.
    QImage onBlack(stamp.width, stamp.height, QImage::Format_RGB32);
    QImage onWhite(stamp.width, stamp.height, QImage::Format_RGB32);
    onBlack.fill(kBlack);
    onWhite.fill(kWhite);
    DrawThroughMask(onBlack, {0, 0}, picture, source, mask, maskSource, onBlack.rect());
    DrawThroughMask(onWhite, {0, 0}, picture, source, mask, maskSource, onWhite.rect());
    const size_t pixels = size_t(stamp.width) * size_t(stamp.height);
    stamp.keep.resize(pixels);
    stamp.put.resize(pixels);
    for (int y = 0; y < stamp.height; ++y) {
        const auto* b = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        const auto* w = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        std::memcpy(&stamp.put[size_t(y) * size_t(stamp.width)], b, size_t(stamp.width) * 4);
        std::memcpy(&stamp.keep[size_t(y) * size_t(stamp.width)], w, size_t(stamp.width) * 4);
        Stamp::Span& span = stamp.rows[size_t(y)];
        span.set = true;
        for (int x = 0; x < stamp.width; ++x) {
            if (b[x] == kBlack && w[x] == kWhite)
                continue; // the ground stays
            if (span.from == span.to)
                span.from = int16_t(x);
            span.to = int16_t(x + 1);
        }
        for (int x = span.from; x < span.to; ++x)
            span.set = span.set && b[x] == w[x];
    }
    return stamp;
}

Canvas::Canvas(QImage& picture, const QRect& area)
    : bits(reinterpret_cast<QRgb*>(picture.bits())), stride(picture.bytesPerLine() / 4),
      clip(area.intersected(picture.rect())) {}

void DrawStamp(const Canvas& to, QPoint at, const Stamp& stamp) {
    const QRect area = QRect(at, QSize(stamp.width, stamp.height)).intersected(to.clip);
    if (area.isEmpty())
        return;
    const int left = area.left() - at.x(), right = area.right() + 1 - at.x();
    QRgb* row = to.bits + qsizetype(area.top()) * to.stride + at.x();
    const size_t width = size_t(stamp.width);
    for (int y = area.top() - at.y(); y <= area.bottom() - at.y(); ++y, row += to.stride) {
        const Stamp::Span span = stamp.rows[size_t(y)];
        const int from = std::max<int>(span.from, left), end = std::min<int>(span.to, right);
        QRgb* __restrict out = row;
        const QRgb* __restrict put = stamp.put.data() + size_t(y) * width;
        if (span.set) {
            for (int x = from; x < end; ++x)
                out[x] = put[x];
        } else {
            const QRgb* __restrict keep = stamp.keep.data() + size_t(y) * width;
            for (int x = from; x < end; ++x)
                out[x] = (out[x] & keep[x]) | put[x];
        }
    }
}

void StampCache::Follow(const LoadedSymbolSet& set) {
    std::vector<qint64> keys;
    for (const auto& kind : set.pictures)
        for (const QImage& picture : kind)
            keys.push_back(picture.cacheKey());
    for (const auto& records : set.records)
        keys.push_back(qint64(records.size()));
    if (keys == pictureKeys_)
        return;
    pictureKeys_ = std::move(keys);
    for (auto& use : slots_)
        for (auto& level : use)
            level.clear();
}

const Stamp& StampCache::Get(const LoadedSymbolSet& set, Use use, int symbol, int level) {
    static const Stamp kNothing;
    if (level < 1 || level > 3 || symbol < 0)
        return kNothing;
    std::vector<Slot>& forLevel = slots_[size_t(use)][size_t(level - 1)];
    if (size_t(symbol) >= forLevel.size()) {
        const SymbolKind kind = use == Unit ? SymbolKind::Unit : SymbolKind::Terrain;
        if (symbol >= set.count(kind))
            return kNothing;
        forLevel.resize(size_t(set.count(kind)));
    }
    Slot& slot = forLevel[size_t(symbol)];
    if (!slot.made) {
        const QImage* picture = nullptr;
        const QImage* mask = nullptr;
        QRect source, maskSource;
        if (CellsFor(set, use, symbol, level, picture, source, mask, maskSource))
            slot.stamp = MakeStamp(*picture, source, mask, maskSource);
        slot.made = true;
    }
    return slot.stamp;
}
