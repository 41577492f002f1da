#pragma once
// "Select Color": the map background colour from the 16 × 16 palette. exec() returns 1
// from OK with the chosen palette index as the logic's answer(); closing the window
// returns 0 with the battle's own tableColour as the answer.

#include "EditorContext.h"
#include "SelectColorLogic.h"

#include <QDialog>

class QFrame;
class PaletteGrid;

class TSelectColor : public QDialog {
    Q_OBJECT
public:
    explicit TSelectColor(EditorContext& context, QWidget* parent = nullptr);

    SelectColorLogic& logic() { return logic_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    SelectColorLogic logic_;
    PaletteGrid* ColorGrid_;
    QFrame* Panel1_;
};
