#include "EditingSession.h"

#include "BattleTestSupport.h"
#include "MapFixtures.h"
#include "MapGeometry.h"

EditingSession::EditingSession(unsigned seed, int cols, int rows, int gridLayout) : rng_(seed) {
    symbols = MakeLoadedSet();
    definitions = SmallDefinitions();
    BattleSettings& s = battle.settings;
    s.battleName = "Long Ford";
    s.sideAName = "Western Forces";
    s.sideBName = "Eastern Forces";
    s.maxTurns = 20;
    s.gridLayout = uint8_t(gridLayout);
    MakeBattle(battle, cols, rows);
    battle.AddWingName("Left");
    battle.AddWingName("Right");
    battle.AddWingName("Left"); // files may repeat a name: the wings stay apart
    for (int i = 0; i < 30; ++i) {
        UnitRecord u = Unit(1 + i % 2, i % 4, 100 + 17 * i);
        u.symbol = i % 2;
        u.unitType = 1 + i % 3;
        u.wingLeader = i % 7 == 0 ? 1 : 0;
        u.name.assign(QStringLiteral("Huscarl%1 %2").arg(QChar(0xe9)).arg(i)); // a Latin-1 byte
        const int h = (i * 37 + 5) % battle.hexCount();
        if (i % 5 == 4) {
            u.activationTurn = 3 + i % 4;
            battle.SetReinforcementMarker(h, battle.markerTable[size_t(4 + u.side)]);
        }
        battle.AddUnit(u, h);
    }
    for (int i = 0; i < 5; ++i) {
        StructureRecord r;
        r.name.assign(QStringLiteral("Keep %1").arg(i));
        r.side = 1 + i % 2;
        r.height = i;
        // The first stands under the first unit, of the unit's side.
        battle.AddStructure(r, i == 0 ? battle.unit(1).hex : (i * 53 + 11) % battle.hexCount());
    }
    for (int i = 0; i < 4; ++i) {
        ObjectiveRecord r;
        r.name.assign(QStringLiteral("Hill %1").arg(i));
        r.victoryPoints = 10 * i;
        battle.AddObjective(r, (i * 71 + 3) % battle.hexCount());
    }
    for (int i = 0; i < 4; ++i) {
        MapTextRecord r;
        r.text.assign(QStringLiteral("Ford %1").arg(i));
        r.fontSize = {8, 12, 16};
        r.orientation = {1, 2, 3};
        r.style = uint8_t(AddLocationLogic::kNewRemainder + AddLocationLogic::kBold * i);
        battle.AddMapText(r, (i * 29 + 17) % battle.hexCount());
    }
    for (int t = 0; t < symbols.terrainCount(); ++t) {
        battle.terrainAttrs[size_t(t)].name.assign(QStringLiteral("Ground %1").arg(t));
        battle.terrainAttrs[size_t(t)].costPerMove = 1 + t % 4;
    }

    // The wiring the main window gives these parts.
    commands_.askMessage = [this](int, int) { return int(keepFill_ ? OrvYes : OrvNo); };
    stroke_.beginStep = [this](const QString& caption) { strokeStep_.emplace(document, caption); };
    stroke_.endStep = [this] { strokeStep_.reset(); };
    stroke_.hexAt = [this](QPoint p) {
        return HexAtPoint(MetricsFor(battle.settings, symbols, 0), 0, p.x(), p.y());
    };
    settings_.showMessage = Shower();
    icons_[0] = WriteIcon(QStringLiteral("tower.bmp"), Qt::red);
    icons_[1] = WriteIcon(QStringLiteral("banner.bmp"), Qt::blue);

    BattleDocumentTestAccess::TakeAsOpened(document); // as opened from its file
}

QString EditingSession::Act() {
    fillDeclined_ = false;
    mayJoin_ = false;
    untouchedExit_ = false;
    // While the floating picker is shown the designer turns to it often.
    if (pickerFloating_ && OneIn(4))
        return FloatingPickerEdit();
    switch (Below(20)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return Stroke();
    case 4:
        return Fill();
    case 5:
    case 6:
        return UnitClipboard();
    case 7:
    case 8:
    case 9:
        return VisitUnitEditor();
    case 10:
        return VisitStructures();
    case 11:
        return VisitObjective();
    case 12:
        return VisitMapText();
    case 13:
        return VisitMarkers();
    case 14:
        return VisitFillPicker();
    case 15:
    case 16:
        return pickerFloating_ ? FloatingPickerEdit() : OpenFloatingPicker();
    case 17:
        return VisitSettings();
    case 18:
        return VisitTableColour();
    case 19:
        return OneIn(2) ? Stamp() : UnitSelectionEdit();
    default:
        return MapEdit();
    }
}

int EditingSession::BusyHex() {
    switch (Below(6)) {
    case 0:
    case 1:
        if (battle.unitCount() > 0)
            return battle.unit(1 + Below(battle.unitCount())).hex;
        break;
    case 2:
        if (battle.structures().count() > 0)
            return battle.structures()[1 + Below(battle.structures().count())].hex;
        break;
    case 3:
        if (battle.objectives().count() > 0)
            return battle.objectives()[1 + Below(battle.objectives().count())].hex;
        break;
    case 4:
        if (battle.mapTexts().count() > 0)
            return battle.mapTexts()[1 + Below(battle.mapTexts().count())].hex;
        break;
    default:
        break;
    }
    return AnyHex();
}

QString EditingSession::Name(const char* stem, int length) {
    switch (Below(8)) {
    case 0:
        return QString(); // an emptied box
    case 1:
        return QString(length + 5, QLatin1Char('x')); // longer than the box takes
    default:
        return QStringLiteral("%1 %2").arg(QLatin1String(stem)).arg(Below(40));
    }
}
