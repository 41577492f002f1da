#pragma once
// "Special Hex Markers", shown modally. Every row picked goes into the battle's marker
// table at once; "OK" (also Escape, there is no cancel) returns 1 and the main window
// redraws the map.

#include "SelectHxMrkLogic.h"

#include <QDialog>

#include <array>

class QLabel;
class QListWidget;
class QRadioButton;

class TSelectHxMrk : public QDialog {
    Q_OBJECT
public:
    explicit TSelectHxMrk(EditorContext& context, QWidget* parent = nullptr);

    SelectHxMrkLogic& logic() { return logic_; }

public slots:
    void reject() override { done(logic_.OkBtnClick()); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    SelectHxMrkLogic logic_;
    QListWidget* TerList_;
    QLabel* Image1_;
    QLabel* SymNamPan_;
    std::array<QRadioButton*, SelectHxMrkLogic::kLastSlot + 1> slotButtons_{};
};
