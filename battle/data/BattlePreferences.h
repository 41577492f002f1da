#pragma once
// The battle editor's preferences kept from one run to the next: the text file
// "fmbattle.prf" in the program folder, one "name=value" line per preference (UTF-8),
// beside the symbol editor's own: the map scale, where the window and the floating
// terrain picker stood, the secondary terrain list's scroll, and for each symbol set the
// battle last opened or saved on it (whose terrain attributes a new battle is offered),
// the layers the hex region commands act on and the overview window.
// The other display preferences live for the run, and the map position with each battle.

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <map>

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
    QRect window{};         // the main window's frame; empty = centred on the screen
    bool maximised = false;
    QPoint pickerAt{-1, -1};  // the terrain picker's top left; (-1, -1) = beside the map
    int secondaryListTop = 0; // the first row shown of the secondary terrain list
    std::map<QString, QString> lastBattleOnSet{}; // set name (lower case) → battle file

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
// Reads the file as it is now (another editor may have written it), changes it and writes
// it back: each window changes only what it set.
bool UpdateBattlePreferences(const QString& programFolder,
                             const std::function<void(BattlePreferences&)>& change);
