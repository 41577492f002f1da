#pragma once
// Every dialog and question of the editor opens through here, so that it comes up above the
// window it was opened from and above every window of the program that stays on top (such
// a window would otherwise cover a modal dialog, and the program would look frozen).

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

// Gives `dialog` the stay-on-top hint when any other visible window of the program has it.
void PlaceAbove(QWidget* dialog);
// PlaceAbove, then the modal loop.
int ExecAbove(QDialog& dialog);

// A file to open: the typed name need not exist as typed (the caller appends the missing
// extension and checks). Empty when cancelled.
QString AskOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter);
// `defaultSuffix` (without the dot) is added by the dialog to a name typed without one. The
// dialog asks nothing about an existing file: the caller asks about the final name.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter, const QString& defaultSuffix);
// "<path> already exists. Do you want to replace it?"; true for Yes.
bool AskReplace(QWidget* parent, const QString& caption, const QString& path);
// The platform's colour chooser; an invalid colour when cancelled.
QColor AskColour(QWidget* parent, QColor initial, const QString& title);
// The platform's font chooser; `ok` tells whether one was chosen.
QFont AskFont(QWidget* parent, bool& ok, const QFont& initial, const QString& title);
// A plain message box with one OK button (or OK and Cancel); true for OK.
bool ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text, bool withCancel = false);
