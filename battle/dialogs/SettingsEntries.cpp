#include "SettingsEntries.h"

#include "OrvMessages.h"
#include "ProgramFolder.h"

#include <QFileInfo>
#include <QPainter>
#include <QStringList>

int SettingsEntries::RefusalMessage() const {
    if (battleName.isEmpty())
        return MsgNeedBattleName;
    if (sideAName.isEmpty() || sideBName.isEmpty())
        return MsgNeedFactionNames;
    return 0;
}

void SettingsEntries::StoreInto(BattleSettings& settings) const {
    // A file may hold longer names than the boxes take: a name left as it was stays whole.
    const auto store = [](auto& field, const QString& entry) {
        if (entry != field.text())
            field.assign(entry.left(kNameTypedChars));
    };
    store(settings.battleName, battleName);
    store(settings.sideAName, sideAName);
    store(settings.sideBName, sideBName);
    const QStringList lines = history.split(QLatin1Char('\n'));
    for (int i = 0; i < kHistoryLines; ++i) {
        QString line = i < lines.size() ? lines[i] : QString();
        line.remove(QLatin1Char('\r'));
        settings.history[size_t(i)].assign(line.left(kHistoryTypedChars));
    }
}

SettingsEntries SettingsEntries::From(const BattleSettings& settings) {
    SettingsEntries e;
    e.battleName = settings.battleName.text();
    e.sideAName = settings.sideAName.text();
    e.sideBName = settings.sideBName.text();
    QStringList lines;
    for (const auto& line : settings.history)
        lines.append(line.text());
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    e.history = lines.join(QLatin1Char('\n'));
    return e;
}

int StepTurns(int turns, bool up) {
    if (up)
        return turns < kMaxTurns ? turns + 1 : turns;
    return turns > kMinTurns ? turns - 1 : turns;
}

int StepMapSide(int value, bool up) {
    if (up)
        return value < kMaxMapSide ? value + 1 : value;
    return value > kMinMapSide ? value - 1 : value;
}

QString ChosenBaseName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

bool FitsField(const QString& name, int maxChars) {
    const QByteArray bytes = name.toLatin1();
    return bytes.size() <= maxChars && !bytes.contains('\0') && QString::fromLatin1(bytes) == name;
}

QString IconsFolder(const QString& programFolder) {
    return FindEntry(programFolder, QStringLiteral("icons"));
}

QImage IconPreview(const QImage& picture, int side) {
    if (picture.isNull())
        return {};
    const QImage part = picture.copy(0, 0, kIconPictureSide, kIconPictureSide);
    QImage out(side, side, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, side, side), part);
    return out;
}

bool ReadChosenIcon(const QString& chosenPath, const MessageSink& sink, QString& name,
                    QImage& picture) {
    const QString chosenName = ChosenBaseName(chosenPath);
    if (chosenName.isEmpty() ||
        !FitsField(chosenName, decltype(BattleSettings::iconName)::kMaxChars)) {
        Warn(sink, QStringLiteral("The icon's file name cannot be used."));
        return false;
    }
    const QImage chosenPicture(chosenPath);
    if (chosenPicture.isNull()) {
        Warn(sink, QStringLiteral("Could not open selected file."));
        return false;
    }
    name = chosenName;
    picture = chosenPicture;
    return true;
}
