#pragma once
// "Optimize Symbol File Layout": which kinds are worth repacking, and the run that repacks
// them with its level label, progress and status texts.

#include <SetMaintenance.h>

#include <QString>

#include <functional>

class OptimiseLogic {
public:
    explicit OptimiseLogic(SymbolSet& set);

    // Order of the options: terrain, units, masks.
    std::array<bool, kKindCount> ticked{};
    std::array<bool, kKindCount> enabled{};
    bool startEnabled = true; // "Start" and the group
    QString status;
    QString levelLabel;
    int progress = 0;
    int progressMaximum = 1;

    void FormShow();
    // Called after every record moved, so the window can show the progress.
    using Update = std::function<void(const OptimiseProgress&)>;
    SetResult StartClick(const Update& update = {});

    static QString LevelLabel(SymbolKind kind, int level);

private:
    SymbolSet& set_;
};
