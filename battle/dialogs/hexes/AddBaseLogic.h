#pragma once
// The rules of "Structures": the structure standing on the current hex, shown, changed
// and stored on "Exit", or a new one prepared by "Add" that exists only here until
// "Exit" stores it. The values reach the battle only through its structure operations,
// which keep the hexes' links.

#include "EditorContext.h"
#include "TerrainList.h"

class AddBaseLogic {
public:
    static constexpr int kNameChars = 27; // what the record's name field holds

    explicit AddBaseLogic(EditorContext& context) : context_(context) {}

    void FormActivate();
    void AddBtnClick();
    // "Exit": stores the shown or new structure (a new one only while there is room);
    // returns 1.
    int Button1Click();
    // "Remove": deletes the hex's structure, later ones moving down a number; returns 1.
    int RemBtnClick();
    void TerListClick(int row);
    void DefUDClick(bool up);
    void RSplUDClick(bool up);
    void ElvUDClick(bool up);
    void SymNameChange(const QString& text) { name_ = text.left(kNameChars); }
    void ASideBtnClick();
    void BSideBtnClick();

    int shownStructure() const { return shown_; }
    bool isNew() const { return new_; }
    QString name() const { return name_; }
    bool sideAChecked() const { return sideA_; }
    bool sideAEnabled() const { return sideAEnabled_; }
    bool sideBEnabled() const { return sideBEnabled_; }
    QString sideACaption() const { return context_.battle().settings.sideAName.text(); }
    QString sideBCaption() const { return context_.battle().settings.sideBName.text(); }
    // The groups "Faction", "Name", "Symbol" and "Statistics".
    bool groupsEnabled() const { return groupsEnabled_; }
    bool addEnabled() const { return addEnabled_; }
    bool removeEnabled() const { return removeEnabled_; }
    QString defenceText() const { return QStringLiteral("Defensive Mod: %1").arg(defence_); }
    QString supplyText() const { return QStringLiteral("Supply Level: %1").arg(supply_); }
    QString heightText() const { return QStringLiteral("Height: %1").arg(height_); }
    const TerrainList& rows() const { return list_; }
    int row() const { return row_; }
    int arrowPosition() const { return arrowPosition_; }
    const QImage& preview() const { return preview_; }

private:
    const HexRecord* CurrentHex() const;
    int UnitSideOnHex() const; // 0 when no unit stands on the current hex
    void Load(const StructureRecord& r);
    StructureRecord Record() const;
    void Draw();

    EditorContext& context_;
    TerrainList list_;
    int shown_ = 0;
    bool new_ = false;
    QString name_;
    bool sideA_ = true;
    bool sideAEnabled_ = true;
    bool sideBEnabled_ = true;
    bool groupsEnabled_ = false;
    bool addEnabled_ = true;
    bool removeEnabled_ = false;
    int defence_ = 0;
    int supply_ = 1;
    int height_ = 1;
    int row_ = 0;
    int arrowPosition_ = 0;
    QImage preview_;
};
