#pragma once
// An open symbol set as the symbol editor holds it: where its files are, the header
// properties, the three record tables, the display order, row capacities and image
// depth, and the hex shapes of a real-hex set. Reads and writes the ".set", the
// ".sdx" and the nine bitmaps. Writes happen inside a SetWriteScope (each write below
// opens one when none is open), so the files of one change reach the disk together.

#include "SetDiskState.h"
#include "SetFile.h"
#include "SetResult.h"

#include <QImage>
#include <QList>
#include <QRgb>

#include <functional>
#include <memory>

struct PendingSetFiles;

class SymbolSet {
public:
    // Files -------------------------------------------------------------------------
    QString setPath; // full path of the ".set" file
    QString folder() const;
    QString baseName() const;
    // setPath less ".set", followed by suffix ("-t1.bmp", ".sdx", …)
    QString filePath(const QString& suffix) const;
    QString bitmapPath(SymbolKind kind, int level) const;

    // Contents ----------------------------------------------------------------------
    SetFileContents contents;
    std::vector<int>
        terrainOrder; // display position i (0-based) shows record terrainOrder[i] (1-based)
    std::vector<int> unitOrder;
    std::array<int, kKindCount> rowCapacity{kDefaultRowCapacity, kDefaultRowCapacity,
                                            kDefaultRowCapacity};
    int imageDepth = 24;      // 8 or 24: depth of every terrain and unit bitmap written
    QList<QRgb> colourTable8; // colours of an 8-bit set
    std::array<QImage, kLevelCount> hexShapes; // real-hex sets: white hexagon on black

    int layout() const { return contents.header.layout; }
    bool realHex() const { return contents.header.realHex != 0; }
    bool opaque() const { return contents.header.opaque != 0; }
    int count(SymbolKind k) const { return contents.count(k); }
    std::vector<SymbolRecord>& table(SymbolKind k) { return contents.table(k); }
    const std::vector<SymbolRecord>& table(SymbolKind k) const { return contents.table(k); }
    SymbolRecord& record(SymbolKind k, int number) { return table(k)[number - 1]; }
    const SymbolRecord& record(SymbolKind k, int number) const { return table(k)[number - 1]; }
    std::vector<int>& order(SymbolKind k) {
        return k == SymbolKind::Unit ? unitOrder : terrainOrder;
    }
    // Hex size of a level: the width of terrain symbol 1's cell.
    int hexSize(int level) const;
    // A symbol uses a mask of its own (not the shared hex mask).
    bool hasOwnMask(SymbolKind kind, const SymbolRecord& r) const;

    // Whole set ---------------------------------------------------------------------
    // Finishes or undoes an interrupted save, reads the ".set", the ".sdx" (writing the
    // identity order when it is missing), derives the row capacities, checks the nine
    // bitmaps, notes the image depth and loads the hex shapes. On failure the object is
    // unchanged.
    SetResult Read(const QString& path);
    SetResult WriteSetFile(); // the ".set" and the ".sdx"
    SetResult WriteOrder();   // the ".sdx" alone

    // What Read has to tell without failing (an order it could not store); empty if none.
    QString readNotice;

    // Guarding the files ------------------------------------------------------------
    // Nothing is written while set; a write fails with the reason.
    bool readOnly = false;
    // The files as this set last read or wrote them: a write finding them changed asks
    // confirmOverwrite (the question as text; true = replace them) and fails without it.
    SetDiskState diskState;
    QString diskStatePath;
    std::function<bool(const QString& question)> confirmOverwrite;

    // Bitmaps -----------------------------------------------------------------------
    // Terrain and unit bitmaps come back as RGB32, masks as RGB32 black and white.
    SetResult LoadBitmap(SymbolKind kind, int level, QImage& image) const;
    // Writes terrain and unit bitmaps at the set's image depth, masks at one bit.
    SetResult SaveBitmap(SymbolKind kind, int level, const QImage& image);
    // A blank RGB32 picture of the given size, for a new bitmap of this set.
    static QImage NewPicture(QSize size, QRgb fill = 0xff000000);

    // Files of the set by full path: the bytes (or, when `bitmap` is not null, the picture
    // to encode) become the file, or the file is to be gone. Pending in the open scope;
    // written at once when none is open.
    SetResult PutFile(const QString& path, const QByteArray& bytes, const QImage& bitmap = {});
    SetResult RemoveFile(const QString& path);

private:
    friend class SetWriteScope;
    // The pending bytes or bitmap of `path`, if a scope wrote it.
    bool PendingBitmap(const QString& path, QImage& image) const;
    std::shared_ptr<PendingSetFiles> pending_;
};

// Row capacity of a kind when a set is read: 250 for up to 250 entries, otherwise the
// longest run of consecutive records whose level-3 cells share their top.
int DeriveRowCapacity(const std::vector<SymbolRecord>& records);
