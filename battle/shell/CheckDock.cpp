#include "CheckDock.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"

#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

namespace {
enum Column { KindColumn, HexColumn, RecordColumn, MessageColumn };
}

CheckDock::CheckDock(std::function<const Battle*()> battle,
                     std::function<const LoadedSymbolSet&()> set, const Definitions& defs,
                     const QString& programFolder, QWidget* parent)
    : QDockWidget(QStringLiteral("Check Battle"), parent), battle_(std::move(battle)),
      set_(std::move(set)), defs_(defs), programFolder_(programFolder) {
    setObjectName(QStringLiteral("CheckDock"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("CheckList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Hex"), QStringLiteral("Record"),
                            QStringLiteral("Problem")});
    list_->header()->setStretchLastSection(true);
    list_->setToolTip(QStringLiteral("Double click a line to show its hex on the map."));
    setWidget(list_);
    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("CheckCount"));
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { RowActivated(item); });
    // Opened again after being closed: what changed meanwhile is shown at once.
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            Refresh();
        else if (isHidden())
            count_->clear();
    });
}

void CheckDock::Refresh() {
    if (isHidden())
        return;
    const Battle* battle = battle_();
    Show(battle ? CheckBattle(*battle, SummaryOf(set_()), defs_, programFolder_)
                : std::vector<BattleProblem>{});
    count_->setText(battle ? ProblemCountText(CountProblems(problems_)) : QString());
}

void CheckDock::Show(std::vector<BattleProblem> problems) {
    if (problems.size() == problems_.size() &&
        std::equal(problems.begin(), problems.end(), problems_.begin(),
                   [](const BattleProblem& a, const BattleProblem& b) {
                       return a.check == b.check && a.hex == b.hex && a.record == b.record &&
                              a.message == b.message;
                   }))
        return; // the same list: the designer's place and selection in it stay
    problems_ = std::move(problems);
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    list_->setUpdatesEnabled(false);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(problems_.size()));
    for (size_t i = 0; i < problems_.size(); ++i) {
        const BattleProblem& p = problems_[i];
        const bool isError = p.severity == Severity::Error;
        auto* item =
            new QTreeWidgetItem({isError ? QStringLiteral("Error") : QStringLiteral("Warning"),
                                 p.hexLabel, p.record, p.message});
        item->setIcon(KindColumn, isError ? error : warning);
        item->setData(KindColumn, Qt::UserRole, int(i));
        item->setToolTip(MessageColumn, p.message);
        items.append(item);
    }
    list_->addTopLevelItems(items);
    for (int c : {KindColumn, HexColumn, RecordColumn})
        list_->resizeColumnToContents(c);
    list_->setUpdatesEnabled(true);
}

void CheckDock::RowActivated(QTreeWidgetItem* item) {
    const int i = item ? item->data(KindColumn, Qt::UserRole).toInt() : -1;
    if (i >= 0 && size_t(i) < problems_.size() && problems_[size_t(i)].hex != kNoHex)
        emit hexChosen(problems_[size_t(i)].hex);
}
