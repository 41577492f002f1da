#include "BattlePreferences.h"

#include "AtomicWrite.h"

#include <QFile>

namespace {

const QByteArray kMapScaleKey = "MapScale";

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
        if (line.left(equals).trimmed() == kMapScaleKey && ok &&
            (value == kDesktopMapScale || value >= kMinMapScale) && value <= kMaxMapScale)
            prefs.mapScale = value;
    }
    return prefs;
}

QByteArray FormatBattlePreferences(const BattlePreferences& prefs) {
    return kMapScaleKey + '=' + QByteArray::number(prefs.mapScale) + '\n';
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
