#include "BattlePreferences.h"

#include "AtomicWrite.h"

#include <QFile>

namespace {

// Each preference: its key, its place and the values it may take.
struct Entry {
    const char* key;
    int BattlePreferences::*value;
    int lowest, highest;
};
constexpr Entry kEntries[] = {
    {"MapScale", &BattlePreferences::mapScale, kDesktopMapScale, kMaxMapScale},
    {"RegionLayers", &BattlePreferences::regionLayers, 0, 127},
    {"Overview", &BattlePreferences::showOverview, 0, 1},
    {"OverviewScale", &BattlePreferences::overviewScale, 1, 3},
};

} // namespace

BattlePreferences ParseBattlePreferences(const QByteArray& text) {
    BattlePreferences prefs;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        bool ok = false;
        const int value = line.mid(equals + 1).trimmed().toInt(&ok);
        for (const Entry& e : kEntries)
            if (line.left(equals).trimmed() == e.key && ok && value >= e.lowest &&
                value <= e.highest)
                prefs.*e.value = value;
    }
    return prefs;
}

QByteArray FormatBattlePreferences(const BattlePreferences& prefs) {
    QByteArray text;
    for (const Entry& e : kEntries)
        text += QByteArray(e.key) + '=' + QByteArray::number(prefs.*e.value) + '\n';
    return text;
}

BattlePreferences ReadBattlePreferences(const QString& programFolder) {
    QFile file(programFolder + '/' + kBattlePreferencesFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseBattlePreferences(file.read(4096));
}

bool WriteBattlePreferences(const QString& programFolder, const BattlePreferences& prefs) {
    return bool(WriteFileAtomically(programFolder + '/' + kBattlePreferencesFile,
                                    FormatBattlePreferences(prefs)));
}
