#pragma once
// The controls the new-battle and battle-settings dialogs have in common: the name
// boxes, the description memo, the turn arrows and the icon, each in its group box.

#include "SettingsEntries.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class UpDownArrows;

struct SettingsControls {
    // parent owns every control; the icon preview is iconSide pixels square.
    SettingsControls(QWidget* parent, int iconSide);

    void ShowEntries(const SettingsEntries& entries);
    SettingsEntries Entries() const;
    void ShowIcon(const QString& iconName, const QImage& preview);

    QGroupBox* nameBox;
    QLineEdit* SNam;
    QGroupBox* sideABox;
    QLineEdit* SideA;
    QGroupBox* sideBBox;
    QLineEdit* SideB;
    QGroupBox* historyBox;
    QPlainTextEdit* History;
    QGroupBox* turnsBox;
    QLabel* GameTurns;
    UpDownArrows* TrnUpDn;
    QGroupBox* iconBox;
    QPushButton* Button2;
    QLabel* IconLbl;
    QLabel* Image1;
};

// A group box with a title and the object name of the control it holds + "Box".
QGroupBox* TitledGroup(const QString& title, const QString& name, QWidget* parent);
QLineEdit* NameBox(const QString& name, QWidget* parent);
QLabel* NamedLabel(const QString& name, QWidget* parent);
QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* parent);
