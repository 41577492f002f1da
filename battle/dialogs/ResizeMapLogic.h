#pragma once
// The rules of the "Resize Map..." dialog: columns and rows added (or removed, below
// zero) at each edge, kept so that the map stays 10 to 150 hexes each way; the new size,
// the records that would go and a note on the stagger for the preview. OK is offered only
// for a change; records lost need the designer's confirmation before the resize is made.

#include "MapResize.h"

#include <QString>
#include <QStringList>

class Battle;

class ResizeMapLogic {
public:
    enum Edge { Left, Right, Top, Bottom };

    explicit ResizeMapLogic(const Battle& battle);

    // Starts again from the battle's size with nothing added.
    void FormActivate();
    // Kept within what the other edges leave.
    void SetEdge(Edge edge, int value);
    int edge(Edge e) const;
    int Minimum(Edge e) const;
    int Maximum(Edge e) const;

    // "40 × 30 hexes → 42 × 30 hexes"
    QString sizeText() const;
    // One line per record that would go, or "Nothing on the map is lost."
    QStringList lostLines() const;
    // How the stagger moves the ground, when it does; empty otherwise.
    QString staggerNote() const;
    bool OkEnabled() const;
    // Records would go: ask before resizing.
    bool NeedsConfirmation() const { return plan_.losesRecords(); }
    const ResizePlan& plan() const { return plan_; }

private:
    void Replan();

    const Battle& battle_;
    ResizeEdges edges_;
    ResizePlan plan_;
};
