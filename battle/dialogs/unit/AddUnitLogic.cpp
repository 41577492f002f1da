#include "AddUnitLogic.h"

#include "SideFirstOrder.h"
#include "UnitPreview.h"
#include "UnitSteps.h"
#include "UnitTemplate.h"

#include <algorithm>

namespace {

template <class Item> QStringList NamesOf(const std::vector<Item>& table) {
    QStringList names;
    for (const Item& item : table)
        names.append(item.name);
    return names;
}

const QString kNoFigure = QStringLiteral("--");

} // namespace

AddUnitLogic::AddUnitLogic(EditorContext& context) : context_(context) {}

bool AddUnitLogic::HasUnit() const {
    return shown_ != 0 && context_.battle().units().valid(shown_);
}

const UnitRecord& AddUnitLogic::Shown() const {
    return context_.battle().unit(shown_);
}

QString AddUnitLogic::StepCaption() const {
    return reinforcementMode() ? QStringLiteral("Reinforcement Changes")
                               : QStringLiteral("Unit Changes");
}

// Every change to the shown unit goes through the battle's unit operations.
template <class Change> void AddUnitLogic::EditShown(Change change) {
    if (!HasUnit())
        return;
    UnitRecord u = Shown();
    change(u);
    context_.Edit(StepCaption(), [&](Battle& b) { b.UpdateUnit(shown_, u); });
}

int AddUnitLogic::RowSymbol(int row) const {
    if (row < 0 || row >= int(rowSymbols_.size()))
        return -1;
    return rowSymbols_[size_t(row)];
}

int AddUnitLogic::RowWing(int row) const {
    if (row < 0 || row >= int(wingRows_.size()))
        return -1;
    return wingRows_[size_t(row)];
}

void AddUnitLogic::Refuse(const QString& reason) {
    controls_.notice = reason;
    context_.Refuse(reason);
}

void AddUnitLogic::OrderListsForSide(int side, int leaveOut) {
    const Battle& battle = context_.battle();
    const int shownSymbol = RowSymbol(controls_.symbolRow);
    rowSymbols_ = SideFirstSymbols(battle, side, setSymbols_, leaveOut);
    controls_.symbolNames.clear();
    const LoadedSymbolSet& set = context_.symbols;
    for (int s : rowSymbols_)
        controls_.symbolNames.append(
            QString::fromLatin1(set.table(SymbolKind::Unit)[size_t(s)].name));
    const auto at = std::find(rowSymbols_.begin(), rowSymbols_.end(), shownSymbol);
    controls_.symbolRow = at == rowSymbols_.end() ? 0 : int(at - rowSymbols_.begin());

    wingRows_ = SideFirstWings(battle, side, leaveOut);
    controls_.wingNames.clear();
    for (int w : wingRows_)
        controls_.wingNames.append(battle.wingNames()[size_t(w)].text());
    SelectWing(controls_.wingIndex);
}

// Shows wing (an index of the battle's table, -1 none) as UnitGroup's selection.
void AddUnitLogic::SelectWing(int wing) {
    const auto at = std::find(wingRows_.begin(), wingRows_.end(), wing);
    controls_.wingIndex = at == wingRows_.end() ? -1 : wing;
    controls_.wingRow = at == wingRows_.end() ? -1 : int(at - wingRows_.begin());
}

