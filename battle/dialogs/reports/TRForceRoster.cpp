#include "TRForceRoster.h"

TRForceRoster::TRForceRoster(EditorContext& context, QWidget* parent)
    : TReportWindow({QStringLiteral("RForceRoster"), QStringLiteral("RFGrid"),
                     QStringLiteral("RFLbl"), QStringLiteral("OKBtn"), QStringLiteral("OK"),
                     QStringLiteral("Reinforcement Schedule"), 18, 0},
                    parent),
      logic_(context) {}
