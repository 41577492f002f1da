#pragma once
// The rules of the terrain picker: it chooses the editor's current terrain selection and
// edits the battle's attributes of the shown terrain (name, elevation, cost per move,
// defensive modifier) at once, so they stay whichever way the picker ends.

#include "CommandModes.h"
#include "EditorContext.h"
#include "TerrainList.h"

class SelectTerLogic {
public:
    enum Result { ResultOk = 1, ResultCancel = 2 };
    static constexpr int kNameChars = 20;
    inline static const QString kNoTerrainName = QStringLiteral("No terrain (Clear)");

    explicit SelectTerLogic(EditorContext& context) : context_(context) {}

    // Set by the caller before each opening.
    int kind = PickerPrimary;
    bool modal = false;

    void FormActivate();
    void TerListClick(int row);
    void ElvUpDnClick(bool up);
    void CpmUpDnClick(bool up);
    void DefUpDnClick(bool up);
    void SymNameChange(const QString& text);
    int Button1Click() { return ResultOk; }
    int Button2Click() { return ResultCancel; }
    // "Clear": no terrain, and the fill goes on with it.
    int Button3Click();

    QString caption() const;
    bool buttonsShown() const { return modal; }
    const TerrainList& rows() const { return list_; }
    int row() const { return row_; } // -1 when the selection is not listed
    // The terrain whose values are shown and edited: the selection when it is listed,
    // else none (kNoSymbol), so a cleared selection never indexes the table.
    int shownSymbol() const { return shown_; }
    // False while the selection is cleared: no name or values to show or edit.
    bool valuesShown() const { return ShownAttr() != nullptr; }
    // What OK or a click on the map lays: the selection's name, or "No terrain" while
    // the selection is cleared.
    QString symbolName() const;
    QString name() const;
    QString elevationText() const { return ValueText(&TerrainAttr::elevation); }
    QString costText() const { return ValueText(&TerrainAttr::costPerMove); }
    QString defenceText() const { return ValueText(&TerrainAttr::defenceModifier); }
    int arrowPosition() const { return arrowPosition_; }
    const QImage& preview() const { return preview_; }

private:
    const TerrainAttr* ShownAttr() const;
    // Changes the shown terrain's attributes as one undo step; the edits of one terrain in
    // a row join into one.
    void EditShown(const std::function<void(TerrainAttr&)>& change);
    QString ValueText(int TerrainAttr::*field) const;
    void ShowStep();

    EditorContext& context_;
    TerrainList list_;
    int row_ = 0;
    int shown_ = kNoSymbol;
    int arrowPosition_ = 0;
    QImage preview_;
};
