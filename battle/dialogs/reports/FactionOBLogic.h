#pragma once
// The order of battle of a side, listed in the canonical order of the save without
// changing the battle; each row remembers its unit. A double click on a row is the answer: the unit
// the main window then opens the unit editor on.

#include "ReportLogic.h"

class FactionOBLogic : public ReportLogic {
public:
    using ReportLogic::ReportLogic;
    int side = 1; // set before each opening

    // The unit shown in row (from 0 below the heading); 0 for no row.
    int UnitOfRow(int row) const;
    // The row's unit becomes the answer and is returned; 0 leaves the window open.
    int GridDblClick(int row);
    // "Exit": the click sound and no unit.
    void ExitBtnClick();

    // The unit chosen since the last opening; 0 when none.
    int chosenUnit() const { return chosenUnit_; }

protected:
    ReportGrid BuildReport() override;

private:
    int chosenUnit_ = 0;
};
