#pragma once
// A program folder in a temporary directory and an editor context over it, for the
// dialog tests; the messages and message-box requests a dialog makes are recorded.

#include "DocumentTestAccess.h"
#include "EditorContext.h"
#include "OrvMessages.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <utility>
#include <vector>

struct DialogTestBench {
    DialogTestBench();

    // Writes a loadable set "name" (3 terrain, 2 unit symbols) into the Battles folder.
    void WriteSet(const QString& name);
    // Writes a size × size icon of one colour into the icons folder; returns its path.
    QString WriteIcon(const QString& fileName, QColor colour, int size = 120);
    // A palette whose index i is the colour PaletteIndexColour(i).
    static QImage TestPalette();
    static QColor PaletteIndexColour(int index);

    QStringList messageTexts() const;
    MessageBoxShower Shower() {
        return [this](int number, int mode) {
            boxRequests.emplace_back(number, mode);
            return int(OrvYes);
        };
    }

    QTemporaryDir dir;
    QString folder;
    BattleDocument document;
    // Built in place by the tests, as a file reader would.
    Battle& battle = BattleDocumentTestAccess::Writable(document);
    LoadedSymbolSet& symbols = BattleDocumentTestAccess::Symbols(document);
    Definitions definitions;
    std::unique_ptr<SoundEffects> sounds;
    std::unique_ptr<EditorContext> context;
    std::vector<std::pair<QString, QString>> messages; // caption, text
    std::vector<std::pair<int, int>> boxRequests;      // message number, button mode
    QStringList refusals;                              // reasons shown for refused actions
};
