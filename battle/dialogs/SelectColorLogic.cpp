#include "SelectColorLogic.h"

QColor SelectColorLogic::CellColour(int col, int row) const {
    return context_.PaletteColour(row * kSide + col);
}

void SelectColorLogic::ColorGridMouseDown(int col, int row) {
    if (col < 0 || col >= kSide || row < 0 || row >= kSide)
        return;
    chosenIndex_ = row * kSide + col;
}
