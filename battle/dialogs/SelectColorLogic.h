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
    // The chosen index becomes the answer.
    void Button1Click() { answer_ = chosenIndex_; }
    // Closing without OK answers the battle's own colour, so nothing changes.
    void CloseWithoutChoice() { answer_ = context_.battle().settings.tableColour; }

    int chosenIndex() const { return chosenIndex_; }
    // The palette index the picker answered with at its last closing.
    int answer() const { return answer_; }
    QColor previewColour() const { return context_.PaletteColour(chosenIndex_); }

private:
    EditorContext& context_;
    int chosenIndex_ = 0;
    int answer_ = 0;
};
