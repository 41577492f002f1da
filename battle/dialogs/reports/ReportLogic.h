#pragma once
// The rules the report windows share: each opening rebuilds the report from the battle
// as it is now, a click on a row plays the click sound and selects it, and "OK" or
// "Exit" play the click sound. Every report reads the battle and changes nothing.

#include "EditorContext.h"
#include "Reports.h"

class ReportLogic {
public:
    explicit ReportLogic(EditorContext& context) : context_(context) {}
    virtual ~ReportLogic() = default;
    ReportLogic(const ReportLogic&) = delete;
    ReportLogic& operator=(const ReportLogic&) = delete;

    // Builds the report anew; nothing is kept from an earlier opening.
    void FormActivate();

    const ReportGrid& grid() const { return grid_; }
    // The selected row below the heading, counted from 0; -1 when none is.
    int selectedRow() const { return selectedRow_; }
    bool IsRow(int row) const { return row >= 0 && row < int(grid_.rows.size()); }

    // A click on the grid; row counts from 0 below the heading.
    void GridClick(int row);
    // "OK" or "Exit".
    void CloseBtnClick();
    EditorContext& context() { return context_; }

protected:
    virtual ReportGrid BuildReport() = 0;

    EditorContext& context_;

private:
    ReportGrid grid_;
    int selectedRow_ = -1;
};

// Men, units, morale, strengths and points of both sides.
class StatsLogic : public ReportLogic {
public:
    using ReportLogic::ReportLogic;

protected:
    ReportGrid BuildReport() override;
};

// The reinforcements of a side.
class RForceRosterLogic : public ReportLogic {
public:
    using ReportLogic::ReportLogic;
    int side = 1; // set before each opening

protected:
    ReportGrid BuildReport() override;
};

// Objective 1 and who holds it.
class VicHexesLogic : public ReportLogic {
public:
    using ReportLogic::ReportLogic;

protected:
    ReportGrid BuildReport() override;
};

// One of the four definition tables: 1 missile weapons, 2 combat weapons, 3 armour,
// 4 shields; set by the unit editor's "+" button before the window opens.
class DefStatsLogic : public ReportLogic {
public:
    using ReportLogic::ReportLogic;

    int weaponTableKind = 1;

protected:
    ReportGrid BuildReport() override;
};
