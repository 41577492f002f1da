#include "NewMapLogic.h"

#include "ProgramFolder.h"

#include <QFileInfo>

namespace {
constexpr int kFirstRows = 35;
constexpr int kFirstCols = 65;
} // namespace

NewMapLogic::NewMapLogic(EditorContext& context) : context_(context) {}

void NewMapLogic::FormActivate() {
    if (rows == 0 && cols == 0) {
        rows = kFirstRows;
        cols = kFirstCols;
    }
    const BattleSettings& s = context_.battle().settings;
    maxTurns = TurnsShown(s.maxTurns);
    entries.battleName.clear();
    symbolSetName = s.symbolSetName.text();
    iconName = s.iconName.text();
    iconPicture = context_.iconPicture;
    importChosen_ = false;
    OfferAttrsForSet();
}

void NewMapLogic::OfferAttrsForSet() {
    if (importChosen_)
        return;
    const NewBattleAttrs offered =
        ChooseNewBattleAttrs(battleShown, symbolSetName,
                             ReadBattlePreferences(context_.programFolder), context_.programFolder);
    importedAttrs_ = offered.attrs;
    importedFrom_ = offered.text;
}

bool NewMapLogic::Button1Click(const QString& chosenPath) {
    const QString name = ChosenBaseName(chosenPath);
    if (name.isEmpty() || !FitsField(name, decltype(BattleSettings::symbolSetName)::kMaxChars)) {
        Warn(context_.messages, QStringLiteral("The symbol set's file name cannot be used."));
        return false;
    }
    symbolSetName = name;
    OfferAttrsForSet();
    return true;
}

bool NewMapLogic::Button2Click(const QString& chosenPath) {
    return ReadChosenIcon(chosenPath, context_.messages, iconName, iconPicture);
}

bool NewMapLogic::ImportAttrsClick(const QString& chosenPath) {
    TerrainAttrTable attrs = battleShown ? context_.battle().terrainAttrs : TerrainAttrTable{};
    if (!ReadTerrainAttributes(chosenPath, attrs, context_.messages))
        return false;
    importedAttrs_ = attrs;
    importedFrom_ = QFileInfo(chosenPath).fileName();
    importChosen_ = true;
    return true;
}

QString NewMapLogic::attrsText() const {
    return importedFrom_;
}

bool NewMapLogic::OKClick() {
    if (const int refusal = entries.RefusalMessage()) {
        if (showMessage)
            showMessage(refusal, OrvOneButton);
        return false;
    }

    // Into a set of its own, so a failed load leaves the set of the battle shown intact.
    LoadedSymbolSet set;
    if (!LoadSymbolSet(BattlesFolder(context_.programFolder), symbolSetName, set,
                       context_.messages))
        return false;
    set.ComputeCellSteps();

    // The new battle is made beside the one shown, which it replaces only when complete.
    // The terrain attributes and the unit clipboard carry over, as they do in the editor.
    Battle next = context_.battle();
    BattleSettings& s = next.settings;
    entries.StoreInto(s);
    s.mapCols = cols;
    s.mapRows = rows;
    s.maxTurns = maxTurns;
    s.symbolSetName.assign(symbolSetName);
    s.iconName.assign(iconName);
    s.headerByte = 1;
    s.headerWord = 25;
    s.gridLayout = 1;
    s.saveCount = 0;
    if (importedAttrs_)
        next.terrainAttrs = *importedAttrs_;
    if (!next.InitNewBattle(context_.messages))
        return false;

    context_.document.New(std::move(next), std::move(set));
    context_.hexMask = true;
    context_.iconPicture = iconPicture;
    return true;
}
