#include "SymbolStorage.h"

#include "HexGeometry.h"
#include "SetWriteScope.h"

#include <QPainter>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

// Where a new cell goes after record `previous` (0 = none) of a table, and the size the
// bitmap grows to. Cells fill rows of `capacity`; a new row starts one pixel below the
// lowest cell of the row above.
struct Placement {
    CellRect cell;
    QSize bitmap;
};

Placement PlaceCell(const std::vector<SymbolRecord>& records, int previous, int capacity, int level,
                    QSize cellSize, QSize bitmap) {
    const int w = cellSize.width(), h = cellSize.height();
    const int W = bitmap.width(), H = bitmap.height();
    const bool newRow = previous % capacity == 0;
    const bool firstRow = previous / capacity == 0;
    int left = 0, top = 0;
    QSize grown;
    if (!newRow) {
        const CellRect& before = records[previous - 1].cells[level - 1];
        left = before.right + 1;
        top = before.top;
        const int width = firstRow ? std::max(W + w, left + w) : std::max(W, left + w);
        grown = QSize(width, std::max(H, top + h));
    } else {
        int lastBottom = -1;
        if (previous > 0) {
            const int rowTop = records[previous - 1].cells[level - 1].top;
            for (const SymbolRecord& r : records) {
                if (r.cells[level - 1].top == rowTop)
                    lastBottom = std::max(lastBottom, r.cells[level - 1].bottom);
            }
        }
        top = lastBottom + 1;
        grown = QSize(std::max(W, w), std::max(H + h, top + h));
    }
    return {{left, top, left + w - 1, top + h - 1}, grown};
}

// A bitmap of `size` holding `old` in its top-left corner; the rest is `ground`.
QImage Grow(const QImage& old, QSize size, QRgb ground) {
    QImage grown = SymbolSet::NewPicture(size, ground);
    QPainter painter(&grown);
    painter.drawImage(0, 0, old);
    return grown;
}

void Paste(QImage& bitmap, const QImage& picture, const QRect& cell) {
    QPainter painter(&bitmap);
    painter.drawImage(cell.topLeft(), picture.convertToFormat(QImage::Format_RGB32),
                      QRect(QPoint(0, 0), cell.size()));
}

// The existing bitmap, or nothing for the placeholder of a table that is still empty.
SetResult LoadForGrowth(const SymbolSet& set, SymbolKind kind, int level, bool firstEntry,
                        QImage& bitmap) {
    if (firstEntry) {
        bitmap = QImage();
        return SetResult::Success();
    }
    return set.LoadBitmap(kind, level, bitmap);
}

SetResult HatchCells(SymbolSet& set, SymbolKind kind, const SymbolRecord& removed) {
    for (int level = 1; level <= kLevelCount; ++level) {
        QImage bitmap;
        if (SetResult r = set.LoadBitmap(kind, level, bitmap); !r)
            return r;
        HatchCell(bitmap, removed.cells[level - 1].rect());
        if (SetResult r = set.SaveBitmap(kind, level, bitmap); !r)
            return r;
    }
    return SetResult::Success();
}

SetResult RefuseFull(SymbolKind kind, const SymbolSet& set) {
    if (set.count(kind) >= kMaxEntries)
        return SetResult::Failure(
            QStringLiteral("The set already holds %1 symbols of this kind.").arg(kMaxEntries));
    return SetResult::Success();
}

// Appends a record whose level pictures come from `fill` (given the new bitmap and cell).
// `appended` may change the tables further before the ".set" is written.
template <typename FillCell, typename Appended>
SetResult AppendRecord(SymbolSet& set, SymbolKind kind, SymbolRecord record,
                       const std::array<QSize, kLevelCount>& sizes, QRgb ground, FillCell fill,
                       Appended appended) {
    if (SetResult r = RefuseFull(kind, set); !r)
        return r;
    SetWriteScope write(set);
    auto& records = set.table(kind);
    const int previous = int(records.size());
    const bool firstEntry = previous == 0;
    const int capacity = set.rowCapacity[KindIndex(kind)];
    std::array<QSize, kLevelCount> grownSizes;
    for (int level = 1; level <= kLevelCount; ++level) {
        QImage bitmap;
        if (SetResult r = LoadForGrowth(set, kind, level, firstEntry, bitmap); !r)
            return r;
        const Placement place = PlaceCell(records, previous, capacity, level, sizes[level - 1],
                                          bitmap.isNull() ? QSize(0, 0) : bitmap.size());
        QImage grown = Grow(bitmap, place.bitmap, ground);
        fill(grown, place.cell.rect(), level);
        if (SetResult r = set.SaveBitmap(kind, level, grown); !r)
            return r;
        record.cells[level - 1] = place.cell;
        grownSizes[level - 1] = place.bitmap;
    }
    records.push_back(std::move(record));
    set.contents.header.bitmapSizes[KindIndex(kind)] = grownSizes;
    if (kind != SymbolKind::Mask)
        set.order(kind).push_back(int(records.size()));
    appended();
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    return write.Commit();
}

