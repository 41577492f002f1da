#pragma once
// Typing the value of a field that arrows step: a click on the value's label opens an
// entry over it; Enter or leaving the entry (a click elsewhere, "Exit") takes the typed
// number, Escape alone leaves the value as it was. Tab takes it and goes on to the next
// such value in the window (column by column, top to bottom), Shift+Tab to the one before; after
// Enter the keyboard is the window's, so a second Enter presses its default button and no other
// field's text lies selected under the typing. The number is reached with the arrows' own
// steps, so it keeps to their range and steps, and the dialog's rules see nothing but arrow clicks
// (their clicking sound is played once, not for every step).

#include <QObject>

class QLabel;
class QLineEdit;
class SoundEffects;
class UpDownArrows;

class TypedValueEntry : public QObject {
    Q_OBJECT
public:
    // Lives as long as the label; `sounds` may be null.
    static TypedValueEntry* Attach(QLabel* valueLabel, UpDownArrows* arrows, SoundEffects* sounds);

    // Opens the entry, when the label shows a number; true when it did.
    bool Open();
    // The entry while it is open, else null.
    QLineEdit* editor() const { return editor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TypedValueEntry(QLabel* valueLabel, UpDownArrows* arrows, SoundEffects* sounds);
    void Commit();
    void Close();
    // The window's typed values column by column, this one's neighbour `step` away.
    TypedValueEntry* Neighbour(int step) const;

    QLabel* label_;
    UpDownArrows* arrows_;
    SoundEffects* sounds_;
    QLineEdit* editor_ = nullptr;
};
