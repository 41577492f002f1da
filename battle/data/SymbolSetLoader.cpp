#include "LoadedSymbolSet.h"

#include "BattleRecords.h"
#include "ProgramFolder.h"

#include <BmpFile.h>
#include <SetSwitch.h>

#include <QFile>

#include <numeric>

namespace {

const QString kFormatUnknown = QStringLiteral("Symbol Set Format is Unknown.");
const QString kSymFileLoadError = QStringLiteral("SYM File Load Error.");

QString KindLoadError(SymbolKind kind) {
    switch (kind) {
    case SymbolKind::Unit:
        return QStringLiteral("Unit File Load Error.");
    case SymbolKind::Terrain:
        return QStringLiteral("Terrain File Load Error.");
    case SymbolKind::Mask:
        break;
    }
    return QStringLiteral("Mask File Load Error.");
}

QString KindAllocationError(SymbolKind kind) {
    switch (kind) {
    case SymbolKind::Unit:
        return QStringLiteral("Map Buffer Mem Allocation Error.");
    case SymbolKind::Terrain:
        return QStringLiteral("Ter Sym Mem Allocation Error.");
    case SymbolKind::Mask:
        break;
    }
    return QStringLiteral("Ter Msk Mem Allocation Error.");
}

bool ReadSetFile(const QString& path, LoadedSymbolSet& set, const MessageSink& sink) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Warn(sink, QStringLiteral("Could not open the symbol SET file."));
        return false;
    }
    const QByteArray bytes = file.readAll();
    SetFileContents contents;
    // A set without terrain symbols, with cells outside their bitmaps or with more
    // terrain symbols than the battle has attribute records for cannot be drawn with.
    if (ParseSetFile(bytes, contents) != SetParseError::None ||
        contents.count(SymbolKind::Terrain) == 0 ||
        contents.count(SymbolKind::Terrain) > kMaxTerrainAttrs) {
        Warn(sink, kFormatUnknown);
        return false;
    }
    set.layout = contents.header.layout;
    set.realHex = contents.header.realHex;
    set.opaque = contents.header.opaque;
    set.bitmapSizes = contents.header.bitmapSizes;
    set.records = std::move(contents.records);
    return true;
}

// Every cell of the kind lies inside its picture at each level.
bool CellsInside(const std::vector<SymbolRecord>& records, const QImage& picture, int level) {
    const QRect bounds = picture.rect();
    for (const SymbolRecord& r : records) {
        if (!bounds.contains(r.cells[size_t(level)].rect()))
            return false;
    }
    return true;
}

bool LoadPictures(const QString& folder, const QString& setName, SymbolKind kind,
                  LoadedSymbolSet& set, const MessageSink& sink) {
    const auto& records = set.table(kind);
    if (records.empty())
        return true;
    for (int level = 0; level < kLevelCount; ++level) {
        const QString path = FindEntry(folder, setName + BitmapSuffix(kind, level + 1));
        QImage picture;
        QString reason;
        // The symbol editor's own reader: a picture one program shows, the other shows too.
        if (!ReadBmpFile(path, picture, reason)) {
            Warn(sink, KindLoadError(kind));
            return false;
        }
        picture = picture.convertToFormat(QImage::Format_RGB32);
        if (picture.isNull()) {
            Warn(sink, KindAllocationError(kind));
            Warn(sink, KindLoadError(kind));
            return false;
        }
        if (!CellsInside(records, picture, level)) {
            Warn(sink, kFormatUnknown);
            Warn(sink, KindLoadError(kind));
            return false;
        }
        set.pictures[KindIndex(kind)][size_t(level)] = std::move(picture);
    }
    return true;
}

std::vector<int> IdentityOrder(int count) {
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    return order;
}

} // namespace

void LoadedSymbolSet::ComputeCellSteps() {
    for (int level = 0; level < kLevelCount; ++level) {
        columnStep[size_t(level)] = cellWidth[size_t(level)] * 4 / 5 - 1;
        rowStep[size_t(level)] = cellWidth[size_t(level)] - 2;
    }
}

void ReadSetIndex(const QByteArray& text, int terrainCount, int unitCount,
                  std::vector<int>& terrainOrder, std::vector<int>& unitOrder) {
    terrainOrder = IdentityOrder(terrainCount);
    unitOrder = IdentityOrder(unitCount);
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() < terrainCount + unitCount)
        return;
    std::vector<int> terrain, units;
    for (int i = 0; i < terrainCount + unitCount; ++i) {
        const QByteArray line = lines[i].trimmed();
        bool ok = false;
        const int v = line.size() <= 4 ? line.toInt(&ok) : 0;
        const int limit = i < terrainCount ? terrainCount : unitCount;
        if (!ok || v < 1 || v > limit)
            return;
        (i < terrainCount ? terrain : units).push_back(v);
    }
    terrainOrder = std::move(terrain);
    unitOrder = std::move(units);
}

bool LoadSymbolSet(const QString& folder, const QString& setName, LoadedSymbolSet& out,
                   const MessageSink& sink) {
    LoadedSymbolSet set;
    // A save of the set that was interrupted is finished (or undone) before reading it.
    if (const SetResult switched = FinishInterruptedSwitch(FindEntry(folder, setName + kSetSuffix));
        !switched) {
        Warn(sink, switched.message);
        Warn(sink, kSymFileLoadError);
        return false;
    }
    if (!ReadSetFile(FindEntry(folder, setName + kSetSuffix), set, sink)) {
        Warn(sink, kSymFileLoadError);
        return false;
    }
    if (set.terrainCount() > kMaxOrderEntries || set.unitCount() > kMaxOrderEntries) {
        Warn(sink, kFormatUnknown);
        Warn(sink, kSymFileLoadError);
        return false;
    }
    for (SymbolKind kind : {SymbolKind::Unit, SymbolKind::Terrain, SymbolKind::Mask}) {
        if (!LoadPictures(folder, setName, kind, set, sink))
            return false;
    }
    QFile index(FindEntry(folder, setName + kOrderSuffix));
    const QByteArray text = index.open(QIODevice::ReadOnly) ? index.readAll() : QByteArray();
    ReadSetIndex(text, set.terrainCount(), set.unitCount(), set.terrainOrder, set.unitOrder);

    const SymbolRecord& first = set.table(SymbolKind::Terrain).front();
    for (int level = 0; level < kLevelCount; ++level)
        set.cellWidth[size_t(level)] = first.cells[size_t(level)].width();
    set.ComputeCellSteps();
    out = std::move(set);
    return true;
}
