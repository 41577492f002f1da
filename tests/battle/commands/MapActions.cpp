// The map commands as clicks and drags in their modes.
#include "BrushFootprint.h"
#include "CommandModes.h"
#include "EditingSession.h"
#include "MapGeometry.h"
#include "TMainForm.h"
#include "UnitTemplate.h"

#include <algorithm>

// Near the middle of the hex's square, where the hit test finds that hex.
QPoint EditingSession::PointIn(int hex) {
    const MapMetrics m = MetricsFor(battle.settings, symbols, 0);
    const int half = m.cellWidth / 2;
    return HexOrigin(m, hex, 0) + QPoint(half + Below(3) - 1, half + Below(3) - 1);
}

QString EditingSession::Stroke() {
    static constexpr int kModes[] = {ModePlacePrimary, ModeAddSecondary, ModeAddSecondary,
                                     ModeCaltrops};
    const int mode = kModes[Below(4)];
    const Qt::MouseButton button =
        mode == ModeAddSecondary && Up() ? Qt::RightButton : Qt::LeftButton;
    // Another terrain mode closes the floating picker; caltrops keep it open.
    const int pickerKind = mode == ModePlacePrimary ? PickerPrimary : PickerSecondary;
    if (mode != ModeCaltrops && picker_.kind != pickerKind)
        pickerFloating_ = false;
    stroke_.brushRadius = Below(kMaxBrushRadius + 1);
    const QPoint press = PointIn(AnyHex());
    const int hex = stroke_.hexAt(press);
    if (hex == kOffMap)
        return QStringLiteral("a press beside the map");
    stroke_.Begin(mode, button, hex, press);
    // The held button moves mostly to a neighbouring hex, now and then far across the map.
    const int cols = battle.settings.mapCols;
    int at = hex;
    for (int n = Below(6); n > 0; --n) {
        at = OneIn(4)
                 ? AnyHex()
                 : std::clamp(at + Below(3) - 1 + (Below(3) - 1) * cols, 0, battle.hexCount() - 1);
        stroke_.MoveTo(PointIn(at));
    }
    stroke_.End();
    return DragStroke::Caption(mode, button) + QStringLiteral(", brush radius %1, %2 hexes")
                                                   .arg(stroke_.brushRadius)
                                                   .arg(stroke_.painted().size());
}

QString EditingSession::Fill() {
    pickerFloating_ = false;
    keepFill_ = !OneIn(3);
    const int hex = AnyHex();
    Recorded(TMainForm::MapStepCaption(ModeFillPrimary, Qt::LeftButton),
             [&] { commands_.FillPrimary(hex); });
    fillDeclined_ = !keepFill_;
    return keepFill_ ? QStringLiteral("Fill Primary Terrain, kept")
                     : QStringLiteral("Fill Primary Terrain, not kept");
}

QString EditingSession::UnitClipboard() {
    pickerFloating_ = false;
    const int mode = unitCopied_ ? ModeCopyUnit + Below(3) : ModeCopyUnit + Below(2);
    const int hex = mode == ModePasteUnit ? AnyHex() : BusyHex();
    return Recorded(TMainForm::MapStepCaption(mode, Qt::LeftButton), [&] {
        bool taken = false;
        if (mode == ModeCopyUnit)
            taken = commands_.CopyUnit(hex);
        else if (mode == ModeCutUnit)
            commands_.CutUnit(hex, taken);
        else
            commands_.PasteUnit(hex);
        unitCopied_ = unitCopied_ || taken;
    });
}

QString EditingSession::Stamp() {
    pickerFloating_ = false;
    const bool reinforcement = OneIn(3);
    const int hex = OneIn(4) ? BusyHex() : AnyHex();
    return Recorded(QStringLiteral("Place Unit"), [&] {
        QString refusal;
        ::StampUnit(battle, context->unitTemplate, hex, reinforcement, kUnitNameChars, refusal);
    });
}

QString EditingSession::UnitSelectionEdit() {
    pickerFloating_ = false;
    // As the window opens the order of battle of a side and changes the chosen rows.
    orderOfBattle_.side = 1 + Below(2);
    const int kind = Below(4);
    const QString captions[] = {QStringLiteral("Set Wing"), QStringLiteral("Set Side"),
                                QStringLiteral("Set Reinforcement Turn"),
                                QStringLiteral("Remove Units")};
    size_t chosen = 0;
    Recorded(captions[kind], [&] {
        orderOfBattle_.FormActivate();
        std::vector<int> rows;
        const int count = int(orderOfBattle_.grid().rows.size());
        for (int row = 0; row < count; ++row) {
            if (OneIn(3))
                rows.push_back(row);
        }
        if (count > 0 && OneIn(4))
            rows.push_back(count); // a row past the end chooses nothing
        chosen = rows.size();
        switch (kind) {
        case 0:
            orderOfBattle_.SetWingClick(rows, Below(int(battle.wingNames().size()) + 1));
            break;
        case 1:
            orderOfBattle_.SetSideClick(rows, 1 + Below(2));
            break;
        case 2:
            orderOfBattle_.SetTurnClick(rows, Below(40));
            break;
        default:
            orderOfBattle_.RemoveClick(rows);
            break;
        }
    });
    return captions[kind] + QStringLiteral(", %1 rows").arg(chosen);
}
