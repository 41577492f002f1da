#pragma once
// The order of battle of a side, listed in the canonical order of the save without
// changing the battle; each row remembers its unit. A double click on a row is the answer:
// the unit the main window then opens the unit editor on. Rows chosen together (Shift,
// Ctrl) can be given a wing, a side or an arrival turn, or removed: each is one undo step,
// after which the report is built anew.

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

    // The units shown in rows, unknown rows left out.
    std::vector<int> UnitsOfRows(const std::vector<int>& rows) const;
    // True when a unit changed (the report is then rebuilt).
    // wingRow is a row of wingNames().
    bool SetWingClick(const std::vector<int>& rows, int wingRow);
    bool SetSideClick(const std::vector<int>& rows, int side);
    bool SetTurnClick(const std::vector<int>& rows, int turn);
    // The number of units removed.
    int RemoveClick(const std::vector<int>& rows);
    // The wings this side's units use first, then the others (as in the unit editor).
    QStringList wingNames() const;
    // The other side's name, for the button that moves units there.
    QString otherSideName() const;
    int maxTurns() const;

protected:
    ReportGrid BuildReport() override;

private:
    int chosenUnit_ = 0;
};
