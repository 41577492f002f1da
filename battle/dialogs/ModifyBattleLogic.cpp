#include "ModifyBattleLogic.h"

#include "ProgramFolder.h"

ModifyBattleLogic::ModifyBattleLogic(EditorContext& context) : context_(context) {}

void ModifyBattleLogic::FormActivate() {
    const BattleSettings& s = context_.battle().settings;
    entries = SettingsEntries::From(s);
    maxTurns = TurnsShown(s.maxTurns);
    iconName = s.iconName.text();
    iconPicture =
        QImage(FindEntry(IconsFolder(context_.programFolder), iconName + QStringLiteral(".bmp")));
}

bool ModifyBattleLogic::Button2Click(const QString& chosenPath) {
    return ReadChosenIcon(chosenPath, context_.messages, iconName, iconPicture);
}

bool ModifyBattleLogic::OKClick() {
    if (const int refusal = entries.RefusalMessage()) {
        if (showMessage)
            showMessage(refusal, OrvOneButton);
        return false;
    }
    context_.Edit(QStringLiteral("Battle Settings"), [&](Battle& b) {
        BattleSettings& s = b.settings;
        entries.StoreInto(s);
        s.maxTurns = maxTurns;
        s.iconName.assign(iconName);
    });
    if (!iconPicture.isNull())
        context_.iconPicture = iconPicture;
    return true;
}
