#include "BattlePreferences.h"

#include "AtomicWrite.h"

#include <QFile>
#include <QList>

namespace {

// Each whole-number preference: its key, its place and the values it may take.
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

const QByteArray kWindowKey = "Window";
const QByteArray kMaximisedKey = "Maximised";
const QByteArray kPickerKey = "TerrainPicker";
const QByteArray kSecondaryTopKey = "SecondaryListTop";
const QByteArray kLastBattlePrefix = "LastBattle.";

constexpr int kMaxFileBytes = 65536;
constexpr int kMaxCoordinate = 100000; // far beyond any screen, safe from overflow

// Comma-separated integers; empty when any is not a number.
QList<int> Numbers(const QByteArray& value, int count) {
    QList<int> out;
    const QList<QByteArray> parts = value.split(',');
    if (parts.size() != count)
        return {};
    for (const QByteArray& p : parts) {
        bool ok = false;
        const int v = p.trimmed().toInt(&ok);
        if (!ok || v < -kMaxCoordinate || v > kMaxCoordinate)
            return {};
        out.append(v);
    }
    return out;
}

bool UsableSetName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('=')) && !name.contains(QLatin1Char('\n'));
}

} // namespace

BattlePreferences ParseBattlePreferences(const QByteArray& text) {
    BattlePreferences prefs;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        bool ok = false;
        const int number = value.toInt(&ok);
        for (const Entry& e : kEntries)
            if (key == e.key && ok && number >= e.lowest && number <= e.highest)
                prefs.*e.value = number;
        if (key == kWindowKey) {
            const QList<int> v = Numbers(value, 4);
            if (v.size() == 4 && v[2] > 0 && v[3] > 0)
                prefs.window = QRect(v[0], v[1], v[2], v[3]);
        } else if (key == kMaximisedKey && ok) {
            prefs.maximised = number != 0;
        } else if (key == kPickerKey) {
            const QList<int> v = Numbers(value, 2);
            if (v.size() == 2)
                prefs.pickerAt = QPoint(v[0], v[1]);
        } else if (key == kSecondaryTopKey && ok && number >= 0) {
            prefs.secondaryListTop = number;
        } else if (key.startsWith(kLastBattlePrefix) && !value.isEmpty()) {
            const QString set = QString::fromUtf8(key.mid(kLastBattlePrefix.size())).toLower();
            if (UsableSetName(set))
                prefs.lastBattleOnSet[set] = QString::fromUtf8(value);
        }
    }
    return prefs;
}

QByteArray FormatBattlePreferences(const BattlePreferences& prefs) {
    QByteArray out;
    for (const Entry& e : kEntries)
        out += QByteArray(e.key) + '=' + QByteArray::number(prefs.*e.value) + '\n';
    if (!prefs.window.isEmpty()) {
        const QRect& w = prefs.window;
        out += kWindowKey + '=' + QByteArray::number(w.x()) + ',' + QByteArray::number(w.y()) +
               ',' + QByteArray::number(w.width()) + ',' + QByteArray::number(w.height()) + '\n';
    }
    if (prefs.maximised)
        out += kMaximisedKey + "=1\n";
    if (prefs.pickerAt != QPoint(-1, -1))
        out += kPickerKey + '=' + QByteArray::number(prefs.pickerAt.x()) + ',' +
               QByteArray::number(prefs.pickerAt.y()) + '\n';
    if (prefs.secondaryListTop > 0)
        out += kSecondaryTopKey + '=' + QByteArray::number(prefs.secondaryListTop) + '\n';
    for (const auto& [set, path] : prefs.lastBattleOnSet) {
        if (UsableSetName(set) && !path.isEmpty() && !path.contains(QLatin1Char('\n')))
            out += kLastBattlePrefix + set.toUtf8() + '=' + path.toUtf8() + '\n';
    }
    return out;
}

BattlePreferences ReadBattlePreferences(const QString& programFolder) {
    QFile file(programFolder + '/' + kBattlePreferencesFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseBattlePreferences(file.read(kMaxFileBytes));
}

bool WriteBattlePreferences(const QString& programFolder, const BattlePreferences& prefs) {
    return bool(WriteFileAtomically(programFolder + '/' + kBattlePreferencesFile,
                                    FormatBattlePreferences(prefs)));
}

bool UpdateBattlePreferences(const QString& programFolder,
                             const std::function<void(BattlePreferences&)>& change) {
    BattlePreferences prefs = ReadBattlePreferences(programFolder);
    change(prefs);
    return WriteBattlePreferences(programFolder, prefs);
}
