#pragma once
// "Optimize Symbol File Layout": shows OptimiseLogic with a preview of the cells as they
// move.

#include "OptimiseLogic.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

class TDefragSet : public QDialog {
    Q_OBJECT
public:
    TDefragSet(QWidget* parent, SymbolSet& set);

private:
    void StartClick();
    void Refresh();
    OptimiseLogic logic_;
    QGroupBox* group_;
    std::array<QCheckBox*, kKindCount> options_{};
    QLabel* preview_;
    QLabel* level_;
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* start_;
};
