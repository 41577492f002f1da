#include "SymbolSet.h"

#include "BmpFile.h"
#include "FileNames.h"
#include "HexGeometry.h"
#include "SdxFile.h"
#include "SetSwitch.h"
#include "SetWriteScope.h"

#include <QFile>
#include <QFileInfo>

namespace {

SetResult ReadWholeFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SetResult::Failure(kNotReadableMessage);
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return SetResult::Failure(kNotReadableMessage);
    return SetResult::Success();
}

// Mono picture with index 0 black (opaque) and 1 white (transparent).
QImage ToMonoMask(const QImage& mask) {
    const QImage source = mask.convertToFormat(QImage::Format_RGB32);
    QImage mono(source.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = mono.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            if (qGray(in[x]) >= 128)
                out[x >> 3] |= uchar(0x80 >> (x & 7));
        }
    }
    return mono;
}

bool CellsFit(const SetFileContents& c, SymbolKind kind, int level, QSize bitmap) {
    for (const SymbolRecord& r : c.table(kind)) {
        const CellRect& cell = r.cells[level - 1];
        if (cell.right >= bitmap.width() || cell.bottom >= bitmap.height())
            return false;
    }
    return true;
}

} // namespace

QString SymbolSet::folder() const {
    return QFileInfo(setPath).absolutePath();
}

QString SymbolSet::baseName() const {
    return QFileInfo(setPath).completeBaseName();
}

QString SymbolSet::filePath(const QString& suffix) const {
    QString base = setPath;
    if (base.endsWith(kSetSuffix, Qt::CaseInsensitive))
        base.chop(kSetSuffix.size());
    return FindFileAnyCase(base + suffix);
}

QString SymbolSet::bitmapPath(SymbolKind kind, int level) const {
    return filePath(BitmapSuffix(kind, level));
}

int SymbolSet::hexSize(int level) const {
    const auto& terrain = table(SymbolKind::Terrain);
    return terrain.empty() ? 0 : terrain[0].cells[level - 1].width();
}

bool SymbolSet::hasOwnMask(SymbolKind kind, const SymbolRecord& r) const {
    const int shared = (kind == SymbolKind::Terrain && realHex()) ? 1 : 0;
    return r.maskIndex > shared;
}

int DeriveRowCapacity(const std::vector<SymbolRecord>& records) {
    if (records.size() <= size_t(kDefaultRowCapacity))
        return kDefaultRowCapacity;
    int longest = 0, run = 0, top = -1;
    for (const SymbolRecord& r : records) {
        const int t = r.cells[2].top;
        run = (t == top) ? run + 1 : 1;
        top = t;
        longest = std::max(longest, run);
    }
    return longest;
}

SetResult SymbolSet::Read(const QString& path) {
    SymbolSet loaded;
    loaded.setPath = FindFileAnyCase(path);
    if (SetResult r = FinishInterruptedSwitch(loaded.setPath); !r)
        return r;
    QByteArray bytes;
    if (SetResult r = ReadWholeFile(loaded.setPath, bytes); !r)
        return r;
    if (ParseSetFile(bytes, loaded.contents) != SetParseError::None)
        return SetResult::Failure(kNotReadableMessage);

    for (int k = 0; k < kKindCount; ++k)
        loaded.rowCapacity[k] = DeriveRowCapacity(loaded.contents.records[k]);

    for (int k = 0; k < kKindCount; ++k) {
        for (int level = 1; level <= kLevelCount; ++level) {
            if (!QFileInfo::exists(loaded.bitmapPath(KindAt(k), level)))
                return SetResult::Failure(kIncompleteMessage);
        }
    }
    // The bitmaps are what the cells point into: a bitmap whose size the header does not
    // know is taken as it is, as long as every cell lies inside it. A bitmap that is cut
    // short or damaged refuses the set with the file and the damage named.
    for (int k = 0; k < kKindCount; ++k) {
        for (int level = 1; level <= kLevelCount; ++level) {
            QImage picture;
            QString reason;
            BmpInfo info;
            if (!ReadBmpFile(loaded.bitmapPath(KindAt(k), level), picture, reason, &info))
                return SetResult::Failure(kNotReadableMessage + QLatin1Char('\r') + reason);
            if (!CellsFit(loaded.contents, KindAt(k), level, info.size))
                return SetResult::Failure(kNotReadableMessage);
            loaded.contents.header.bitmapSizes[k][level - 1] = info.size;
            if (k == KindIndex(SymbolKind::Terrain) && level == 1 && info.bitsPerPixel == 8) {
                loaded.imageDepth = 8;
                loaded.colourTable8 = info.palette;
            }
        }
    }

    if (loaded.realHex()) {
        for (int level = 1; level <= kLevelCount; ++level) {
            QImage masks;
            if (SetResult r = loaded.LoadBitmap(SymbolKind::Mask, level, masks); !r)
                return SetResult::Failure(kNotReadableMessage);
            const QRect cell = loaded.record(SymbolKind::Mask, 1).cells[level - 1].rect();
            loaded.hexShapes[level - 1] = MaskFromPicture(masks.copy(cell));
        }
    }

    const int terrainCount = loaded.count(SymbolKind::Terrain);
    const int unitCount = loaded.count(SymbolKind::Unit);
    const QString orderPath = loaded.filePath(kOrderSuffix);
    QFile orderFile(orderPath);
    const bool haveOrder = orderFile.open(QIODevice::ReadOnly);
    if (!haveOrder || !ParseOrder(orderFile.readAll(), terrainCount, unitCount, loaded.terrainOrder,
                                  loaded.unitOrder)) {
        loaded.terrainOrder = IdentityOrder(terrainCount);
        loaded.unitOrder = IdentityOrder(unitCount);
        // A folder that cannot be written to still shows the set, in its stored order.
        if (!haveOrder && !loaded.WriteOrder())
            loaded.readNotice =
                QStringLiteral("The symbol order of %1 could not be stored; the symbols are "
                               "listed in the order of the set.")
                    .arg(loaded.baseName());
    }
    loaded.diskState = ReadSetDiskState(loaded.setPath);
    loaded.diskStatePath = loaded.setPath;
    *this = std::move(loaded);
    return SetResult::Success();
}

