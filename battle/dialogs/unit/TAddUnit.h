#pragma once
// The unit editor's window: creates, edits and removes the unit on the current hex.
// Before exec(): the context's currentHex and logic().commandMode (ModeUnits or
// ModeReinforcements); logic().showWeaponTable opens the weapon tables report. exec()
// returns 1 after "Exit" or "Remove" (the map wants a redraw); afterwards
// logic().commandMode tells whether the hex's marker switched the editor to
// reinforcements. The window has no frame; Escape leaves it like "Exit".

#include "AddUnitLogic.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class UpDownArrows;

class TAddUnit : public QDialog {
    Q_OBJECT
public:
    explicit TAddUnit(EditorContext& context, QWidget* parent = nullptr);

    AddUnitLogic& logic() { return logic_; }

    static constexpr int kOk = 1;

public slots:
    // Escape leaves the editor like "Exit": the controls have written their fields already.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* Group(const QString& title);
    QLabel* Label(const QString& name);
    UpDownArrows* Arrows(const QString& name, void (AddUnitLogic::*step)(bool));
    QComboBox* List(const QString& name, void (AddUnitLogic::*change)(int));
    QPushButton* InfoButton(const QString& name, const QString& hint,
                            void (AddUnitLogic::*click)());
    QRadioButton* Choice(const QString& caption, const QString& name,
                         void (AddUnitLogic::*click)());
    void BuildLayout();
    void FillLists();
    void Refresh();
    void ShowCaptionColours();
    // Takes the wing as the box shows it, then leaves like "Exit" (or "Add Another").
    void Leave(bool addAnother);
    void OfferNameForTyping();

    AddUnitLogic logic_;
    std::vector<QGroupBox*> groups_; // enabled and disabled together
    QGroupBox* strengthBox_ = nullptr;
    QLabel* FrmLbl_ = nullptr;
    QListWidget* TerList_ = nullptr;
    QLabel* Image1_ = nullptr;
    QLineEdit* SymName_ = nullptr;
    QRadioButton* ASideBtn_ = nullptr;
    QRadioButton* BSideBtn_ = nullptr;
    QRadioButton* UType1_ = nullptr;
    QRadioButton* UType2_ = nullptr;
    QRadioButton* UType3_ = nullptr;
    QCheckBox* WingLdrBtn_ = nullptr;
    QComboBox* UnitRank_ = nullptr;
    QComboBox* UnitCombat_ = nullptr;
    QComboBox* UnitMissle_ = nullptr;
    QComboBox* UnitArmor_ = nullptr;
    QComboBox* UnitShield_ = nullptr;
    QComboBox* UnitGroup_ = nullptr;
    UpDownArrows* MenUD_ = nullptr;
    UpDownArrows* MorUD_ = nullptr;
    UpDownArrows* MvpUD_ = nullptr;
    UpDownArrows* VpUD_ = nullptr;
    UpDownArrows* AtrnUD_ = nullptr;
    UpDownArrows* SplUD_ = nullptr;
    UpDownArrows* AmmoUpDn_ = nullptr;
    UpDownArrows* RateUD_ = nullptr;
    UpDownArrows* RangeUD_ = nullptr;
    QLabel* MenLbl_ = nullptr;
    QLabel* MorLbl_ = nullptr;
    QLabel* MvpLbl_ = nullptr;
    QLabel* VptLbl_ = nullptr;
    QLabel* ActLbl_ = nullptr;
    QLabel* SplLbl_ = nullptr;
    QLabel* AmmoLbl_ = nullptr;
    QLabel* RateLbl_ = nullptr;
    QLabel* RngLbl_ = nullptr;
    QLabel* CStrLbl_ = nullptr;
    QLabel* FStrLbl_ = nullptr;
    QLabel* DStrLbl_ = nullptr;
    QLabel* WgtLbl_ = nullptr;
    QPushButton* AddBtn_ = nullptr;
    QPushButton* RemBtn_ = nullptr;
    QPushButton* ExitBtn_ = nullptr;
    QPushButton* AddAnotherBtn_ = nullptr;
    QLabel* NoticeLbl_ = nullptr;
};
