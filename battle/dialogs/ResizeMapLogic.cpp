#include "ResizeMapLogic.h"

#include "Battle.h"

#include <algorithm>

ResizeMapLogic::ResizeMapLogic(const Battle& battle) : battle_(battle) {
    Replan();
}

void ResizeMapLogic::FormActivate() {
    edges_ = {};
    Replan();
}

void ResizeMapLogic::Replan() {
    plan_ = PlanResize(battle_, edges_);
}

int ResizeMapLogic::edge(Edge e) const {
    switch (e) {
    case Left:
        return edges_.left;
    case Right:
        return edges_.right;
    case Top:
        return edges_.top;
    default:
        return edges_.bottom;
    }
}

int ResizeMapLogic::Minimum(Edge e) const {
    const bool columns = e == Left || e == Right;
    const int side = columns ? battle_.settings.mapCols : battle_.settings.mapRows;
    const int other = columns ? edge(e == Left ? Right : Left) : edge(e == Top ? Bottom : Top);
    return kMinMapSide - side - other;
}

int ResizeMapLogic::Maximum(Edge e) const {
    return Minimum(e) + (kMaxMapSide - kMinMapSide);
}

void ResizeMapLogic::SetEdge(Edge e, int value) {
    value = std::clamp(value, Minimum(e), Maximum(e));
    (e == Left    ? edges_.left
     : e == Right ? edges_.right
     : e == Top   ? edges_.top
                  : edges_.bottom) = value;
    Replan();
}

QString ResizeMapLogic::sizeText() const {
    return QStringLiteral("%1 × %2 hexes → %3 × %4 hexes")
        .arg(battle_.settings.mapCols)
        .arg(battle_.settings.mapRows)
        .arg(plan_.cols)
        .arg(plan_.rows);
}

QStringList ResizeMapLogic::lostLines() const {
    const QStringList lines = LostRecordLines(battle_, plan_);
    if (!lines.isEmpty())
        return lines;
    return {plan_.lostHexes > 0
                ? QStringLiteral("%1 hexes of terrain go; no records stand on them.")
                      .arg(plan_.lostHexes)
                : QStringLiteral("Nothing on the map is lost.")};
}

QString ResizeMapLogic::staggerNote() const {
    if (!plan_.halfStep)
        return {};
    const bool columns = battle_.settings.gridLayout != LayoutHoriz;
    const bool adding = columns ? edges_.left > 0 : edges_.top > 0;
    if (columns)
        return adding
                   ? QStringLiteral("An odd number of columns at the left: the ground moves half a "
                                    "row down to keep its shape.")
                   : QStringLiteral("An odd number of columns at the left: the ground moves half a "
                                    "row up to keep its shape.");
    return adding
               ? QStringLiteral("An odd number of rows at the top: the ground moves half a column "
                                "right to keep its shape.")
               : QStringLiteral("An odd number of rows at the top: the ground moves half a column "
                                "left to keep its shape.");
}

bool ResizeMapLogic::OkEnabled() const {
    return plan_.allowed() && !(edges_ == ResizeEdges{});
}