void AddUnitLogic::FormActivate() {
    const Battle& battle = context_.battle();
    const int h = context_.currentHex;
    const bool onMap = battle.IsHex(h);
    controls_.notice.clear();
    if (onMap && battle.hex(h).reinforcementMarker != 0)
        commandMode = ModeReinforcements;
    controls_.heading =
        commandMode == ModeUnits ? QStringLiteral("Units") : QStringLiteral("Reinforcements");

    const Definitions& defs = context_.definitions;
    controls_.missileNames = NamesOf(defs.missileWeapons);
    controls_.combatNames = NamesOf(defs.combatWeapons);
    controls_.classNames = NamesOf(defs.classes);
    controls_.armourNames = NamesOf(defs.armour);
    controls_.shieldNames = NamesOf(defs.shields);

    shown_ = onMap ? battle.hex(h).unitNo : 0;
    if (!battle.units().valid(shown_))
        shown_ = 0;
    EnableGroups(shown_ != 0);
    controls_.addEnabled = shown_ == 0;
    controls_.removeEnabled = shown_ != 0;
    controls_.sideAName = battle.settings.sideAName.text();
    controls_.sideBName = battle.settings.sideBName.text();

    // The rows follow the set's display order; an order naming no unit symbol falls
    // back to the set's own order.
    const LoadedSymbolSet& set = context_.symbols;
    setSymbols_.clear();
    for (int s : set.unitOrder) {
        if (s >= 1 && s <= set.unitCount())
            setSymbols_.push_back(s - 1);
    }
    if (setSymbols_.empty()) {
        for (int s = 0; s < set.unitCount(); ++s)
            setSymbols_.push_back(s);
    }

    // The lists put first what the side of the unit (or of the unit a new one will be
    // like) already uses.
    const std::optional<UnitRecord>& model = context_.unitTemplate.model;
    const int side = shown_ != 0 ? battle.unit(shown_).side : model ? model->side : 1;
    controls_.symbolRow = 0;
    OrderListsForSide(side == 2 ? 2 : 1);

    SelectRow(0);
    if (shown_ != 0) {
        LoadShownUnit();
    } else if (addOnOpening_) {
        // "Add Another": the next empty hex gets its unit without a further click.
        addOnOpening_ = false;
        AddBtnClick();
    }
}

void AddUnitLogic::EnableGroups(bool on) {
    controls_.groupsEnabled = on;
    if (on) {
        // The activation turn of a unit on the map from the start cannot be changed.
        controls_.activationEnabled = reinforcementMode();
        return;
    }
    controls_.activationEnabled = false;
    controls_.resupplyEnabled = false;
    controls_.ammoEnabled = false;
    controls_.name.clear();
    // A reused window must not show the last unit's choices over an empty hex.
    controls_.classIndex = controls_.combatIndex = controls_.missileIndex = -1;
    controls_.armourIndex = controls_.shieldIndex = controls_.wingIndex = -1;
    controls_.wingRow = -1;
    controls_.wingText.clear();
    controls_.sideButton = 0;
    controls_.typeButton = 0;
    controls_.wingLeader = false;
}

void AddUnitLogic::LoadShownUnit() {
    const UnitRecord& u = Shown();
    controls_.removeEnabled = true;
    controls_.name = u.name.text();
    controls_.sideButton = u.side == 2 ? 2 : 1;
    controls_.typeButton = u.unitType;
    reinforcementSide_ = controls_.sideButton;
    controls_.wingLeader = u.wingLeader != 0;
    controls_.classIndex = u.unitClass;
    controls_.combatIndex = u.combatWeapon;
    controls_.missileIndex = u.missileWeapon;
    controls_.armourIndex = u.armour;
    controls_.shieldIndex = u.shield;
    const auto& wings = context_.battle().wingNames();
    const bool wingListed = u.wing >= 0 && u.wing < int(wings.size());
    SelectWing(wingListed ? u.wing : -1);
    controls_.wingText = wingListed ? wings[size_t(u.wing)].text() : QString();
    int row = 0;
    for (int r = 0; r < int(rowSymbols_.size()); ++r) {
        if (rowSymbols_[size_t(r)] == u.symbol) {
            row = r;
            break;
        }
    }
    SelectRow(row);
    controls_.resupplyEnabled = u.unitType == UnitSupply;
    controls_.ammoEnabled = u.missileWeapon != 0;
}

void AddUnitLogic::SelectRow(int row) {
    controls_.symbolRow = row;
    controls_.preview = UnitPreviewPicture(context_.symbols, RowSymbol(row));
}

