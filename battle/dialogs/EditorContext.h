#pragma once
// What the main window shares with every dialog: the battle, its loaded symbol set, the
// definitions, the program folder, the sounds, the palette and the editing state the
// dialogs read and write. Owned by the main window; dialogs hold a reference.

#include "Battle.h"
#include "BattleHistory.h"
#include "Definitions.h"
#include "LoadedSymbolSet.h"
#include "MessageSink.h"
#include "PaletteColour.h"
#include "SoundEffects.h"
#include "UnitTemplate.h"

#include <QImage>
#include <QString>

#include <functional>

struct EditorContext {
    Battle& battle;
    LoadedSymbolSet& symbols;
    Definitions& definitions;
    SoundEffects& sounds;
    QString programFolder;
    MessageSink messages; // shows a "Warning" or "Error" box

    QImage palette;      // "ketpal.bmp": index i is the pixel (i mod 16, i div 16)
    QImage iconPicture;  // the battle icon
    int dialogValue = 0; // a side for the side reports; the colour picker's index
    int currentHex = 0;  // the hex a hex dialog was opened on
    int terrainSelection = 0;
    // The last unit added or edited: new units and Shift+click copies start like it.
    UnitTemplate unitTemplate{};
    bool hexMask = true; // primary terrain is drawn through the set's shared hex mask
    // Shows why an action was refused where the designer looks (the status line).
    std::function<void(const QString& reason)> showRefusal = nullptr;

    // An action that is not allowed: the refusal sound, and the reason in words for
    // machines without sound.
    void Refuse(const QString& reason) {
        sounds.Play(SoundRefusal);
        if (showRefusal)
            showRefusal(reason);
    }
    // The undo history, for the edits of a dialog that stays open beside the map (the
    // floating terrain picker); modal dialogs are recorded whole by the main window.
    BattleHistory* history = nullptr;

    QColor PaletteColour(int index) const { return ::PaletteColour(palette, index); }
};
