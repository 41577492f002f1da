#pragma once
// The battle editor's preferences kept from one run to the next: the text file
// "fmbattle.prf" in the program folder, one "name=value" line per preference, beside the
// symbol editor's own: the map scale, the layers the hex region commands act on, and the
// overview window. The other display preferences live for the run, and the map position
// with each battle.

#include <QByteArray>
#include <QString>

constexpr int kMinMapScale = 1;
constexpr int kMaxMapScale = 3;
constexpr int kDesktopMapScale = 0; // the scale follows the desktop's own scaling

struct BattlePreferences {
    // 1 … 3: each map pixel shown as this many screen pixels square; kDesktopMapScale: as
    // the desktop scales the rest of the window.
    int mapScale = kDesktopMapScale;
    int regionLayers = 127; // bits of the layers copy, cut, paste, mirror and delete act on
    int showOverview = 0;   // 1: the overview window is shown
    int overviewScale = 2;  // 1 … 3 pixels per hex

    bool operator==(const BattlePreferences&) const = default;
};

inline const QString kBattlePreferencesFile = QStringLiteral("fmbattle.prf");

// Unknown lines and values out of range are ignored, so a damaged file gives defaults.
BattlePreferences ParseBattlePreferences(const QByteArray& text);
QByteArray FormatBattlePreferences(const BattlePreferences& prefs);

// Defaults when the file is missing or unreadable.
BattlePreferences ReadBattlePreferences(const QString& programFolder);
// Written atomically; false when the file could not be written (the old one stays).
bool WriteBattlePreferences(const QString& programFolder, const BattlePreferences& prefs);
