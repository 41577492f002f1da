#pragma once
// The battle icons of the "icons" folder: 120 by 120 framed emblems, one per file.

#include <QImage>
#include <QString>

#include <vector>

constexpr int kIconSize = 120;

struct BattleIcon {
    QString name; // file name without ".bmp"; "sword" is the icon of a new battle
    QImage picture;
};

std::vector<BattleIcon> BattleIcons();
