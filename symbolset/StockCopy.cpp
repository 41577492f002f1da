#include "StockCopy.h"

#include "AtomicWrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

StockCopy Failed(StockCopy copy, const QString& error) {
    copy.ok = false;
    copy.error = error;
    return copy;
}

QByteArray Checksum(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool IsChecksum(const QByteArray& text) {
    if (text.size() != 64)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// The bytes of `path`, or nothing when it cannot be read.
std::optional<QByteArray> ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QStringList FilesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort(); // the same order on every file system
    return files;
}

} // namespace

StockManifest ParseStockManifest(const QByteArray& text) {
    StockManifest manifest;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray sum = line.left(64);
        const QString path = QString::fromUtf8(line.mid(66));
        if (IsChecksum(sum) && line.mid(64, 2) == "  " && !path.isEmpty())
            manifest.insert(path, sum);
    }
    return manifest;
}

QByteArray FormatStockManifest(const StockManifest& manifest) {
    QByteArray text;
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it)
        text += it.value() + "  " + it.key().toUtf8() + '\n';
    return text;
}

StockCopy CopyStock(const QString& stock, const QString& target) {
    StockCopy copy;
    if (!QDir().mkpath(target))
        return Failed(copy, QStringLiteral("The folder %1 cannot be created.").arg(target));
    const QDir from(stock);
    const QDir to(target);
    const QString manifestPath = to.filePath(kStockManifest);
    const StockManifest before = ParseStockManifest(ReadAll(manifestPath).value_or(QByteArray()));
    StockManifest after = before;
    for (const QString& relative : FilesBelow(stock)) {
        const QString source = from.filePath(relative);
        const std::optional<QByteArray> bytes = ReadAll(source);
        if (!bytes)
            return Failed(copy, QStringLiteral("%1 cannot be read.").arg(source));
        const QByteArray sum = Checksum(*bytes);
        const QString destination = to.filePath(relative);
        QStringList* done = &copy.copied;
        if (QFileInfo::exists(destination)) {
            const QByteArray present = Checksum(ReadAll(destination).value_or("\n<unreadable>"));
            if (present == sum) {
                after.insert(relative, sum); // as installed: from now on known as stock
                continue;
            }
            if (!before.contains(relative) || before.value(relative) != present) {
                // Changed by the designer, or a file of the designer's that was there first.
                copy.kept << relative;
                continue;
            }
            done = &copy.refreshed;
        } else if (!QDir().mkpath(QFileInfo(destination).absolutePath())) {
            return Failed(copy,
                          QStringLiteral("The folder of %1 cannot be created.").arg(destination));
        }
        if (const SetResult written = WriteFileAtomically(destination, *bytes); !written)
            return Failed(copy, written.message);
        after.insert(relative, sum);
        *done << relative;
    }
    if (after != before) {
        if (const SetResult written = WriteFileAtomically(manifestPath, FormatStockManifest(after));
            !written)
            return Failed(copy, written.message);
    }
    return copy;
}
