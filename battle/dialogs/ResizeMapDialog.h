#pragma once
// "Resize Map...": columns and rows to add (or, below zero, remove) at each edge, with the
// new size, what would be lost and how the stagger moves the ground. exec() returns 1 when
// the designer chose a resize (and confirmed the loss of records, if any); plan() then
// holds it. The dialog changes nothing itself.

#include "ResizeMapLogic.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

class ResizeMapDialog : public QDialog {
    Q_OBJECT
public:
    explicit ResizeMapDialog(const Battle& battle, QWidget* parent = nullptr);

    // Asked before records are lost; tests answer it. True goes on.
    std::function<bool(const QStringList& lost)> confirmLoss;

    ResizeMapLogic& logic() { return logic_; }
    const ResizePlan& plan() const { return logic_.plan(); }
    QSpinBox* edgeBox(ResizeMapLogic::Edge e) const { return edges_[size_t(e)]; }
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    ResizeMapLogic logic_;
    std::array<QSpinBox*, 4> edges_{};
    QLabel* sizeLbl_;
    QLabel* noteLbl_;
    QListWidget* lostList_;
    QPushButton* ok_;
};