void AddUnitLogic::AddBtnClick() {
    if (shown_ != 0)
        return;
    const Battle& battle = context_.battle();
    const int h = context_.currentHex;
    // Like the last unit added or edited; the battle's first unit has the defaults.
    const std::optional<UnitRecord>& model = context_.unitTemplate.model;
    const int maxTurns = battle.settings.maxTurns;
    UnitRecord r;
    if (model) {
        r = UnitLike(*model, battle, h, ActivationTurnLike(*model, reinforcementMode(), maxTurns),
                     kUnitNameChars);
    } else {
        const int symbol = setSymbols_.empty() ? 0 : setSymbols_.front();
        r = NewUnitRecord(symbol, NewUnitActivationTurn(reinforcementMode(), maxTurns), h);
    }
    // A full unit table (or a hex that cannot take the unit) leaves the dialog as it is.
    int n = 0;
    context_.Edit(StepCaption(), [&](Battle& b) {
        n = b.AddUnit(r, h);
        if (n == 0 || !reinforcementMode())
            return;
        const UnitRecord& added = b.unit(n);
        const int marker = added.activationTurn < kFirstReinforcementTurn ? 0
                           : added.side == 2 ? b.markerTable[MarkerEasternReinforcement]
                                             : b.markerTable[MarkerWesternReinforcement];
        b.SetReinforcementMarker(h, marker);
    });
    if (n == 0) {
        Refuse(
            QStringLiteral("The battle holds the most units it has room for (%1).").arg(kMaxUnits));
        return;
    }
    controls_.notice.clear();
    context_.sounds.Play(SoundZoom);
    shown_ = n;
    reinforcementSide_ = Shown().side == 2 ? 2 : 1;
    context_.unitTemplate.Remember(Shown());
    EnableGroups(true);
    OrderListsForSide(reinforcementSide_);
    LoadShownUnit();
    controls_.addEnabled = false;
}

void AddUnitLogic::RemBtnClick() {
    context_.sounds.Play(SoundClick);
    addOnOpening_ = false;
    if (!HasUnit())
        return;
    context_.Edit(StepCaption(), [&](Battle& b) {
        b.DeleteUnit(shown_);
        if (reinforcementMode())
            b.SetReinforcementMarker(context_.currentHex, 0);
    });
    shown_ = 0;
    EnableGroups(false);
    controls_.removeEnabled = false;
    controls_.addEnabled = true;
}

// The wing the unit gets on "Exit": a typed name names the entry it equals byte for
// byte, picked or not, or becomes a new entry; without a text the selection stands.
// -1 when a new entry is needed but the list is full.
int AddUnitLogic::ResolveWing() {
    if (controls_.wingText.isEmpty())
        return controls_.wingIndex >= 0 ? controls_.wingIndex : Shown().wing;
    const QByteArray typed = controls_.wingText.toLatin1();
    const std::vector<WingName>& wings = context_.battle().wingNames();
    // Names may repeat (a file can hold two "Left" wings): the selected entry stands
    // when the text is its name, so the unit does not move to the first of them.
    const int selected = controls_.wingIndex;
    if (selected >= 0 && selected < int(wings.size()) && wings[size_t(selected)].bytes() == typed)
        return selected;
    for (int i = 0; i < int(wings.size()); ++i) {
        if (wings[size_t(i)].bytes() == typed)
            return i;
    }
    int added = -1;
    context_.Edit(StepCaption(), [&](Battle& b) { added = b.AddWingName(controls_.wingText); });
    if (added >= 0) {
        controls_.wingNames.append(controls_.wingText);
        wingRows_.push_back(added);
    }
    return added;
}

bool AddUnitLogic::ExitBtnClick() {
    if (HasUnit()) {
        const int wing = ResolveWing();
        if (wing < 0) {
            Refuse(QStringLiteral("The wing list is full: choose one of its wings."));
            return false;
        }
        SelectWing(wing);
        if (Shown().hex != context_.currentHex)
            context_.Edit(StepCaption(),
                          [&](Battle& b) { b.MoveUnit(shown_, context_.currentHex); });
        EditShown([&](UnitRecord& u) {
            u.name.assign(controls_.name);
            u.side = controls_.sideButton == 2 ? 2 : 1;
            if (controls_.typeButton != 0)
                u.unitType = controls_.typeButton;
            u.wingLeader = controls_.wingLeader ? 1 : 0;
            u.unitClass = controls_.classIndex;
            u.combatWeapon = controls_.combatIndex;
            u.missileWeapon = controls_.missileIndex;
            u.armour = controls_.armourIndex;
            u.shield = controls_.shieldIndex;
            u.wing = wing;
            if (RowSymbol(controls_.symbolRow) >= 0)
                u.symbol = RowSymbol(controls_.symbolRow);
        });
        reinforcementSide_ = Shown().side;
        if (reinforcementMode())
            MarkCurrentHex();
        context_.unitTemplate.Remember(Shown());
    }
    addOnOpening_ = false;
    context_.sounds.Play(SoundClick);
    return true;
}

bool AddUnitLogic::AddAnotherBtnClick() {
    if (!ExitBtnClick())
        return false;
    addOnOpening_ = HasUnit();
    return true;
}

