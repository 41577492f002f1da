#pragma once
// The rules of the unit editor: it creates, edits and removes the unit on the current
// hex. Every control writes its field of the shown unit at once (through the battle's
// operations); "Exit" gathers the fields once more and adds a newly typed wing name.
//
// The window blocks its controls' signals while it shows these values, so no handler
// runs while a unit is being loaded: the handlers below are the designer's actions only.

#include "CommandModes.h"
#include "EditorContext.h"

#include <QImage>
#include <QStringList>

#include <functional>
#include <vector>

// The main window's command modes the unit editor knows.

// The tables of the weapon report the "+" buttons open.
enum WeaponTableKind {
    TableMissileWeapons = 1,
    TableCombatWeapons = 2,
    TableArmour = 3,
    TableShields = 4,
};

constexpr int kUnitNameChars = 20;
constexpr int kWingNameChars = 24;

// What the window shows besides the labels.
struct UnitEditorControls {
    QString heading; // FrmLbl
    bool groupsEnabled = false;
    bool addEnabled = false;
    bool removeEnabled = false;
    bool activationEnabled = false; // AtrnUD
    bool resupplyEnabled = false;   // SplUD
    bool ammoEnabled = false;       // AmmoUpDn
    int sideButton = 0;             // 0 none, 1 ASideBtn, 2 BSideBtn
    int typeButton = 0;             // 0 none, 1 … 3 UType1 … UType3
    bool wingLeader = false;
    QString name;       // SymName
    QString wingText;   // the text of UnitGroup
    int wingIndex = -1; // the wing chosen in UnitGroup (its index in the battle), -1 = none
    int wingRow = -1;   // its row in UnitGroup, whose rows put the side's wings first
    int classIndex = -1;
    int combatIndex = -1;
    int missileIndex = -1;
    int armourIndex = -1;
    int shieldIndex = -1;
    int symbolRow = 0;
    QString sideAName;
    QString sideBName;
    QStringList symbolNames; // TerList
    QStringList classNames;  // UnitRank
    QStringList combatNames; // UnitCombat
    QStringList missileNames;
    QStringList armourNames;
    QStringList shieldNames;
    QStringList wingNames; // UnitGroup, the side's wings first
    QImage preview;        // the map cell, unstretched
    // Why the last action was refused, shown in the editor itself (it stands above the
    // main window's status line); empty when the last action was not refused.
    QString notice;
};

class AddUnitLogic {
public:
    explicit AddUnitLogic(EditorContext& context);

    // Set by the main window before each opening; switched to ModeReinforcements when
    // the current hex carries a reinforcement marker; the main window takes it back.
    // Every mode but ModeUnits edits reinforcements.
    int commandMode = ModeUnits;
    // Opens the weapon tables report modally on a WeaponTableKind.
    std::function<void(int weaponTableKind)> showWeaponTable;

    void FormActivate();

    void AddBtnClick();
    // Deletes the shown unit; the dialog then closes with OK.
    void RemBtnClick();
    // Gathers the fields of the shown unit. False (nothing done, the dialog stays open)
    // when a new wing name was typed but the wing list is full; else the dialog closes
    // with OK.
    bool ExitBtnClick();
    // "Add Another": keeps the unit like "Exit" and, at the next opening on a hex without
    // a unit, adds one like it at once. False as for "Exit".
    bool AddAnotherBtnClick();
    // Whether the next opening on an empty hex adds a unit at once.
    bool addsOnOpening() const { return addOnOpening_; }
    void MslStsClick() { ShowTable(TableMissileWeapons); }
    void ComStsClick() { ShowTable(TableCombatWeapons); }
    void ArmStsClick() { ShowTable(TableArmour); }
    void ShlStsClick() { ShowTable(TableShields); }

    // Arrow steps: up adds 1, down subtracts 1.
    void MenUDClick(bool up);
    void MorUDClick(bool up);
    void MvpUDClick(bool up);
    void VpUDClick(bool up);
    void AmmoUpDnClick(bool up);
    void AtrnUDClick(bool up);
    void SplUDClick(bool up);
    void RateUDClick(bool up);
    void RangeUDClick(bool up);

    void ASideBtnClick() { ChooseSide(1); }
    void BSideBtnClick() { ChooseSide(2); }
    void UType1Click() { ChooseType(1); }
    void UType2Click() { ChooseType(2); }
    void UType3Click() { ChooseType(3); }
    void UnitRankChange(int index);
    void UnitCombatChange(int index);
    void UnitMissleChange(int index);
    void UnitArmorChange(int index);
    void UnitShieldChange(int index);
    void WingLdrBtnClick(bool checked);
    // A wing picked from UnitGroup's list, by its row.
    void UnitGroupChange(int row);
    // A wing name typed into UnitGroup; kept for "Exit".
    void UnitGroupEdit(const QString& text);
    void SymNameChange(const QString& text);
    void TerListClick(int row);

    // The unit shown, 0 = none.
    int shownUnit() const { return shown_; }
    bool reinforcementMode() const { return commandMode != ModeUnits; }
    // The undo step's caption: the unit or reinforcement changes.
    QString StepCaption() const;
    const UnitEditorControls& controls() const { return controls_; }
    // The unit symbol listed in a TerList row; -1 when there is no such row.
    int RowSymbol(int row) const;
    // The wing listed in a UnitGroup row; -1 when there is no such row.
    int RowWing(int row) const;

    // Label texts, "--" for the figures while no unit is shown.
    QString menText() const;
    QString moraleText() const;
    QString movementText() const;
    QString valueText() const;
    QString activationText() const;
    QString resupplyText() const;
    QString ammoText() const;
    QString ratingText() const;
    QString rangeText() const;
    QString combatText() const;
    QString missileText() const;
    QString defenceText() const;
    QString weightText() const;

private:
    bool HasUnit() const;
    const UnitRecord& Shown() const;
    template <class Change> void EditShown(Change change);
    QString Figure(const QString& prefix, int UnitRecord::*field) const;

    void EnableGroups(bool on);
    // Puts the pieces and wings side uses first in TerList and UnitGroup.
    // leaveOut: a unit that counts for neither side (see SideFirstSymbols).
    void OrderListsForSide(int side, int leaveOut = 0);
    void SelectWing(int wing);
    void Refuse(const QString& reason);
    void LoadShownUnit();
    void SelectRow(int row);
    void ChooseSide(int side);
    void ChooseType(int type);
    void ShowTable(int kind);
    // The marker of the current hex for the shown unit: its side's marker while it is a
    // reinforcement, none while it stands on the map from the start.
    void MarkCurrentHex();
    int ResolveWing();

    EditorContext& context_;
    UnitEditorControls controls_;
    std::vector<int> setSymbols_; // zero-based unit symbols in the set's display order
    std::vector<int> rowSymbols_; // zero-based unit symbol of each TerList row
    std::vector<int> wingRows_;   // wing index of each UnitGroup row
    int shown_ = 0;
    int reinforcementSide_ = 1;
    bool addOnOpening_ = false;
};
