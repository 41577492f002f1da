#include "TFactionOB.h"

TFactionOB::TFactionOB(EditorContext& context, QWidget* parent)
    : TReportWindow({QStringLiteral("FactionOB"), QStringLiteral("OBGrid"), QStringLiteral("OBLbl"),
                     QStringLiteral("ExitBtn"), QStringLiteral("Exit"),
                     QStringLiteral("Order of Battle"), 18, 0},
                    parent),
      logic_(context) {}

void TFactionOB::GridDblClick(int row) {
    const int unit = logic_.GridDblClick(row);
    if (unit > 0)
        done(unit);
}

void TFactionOB::CloseBtnClick() {
    logic_.ExitBtnClick();
    done(0);
}