void AddUnitLogic::MarkCurrentHex() {
    int marker = 0;
    if (HasUnit() && Shown().activationTurn >= kFirstReinforcementTurn)
        marker =
            context_.battle().markerTable[reinforcementSide_ == 2 ? MarkerEasternReinforcement
                                                                  : MarkerWesternReinforcement];
    context_.Edit(StepCaption(),
                  [&](Battle& b) { b.SetReinforcementMarker(context_.currentHex, marker); });
}

void AddUnitLogic::ShowTable(int kind) {
    context_.sounds.Play(SoundClick);
    if (showWeaponTable)
        showWeaponTable(kind);
}

// Arrow steps ---------------------------------------------------------------------------

void AddUnitLogic::MenUDClick(bool up) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    EditShown([&](UnitRecord& u) {
        if (StepInRange(u.men, up, kMenBounds))
            u.value = RecomputedValue(u);
    });
}

void AddUnitLogic::MorUDClick(bool up) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    EditShown([&](UnitRecord& u) { StepInRange(u.morale, up, kMoraleBounds); });
}

void AddUnitLogic::MvpUDClick(bool up) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    EditShown([&](UnitRecord& u) { StepInRange(u.movementPoints, up, kMovementBounds); });
}

void AddUnitLogic::VpUDClick(bool up) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    EditShown([&](UnitRecord& u) { StepInRange(u.value, up, kValueBounds); });
}

void AddUnitLogic::AmmoUpDnClick(bool up) {
    if (!HasUnit() || !controls_.ammoEnabled)
        return;
    context_.sounds.Play(SoundClick);
    EditShown([&](UnitRecord& u) { StepInRange(u.missileAmmo, up, kAmmoBounds); });
}

void AddUnitLogic::AtrnUDClick(bool up) {
    if (!HasUnit() || !controls_.activationEnabled)
        return;
    context_.sounds.Play(SoundClick);
    const int maxTurns = context_.battle().settings.maxTurns;
    EditShown([&](UnitRecord& u) {
        u.activationTurn =
            SteppedActivationTurn(u.activationTurn, up, reinforcementMode(), maxTurns);
    });
}

void AddUnitLogic::SplUDClick(bool up) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    if (Shown().unitType != UnitSupply)
        return;
    EditShown([&](UnitRecord& u) { StepInRange(u.resupplyLevel, up, kResupplyBounds); });
}

void AddUnitLogic::RateUDClick(bool up) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    if (Shown().wingLeader == 0)
        return;
    EditShown([&](UnitRecord& u) { StepInRange(u.leaderRating, up, kRatingBounds); });
}

void AddUnitLogic::RangeUDClick(bool up) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    if (Shown().wingLeader == 0)
        return;
    EditShown([&](UnitRecord& u) { StepInRange(u.commandRange, up, kRangeBounds); });
}

// Choices -------------------------------------------------------------------------------

void AddUnitLogic::ChooseSide(int side) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    controls_.sideButton = side;
    reinforcementSide_ = side;
    EditShown([&](UnitRecord& u) { u.side = side; });
    // The shown unit's piece and wing were chosen for the other side: they do not lead the
    // lists of this one.
    OrderListsForSide(side, shown_);
    if (reinforcementMode())
        MarkCurrentHex();
}

void AddUnitLogic::ChooseType(int type) {
    if (!HasUnit())
        return;
    context_.sounds.Play(SoundClick);
    controls_.typeButton = type;
    controls_.resupplyEnabled = type == UnitSupply;
    EditShown([&](UnitRecord& u) {
        u.unitType = type;
        u.movementPoints = MovementForType(type);
        u.resupplyLevel = type == UnitSupply ? kSupplyResupplyLevel : 0;
        u.value = RecomputedValue(u);
    });
}

void AddUnitLogic::UnitRankChange(int index) {
    if (!HasUnit() || index < 0)
        return;
    context_.sounds.Play(SoundClick);
    controls_.classIndex = index;
    EditShown([&](UnitRecord& u) {
        u.unitClass = index;
        u.morale = MoraleForClass(index);
    });
}

void AddUnitLogic::UnitCombatChange(int index) {
    if (!HasUnit() || index < 0)
        return;
    context_.sounds.Play(SoundClick);
    controls_.combatIndex = index;
    EditShown([&](UnitRecord& u) { u.combatWeapon = index; });
}

