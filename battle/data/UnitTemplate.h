#pragma once
// Units in a few clicks: a new unit starts like the last unit added or edited in the
// battle, with the next free number after its name ("Crossbows 2" after "Crossbows"), and
// Shift+click places such a copy without opening the unit editor. The first unit of a
// battle has no model and keeps the editor's defaults.

#include "Battle.h"

#include <QString>

#include <optional>

// The unit new units are made like; forgotten when another battle is opened or created.
struct UnitTemplate {
    std::optional<UnitRecord> model;

    void Remember(const UnitRecord& u) { model = u; }
    void Forget() { model.reset(); }
};

// name with the next number no unit of the battle uses: "Crossbows" gives "Crossbows 2"
// (or "Crossbows 4" when "Crossbows 3" exists), "Crossbows 2" gives "Crossbows 3". The
// base is shortened so that the result fits maxChars.
QString NumberedUnitName(const Battle& b, const QString& name, int maxChars);

// A unit like model on hex h: side, wing, piece, type, class, weapons and ammunition,
// armour, shield, men, morale, movement, value and supply; a numbered name; the given
// activation turn. A copy never leads a wing (one leader per wing is the designer's
// choice), and a wing the battle no longer lists becomes the first.
UnitRecord UnitLike(const UnitRecord& model, const Battle& b, int h, int activationTurn,
                    int maxNameChars);

// The activation turn of a unit like model: 1 on the map; as a reinforcement the model's
// turn when it arrives later too, else the middle of the battle (never before turn 2), and
// never after the battle's last turn.
int ActivationTurnLike(const UnitRecord& model, bool reinforcement, int maxTurns);

// Shift+click on hex h in the units or the reinforcements mode. The new unit's number, or
// 0 with the reason in refusal: no model yet, a unit already there, a structure hex for a
// reinforcement, an on-map unit on a reinforcement hex, a full unit table.
int StampUnit(Battle& b, const UnitTemplate& tmpl, int h, bool reinforcement, int maxNameChars,
              QString& refusal);
