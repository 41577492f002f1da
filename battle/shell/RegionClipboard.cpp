#include "RegionClipboard.h"

#include "RegionBytes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void RegionClipboard::Put(const HexRegion& region) {
    own_ = region;
    HexRegion copy = region;
    copy.moving = false;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRegionMimeType), EncodeRegion(copy));
    data->setText(QStringLiteral("%1 hexes of a Fieldmark battle").arg(region.cells.size()));
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(data);
    else
        delete data;
}

std::optional<HexRegion> RegionClipboard::Take(QString& why) const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (data && data->hasFormat(QString::fromLatin1(kRegionMimeType))) {
        HexRegion region;
        if (!DecodeRegion(data->data(QString::fromLatin1(kRegionMimeType)), region, why))
            return std::nullopt;
        // This window's own region comes back as it went, a cut's move included.
        HexRegion own = own_;
        own.moving = false;
        return region == own ? own_ : region;
    }
    if (own_.empty()) {
        why = QStringLiteral("The clipboard holds no hexes.");
        return std::nullopt;
    }
    return own_;
}

bool RegionClipboard::empty() const {
    QString why;
    return !Take(why).has_value();
}
