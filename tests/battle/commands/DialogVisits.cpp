// Visits to the dialogs: opened as the window opens them, a few of the designer's
// actions on the rule class, and one way out (the exit button, remove, or the caption's
// close button, which only closes).
#include "CommandModes.h"
#include "EditingSession.h"
#include "TMainForm.h"

QString EditingSession::VisitUnitEditor() {
    pickerFloating_ = false;
    const int mode = OneIn(3) ? ModeReinforcements : ModeUnits;
    const int hex = BusyHex();
    if (mode == ModeReinforcements) {
        // Clicks the window refuses, or ignores, before any dialog opens.
        const HexRecord& h = battle.hex(hex);
        if ((h.unitNo != 0 && h.reinforcementMarker == 0) || h.structureNo != 0)
            return QStringLiteral("a refused Reinforcements click");
    }
    context->currentHex = hex;
    unitEditor_.commandMode = mode;
    return Recorded(TMainForm::MapStepCaption(mode, Qt::LeftButton), [&] {
        AddUnitLogic& d = unitEditor_;
        d.FormActivate();
        const int actions = Below(7);
        for (int n = actions; n > 0; --n) {
            if (OneIn(12) && d.controls().removeEnabled) {
                d.RemBtnClick(); // the dialog then closes
                return;
            }
            UnitEditorAction();
        }
        if (Below(4) != 0) {
            untouchedExit_ = actions == 0;
            d.ExitBtnClick(); // refused with a full wing list: then closed
        }
    });
}

void EditingSession::UnitEditorAction() {
    AddUnitLogic& d = unitEditor_;
    const UnitEditorControls& c = d.controls();
    switch (Below(22)) {
    case 0:
    case 1:
        if (c.addEnabled)
            d.AddBtnClick();
        break;
    case 2:
        d.MenUDClick(Up());
        break;
    case 3:
        d.MorUDClick(Up());
        break;
    case 4:
        d.MvpUDClick(Up());
        break;
    case 5:
        d.VpUDClick(Up());
        break;
    case 6:
        d.AmmoUpDnClick(Up());
        break;
    case 7:
        d.AtrnUDClick(Up());
        break;
    case 8:
        d.SplUDClick(Up());
        break;
    case 9:
        d.RateUDClick(Up());
        break;
    case 10:
        d.RangeUDClick(Up());
        break;
    case 11:
        Up() ? d.ASideBtnClick() : d.BSideBtnClick();
        break;
    case 12: {
        const int type = Below(3);
        type == 0 ? d.UType1Click() : type == 1 ? d.UType2Click() : d.UType3Click();
        break;
    }
    case 13:
        d.UnitRankChange(Below(int(c.classNames.size())));
        break;
    case 14:
        d.UnitCombatChange(Below(int(c.combatNames.size())));
        break;
    case 15:
        d.UnitMissleChange(Below(int(c.missileNames.size())));
        break;
    case 16:
        d.UnitArmorChange(Below(int(c.armourNames.size())));
        break;
    case 17:
        d.UnitShieldChange(Below(int(c.shieldNames.size())));
        break;
    case 18:
        d.WingLdrBtnClick(Up());
        break;
    case 19:
        d.UnitGroupChange(Below(int(c.wingNames.size()) + 1));
        break;
    case 20:
        // A wing typed: one of the list's names or a new one.
        d.UnitGroupEdit(Up() && !c.wingNames.isEmpty() ? c.wingNames[Below(int(c.wingNames.size()))]
                                                       : Name("Wing", kWingNameChars));
        break;
    default:
        if (Up())
            d.SymNameChange(Name("Unit", kUnitNameChars));
        else
            d.TerListClick(Below(int(c.symbolNames.size()) + 1));
        break;
    }
}

