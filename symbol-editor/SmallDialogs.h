#pragma once
// The editor's small modal dialogs: the save question, the kind choice, the new-set choice,
// the transparent colour, the symbol name and the airbrush settings.

#include "AirBrush.h"
#include "NamePrompts.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

// Makes `edit` refuse characters a set file cannot hold; the returned label (to be placed
// below the field) says why while a refused character was the last thing typed.
QLabel* RefuseOutsideLatin1(QLineEdit* edit);

// A question answered by one of several buttons; exec() returns the button's value.
class ButtonChoiceDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        QString label;
        int value;
    };
    ButtonChoiceDialog(QWidget* parent, const QString& caption, const QString& text,
                       const std::vector<Choice>& choices, int closeValue);
    int Ask();

private:
    int answer_;
};

// TGetUsr: Yes = 1, No = 2, Cancel = 3.
int TGetUsr(QWidget* parent, const QString& caption, const QString& question);
// TGetChoice "Edit/Create Symbols": "Map/Board Symbols" = 1, "Game Pieces" = 2, -1.
int TGetChoice(QWidget* parent);
// TGetNewSet "New Symbol Set": "Create a New Set" = 1, "Copy an Existing Set" = 2, -1.
int TGetNewSet(QWidget* parent);
// The duplicate-name question of the name prompts.
int AskDuplicateName(QWidget* parent);

// TGetColor "Set X-Color": the current colour and eight swatches.
class TGetColor : public QDialog {
    Q_OBJECT
public:
    TGetColor(QWidget* parent, QRgb current);
    QRgb colour() const { return colour_; }
    static const std::array<QRgb, 8> kSwatches;

private:
    void ShowColour();
    QRgb colour_;
    QLabel* current_;
};

// TGetTxt "Enter Symbol Name:".
class TGetTxt : public QDialog {
    Q_OBJECT
public:
    TGetTxt(QWidget* parent, NamePromptLogic& logic);

private:
    void OKBtnClick();
    NamePromptLogic& logic_;
    QLineEdit* name_;
};

// TAirBrshSet "Airbrush Settings".
class TAirBrshSet : public QDialog {
    Q_OBJECT
public:
    TAirBrshSet(QWidget* parent, const AirBrushSettings& current);
    AirBrushSettings values() const { return logic_.values(); }

private:
    void Refresh();
    AirBrushSettingsLogic logic_;
    QLabel* size_;
    QLabel* flow_;
};

// An up/down arrow pair, as the dialogs' spins.
// A three-digit value field the user can type into, as well as step with its spin; the
// typed value goes to `typed` when the field is left or Enter is pressed.
QLineEdit* MakeValueField(QWidget* parent, const std::function<void(int)>& typed);
QWidget* MakeSpin(QWidget* parent, const std::function<void()>& up,
                  const std::function<void()>& down);
