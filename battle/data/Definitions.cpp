#include "Definitions.h"

#include "ProgramFolder.h"

#include <QFile>

namespace {

// The text of columns first … last (counted from 1); a line ending earlier gives less.
QString Columns(const QString& line, int first, int last) {
    return line.mid(first - 1, last - first + 1);
}

// A decimal number from its columns: leading blanks allowed, then an optional sign and
// the digits there are; anything else reads as 0.
int NumberAt(const QString& line, int first, int last) {
    const QString field = Columns(line, first, last);
    int i = 0;
    while (i < field.size() && field[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == QLatin1Char('-') || field[i] == QLatin1Char('+'))) {
        negative = field[i] == QLatin1Char('-');
        ++i;
    }
    int value = 0;
    for (; i < field.size() && field[i].isDigit() && field[i].unicode() < 128; ++i)
        value = value * 10 + (field[i].unicode() - '0');
    return negative ? -value : value;
}

QString NameAt(const QString& line, int last) {
    QString name = Columns(line, 1, last);
    while (!name.isEmpty() && name.back().isSpace())
        name.chop(1);
    return name;
}

// Lines up to the first one starting with "$", each cut to the longest line the files
// hold, at most kMaxDefinitionRecords of them.
bool ReadDefinitionLines(const QString& path, QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd() && lines.size() < kMaxDefinitionRecords) {
        QByteArray raw = file.readLine();
        while (raw.endsWith('\n') || raw.endsWith('\r'))
            raw.chop(1);
        if (raw.startsWith('$'))
            break;
        lines.append(QString::fromLatin1(raw.left(kMaxDefinitionLine)));
    }
    return true;
}

} // namespace

MissileWeapon ParseMissileWeapon(const QString& line) {
    MissileWeapon w;
    w.name = NameAt(line, 14);
    w.weight = NumberAt(line, 15, 18);
    w.range = NumberAt(line, 20, 21);
    w.rating = NumberAt(line, 23, 25);
    w.overheadFire = NumberAt(line, 27, 27);
    w.shotsPerTurn = NumberAt(line, 29, 29);
    return w;
}

CombatWeapon ParseCombatWeapon(const QString& line) {
    CombatWeapon w;
    w.name = NameAt(line, 14);
    w.weight = NumberAt(line, 15, 16);
    w.length = NumberAt(line, 18, 20);
    w.rating = NumberAt(line, 22, 24);
    return w;
}

ArmourItem ParseArmourItem(const QString& line) {
    ArmourItem a;
    a.name = NameAt(line, 18);
    a.rating = NumberAt(line, 20, 22);
    a.weight = NumberAt(line, 24, 26);
    return a;
}

std::vector<UnitClassInfo> StandardUnitClasses() {
    return {{QStringLiteral("Peasant"), 0},  {QStringLiteral("Militia"), 5},
            {QStringLiteral("Veteran"), 10}, {QStringLiteral("Elite"), 15},
            {QStringLiteral("Nobel"), 20},   {QStringLiteral("Hero"), 30}};
}

bool LoadDefinitions(const QString& programFolder, Definitions& defs, const MessageSink& sink) {
    const QString folder = DefsFolder(programFolder);
    QStringList lines;

    auto read = [&](const char* file, const char* missing) {
        lines.clear();
        if (ReadDefinitionLines(FindEntry(folder, QLatin1String(file)), lines))
            return true;
        ReportError(sink, QLatin1String(missing));
        return false;
    };

    defs = Definitions();
    if (!read("MWEAP.DEF", "Missle Weapon Definition File Not Found"))
        return false;
    for (const QString& line : lines)
        defs.missileWeapons.push_back(ParseMissileWeapon(line));

    if (!read("CWEAP.DEF", "Combat Weapon Definition File Not Found"))
        return false;
    for (const QString& line : lines)
        defs.combatWeapons.push_back(ParseCombatWeapon(line));
    defs.classes = StandardUnitClasses();

    if (!read("UARMOR.DEF", "Unit Armor Definition File Not Found"))
        return false;
    for (const QString& line : lines)
        defs.armour.push_back(ParseArmourItem(line));

    if (!read("USHIELD.DEF", "Unit Shield Definition File Not Found"))
        return false;
    for (const QString& line : lines)
        defs.shields.push_back(ParseArmourItem(line));
    return true;
}