QString EditingSession::VisitStructures() {
    pickerFloating_ = false;
    context->currentHex = BusyHex();
    return Recorded(TMainForm::MapStepCaption(ModeStructures, Qt::LeftButton), [&] {
        AddBaseLogic& d = structures_;
        d.FormActivate();
        const int actions = Below(6);
        for (int n = actions; n > 0; --n) {
            const int what = Below(8);
            if (what == 0) {
                if (d.addEnabled())
                    d.AddBtnClick();
                continue;
            }
            if (!d.groupsEnabled())
                continue;
            switch (what) {
            case 1:
                d.TerListClick(TerrainRow());
                break;
            case 2:
                d.DefUDClick(Up());
                break;
            case 3:
                d.RSplUDClick(Up());
                break;
            case 4:
                d.ElvUDClick(Up());
                break;
            case 5:
                d.SymNameChange(Name("Keep", AddBaseLogic::kNameChars));
                break;
            case 6:
                d.ASideBtnClick();
                break;
            default:
                d.BSideBtnClick();
                break;
            }
        }
        if (const int out = Below(3); out == 0) {
            untouchedExit_ = actions == 0;
            d.Button1Click();
        } else if (out == 1 && d.removeEnabled())
            d.RemBtnClick();
    });
}

QString EditingSession::VisitObjective() {
    const int hex = BusyHex();
    if (battle.objectives().count() > 0 && battle.hex(hex).objectiveNo == 0)
        return QStringLiteral("a refused Objective click");
    context->currentHex = hex;
    return Recorded(TMainForm::MapStepCaption(ModeObjective, Qt::LeftButton), [&] {
        AddVHexLogic& d = objective_;
        d.FormActivate();
        const int actions = Below(5);
        for (int n = actions; n > 0; --n) {
            const int what = Below(3);
            if (what == 0 && d.addEnabled())
                d.AddBtnClick();
            else if (what == 1 && d.groupEnabled())
                d.SymNameChange(Name("Hill", AddVHexLogic::kNameChars));
            else if (what == 2 && d.groupEnabled())
                d.VpUDClick(Up());
        }
        if (const int out = Below(3); out == 0) {
            untouchedExit_ = actions == 0;
            d.ExitClick();
        } else if (out == 1 && d.removeEnabled())
            d.RemBtnClick();
    });
}

QString EditingSession::VisitMapText() {
    pickerFloating_ = false;
    context->currentHex = BusyHex();
    return Recorded(TMainForm::MapStepCaption(ModeMapText, Qt::LeftButton), [&] {
        AddLocationLogic& d = mapText_;
        d.FormActivate();
        const int actions = Below(8);
        for (int n = actions; n > 0; --n) {
            const int what = Below(10);
            if (what == 0) {
                if (d.addEnabled())
                    d.NewBtnClick();
                continue;
            }
            if (!d.groupsEnabled())
                continue;
            switch (what) {
            case 1:
                d.FSzePanClick(1 + Below(3));
                break;
            case 2:
                d.UpDownClick(1 + Below(3), Up());
                break;
            case 3:
                d.TPosClick(1 + Below(8));
                break;
            case 4:
                d.TxtBldClick();
                break;
            case 5:
                d.TxtItlClick();
                break;
            case 6:
                d.TxtUndClick();
                break;
            case 7:
                d.FontBoxChange(Name("Font", AddLocationLogic::kFontChars));
                break;
            case 8:
                d.ColourBoxChange(uint32_t(rng_()));
                break;
            default:
                d.LocTextChange(Name("Ford", AddLocationLogic::kTextChars));
                break;
            }
        }
        if (const int out = Below(3); out == 0) {
            untouchedExit_ = actions == 0;
            d.ExitBtnClick();
        } else if (out == 1 && d.removeEnabled())
            d.RemveBtnClick();
    });
}

QString EditingSession::VisitMarkers() {
    return Recorded(QStringLiteral("Special Hex Markers"), [&] {
        SelectHxMrkLogic& d = markers_;
        d.FormActivate();
        const int actions = Below(5);
        for (int n = actions; n > 0; --n) {
            if (Up())
                d.MarkerButtonClick(
                    SelectHxMrkLogic::kFirstSlot +
                    Below(SelectHxMrkLogic::kLastSlot - SelectHxMrkLogic::kFirstSlot + 1));
            else
                d.TerListClick(TerrainRow());
        }
        if (Up()) {
            untouchedExit_ = actions == 0;
            d.OkBtnClick();
        }
    });
}

