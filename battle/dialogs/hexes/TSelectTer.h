#pragma once
// "Terrain Symbols", the terrain picker. Placing terrain shows it floating beside the map
// (ShowFloating: no buttons, the main window reads the context's terrainSelection at each
// click); the fill shows it modally (ExecModal: "OK" and "Clear" return 1, "Cancel" 2;
// "Clear" leaves terrainSelection at kNoSymbol). Attribute edits are kept either way.

#include "SelectTerLogic.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TSelectTer : public QDialog {
    Q_OBJECT
public:
    // Where the picker's contents stood (without the window manager's frame, which is not
    // known before the first showing) and the secondary list's first row, kept between runs
    // by the main window; (-1, -1) lets the window manager place the picker.
    QPoint placedAt{-1, -1};
    int secondaryTop = 0;
    // Notes where the floating picker stands (and its secondary list's scroll); called as it
    // hides, and by the main window while it is shown.
    void RememberPlace();

    explicit TSelectTer(EditorContext& context, QWidget* parent = nullptr);

    SelectTerLogic& logic() { return logic_; }

    // Kind 1 (primary) or 3 (secondary), shown without waiting; an open picker takes the
    // new kind at once.
    void ShowFloating(int kind);
    // Kind 2 (fill): closes a floating picker, then waits for "OK", "Cancel" or "Clear".
    int ExecModal(int kind);

public slots:
    // Escape ends like "Cancel".
    void reject() override { done(logic_.Button2Click()); }

signals:
    // The designer picked a row; the symbol is also in the context's terrainSelection.
    void selectionChanged(int symbol);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Activate();
    void Refresh();
    void RowClicked(int row);

    SelectTerLogic logic_;
    QListWidget* TerList_;
    QLabel* Image1_;
    QLabel* SymNamPan_;
    QLabel* ElvLbl_;
    QLabel* CpmLbl_;
    QLabel* DefLbl_;
    QLineEdit* SymName_;
    std::vector<QWidget*> valueBoxes_; // the three values and the name
    QPushButton* Button1_;
    QPushButton* Button2_;
    QPushButton* Button3_;
};
