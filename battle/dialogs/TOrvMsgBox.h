#pragma once
// The editor's own message box: a numbered message with "Ok", or "Yes" and "No".
// Created once by the main window and refilled at each showing.

#include "OrvMessages.h"

#include <QDialog>

class QLabel;
class QPushButton;
class SoundEffects;

class TOrvMsgBox : public QDialog {
    Q_OBJECT
public:
    explicit TOrvMsgBox(SoundEffects& sounds, QWidget* parent = nullptr);

    // Set by the caller immediately before showing the box.
    int messageNumber = 0;
    int buttonMode = OrvOneButton;

    // Sets both values and shows the box modally: OrvYes (also "Ok") or OrvNo. Escape or
    // closing the window without a button answers OrvCancelled.
    int Ask(int number, int mode);
    // Asks through this box; for the logic classes of the other dialogs.
    MessageBoxShower Shower() {
        return [this](int number, int mode) { return Ask(number, mode); };
    }

    // Buttons from the mode, text and title from the number, the refusal sound.
    void FormActivate();

public slots:
    void reject() override { done(OrvCancelled); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    SoundEffects& sounds_;
    QLabel* label1_;
    QPushButton* yesbtn_;
    QPushButton* nobtn_;
    QPushButton* canbtn_;
};
