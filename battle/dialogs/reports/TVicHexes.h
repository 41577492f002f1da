#pragma once
// "Terrain Objective Status": objective 1, its holder, points and hex. exec() returns 1 from "OK".

#include "TReportWindow.h"

class TVicHexes : public TReportWindow {
    Q_OBJECT
public:
    explicit TVicHexes(EditorContext& context, QWidget* parent = nullptr);

    VicHexesLogic& logic() { return logic_; }

protected:
    ReportLogic& Logic() override { return logic_; }

private:
    VicHexesLogic logic_;
};
