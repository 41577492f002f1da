#include "OrvMessages.h"

OrvMessage OrvMessageText(int messageNumber) {
    switch (messageNumber) {
    case MsgSaveChanges:
        return {QStringLiteral("Save changes to this battle?"), QStringLiteral("Save Changes?")};
    case MsgKeepTerrainFill:
        return {QStringLiteral("Keep Terrain Fill Changes?"), QStringLiteral("Keep Changes?")};
    case MsgNeedBattleName:
        return {QStringLiteral("You must enter a battle name."), QStringLiteral("Scenario Name?")};
    case MsgNeedFactionNames:
        return {QStringLiteral("You must enter both faction names."), QStringLiteral("Factions?")};
    case MsgNoUnits:
        return {QStringLiteral("Units for this faction have not been defined."),
                QStringLiteral("Order of Battle")};
    case MsgNoReinforcements:
        return {QStringLiteral("Reinforcements for this faction have not been defined."),
                QStringLiteral("ReinForcements")};
    default:
        return {};
    }
}
