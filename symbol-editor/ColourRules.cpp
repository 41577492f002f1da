#include "ColourRules.h"

#include "AtomicWrite.h"

#include <QDir>
#include <QFile>

namespace {
const QString kPreferencesFile = QStringLiteral("fmsymbol.prf");
}

QRgb DrawableColour(QRgb colour) {
    const QRgb opaque = colour | 0xff000000u;
    return SameColour(opaque, 0xff000000u) ? kVisibleBlack : opaque;
}

int PaletteIndexOf(const QImage& palette, QRgb colour) {
    int best = -1;
    for (int column = 0; column < 16 && column < palette.width(); ++column) {
        for (int row = 0; row < 16 && row < palette.height(); ++row) {
            if (!SameColour(palette.pixel(column, row), colour))
                continue;
            const int index = GridCellIndex(column, row);
            if (best < 0 || index < best)
                best = index;
        }
    }
    return best;
}

QString ColourIndexText(int index) {
    if (index < 0)
        return QStringLiteral("---");
    return QStringLiteral("%1").arg(index, 3, 10, QLatin1Char('0'));
}

QRgb ColourFromPreference(qint64 value) {
    return qRgb(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

qint64 PreferenceFromColour(QRgb colour) {
    return qint64(qRed(colour)) | (qint64(qGreen(colour)) << 8) | (qint64(qBlue(colour)) << 16);
}

QRgb ReadTransparentColour(const QString& folder) {
    QFile file(QDir(folder).filePath(kPreferencesFile));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        bool ok = false;
        const qint64 value = file.readLine().trimmed().toLongLong(&ok);
        if (ok && value >= 0 && value <= 0xffffff)
            return ColourFromPreference(value);
    }
    WriteTransparentColour(folder, kDefaultTransparentColour);
    return kDefaultTransparentColour;
}

QString PreferencesPath(const QString& folder) {
    return QDir(folder).filePath(kPreferencesFile);
}

bool WriteTransparentColour(const QString& folder, QRgb colour) {
    const QByteArray line = QByteArray::number(PreferenceFromColour(colour)) + "\n";
    return bool(WriteFileAtomically(PreferencesPath(folder), line));
}
