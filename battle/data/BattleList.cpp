#include "BattleList.h"

#include "AtomicWrite.h"
#include "ByteCursor.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

QString BattleListPath(const QString& programFolder) {
    return FindEntry(programFolder, QStringLiteral("battle.lst"));
}

QStringList LoadBattleList(const QString& programFolder) {
    QStringList kept;
    QFile file(BattleListPath(programFolder));
    if (!file.open(QIODevice::ReadOnly))
        return kept;
    const QByteArray bytes = file.readAll();
    ByteReader in(bytes);
    const int count = in.u8();
    for (int i = 0; i < count && i < kMaxRecentBattles; ++i) {
        bool hadZero = false;
        const QByteArray raw = in.zeroEndedText(kMaxRecentPathBytes + 1, &hadZero);
        if (!hadZero)
            break; // the list ends early or holds an overlong entry: keep what came before
        const QString path = QFile::decodeName(raw);
        if (!path.isEmpty() && QFileInfo(path).isFile())
            kept.append(path);
    }
    return kept;
}

void RecordInBattleList(QStringList& recentBattles, const QString& path,
                        const QString& programFolder, const MessageSink& sink) {
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty() || encoded.size() > kMaxRecentPathBytes || encoded.contains('\0'))
        return; // a path the list cannot hold is not recorded
    // Another editor may have recorded battles since this one read the list: its entries
    // stay, then this window's own entries the file no longer holds.
    QStringList list = LoadBattleList(programFolder);
    for (const QString& own : recentBattles) {
        if (!list.contains(own, Qt::CaseSensitive) && list.size() < kMaxRecentBattles)
            list.append(own);
    }
    if (!list.contains(path, Qt::CaseSensitive)) {
        list.prepend(path);
        while (list.size() > kMaxRecentBattles)
            list.removeLast();
    }

    ByteWriter out;
    out.u8(uint8_t(list.size()));
    for (const QString& entry : list) {
        out.bytes(QFile::encodeName(entry));
        out.u8(0);
    }
    if (!WriteFileAtomically(BattleListPath(programFolder), out.data()))
        Warn(sink, QStringLiteral("Could not write the list of recent battles."));
    recentBattles = LoadBattleList(programFolder);
}