void AddUnitLogic::UnitMissleChange(int index) {
    if (!HasUnit() || index < 0)
        return;
    context_.sounds.Play(SoundClick);
    controls_.missileIndex = index;
    controls_.ammoEnabled = index != 0;
    EditShown([&](UnitRecord& u) {
        u.missileWeapon = index;
        if (index == 0)
            u.missileAmmo = 0;
    });
}

void AddUnitLogic::UnitArmorChange(int index) {
    if (!HasUnit() || index < 0)
        return;
    context_.sounds.Play(SoundClick);
    controls_.armourIndex = index;
    EditShown([&](UnitRecord& u) { u.armour = index; });
}

void AddUnitLogic::UnitShieldChange(int index) {
    if (!HasUnit() || index < 0)
        return;
    context_.sounds.Play(SoundClick);
    controls_.shieldIndex = index;
    EditShown([&](UnitRecord& u) { u.shield = index; });
}

void AddUnitLogic::WingLdrBtnClick(bool checked) {
    if (!HasUnit())
        return;
    controls_.wingLeader = checked;
    EditShown([&](UnitRecord& u) {
        u.wingLeader = checked ? 1 : 0;
        u.commandRange = checked ? kNewLeaderRange : 0;
        u.leaderRating = 0;
    });
}

void AddUnitLogic::UnitGroupChange(int row) {
    const int wing = RowWing(row);
    if (!HasUnit() || wing < 0)
        return;
    context_.sounds.Play(SoundClick);
    SelectWing(wing);
    controls_.wingText = controls_.wingNames[row];
    EditShown([&](UnitRecord& u) { u.wing = wing; });
}

void AddUnitLogic::UnitGroupEdit(const QString& text) {
    controls_.wingText = text.left(kWingNameChars);
    SelectWing(RowWing(controls_.wingNames.indexOf(controls_.wingText)));
}

void AddUnitLogic::SymNameChange(const QString& text) {
    if (!HasUnit())
        return;
    controls_.name = text.left(kUnitNameChars);
    EditShown([&](UnitRecord& u) { u.name.assign(controls_.name); });
}

void AddUnitLogic::TerListClick(int row) {
    const int symbol = RowSymbol(row);
    if (symbol < 0)
        return;
    context_.sounds.Play(SoundClick);
    SelectRow(row);
    EditShown([&](UnitRecord& u) { u.symbol = symbol; });
}

// Labels --------------------------------------------------------------------------------

QString AddUnitLogic::Figure(const QString& prefix, int UnitRecord::*field) const {
    return prefix + (HasUnit() ? QString::number(Shown().*field) : kNoFigure);
}

QString AddUnitLogic::menText() const {
    return Figure(QStringLiteral("Men: "), &UnitRecord::men);
}
QString AddUnitLogic::moraleText() const {
    return Figure(QStringLiteral("Morale: "), &UnitRecord::morale);
}
QString AddUnitLogic::movementText() const {
    return Figure(QStringLiteral("Movement Points: "), &UnitRecord::movementPoints);
}
QString AddUnitLogic::valueText() const {
    return Figure(QStringLiteral("Value: "), &UnitRecord::value);
}
QString AddUnitLogic::activationText() const {
    return Figure(QStringLiteral("Activation Turn: "), &UnitRecord::activationTurn);
}
QString AddUnitLogic::resupplyText() const {
    return Figure(QStringLiteral("ReSupply Level: "), &UnitRecord::resupplyLevel);
}
QString AddUnitLogic::ratingText() const {
    return Figure(QStringLiteral("Rating: "), &UnitRecord::leaderRating);
}
QString AddUnitLogic::rangeText() const {
    return Figure(QStringLiteral("Range: "), &UnitRecord::commandRange);
}
QString AddUnitLogic::ammoText() const {
    return QStringLiteral("Missile Ammo: ") +
           (HasUnit() ? AmmoText(Shown().missileAmmo) : kNoFigure);
}
QString AddUnitLogic::combatText() const {
    return HasUnit() ? CombatText(context_.definitions, Shown()) : QStringLiteral("Combat: --");
}
QString AddUnitLogic::missileText() const {
    return HasUnit() ? MissileText(context_.definitions, Shown()) : QStringLiteral("Missile: --");
}
QString AddUnitLogic::defenceText() const {
    return HasUnit() ? DefenceText(context_.definitions, Shown()) : QStringLiteral("Defense: --");
}
QString AddUnitLogic::weightText() const {
    return HasUnit() ? WeightText(context_.definitions, Shown()) : QStringLiteral("Wgt: --");
}
