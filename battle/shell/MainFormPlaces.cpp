// The main window's keys and places: Alt+letter menus, F1 for help, Ctrl+S for a battle
// never saved, and where the window, the terrain picker and its secondary list stood when
// the editor last closed (kept in "fmbattle.prf").
#include "BattlePreferences.h"
#include "TMainForm.h"
#include "TSelectTer.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

void TMainForm::AddMenuKeys() {
    // The first letters of the menus' captions are all different.
    for (QAction* menu : menuBar()->actions()) {
        if (!menu->text().isEmpty() && !menu->text().contains(QLatin1Char('&')))
            menu->setText(QLatin1Char('&') + menu->text());
    }
    // After the command keys went to the map: help answers wherever the keyboard is.
    actions_.helpIndex->setShortcut(QKeySequence::HelpContents);
    // "Save Battle" stays disabled until a first Save As; its key opens Save As meanwhile.
    actions_.saveUntitledKey = new QAction(QStringLiteral("Save Battle As..."), this);
    actions_.saveUntitledKey->setObjectName(QStringLiteral("SaveUntitledKey"));
    actions_.saveUntitledKey->setShortcut(QKeySequence::Save);
    actions_.saveUntitledKey->setEnabled(false);
    addAction(actions_.saveUntitledKey);
    connect(actions_.saveUntitledKey, &QAction::triggered, this, [this] { SaveBattleAs(); });
}

void TMainForm::RestorePlaces() {
    const BattlePreferences prefs = ReadBattlePreferences(programFolder_);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // A place off every screen (another monitor gone) is not taken.
    if (!prefs.window.isEmpty() && (area.isEmpty() || area.intersects(prefs.window)))
        setGeometry(prefs.window);
    if (prefs.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (area.isEmpty() || area.contains(prefs.pickerAt))
        selectTer_->placedAt = prefs.pickerAt;
    selectTer_->secondaryTop = prefs.secondaryListTop;
}

void TMainForm::RememberPlaces() {
    if (selectTer_->isVisible())
        selectTer_->RememberPlace();
    const QRect window = isMaximized() ? normalGeometry() : geometry();
    const bool maximised = isMaximized();
    const QPoint picker = selectTer_->placedAt;
    const int secondaryTop = selectTer_->secondaryTop;
    UpdateBattlePreferences(programFolder_, [&](BattlePreferences& prefs) {
        prefs.window = window;
        prefs.maximised = maximised;
        prefs.pickerAt = picker;
        prefs.secondaryListTop = secondaryTop;
    });
}
