#include "TVicHexes.h"

TVicHexes::TVicHexes(EditorContext& context, QWidget* parent)
    : TReportWindow({QStringLiteral("VicHexes"), QStringLiteral("VicGrid"),
                     QStringLiteral("VicLbl"), QStringLiteral("OKBtn"), QStringLiteral("OK"),
                     QStringLiteral("Terrain Objective Status"), 1, 0},
                    parent),
      logic_(context) {}
