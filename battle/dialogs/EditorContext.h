#pragma once
// What the main window shares with every dialog: the battle document (the battle, read
// through battle() and changed only through the document's Edit), its loaded symbol set,
// the definitions, the program folder, the sounds, the palette and the editing state the
// designer sees. Owned by the main window; dialogs hold a reference.

#include "Battle.h"
#include "BattleDocument.h"
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
    BattleDocument& document;
    const LoadedSymbolSet& symbols;
    Definitions& definitions;
    SoundEffects& sounds;
    QString programFolder;
    MessageSink messages; // shows a "Warning" or "Error" box

    QImage palette;     // "ketpal.bmp": index i is the pixel (i mod 16, i div 16)
    QImage iconPicture; // the battle icon
    int currentHex = 0; // the hex a hex dialog was opened on
    // The terrain the terrain commands place: the picker's and the fill's choice.
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
    const Battle& battle() const { return document.battle(); }
    // One undo step (or part of the visit of the dialog that is open).
    bool Edit(const QString& caption, const std::function<void(Battle&)>& change,
              const void* joinKey = nullptr) {
        return document.Edit(caption, change, joinKey);
    }

    QColor PaletteColour(int index) const { return ::PaletteColour(palette, index); }
};
