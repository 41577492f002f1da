#pragma once
// The rules of the new-battle dialog. The dialog works on its own copies of the turns,
// set and icon and touches the battle only when OK succeeds, so Cancel (and a refused
// OK) leaves the battle shown, its set, its icon and its turns exactly as they were.

#include "EditorContext.h"
#include "NewBattleAttrs.h"
#include "OrvMessages.h"
#include "SettingsEntries.h"
#include "TerrainAttrImport.h"

#include <optional>

class NewMapLogic {
public:
    explicit NewMapLogic(EditorContext& context);

    MessageBoxShower showMessage;

    // Typed by the designer; kept from one opening to the next except the battle name.
    SettingsEntries entries{QString(), QStringLiteral("Western Forces"),
                            QStringLiteral("Eastern Forces"), QStringLiteral("History")};
    // The map size offered, kept from one opening to the next.
    int rows = 0;
    int cols = 0;
    // Set by the main window before each opening: without a battle shown the terrain
    // attributes come from the last battle on the chosen set (or the stock sample).
    bool battleShown = true;
    // Copies of the battle's values, taken at each opening.
    int maxTurns = 0;
    QString symbolSetName;
    QString iconName;
    QImage iconPicture;

    void FormActivate();
    void RowUpDnClick(bool up) { rows = StepMapSide(rows, up); }
    void ColUpDnClick(bool up) { cols = StepMapSide(cols, up); }
    void TrnUpDnClick(bool up) { maxTurns = StepTurns(maxTurns, up); }
    // The set file the designer chose; false (nothing changed) when its name cannot be
    // stored.
    bool Button1Click(const QString& chosenPath);
    // The icon file the designer chose; false (nothing changed, a warning shown) when it
    // is no picture or its name cannot be stored.
    bool Button2Click(const QString& chosenPath);
    // The battle file whose terrain attributes (names, elevation, costs, defences) the
    // new battle takes instead of those of the battle shown; read at once, so a file
    // that cannot be read is refused here (message shown, false, choice unchanged).
    bool ImportAttrsClick(const QString& chosenPath);
    // Checks the names, loads the chosen set and only then replaces the editor's battle
    // and set with the new empty battle. False keeps the dialog open and the battle as
    // it was; the refusal or the loader's messages have been shown.
    bool OKClick();

    QString rowsText() const { return QStringLiteral("Rows: %1").arg(rows); }
    QString colsText() const { return QStringLiteral("Cols: %1").arg(cols); }
    QString totalHexesText() const { return QStringLiteral("Total Hexes: %1").arg(rows * cols); }
    QString turnsText() const { return QStringLiteral("Max Turns: %1").arg(maxTurns); }
    // Where the new battle's terrain attributes come from: "From the battle shown", the
    // last battle on the set, the stock sample, "None: every cost is 0", or the name of
    // the file chosen with "Import From...".
    QString attrsText() const;
    QImage iconPreview() const { return IconPreview(iconPicture, kPreviewSide); }

    static constexpr int kPreviewSide = 60;

private:
    // The attributes offered for symbolSetName until the designer imports others.
    void OfferAttrsForSet();

    EditorContext& context_;
    // Chosen for this opening only.
    std::optional<TerrainAttrTable> importedAttrs_;
    QString importedFrom_;
    bool importChosen_ = false; // by the designer, kept when the set changes
};
