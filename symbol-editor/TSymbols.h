#pragma once
// The symbol list window ("Map/Board Symbols" / "Game Pieces"). Shows SymbolListLogic and
// forwards the buttons to it; asks the prompts the logic needs.

#include "SymbolListLogic.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class TSymbols : public QDialog, private SymbolListPrompts {
    Q_OBJECT
public:
    TSymbols(QWidget* parent, SymbolListLogic& logic);

protected:
    void done(int result) override;

private:
    bool AskName(NamePromptLogic& prompt) override;
    bool AskUnitSize(UnitSizeLogic& dialog) override;
    bool ConfirmRemove() override;
    void ShowError(const QString& message) override;

    // After every click: close when the logic says so, otherwise show its state.
    void AfterClick();
    void Refresh();

    static constexpr int kThumbnail = 40; // screen pixels of a row's picture
    SymbolListLogic& logic_;
    std::vector<QString> shownRows_; // the rows the thumbnails were made for
    QListWidget* list_;
    QLabel* preview_;
    QLabel* counter_;
    QPushButton* edit_;
    QPushButton* create_;
    QPushButton* copy_;
    QPushButton* rename_;
    QPushButton* remove_;
    QPushButton* up_;
    QPushButton* down_;
};
