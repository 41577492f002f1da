#pragma once
// "Check Battle": the battle's mistakes in a dockable list, errors first, and their count
// for the status line. It only reads the battle: the main window calls Refresh after every
// change and is told which hex a double click chose.

#include "BattleCheck.h"

#include <QDockWidget>

#include <functional>

class Battle;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
struct Definitions;
struct LoadedSymbolSet;

class CheckDock : public QDockWidget {
    Q_OBJECT
public:
    // `battle` gives the battle shown, or nullptr when there is none; `set` its symbol set.
    // The icon is looked for in the "icons" folder of `programFolder`.
    CheckDock(std::function<const Battle*()> battle, std::function<const LoadedSymbolSet&()> set,
              const Definitions& defs, const QString& programFolder, QWidget* parent = nullptr);

    // Checks the battle again when the list is open; a closed list costs nothing.
    void Refresh();
    const std::vector<BattleProblem>& problems() const { return problems_; }
    QTreeWidget* list() const { return list_; }
    // "3 errors, 5 warnings" while the list is open, empty otherwise: for the status line.
    QLabel* countLabel() const { return count_; }

signals:
    // A double click on a problem that has a place on the map.
    void hexChosen(int hex);

private:
    void Show(std::vector<BattleProblem> problems);
    void RowActivated(QTreeWidgetItem* item);

    std::function<const Battle*()> battle_;
    std::function<const LoadedSymbolSet&()> set_;
    const Definitions& defs_;
    QString programFolder_;
    std::vector<BattleProblem> problems_;
    QTreeWidget* list_ = nullptr;
    QLabel* count_ = nullptr;
};
