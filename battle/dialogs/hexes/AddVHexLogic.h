#pragma once
// The rules of "Terrain Victory Objective": the objective on the current hex, edited in
// place; "Add" stores a new one at once. Changes go through the battle's objective
// operations, which keep the hexes' links.

#include "EditorContext.h"

class AddVHexLogic {
public:
    static constexpr int kNameChars = 20;

    explicit AddVHexLogic(EditorContext& context) : context_(context) {}

    void FormActivate();
    // Refused while the battle holds the most objectives it has room for.
    void AddBtnClick();
    // "Remove": deletes the hex's objective, later ones moving down a number; returns 1.
    int RemBtnClick();
    int ExitClick() { return 1; }
    void SymNameChange(const QString& text);
    void VpUDClick(bool up);

    int shownObjective() const { return shown_; }
    // The name box shows the stored name when opened, and stays empty after "Add".
    QString nameText() const { return nameText_; }
    QString pointsText() const;
    // The group "Symbol" with the name and points.
    bool groupEnabled() const { return shown_ != 0; }
    bool addEnabled() const { return shown_ == 0; }
    bool removeEnabled() const { return shown_ != 0; }

private:
    EditorContext& context_;
    int shown_ = 0;
    QString nameText_;
};
