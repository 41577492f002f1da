// The battle editor's side of seeing new art at once: when the shown battle's set changed on
// disk, the designer is asked, and the set is taken in without touching the battle, its view
// or its undo history.
#include "AboveToolWindows.h"
#include "MapWidget.h"
#include "SetReload.h"
#include "TMainForm.h"
#include "TSelectTer.h"

#include <QMessageBox>

void TMainForm::OfferSetReload(const QString& setName) {
    if (!battleActive() || setName != document_.battle().settings.symbolSetName.text())
        return;
    QMessageBox ask(QMessageBox::Question, QStringLiteral("Symbol Set Changed"),
                    SetReloadQuestion(setName), QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("SetReloadOffer"));
    KeepAboveToolWindows(&ask);
    if (ask.exec() != QMessageBox::Yes)
        return;
    LoadedSymbolSet set = document_.symbols();
    if (!ReloadSymbolSet(BattlesFolder(), setName, document_.battle(), set, context_.messages))
        return;
    // The picker lists the rows of the set it was filled from.
    selectTer_->close();
    document_.ReplaceSymbols(std::move(set));
    context_.hexMask = document_.symbols().realHex != 0;
    renderer_.hexMask = context_.hexMask;
    renderer_.RebuildMapBuffer(mapWin_->viewWidth(), mapWin_->viewHeight(), context_.messages);
    RedrawAll();
    SetStatus(QStringLiteral("Symbol set %1 reloaded.").arg(setName));
}
