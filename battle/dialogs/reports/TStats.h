#pragma once
// "Army Statistics": men, units, average morale, fire power, combat strength and total points of
// both sides. exec() returns 1 from "OK".

#include "TReportWindow.h"

class TStats : public TReportWindow {
    Q_OBJECT
public:
    explicit TStats(EditorContext& context, QWidget* parent = nullptr);

    StatsLogic& logic() { return logic_; }

protected:
    ReportLogic& Logic() override { return logic_; }

private:
    StatsLogic logic_;
};
