#include "UnitTemplate.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int kFirstReinforcement = 2;
constexpr int kLastTurn = 300;

// "Crossbows 12" → base "Crossbows", number 12; "Crossbows" → base "Crossbows", 1.
int SplitNumber(const QString& name, QString& base) {
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S) ([0-9]{1,4})$"));
    const QRegularExpressionMatch m = numbered.match(name);
    if (!m.hasMatch()) {
        base = name;
        return 1;
    }
    base = m.captured(1);
    return m.captured(2).toInt();
}

} // namespace

QString NumberedUnitName(const Battle& b, const QString& name, int maxChars) {
    QString base;
    SplitNumber(name.trimmed(), base);
    int highest = 1;
    for (const UnitRecord& u : b.units()) {
        QString other;
        const int n = SplitNumber(u.name.text().trimmed(), other);
        if (other == base)
            highest = std::max(highest, n);
    }
    const QString suffix = QStringLiteral(" %1").arg(highest + 1);
    return base.left(std::max(0, int(maxChars - suffix.size()))).trimmed() + suffix;
}

UnitRecord UnitLike(const UnitRecord& model, const Battle& b, int h, int activationTurn,
                    int maxNameChars) {
    UnitRecord u = model;
    u.name.assign(NumberedUnitName(b, model.name.text(), maxNameChars));
    u.hex = h;
    u.activationTurn = activationTurn;
    u.side = model.side == 2 ? 2 : 1;
    u.wingLeader = 0;
    u.commandRange = 0;
    u.leaderRating = 0;
    if (u.wing < 0 || u.wing >= int(b.wingNames().size()))
        u.wing = 0;
    return u;
}

int ActivationTurnLike(const UnitRecord& model, bool reinforcement, int maxTurns) {
    if (!reinforcement)
        return 1;
    const int last = std::clamp(maxTurns, kFirstReinforcement, kLastTurn);
    const int turn =
        model.activationTurn >= kFirstReinforcement ? model.activationTurn : maxTurns / 2;
    return std::clamp(turn, kFirstReinforcement, last);
}

int StampUnit(Battle& b, const UnitTemplate& tmpl, int h, bool reinforcement, int maxNameChars,
              QString& refusal) {
    refusal.clear();
    if (!tmpl.model) {
        refusal = QStringLiteral("Add or edit a unit first: Shift+click places copies of it.");
        return 0;
    }
    if (!b.IsHex(h))
        return 0;
    const HexRecord& hex = b.hex(h);
    if (hex.unitNo != 0) {
        refusal = QStringLiteral("A unit already stands on this hex.");
        return 0;
    }
    if (reinforcement && hex.structureNo != 0) {
        refusal = QStringLiteral("A reinforcement cannot arrive on a structure.");
        return 0;
    }
    if (!reinforcement && hex.reinforcementMarker != 0) {
        refusal = QStringLiteral("This hex is kept for a reinforcement.");
        return 0;
    }
    if (b.unitCount() >= kMaxUnits) {
        refusal = QStringLiteral("The battle holds the most units it has room for.");
        return 0;
    }
    const int turn = ActivationTurnLike(*tmpl.model, reinforcement, b.settings.maxTurns);
    const int n = b.AddUnit(UnitLike(*tmpl.model, b, h, turn, maxNameChars), h);
    if (n != 0 && reinforcement) {
        const int slot =
            b.unit(n).side == 2 ? MarkerEasternReinforcement : MarkerWesternReinforcement;
        b.SetReinforcementMarker(h, b.markerTable[size_t(slot)]);
    }
    return n;
}