// The fill's terrain is chosen in the modal picker, recorded whole.
QString EditingSession::VisitFillPicker() {
    pickerFloating_ = false;
    return Recorded(QStringLiteral("Terrain Attributes"), [&] {
        picker_.kind = PickerFill;
        picker_.modal = true;
        picker_.FormActivate();
        const int actions = Below(6);
        for (int n = actions; n > 0; --n)
            PickerAction();
        if (const int out = Below(3); out == 0) {
            untouchedExit_ = actions == 0;
            picker_.Button1Click();
        } else if (out == 1)
            picker_.Button2Click();
        else
            picker_.Button3Click();
    });
}

// The floating picker of the primary and secondary modes stays beside the map; each of
// its edits is a step of its own.
QString EditingSession::OpenFloatingPicker() {
    picker_.kind = Up() ? PickerPrimary : PickerSecondary;
    picker_.modal = false;
    picker_.FormActivate();
    pickerFloating_ = true;
    return QStringLiteral("the floating terrain picker shown");
}

QString EditingSession::FloatingPickerEdit() {
    mayJoin_ = true;
    PickerAction();
    return QStringLiteral("an edit in the floating terrain picker");
}

void EditingSession::PickerAction() {
    switch (Below(6)) {
    case 0:
        picker_.TerListClick(TerrainRow());
        break;
    case 1:
        picker_.ElvUpDnClick(Up());
        break;
    case 2:
        picker_.CpmUpDnClick(Up());
        break;
    case 3:
        picker_.DefUpDnClick(Up());
        break;
    case 4:
        picker_.SymNameChange(Name("Marsh", SelectTerLogic::kNameChars));
        break;
    default: {
        // A name typed key by key: the box reports every keystroke.
        const QString name = Name("Fen", SelectTerLogic::kNameChars);
        for (int n = 1; n <= name.size(); ++n)
            picker_.SymNameChange(name.left(n));
        break;
    }
    }
}

QString EditingSession::VisitSettings() {
    return Recorded(QStringLiteral("Battle Settings"), [&] {
        ModifyBattleLogic& d = settings_;
        d.FormActivate();
        const int actions = Below(5);
        for (int n = actions; n > 0; --n) {
            switch (Below(6)) {
            case 0:
                d.entries.battleName = Name("Battle", kNameTypedChars);
                break;
            case 1:
                d.entries.sideAName = Name("West", kNameTypedChars);
                break;
            case 2:
                d.entries.sideBName = Name("East", kNameTypedChars);
                break;
            case 3: {
                QStringList lines;
                for (int line = Below(4); line > 0; --line)
                    lines << Name("Line", kHistoryTypedChars);
                d.entries.history = lines.join(QLatin1Char('\n'));
                break;
            }
            case 4:
                d.TrnUpDnClick(Up());
                break;
            default:
                d.Button2Click(icons_[Below(2)]);
                break;
            }
        }
        if (OneIn(4))
            return; // cancelled
        untouchedExit_ = actions == 0;
        if (!d.OKClick() && Up()) {
            // Refused for a missing name: the designer types one and tries again.
            d.entries.battleName = QStringLiteral("Long Ford");
            d.entries.sideAName = QStringLiteral("Western Forces");
            d.entries.sideBName = QStringLiteral("Eastern Forces");
            d.OKClick();
        }
    });
}

QString EditingSession::VisitTableColour() {
    // The picker only answers; the window stores the answer as one step.
    for (int n = Below(3); n > 0; --n)
        colour_.ColorGridMouseDown(Below(SelectColorLogic::kSide + 2) - 1,
                                   Below(SelectColorLogic::kSide + 2) - 1);
    Up() ? colour_.Button1Click() : colour_.CloseWithoutChoice();
    const QString caption = QStringLiteral("Set Game Table Color");
    const int colour = colour_.answer();
    document.Edit(caption, [&](Battle& b) { b.settings.tableColour = uint8_t(colour & 0xff); });
    return caption;
}
