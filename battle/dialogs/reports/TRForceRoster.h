#pragma once
// The reinforcement schedule of the side the caller puts into the context's dialogValue (1 or 2)
// before exec(): every unit of that side arriving on turn 2 or later. exec() returns 1 from "OK".

#include "TReportWindow.h"

class TRForceRoster : public TReportWindow {
    Q_OBJECT
public:
    explicit TRForceRoster(EditorContext& context, QWidget* parent = nullptr);

    RForceRosterLogic& logic() { return logic_; }

protected:
    ReportLogic& Logic() override { return logic_; }

private:
    RForceRosterLogic logic_;
};
