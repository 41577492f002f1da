#pragma once
// The rules of the colour picker: 16 × 16 palette swatches; the last one clicked since
// the program started is the answer, palette index 0 until one is clicked.

#include "EditorContext.h"

class SelectColorLogic {
public:
    static constexpr int kSide = 16;

    explicit SelectColorLogic(EditorContext& context) : context_(context) {}

    // The swatch at column col, row row.
    QColor CellColour(int col, int row) const;
    // The palette index of the clicked swatch becomes the chosen one; clicks outside the
    // grid are ignored.
    void ColorGridMouseDown(int col, int row);
    // The chosen index into the program-wide dialog value.
    void Button1Click() { context_.dialogValue = chosenIndex_; }
    // Closing without OK hands back the battle's own colour, so nothing changes.
    void CloseWithoutChoice() { context_.dialogValue = context_.battle.settings.tableColour; }

    int chosenIndex() const { return chosenIndex_; }
    QColor previewColour() const { return context_.PaletteColour(chosenIndex_); }

private:
    EditorContext& context_;
    int chosenIndex_ = 0;
};
