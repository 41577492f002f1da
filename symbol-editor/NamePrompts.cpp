#include "NamePrompts.h"

#include <Latin1Text.h>

#include <QPainter>

bool NamePromptLogic::OKBtnClick(const QString& typed, const DuplicateQuestion& ask) {
    refusal = Latin1RefusalReason(typed);
    if (!refusal.isEmpty())
        return false;
    if (!original.isEmpty() && typed == original) {
        buffer = typed;
        return true;
    }
    const QString name = typed.left(kMaxLength);
    if (name.isEmpty())
        return false;
    const QByteArray bytes = name.toLatin1();
    bool exists = false;
    for (const SymbolRecord& r : set_.table(kind_))
        exists = exists || r.name == bytes;
    if (exists && (!ask || ask() != 1))
        return false;
    buffer = name;
    return true;
}

UnitSizeLogic::UnitSizeLogic(const SymbolSet& set) : names(set, SymbolKind::Unit), set_(set) {
    for (int level = 1; level <= kLevelCount; ++level) {
        QSize size(kMinSize, kMinSize);
        if (set.count(SymbolKind::Unit) > 0) {
            size = set.record(SymbolKind::Unit, 1).cells[level - 1].size();
        } else if (set.count(SymbolKind::Terrain) > 0) {
            const QSize hex = set.record(SymbolKind::Terrain, 1).cells[level - 1].size();
            size = QSize(std::max(hex.width() / 2, kMinSize), std::max(hex.height() / 2, kMinSize));
        }
        sizes[level - 1] = size;
    }
}

QString UnitSizeLogic::sizeText(int value) const {
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

void UnitSizeLogic::Step(int& value, int by) {
    const int next = value + by;
    if (next >= kMinSize && next <= kMaxSize)
        value = next;
}

QImage UnitSizeLogic::Preview(int level) const {
    QImage preview(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
    preview.fill(qRgb(192, 192, 192));
    QSize hex;
    if (set_.count(SymbolKind::Terrain) > 0)
        hex = set_.record(SymbolKind::Terrain, 1).cells[level - 1].size();
    const QSize unit = sizes[level - 1];
    const auto centred = [](QSize s) {
        return QRect((kPreviewSize - s.width()) / 2, (kPreviewSize - s.height()) / 2, s.width(),
                     s.height());
    };
    QPainter painter(&preview);
    const auto paintHex = [&] { painter.fillRect(centred(hex), QColor(0, 128, 0)); };
    const auto paintUnit = [&] { painter.fillRect(centred(unit), QColor(255, 255, 255)); };
    // The larger footprint goes first so the smaller stays visible.
    if (hex.width() >= unit.width() || hex.height() >= unit.height()) {
        paintHex();
        paintUnit();
    } else {
        paintUnit();
        paintHex();
    }
    return preview;
}
