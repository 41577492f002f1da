// The main window's "Export Map Picture..." command.
#include "MapPictureExport.h"
#include "TMainForm.h"

#include <QDir>
#include <QFileInfo>

void TMainForm::ExportMapPictureClick() {
    if (!battleActive())
        return;
    MapPictureExport& exporter = *mapPictureExport_;
    exporter.messages = context_.messages;
    MapPictureOptions view;
    view.prefs = prefs;
    view.tableColour = renderer_.tableColour;
    view.hexMask = renderer_.hexMask;
    // Offered beside the battle file, named after it; an untitled battle after its name.
    const QFileInfo file(document_.path());
    const bool saved = !document_.untitled() && !document_.path().isEmpty();
    const QString name =
        saved ? file.completeBaseName() : document_.battle().settings.battleName.text();
    if (exporter.Run(document_.battle(), document_.symbols(), view, renderer_.zoomLevel(),
                     saved ? file.absolutePath() : BattlesFolder(),
                     name.isEmpty() ? QStringLiteral("map") : name))
        SetStatus(QStringLiteral("Map picture written to ") +
                  QDir::toNativeSeparators(exporter.writtenPath) + QLatin1Char('.'));
}
