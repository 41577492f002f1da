#include "SetMaintenance.h"

#include "FileNames.h"
#include "HexGeometry.h"
#include "SdxFile.h"
#include "SetWriteScope.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

QString WithSuffix(const QString& setPath, const QString& suffix) {
    return setPath.left(setPath.size() - kSetSuffix.size()) + suffix;
}

bool SameFile(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

// Copies into `set`'s pending files; a source that does not exist leaves no file behind.
SetResult CopyFile(SymbolSet& set, const QString& from, const QString& to) {
    const QString source = FindFileAnyCase(from);
    const QString target = FindFileAnyCase(to);
    if (SameFile(source, target))
        return SetResult::Success();
    if (!QFileInfo::exists(source))
        return set.RemoveFile(target);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return SetResult::Failure(
            QStringLiteral("Could not read the file %1:\r%2").arg(source, in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return SetResult::Failure(
            QStringLiteral("Could not read the file %1:\r%2").arg(source, in.errorString()));
    return set.PutFile(target, bytes);
}

// Lays the cells of a table out `rowLength` per row; calls place(record, x, y) for each.
template <typename Place>
QSize LayOut(const std::vector<SymbolRecord>& records, int level, int rowLength, Place place) {
    int x = 0, y = 0, rowHeight = 0, column = 0, width = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const QSize cell = records[i].cells[level - 1].size();
        place(i, x, y);
        x += cell.width();
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, cell.height());
        if (++column == rowLength) {
            y += rowHeight;
            x = column = rowHeight = 0;
        }
    }
    return QSize(width, y + rowHeight);
}

// Fills `made` (its path set) with the new set's records and writes its eleven files as one.
SetResult WriteNewSet(SymbolSet& made, int layout, bool realHex,
                      const std::array<int, kLevelCount>& hexSizes) {
    SetWriteScope write(made);
    SetHeader& header = made.contents.header;
    header.layout = layout;
    header.realHex = realHex ? 1 : 0;
    header.opaque = 0;

    SymbolRecord blank;
    blank.name = "Blank";
    blank.maskIndex = header.realHex;
    for (int level = 1; level <= kLevelCount; ++level) {
        const int s = hexSizes[level - 1];
        blank.cells[level - 1] = {0, 0, s - 1, s - 1};
        header.bitmapSizes[KindIndex(SymbolKind::Terrain)][level - 1] = QSize(s, s);
        header.bitmapSizes[KindIndex(SymbolKind::Unit)][level - 1] = QSize(1, 1);
        header.bitmapSizes[KindIndex(SymbolKind::Mask)][level - 1] =
            realHex ? QSize(s, s) : QSize(1, 1);
    }
    made.table(SymbolKind::Terrain).push_back(blank);
    if (realHex) {
        SymbolRecord hexMask;
        hexMask.name = kMaskName;
        hexMask.cells = blank.cells;
        made.table(SymbolKind::Mask).push_back(hexMask);
    }
    made.terrainOrder = {1};

    for (int level = 1; level <= kLevelCount; ++level) {
        const int s = hexSizes[level - 1];
        QImage terrain = SymbolSet::NewPicture(QSize(s, s), kWhite);
        QImage mask = SymbolSet::NewPicture(QSize(1, 1), kWhite);
        if (realHex) {
            mask = HexMask(s, layout);
            terrain = MaskFromPicture(mask); // white hexagon on a transparent ground
            made.hexShapes[level - 1] = terrain;
        }
        for (const auto& [kind, picture] :
             {std::pair{SymbolKind::Terrain, terrain},
              std::pair{SymbolKind::Unit, SymbolSet::NewPicture(QSize(1, 1), kBlack)},
              std::pair{SymbolKind::Mask, mask}}) {
            if (SetResult r = made.SaveBitmap(kind, level, picture); !r)
                return r;
        }
    }
    if (SetResult r = made.WriteSetFile(); !r)
        return r;
    return write.Commit();
}

} // namespace

SetResult CreateNewSet(SymbolSet& set, const QString& folder, int layout, bool realHex,
                       const std::array<int, kLevelCount>& hexSizes) {
    for (int s : hexSizes) {
        if (s < 2 || s > kMaxCellSize)
            return SetResult::Failure(
                QStringLiteral("Hex sizes must lie between 2 and %1 pixels.").arg(kMaxCellSize));
    }
    SymbolSet made;
    made.setPath = FindFileAnyCase(QDir(folder).filePath(QStringLiteral("new.set")));
    if (SetResult r = WriteNewSet(made, layout, realHex, hexSizes); !r)
        return r;
    set = std::move(made);
    return SetResult::Success();
}

