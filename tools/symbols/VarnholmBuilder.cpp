#include "VarnholmBuilder.h"

#include "SetMaintenance.h"
#include "SymbolStorage.h"
#include "VarnholmCatalogue.h"
#include "VarnholmNumbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

static LevelPictures PicturesOf(const SymbolPlan& plan) {
    return {plan.picture(1), plan.picture(2), plan.picture(3)};
}

static SetResult StorePlanned(SymbolSet& set, SymbolKind kind, int number, const SymbolPlan& plan) {
    return StoreSymbol(set, kind, number, PicturesOf(plan), plan.transparent);
}

static SetResult AddTerrain(SymbolSet& set, const std::vector<SymbolPlan>& plan) {
    // The new set's record 1 ("Blank") becomes the first planned symbol: every hex of a
    // new battle starts with symbol 0, so it is the plain ground.
    set.record(SymbolKind::Terrain, 1).name = plan[0].name;
    if (SetResult r = StorePlanned(set, SymbolKind::Terrain, 1, plan[0]); !r)
        return r;
    for (size_t i = 1; i < plan.size(); ++i) {
        const int number = int(i) + 1;
        if (SetResult r = AddSymbol(set, SymbolKind::Terrain, plan[i].name, {}, qRgb(0, 0, 0)); !r)
            return r;
        if (SetResult r = StorePlanned(set, SymbolKind::Terrain, number, plan[i]); !r)
            return r;
    }
    return SetResult::Success();
}

static SetResult AddUnits(SymbolSet& set, const std::vector<SymbolPlan>& plan) {
    for (size_t i = 0; i < plan.size(); ++i) {
        const LevelPictures pictures = PicturesOf(plan[i]);
        const std::array<QSize, kLevelCount> sizes = {pictures[0].size(), pictures[1].size(),
                                                      pictures[2].size()};
        if (SetResult r = AddSymbol(set, SymbolKind::Unit, plan[i].name, sizes, qRgb(0, 0, 0)); !r)
            return r;
        if (SetResult r =
                StoreSymbol(set, SymbolKind::Unit, int(i) + 1, pictures, plan[i].transparent);
            !r)
            return r;
    }
    return SetResult::Success();
}

SetResult BuildVarnholmSet(const QString& setPath) {
    QTemporaryDir work;
    if (!work.isValid())
        return SetResult::Failure(QStringLiteral("Cannot create a working folder."));
    SymbolSet set;
    if (SetResult r = CreateNewSet(set, work.path(), LayoutVertical, true, kVarnholmHexSizes); !r)
        return r;
    if (SetResult r = AddTerrain(set, VarnholmTerrainPlan()); !r)
        return r;
    if (SetResult r = AddUnits(set, VarnholmUnitPlan()); !r)
        return r;
    if (SetResult r = ResetOrder(set); !r)
        return r;
    if (SetResult r = set.WriteSetFile(); !r)
        return r;
    if (!QDir().mkpath(QFileInfo(setPath).absolutePath()))
        return SetResult::Failure(QStringLiteral("Cannot create the folder of ") + setPath);
    return SaveSetTo(set, set.setPath, setPath);
}
