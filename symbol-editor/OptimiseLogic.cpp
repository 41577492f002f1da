#include "OptimiseLogic.h"

OptimiseLogic::OptimiseLogic(SymbolSet& set) : set_(set) {}

void OptimiseLogic::FormShow() {
    enabled = {true, true, true};
    startEnabled = true;
    levelLabel.clear();
    status = QStringLiteral("Select Start to Optimize Sets.");
    progress = 0;
    for (int k = 0; k < kKindCount; ++k) {
        const SymbolKind kind = KindAt(k);
        const bool present = kind == SymbolKind::Terrain || set_.count(kind) > 0;
        ticked[k] = present && set_.count(kind) > 0 && OptimiseWorthwhile(set_, kind);
        if (!present) {
            enabled[k] = false;
            ticked[k] = false;
        }
    }
}

QString OptimiseLogic::LevelLabel(SymbolKind kind, int level) {
    const char* name = kind == SymbolKind::Terrain ? "Terrain"
                       : kind == SymbolKind::Unit  ? "Unit"
                                                   : "Mask";
    return QLatin1String(name) + QStringLiteral(" Level ") + QString::number(level);
}

SetResult OptimiseLogic::StartClick(const Update& update) {
    status = QStringLiteral("Working...");
    const std::array<bool, kKindCount> chosen = ticked;
    const SetResult result = OptimiseSet(set_, chosen, [&](const OptimiseProgress& p) {
        levelLabel = LevelLabel(p.kind, p.level);
        progressMaximum = std::max(1, p.total);
        progress = p.done;
        if (update)
            update(p);
    });
    if (!result) {
        status = result.message;
        return result;
    }
    ticked = {false, false, false};
    startEnabled = false;
    status = QStringLiteral("Done");
    return result;
}
