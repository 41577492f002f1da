#pragma once
// The edits a click on the map performs in the terrain and unit modes: primary and
// secondary terrain, the primary terrain fill with its keep question, caltrops, and
// copying, cutting and pasting units. Each says what the view must redraw.

#include "EditorContext.h"
#include "OrvMessages.h"

#include <vector>

enum class Redraw { Nothing, Hex, All };

class MapCommands {
public:
    explicit MapCommands(EditorContext& context) : context_(context) {}

    // Asks "Keep Terrain Fill Changes?"; the window wires its message box.
    MessageBoxShower askMessage;
    // Shows the map after the fill, before the keep question is asked.
    std::function<void()> redrawBeforeQuestion;

    Redraw PlacePrimary(int hex);
    Redraw AddSecondary(int hex);
    Redraw RemoveSecondary(int hex);
    Redraw FillPrimary(int hex);
    Redraw ToggleCaltrops(int hex);
    // Caltrops on or off whatever the hex had, as a drag after its first hex does.
    Redraw SetCaltrops(int hex, bool on);
    // Copy and cut put the unit on the clipboard; true when a unit was taken.
    bool CopyUnit(int hex);
    Redraw CutUnit(int hex, bool& taken);
    Redraw PasteUnit(int hex);

    // The hexes a fill from `hex` reaches: same key, four neighbours on the grid of
    // columns and rows (the diagonal hex neighbours are not followed).
    static std::vector<int> FillRegion(const Battle& battle, int hex);

    const Battle& battle() const { return context_.battle(); }

private:
    void Fill(Battle& b, int hex);

    EditorContext& context_;
};
