#include "RenderBattle.h"

#include "Battle.h"
#include "LoadedSymbolSet.h"
#include "OpenBattle.h"
#include "PaletteColour.h"
#include "PictureFile.h"
#include "ProgramFolder.h"
#include "ProgramFolderChoice.h"

#include <QDir>
#include <QFile>
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

QString OneLine(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), ' ');
}

// Why the battle file itself cannot be taken: missing, unreadable, or not a battle.
QString BattleFileFault(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return QStringLiteral("the battle file %1 does not exist.").arg(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the battle file %1 cannot be read: %2.")
            .arg(path, file.errorString());
    return QStringLiteral("%1 is damaged or no battle: it ends early or holds values no battle "
                          "can hold.")
        .arg(path);
}

} // namespace

RenderFolders FoldersToSearch(const QString& battlePath, const QString& currentDir,
                              const QString& executableDir, const QString& userFolder) {
    const QString battles = QFileInfo(battlePath).absolutePath();
    const QString stock = InstalledStockFolder(executableDir);
    return {{QDir::cleanPath(battles + QStringLiteral("/..")), currentDir, stock, executableDir},
            {BattlesFolder(currentDir), BattlesFolder(userFolder), BattlesFolder(stock)}};
}

int RenderBattleFile(const RenderRequest& request, const RenderFolders& folders,
                     const std::function<void(const QString&)>& say) {
    QStringList messages;
    const MessageSink sink = [&messages](const QString&, const QString& text) {
        messages << OneLine(text);
    };
    Battle battle;
    LoadedSymbolSet set;
    QString openedPath;
    switch (OpenBattle(request.battlePath, battle, set, openedPath, sink, folders.sets)) {
    case OpenOutcome::ReadFailed:
        say(QStringLiteral("fmrender: ") + BattleFileFault(request.battlePath));
        return 1;
    case OpenOutcome::SetFailed:
        say(QStringLiteral("fmrender: %1: %2").arg(request.battlePath, messages.join(' ')));
        return 1;
    case OpenOutcome::Opened:
        break;
    }

    MapPictureOptions options;
    options.zoom = request.zoom;
    options.prefs.showMapText = request.showMapText;
    options.prefs.showOverlay = request.showOverlay;
    options.hexMask = set.realHex != 0;
    const QImage palette = FindPalette(folders.palette);
    if (palette.isNull())
        say(QStringLiteral("fmrender: no palette picture bmps/ketpal.bmp found; the table colour "
                           "is black."));
    options.tableColour = PaletteColour(palette, battle.settings.tableColour);

    QString failed;
    const QByteArray file = DrawPictureFile(battle, set, options, request.format, failed);
    if (file.isEmpty()) {
        say(QStringLiteral("fmrender: ") + failed);
        return 1;
    }
    if (const QString unwritten = WritePictureFile(file, request.outputPath);
        !unwritten.isEmpty()) {
        say(QStringLiteral("fmrender: ") + unwritten);
        return 1;
    }
    return 0;
}