SetResult CheckNumber(const SymbolSet& set, SymbolKind kind, int number) {
    if (number < 1 || number > set.count(kind))
        return SetResult::Failure(QStringLiteral("There is no symbol number %1.").arg(number));
    return SetResult::Success();
}

int NoMaskValue(const SymbolSet& set, SymbolKind kind) {
    return (kind == SymbolKind::Terrain && set.realHex()) ? 1 : 0;
}

} // namespace

SetResult LoadSymbol(const SymbolSet& set, SymbolKind kind, int number, LevelPictures& pictures,
                     bool& transparent) {
    if (SetResult r = CheckNumber(set, kind, number); !r)
        return r;
    const SymbolRecord& record = set.record(kind, number);
    LevelPictures loaded;
    for (int level = 1; level <= kLevelCount; ++level) {
        QImage bitmap;
        if (SetResult r = set.LoadBitmap(kind, level, bitmap); !r)
            return r;
        loaded[level - 1] = bitmap.copy(record.cells[level - 1].rect());
    }
    pictures = std::move(loaded);
    transparent = !set.opaque() && record.maskIndex != 0 &&
                  !(kind == SymbolKind::Terrain && set.realHex() && record.maskIndex == 1);
    return SetResult::Success();
}

SetResult StoreSymbol(SymbolSet& set, SymbolKind kind, int number, const LevelPictures& pictures,
                      bool transparent) {
    if (SetResult r = CheckNumber(set, kind, number); !r)
        return r;
    SetWriteScope write(set);
    for (int level = 1; level <= kLevelCount; ++level) {
        QImage bitmap;
        if (SetResult r = set.LoadBitmap(kind, level, bitmap); !r)
            return r;
        Paste(bitmap, pictures[level - 1], set.record(kind, number).cells[level - 1].rect());
        if (SetResult r = set.SaveBitmap(kind, level, bitmap); !r)
            return r;
    }
    if (!set.opaque()) {
        const bool ownMask = set.hasOwnMask(kind, set.record(kind, number));
        SetResult r;
        if (transparent && !ownMask)
            r = CreateMask(set, kind, number, pictures);
        else if (transparent)
            r = UpdateMask(set, kind, number, pictures);
        else if (ownMask)
            r = DeleteMask(set, kind, number);
        if (!r)
            return r;
    }
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    return write.Commit();
}

SetResult AddSymbol(SymbolSet& set, SymbolKind kind, const QByteArray& name,
                    const std::array<QSize, kLevelCount>& unitSizes, QRgb fillColour) {
    SymbolRecord record;
    record.name = name.left(kMaxNameLength);
    record.maskIndex = kind == SymbolKind::Terrain ? int(set.realHex()) : 0;
    std::array<QSize, kLevelCount> sizes = unitSizes;
    if (kind == SymbolKind::Terrain) {
        for (int level = 1; level <= kLevelCount; ++level)
            sizes[level - 1] = set.record(SymbolKind::Terrain, 1).cells[level - 1].size();
    }
    const bool hexCell = kind == SymbolKind::Terrain && set.realHex();
    return AppendRecord(
        set, kind, record, sizes, kBlack,
        [&](QImage& bitmap, const QRect& cell, int level) {
            if (!hexCell) {
                QPainter(&bitmap).fillRect(cell, QColor::fromRgb(fillColour));
                return;
            }
            // Inside the hexagon the fill colour, outside black.
            QImage shape = set.hexShapes[level - 1].copy();
            for (int y = 0; y < shape.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(shape.scanLine(y));
                for (int x = 0; x < shape.width(); ++x)
                    row[x] = row[x] == kWhite ? fillColour : kBlack;
            }
            Paste(bitmap, shape, cell);
        },
        [] {});
}

