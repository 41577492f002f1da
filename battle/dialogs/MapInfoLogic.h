#pragma once
// The figures the map-information dialog shows, each a fixed prefix and a value.

#include "Battle.h"

#include <QString>

struct MapInfoLogic {
    QString symbolSetText;
    QString totalHexesText;
    QString maxRowsText;
    QString maxColsText;
    QString totalUnitsText;
    QString mapTextEntriesText;

    void FormActivate(const Battle& battle);
};
