#include "AddVHexLogic.h"

#include "ValueSteps.h"

namespace {
const QString kObjectiveStep = QStringLiteral("Objective Changes");
} // namespace

void AddVHexLogic::FormActivate() {
    const Battle& battle = context_.battle();
    shown_ = battle.IsHex(context_.currentHex) ? battle.hex(context_.currentHex).objectiveNo : 0;
    if (!battle.objectives().valid(shown_))
        shown_ = 0;
    nameText_ = shown_ != 0 ? battle.objectives()[shown_].name.text() : QString();
}

void AddVHexLogic::AddBtnClick() {
    const Battle& battle = context_.battle();
    if (shown_ != 0)
        return;
    if (battle.objectives().full()) {
        context_.Refuse(QStringLiteral("The battle holds the most objectives it has room for."));
        return;
    }
    ObjectiveRecord r;
    r.name = "Land Objective";
    r.kind = 1;
    r.victoryPoints = 50;
    context_.Edit(kObjectiveStep,
                  [&](Battle& b) { shown_ = b.AddObjective(r, context_.currentHex); });
}

int AddVHexLogic::RemBtnClick() {
    if (shown_ != 0)
        context_.Edit(kObjectiveStep, [&](Battle& b) { b.DeleteObjective(shown_); });
    shown_ = 0;
    return 1;
}

void AddVHexLogic::SymNameChange(const QString& text) {
    nameText_ = text.left(kNameChars);
    if (shown_ == 0)
        return;
    ObjectiveRecord r = context_.battle().objectives()[shown_];
    r.name.assign(nameText_);
    context_.Edit(kObjectiveStep, [&](Battle& b) { b.UpdateObjective(shown_, r); });
}

void AddVHexLogic::VpUDClick(bool up) {
    if (shown_ == 0)
        return;
    ObjectiveRecord r = context_.battle().objectives()[shown_];
    const int before = r.victoryPoints;
    StepInRange(r.victoryPoints, up, {0, 100});
    if (r.victoryPoints != before)
        context_.Edit(kObjectiveStep, [&](Battle& b) { b.UpdateObjective(shown_, r); });
}

QString AddVHexLogic::pointsText() const {
    const int points = shown_ != 0 ? context_.battle().objectives()[shown_].victoryPoints : 0;
    return QStringLiteral("Victory Points: %1").arg(points);
}