SetResult CopySymbol(SymbolSet& set, SymbolKind kind, int source, const QByteArray& name) {
    if (SetResult r = CheckNumber(set, kind, source); !r)
        return r;
    SetWriteScope write(set);
    SymbolRecord record;
    record.name = name.left(kMaxNameLength);
    const SymbolRecord original = set.record(kind, source);
    record.maskIndex = original.maskIndex;
    std::array<QSize, kLevelCount> sizes;
    for (int level = 1; level <= kLevelCount; ++level)
        sizes[level - 1] = original.cells[level - 1].size();
    SetResult result = AppendRecord(
        set, kind, record, sizes, kBlack,
        [&](QImage& bitmap, const QRect& cell, int level) {
            Paste(bitmap, bitmap.copy(original.cells[level - 1].rect()), cell);
        },
        [] {});
    if (!result)
        return result;
    if (set.hasOwnMask(kind, original)) {
        // The copy gets a mask of its own, made from its pictures.
        const int copy = set.count(kind);
        LevelPictures pictures;
        bool transparent = false;
        if (SetResult r = LoadSymbol(set, kind, copy, pictures, transparent); !r)
            return r;
        if (SetResult r = CreateMask(set, kind, copy, pictures); !r)
            return r;
    }
    return write.Commit();
}

SetResult RemoveSymbol(SymbolSet& set, SymbolKind kind, int number) {
    if (SetResult r = CheckNumber(set, kind, number); !r)
        return r;
    SetWriteScope write(set);
    if (set.hasOwnMask(kind, set.record(kind, number))) {
        if (SetResult r = DeleteMask(set, kind, number); !r)
            return r;
    }
    auto& records = set.table(kind);
    const SymbolRecord removed = records[number - 1];
    records.erase(records.begin() + (number - 1));
    std::vector<int>& order = set.order(kind);
    std::erase(order, number);
    for (int& entry : order) {
        if (entry > number)
            --entry;
    }
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    if (SetResult r = HatchCells(set, kind, removed); !r)
        return r;
    return write.Commit();
}

SetResult CreateMask(SymbolSet& set, SymbolKind kind, int number, const LevelPictures& pictures) {
    if (SetResult r = CheckNumber(set, kind, number); !r)
        return r;
    const SymbolRecord& owner = set.record(kind, number);
    SymbolRecord mask;
    mask.name = kMaskName;
    std::array<QSize, kLevelCount> sizes;
    LevelPictures masks;
    for (int level = 1; level <= kLevelCount; ++level) {
        sizes[level - 1] = owner.cells[level - 1].size();
        masks[level - 1] = MaskFromPicture(pictures[level - 1]);
    }
    return AppendRecord(
        set, SymbolKind::Mask, mask, sizes, kWhite,
        [&](QImage& bitmap, const QRect& cell, int level) {
            Paste(bitmap, masks[level - 1], cell);
        },
        [&] { set.record(kind, number).maskIndex = set.count(SymbolKind::Mask); });
}

SetResult UpdateMask(SymbolSet& set, SymbolKind kind, int number, const LevelPictures& pictures) {
    if (SetResult r = CheckNumber(set, kind, number); !r)
        return r;
    if (!set.hasOwnMask(kind, set.record(kind, number)))
        return SetResult::Success();
    const int k = set.record(kind, number).maskIndex;
    SetWriteScope write(set);
    for (int level = 1; level <= kLevelCount; ++level) {
        QImage bitmap;
        if (SetResult r = set.LoadBitmap(SymbolKind::Mask, level, bitmap); !r)
            return r;
        Paste(bitmap, MaskFromPicture(pictures[level - 1]),
              set.record(SymbolKind::Mask, k).cells[level - 1].rect());
        if (SetResult r = set.SaveBitmap(SymbolKind::Mask, level, bitmap); !r)
            return r;
    }
    return write.Commit();
}

SetResult DeleteMask(SymbolSet& set, SymbolKind kind, int number) {
    if (SetResult r = CheckNumber(set, kind, number); !r)
        return r;
    if (!set.hasOwnMask(kind, set.record(kind, number)))
        return SetResult::Success();
    const int k = set.record(kind, number).maskIndex;
    SetWriteScope write(set);
    set.record(kind, number).maskIndex = NoMaskValue(set, kind);
    auto& masks = set.table(SymbolKind::Mask);
    const SymbolRecord removed = masks[k - 1];
    masks.erase(masks.begin() + (k - 1));
    // Mask numbers stay dense: references above the removed one move down.
    for (SymbolKind user : {SymbolKind::Terrain, SymbolKind::Unit}) {
        for (SymbolRecord& r : set.table(user)) {
            if (r.maskIndex > k)
                --r.maskIndex;
        }
    }
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    if (SetResult r = HatchCells(set, SymbolKind::Mask, removed); !r)
        return r;
    return write.Commit();
}
