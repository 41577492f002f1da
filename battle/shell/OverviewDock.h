#pragma once
// The overview window: the whole map, one to three pixels per hex, with a frame around the
// part the map window shows. A click or a drag in it moves the map window there. It only
// shows: the main window tells it what changed (one hex, everything, the view).

#include "OverviewImage.h"

#include <QDockWidget>

#include <vector>

class Battle;
class QComboBox;
struct LoadedSymbolSet;

class OverviewDock : public QDockWidget {
    Q_OBJECT
public:
    explicit OverviewDock(QWidget* parent = nullptr);

    // The battle and set shown (null: none); draws the whole map.
    void ShowBattle(const Battle* battle, const LoadedSymbolSet* set, QRgb tableColour);
    // After an edit of these hexes; a change of the map's size draws everything.
    void UpdateHexes(const std::vector<int>& hexes);
    void Redraw();
    // The part of the map the map window shows.
    void SetView(int originHex, int visibleCols, int visibleRows);
    void SetScale(int scale);
    int scale() const { return scale_; }
    const OverviewImage& overview() const { return overview_; }
    QRect viewFrame() const { return frame_; }

signals:
    // The designer clicked or dragged to this hex: centre the map window on it.
    void centreOn(int hex);
    void scaleChanged(int scale);

private:
    friend class OverviewView;
    void PointedAt(QPoint p);

    const Battle* battle_ = nullptr;
    OverviewColours colours_;
    OverviewImage overview_;
    int scale_ = 2;
    int origin_ = 0, visibleCols_ = 0, visibleRows_ = 0;
    QRect frame_;
    QWidget* view_ = nullptr;
    QComboBox* scaleBox_ = nullptr;
};
