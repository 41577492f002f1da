#pragma once
// Small pictures and sets for the symbol editor's tests.

#include <EditorPicture.h>
#include <SymbolSet.h>

#include <QImage>

// A w-by-h RGB32 picture of one colour.
QImage Plain(int w, int h, QRgb colour);

// Number of pixels of `picture` that have `colour`.
int CountColour(const QImage& picture, QRgb colour);

// A picture with an undo ring started on it, as after opening a symbol.
struct TestCanvas {
    EditorPicture target;
    int changes = 0;
    explicit TestCanvas(const QImage& start) {
        target.picture = start;
        target.onChange = [this] { ++changes; };
        target.InitUndo();
    }
};

// The new set in `folder` (real hex or grid) with hex sizes 5, 15, 28, read back.
SymbolSet NewTestSet(const QString& folder, bool realHex);

// A program folder as the editor expects it: "bmps" with a palette and a logo, and in
// "Battles" the grid set "house" with the terrain symbol "Blank" and the white 4-by-3 (8 by 6,
// 12 by 9) unit symbol "Pikes".
void MakeProgramFolder(const QString& folder);
