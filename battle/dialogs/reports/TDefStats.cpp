#include "TDefStats.h"

// 400 pixels is the widest table's grid, so every table sits in a window of one width.
TDefStats::TDefStats(EditorContext& context, QWidget* parent)
    : TReportWindow({QStringLiteral("DefStats"), QStringLiteral("DefGrid"),
                     QStringLiteral("DefLbl"), QStringLiteral("OKBtn"), QStringLiteral("OK"),
                     QStringLiteral("Weapon Statistics"), 16, 400},
                    parent),
      logic_(context) {}

int TDefStats::ShowTable(int kind) {
    setWeaponTableKind(kind);
    return exec();
}
