#include "RenderBattle.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"
#include "MapPicture.h"
#include "OpenBattle.h"
#include "PaletteColour.h"
#include "ProgramFolder.h"
#include "ProgramFolderChoice.h"

#include <QDir>
#include <QFileInfo>

namespace {

QImage FindPalette(const QStringList& programFolders) {
    for (const QString& folder : programFolders) {
        const QString path =
            FindEntry(FindEntry(folder, QStringLiteral("bmps")), QStringLiteral("ketpal.bmp"));
        if (QFileInfo(path).isFile()) {
            const QImage palette(path);
            if (!palette.isNull())
                return palette.convertToFormat(QImage::Format_RGB32);
        }
    }
    return {};
}

} // namespace

QStringList PaletteFolders(const QString& battlePath, const QString& currentDir,
                           const QString& executableDir) {
    return ProgramFoldersAround(battlePath, currentDir, executableDir);
}

int RenderBattleFile(const RenderRequest& request, const QStringList& programFolders,
                     const std::function<void(const QString&)>& say) {
    QStringList messages;
    const MessageSink sink = [&messages](const QString&, const QString& text) {
        messages << QString(text).replace(QLatin1Char('\r'), QLatin1Char(' '));
    };
    const auto details = [&messages] {
        return messages.isEmpty() ? QString() : QStringLiteral(": ") + messages.join(' ');
    };
    if (!QFileInfo(request.battlePath).isFile()) {
        say(QStringLiteral("fmrender: the battle file %1 does not exist.").arg(request.battlePath));
        return 1;
    }
    Battle battle;
    LoadedSymbolSet set;
    QString openedPath;
    switch (OpenBattle(request.battlePath, battle, set, openedPath, sink)) {
    case OpenOutcome::ReadFailed:
        say(QStringLiteral("fmrender: the battle file %1 cannot be read%2")
                .arg(request.battlePath, details()));
        return 1;
    case OpenOutcome::SetFailed:
        say(QStringLiteral("fmrender: the symbol set \"%1\" that %2 is drawn with cannot be read "
                           "from %3%4")
                .arg(battle.settings.symbolSetName.text(), request.battlePath,
                     QFileInfo(request.battlePath).absolutePath(), details()));
        return 1;
    case OpenOutcome::Opened:
        break;
    }

    MapPictureOptions options;
    options.zoom = request.zoom;
    options.prefs.showMapText = request.showMapText;
    options.prefs.showOverlay = request.showOverlay;
    options.hexMask = set.realHex != 0;
    const QImage palette = FindPalette(programFolders);
    if (palette.isNull())
        say(QStringLiteral("fmrender: no palette picture bmps/ketpal.bmp found; the table colour "
                           "is black."));
    options.tableColour = PaletteColour(palette, battle.settings.tableColour);

    const MapPicture drawn = RenderMapPicture(battle, set, options);
    if (drawn.picture.isNull()) {
        say(QStringLiteral("fmrender: %1").arg(drawn.error));
        return 1;
    }
    if (const QString failed = SaveMapPicture(drawn.picture, request.outputPath);
        !failed.isEmpty()) {
        say(QStringLiteral("fmrender: %1").arg(QString(failed).replace(QLatin1Char('\r'), ' ')));
        return 1;
    }
    return 0;
}
