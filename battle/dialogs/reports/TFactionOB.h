#pragma once
// The order of battle of a side (1 or 2), in the canonical order of the save; the battle
// is only read. ExecForSide returns the number of the unit whose row was double-clicked,
// or 0 from "Exit" or closing; the caller then opens the unit editor on that unit's hex.

#include "FactionOBLogic.h"
#include "TReportWindow.h"

class TFactionOB : public TReportWindow {
    Q_OBJECT
public:
    explicit TFactionOB(EditorContext& context, QWidget* parent = nullptr);

    FactionOBLogic& logic() { return logic_; }
    // The rows chosen in the grid, from 0 below the heading, in order.
    std::vector<int> chosenRows() const;
    int ExecForSide(int side) {
        logic_.side = side;
        return exec();
    }

protected:
    ReportLogic& Logic() override { return logic_; }
    void GridDblClick(int row) override;
    void CloseBtnClick() override;

    void showEvent(QShowEvent* event) override;

private:
    void BuildSelectionControls();
    void AfterChange();

    FactionOBLogic logic_;
    class QComboBox* wingBox_ = nullptr;
    class QSpinBox* turnBox_ = nullptr;
    class QPushButton* sideBtn_ = nullptr;
};
