#pragma once
// What the new-battle and battle-settings dialogs share: the names and description as
// typed, their check, the turn arrows, chosen file names and the icon preview.

#include "BattleRecords.h"
#include "MessageSink.h"

#include <QImage>
#include <QString>

constexpr int kNameTypedChars = 20;    // battle and side names
constexpr int kHistoryTypedChars = 79; // one description line
constexpr int kIconPictureSide = 120;  // the part of an icon picture that is shown
constexpr int kMinTurns = 5;
constexpr int kMaxTurns = 300;
constexpr int kTurnsWhenUnset = 30;

// The name boxes and the description memo as the designer left them.
struct SettingsEntries {
    QString battleName;
    QString sideAName;
    QString sideBName;
    QString history; // one description line per text line

    // 0 when the names may be stored, else the message that refuses them: a missing battle
    // name, then a missing side name.
    int RefusalMessage() const;
    // Names (a changed one cut at 20 characters, an unchanged one kept whole, however
    // long) and the 100 description lines; lines the memo lacks become empty, longer
    // lines keep their first 79 characters and lines past the 100th are dropped.
    void StoreInto(BattleSettings& settings) const;
    // The battle's names and description, without the empty lines that end it.
    static SettingsEntries From(const BattleSettings& settings);
};

// One step of the turn arrows: up while below 300, down while 6 or more.
int StepTurns(int turns, bool up);
// One step of a map-size arrow: up while below 150, down while above 10.
int StepMapSide(int value, bool up);
inline int TurnsShown(int maxTurns) {
    return maxTurns == 0 ? kTurnsWhenUnset : maxTurns;
}

// A chosen file's name without its folder, cut at its first ".".
QString ChosenBaseName(const QString& path);
// The name can be stored in a field of maxChars characters exactly as it is written.
bool FitsField(const QString& name, int maxChars);

QString IconsFolder(const QString& programFolder);
// The top-left 120 × 120 pixels of an icon picture drawn into a side × side square;
// null for a null picture.
QImage IconPreview(const QImage& picture, int side);
// The icon file the designer chose: its base name and picture into name and picture.
// False, with a warning and nothing changed, when the file is no picture or its name
// cannot be stored.
bool ReadChosenIcon(const QString& chosenPath, const MessageSink& sink, QString& name,
                    QImage& picture);