SetResult SymbolSet::WriteSetFile() {
    SetWriteScope write(*this);
    if (SetResult r = PutFile(setPath, SerializeSetFile(contents), {}); !r)
        return r;
    if (SetResult r = WriteOrder(); !r)
        return r;
    return write.Commit();
}

SetResult SymbolSet::WriteOrder() {
    SetWriteScope write(*this);
    if (SetResult r = PutFile(filePath(kOrderSuffix), SerializeOrder(terrainOrder, unitOrder), {});
        !r)
        return r;
    return write.Commit();
}

SetResult SymbolSet::PutFile(const QString& path, const QByteArray& bytes, const QImage& bitmap) {
    SetWriteScope write(*this);
    pending_->removed.erase(path);
    if (bitmap.isNull()) {
        pending_->bitmaps.erase(path);
        pending_->bytes[path] = bytes;
    } else {
        pending_->bytes.erase(path);
        pending_->bitmaps[path] = bitmap;
    }
    return write.Commit();
}

SetResult SymbolSet::RemoveFile(const QString& path) {
    SetWriteScope write(*this);
    pending_->bitmaps.erase(path);
    pending_->bytes.erase(path);
    pending_->removed.insert(path);
    return write.Commit();
}

bool SymbolSet::PendingBitmap(const QString& path, QImage& image) const {
    if (!pending_)
        return false;
    if (auto it = pending_->bitmaps.find(path); it != pending_->bitmaps.end()) {
        image = it->second;
        return true;
    }
    if (auto it = pending_->bytes.find(path); it != pending_->bytes.end()) {
        QString reason;
        if (!DecodeBmp(it->second, image, reason))
            image = QImage();
        return true;
    }
    return false;
}

SetResult SymbolSet::LoadBitmap(SymbolKind kind, int level, QImage& image) const {
    const QString path = bitmapPath(kind, level);
    QImage loaded;
    if (!PendingBitmap(path, loaded)) {
        QString reason;
        if (!ReadBmpFile(path, loaded, reason))
            return SetResult::Failure(reason);
    }
    if (loaded.isNull())
        return SetResult::Failure(QStringLiteral("Could not read the file %1.").arg(path));
    loaded = loaded.convertToFormat(QImage::Format_RGB32);
    // Every bitmap is used at the size the header gives it, so cells copied into or out
    // of it always lie inside.
    const QSize expected = contents.bitmapSize(kind, level);
    if (loaded.size() != expected) {
        QImage resized = NewPicture(expected);
        for (int y = 0; y < std::min(expected.height(), loaded.height()); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(loaded.constScanLine(y)),
                        std::min(expected.width(), loaded.width()),
                        reinterpret_cast<QRgb*>(resized.scanLine(y)));
        loaded = resized;
    }
    image = loaded;
    return SetResult::Success();
}

SetResult SymbolSet::SaveBitmap(SymbolKind kind, int level, const QImage& image) {
    const QString path = bitmapPath(kind, level);
    if (kind == SymbolKind::Mask)
        return PutFile(path, {}, ToMonoMask(image));
    if (imageDepth == 8 && !colourTable8.isEmpty())
        return PutFile(
            path, {},
            image.convertToFormat(QImage::Format_Indexed8, colourTable8, Qt::ThresholdDither));
    return PutFile(path, {}, image.convertToFormat(QImage::Format_RGB32));
}

QImage SymbolSet::NewPicture(QSize size, QRgb fill) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(fill);
    return picture;
}
