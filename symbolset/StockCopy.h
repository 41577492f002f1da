#pragma once
// Keeping the user's folder in step with the installed stock data. Every file copied from
// the stock is listed with its checksum in the manifest "stock.sha256" of the user's folder
// (the format of `sha256sum`), so a later start can tell a stock file the designer changed
// (kept as it is, whatever the installation holds) from one still as it was copied
// (replaced when the installed file is newer). A missing stock file is copied again.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

inline const QString kStockManifest = QStringLiteral("stock.sha256");

struct StockCopy {
    bool ok = true;
    QStringList copied;    // missing files copied, relative to the target, in order
    QStringList refreshed; // unchanged stock files replaced by a different installed one
    QStringList kept;      // stock files the designer changed: left as they are
    QString error;         // the first failure, when ok is false
};

// Relative path → lower-case hexadecimal SHA-256. Lines that are not "<64 hex>  <path>"
// are ignored, so a damaged manifest only makes the files it lost count as the designer's.
using StockManifest = QMap<QString, QByteArray>;
StockManifest ParseStockManifest(const QByteArray& text);
QByteArray FormatStockManifest(const StockManifest& manifest);

// Brings `target` in step with `stock` as above; each file and the manifest are written
// atomically, the manifest last, so an interrupted start is finished by the next one.
StockCopy CopyStock(const QString& stock, const QString& target);
