#pragma once
// The rules of the battle-settings dialog: names, description, turns and icon of the
// battle shown. The dialog works on copies and writes them into the battle only when OK
// is accepted.

#include "EditorContext.h"
#include "OrvMessages.h"
#include "SettingsEntries.h"

class ModifyBattleLogic {
public:
    explicit ModifyBattleLogic(EditorContext& context);

    MessageBoxShower showMessage;

    SettingsEntries entries;
    int maxTurns = 0;
    QString iconName;
    QImage iconPicture; // null when the battle's icon file cannot be read

    // The battle's values; the icon is read from its file in the icons folder.
    void FormActivate();
    void TrnUpDnClick(bool up) { maxTurns = StepTurns(maxTurns, up); }
    // As in the new-battle dialog.
    bool Button2Click(const QString& chosenPath);
    // False keeps the dialog open after the refusal message; true has stored everything
    // and marked the battle modified.
    bool OKClick();

    QString turnsText() const { return QStringLiteral("Max Turns: %1").arg(maxTurns); }
    QImage iconPreview() const { return IconPreview(iconPicture, kIconPictureSide); }

private:
    EditorContext& context_;
};
