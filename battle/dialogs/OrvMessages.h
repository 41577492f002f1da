#pragma once
// The editor's numbered questions and notices, shown by TOrvMsgBox, and the way logic
// classes ask for one without holding a window.

#include <QString>

#include <functional>

enum OrvButtonMode {
    OrvOneButton = 1,  // "Ok"
    OrvTwoButtons = 2, // "Yes" and "No"
};

enum OrvAnswer {
    OrvYes = 1, // also "Ok"
    OrvNo = 2,
    OrvCancelled = 3, // Escape or the close box: the command that asked does not go on
};

enum OrvMessageNumber {
    MsgSaveChanges = 1,
    MsgKeepTerrainFill = 7,
    MsgNeedBattleName = 10,
    MsgNeedFactionNames = 12,
    MsgNoUnits = 13,
    MsgNoReinforcements = 14,
};

struct OrvMessage {
    QString text;
    QString title;
};

// Text and title of a message; both empty for a number the table does not have.
OrvMessage OrvMessageText(int messageNumber);

// Shows message messageNumber with buttonMode buttons and returns the answer (OrvYes,
// OrvNo or OrvCancelled). The window wires it to its TOrvMsgBox; tests record the requests.
using MessageBoxShower = std::function<int(int messageNumber, int buttonMode)>;
