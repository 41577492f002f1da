#include "TStats.h"

TStats::TStats(EditorContext& context, QWidget* parent)
    : TReportWindow({QStringLiteral("Stats"), QStringLiteral("StatGrid"), QStringLiteral("StatLbl"),
                     QStringLiteral("OKBtn"), QStringLiteral("OK"),
                     QStringLiteral("Army Statistics"), 6, 0},
                    parent),
      logic_(context) {}
