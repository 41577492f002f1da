#include "FuzzFiles.h"

#include <QDir>
#include <QFile>

QList<QByteArray> SplitParts(const uint8_t* data, size_t size, int maxParts) {
    QList<QByteArray> parts;
    size_t pos = 0;
    while (pos < size && parts.size() < maxParts) {
        if (size - pos < 2) {
            parts.append(
                QByteArray(reinterpret_cast<const char*>(data + pos), qsizetype(size - pos)));
            break;
        }
        const size_t length = size_t(data[pos]) | (size_t(data[pos + 1]) << 8);
        pos += 2;
        const size_t take = std::min(length, size - pos);
        parts.append(QByteArray(reinterpret_cast<const char*>(data + pos), qsizetype(take)));
        pos += take;
    }
    return parts;
}

QByteArray JoinParts(const QList<QByteArray>& parts) {
    QByteArray out;
    for (const QByteArray& part : parts) {
        const int length = int(std::min<qsizetype>(part.size(), 0xffff));
        out.append(char(length & 0xff));
        out.append(char(length >> 8));
        out.append(part.left(length));
    }
    return out;
}

bool WriteFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString ScratchFolder() {
    static QTemporaryDir dir;
    QDir scratch(dir.path());
    for (const QString& entry :
         scratch.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFileInfo info(scratch.filePath(entry));
        if (info.isDir())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
    return dir.path();
}
