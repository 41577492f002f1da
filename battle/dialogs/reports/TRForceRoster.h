#pragma once
// The reinforcement schedule of a side (1 or 2): every unit of that side arriving on turn 2
// or later. ExecForSide returns 1 from "OK".

#include "TReportWindow.h"

class TRForceRoster : public TReportWindow {
    Q_OBJECT
public:
    explicit TRForceRoster(EditorContext& context, QWidget* parent = nullptr);

    RForceRosterLogic& logic() { return logic_; }
    int ExecForSide(int side) {
        logic_.side = side;
        return exec();
    }

protected:
    ReportLogic& Logic() override { return logic_; }

private:
    RForceRosterLogic logic_;
};