SetResult SaveSetTo(SymbolSet& set, const QString& sourcePath, const QString& destination) {
    const QString source = sourcePath; // may be set.setPath itself, which changes below
    SetWriteScope write(set);
    set.setPath = destination;
    // The destination is a set of its own: whoever held it is not this set's reader.
    set.readOnly = false;
    for (int k = 0; k < kKindCount; ++k) {
        for (int level = 1; level <= kLevelCount; ++level) {
            const QString suffix = BitmapSuffix(KindAt(k), level);
            if (SetResult r =
                    CopyFile(set, WithSuffix(source, suffix), WithSuffix(destination, suffix));
                !r)
                return r;
        }
    }
    if (SetResult r =
            CopyFile(set, WithSuffix(source, kOrderSuffix), WithSuffix(destination, kOrderSuffix));
        !r)
        return r;
    if (SetResult r = CopyFile(set, source, destination); !r)
        return r;
    return write.Commit();
}

SetResult ResetOrder(SymbolSet& set) {
    SetWriteScope write(set);
    set.terrainOrder = IdentityOrder(set.count(SymbolKind::Terrain));
    set.unitOrder = IdentityOrder(set.count(SymbolKind::Unit));
    if (SetResult r = set.WriteOrder(); !r)
        return r;
    return write.Commit();
}

int TargetRowLength(int entries) {
    if (entries <= kDefaultRowCapacity)
        return kDefaultRowCapacity;
    int r = int(std::sqrt(double(entries)));
    while ((r + 1) * (r + 1) <= entries)
        ++r;
    while (r * r > entries)
        --r;
    return r;
}

QSize PackedSize(const SymbolSet& set, SymbolKind kind, int level, int rowLength) {
    return LayOut(set.table(kind), level, rowLength, [](size_t, int, int) {});
}

bool OptimiseWorthwhile(const SymbolSet& set, SymbolKind kind) {
    const int n = set.count(kind);
    if (n == 0)
        return false;
    if (set.rowCapacity[KindIndex(kind)] > kDefaultRowCapacity)
        return true;
    const QSize packed = PackedSize(set, kind, 3, TargetRowLength(n));
    const QSize current = set.contents.bitmapSize(kind, 3);
    return qint64(packed.width()) * packed.height() < qint64(current.width()) * current.height();
}

SetResult OptimiseSet(SymbolSet& set, const std::array<bool, kKindCount>& kinds,
                      const OptimiseObserver& observer) {
    SetWriteScope write(set);
    for (int k = 0; k < kKindCount; ++k) {
        const SymbolKind kind = KindAt(k);
        auto& records = set.table(kind);
        if (!kinds[k] || records.empty())
            continue;
        const int rowLength = TargetRowLength(int(records.size()));
        for (int level = 1; level <= kLevelCount; ++level) {
            QImage old;
            if (SetResult r = set.LoadBitmap(kind, level, old); !r)
                return r;
            const QSize size = PackedSize(set, kind, level, rowLength);
            QImage packed = SymbolSet::NewPicture(size, kind == SymbolKind::Mask ? kWhite : kBlack);
            std::vector<CellRect> cells(records.size());
            {
                QPainter painter(&packed);
                LayOut(records, level, rowLength, [&](size_t i, int x, int y) {
                    const CellRect& from = records[i].cells[level - 1];
                    painter.drawImage(QPoint(x, y), old, from.rect());
                    cells[i] = {x, y, x + from.width() - 1, y + from.height() - 1};
                    if (observer)
                        observer({kind, level, int(i) + 1, int(records.size()), &packed,
                                  cells[i].rect()});
                });
            }
            if (SetResult r = set.SaveBitmap(kind, level, packed); !r)
                return r;
            for (size_t i = 0; i < records.size(); ++i)
                records[i].cells[level - 1] = cells[i];
            set.contents.header.bitmapSizes[k][level - 1] = size;
        }
        set.rowCapacity[k] = rowLength;
    }
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    return write.Commit();
}
