#include "WindowFixtures.h"

#include "SetMaintenance.h"
#include "SymbolStorage.h"
#include "TMainForm.h"

#include <QDir>

bool WriteTestSet(const QString& programFolder) {
    if (!QDir(programFolder).mkpath("Battles"))
        return false;
    SymbolSet set;
    if (!CreateNewSet(set, programFolder, LayoutVertical, true, {15, 30, 45}).ok)
        return false;
    for (int i = 0; i < 10; ++i)
        if (!AddSymbol(set, SymbolKind::Terrain, "t", {}, qRgb(30 * i, 100, 50)).ok)
            return false;
    return SaveSetTo(set, programFolder + "/new.set", programFolder + "/Battles/test.set").ok;
}

std::unique_ptr<TMainForm> ShowMainWindow(const QString& programFolder, QStringList& warnings) {
    auto form = std::make_unique<TMainForm>(
        programFolder, [&warnings](const QString&, const QString& text) { warnings << text; });
    form->show();
    return form;
}
