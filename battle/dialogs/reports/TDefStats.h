#pragma once
// "Weapon Statistics": one definition table at a time, chosen by the unit editor's "+"
// buttons: 1 missile weapons, 2 combat weapons, 3 armour, 4 shields. The grid keeps the
// table's own width, centred in the window. exec() returns 1 from "OK".

#include "TReportWindow.h"

class TDefStats : public TReportWindow {
    Q_OBJECT
public:
    explicit TDefStats(EditorContext& context, QWidget* parent = nullptr);

    DefStatsLogic& logic() { return logic_; }

    // Set before exec(); the next opening shows that table.
    void setWeaponTableKind(int kind) { logic_.weaponTableKind = kind; }
    // Sets the table and shows the window modally.
    int ShowTable(int kind);

protected:
    ReportLogic& Logic() override { return logic_; }

private:
    DefStatsLogic logic_;
};
