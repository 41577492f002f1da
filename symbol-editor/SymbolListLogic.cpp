#include "SymbolListLogic.h"

#include <QPainter>

SymbolListLogic::SymbolListLogic(SymbolSet& set, SymbolSelection& selection, QRgb transparentColour)
    : set_(set), selection_(selection), kind_(KindOf(selection.kind)),
      transparentColour_(transparentColour), openSymbol_(selection.symbol) {}

QString SymbolListLogic::caption() const {
    return kind_ == SymbolKind::Unit ? QStringLiteral("Game Pieces")
                                     : QStringLiteral("Map/Board Symbols");
}

void SymbolListLogic::FormActivate() {
    if (selection_.position > count())
        selection_.position = 0;
    if (count() > 0 && selection_.position == 0)
        selection_.position = 1;
}

std::vector<QString> SymbolListLogic::FillGrid() const {
    std::vector<QString> rows;
    for (int p = 1; p <= count(); ++p) {
        const int r = GetImgDx(p);
        rows.push_back(r > 0 ? QString::fromLatin1(set_.record(kind_, r).name) : QString());
    }
    return rows;
}

int SymbolListLogic::GetImgDx(int position) const {
    const std::vector<int>& order = set_.order(kind_);
    if (position < 1 || position > int(order.size()))
        return 0;
    return order[position - 1];
}

ListButtons SymbolListLogic::SymSelect() const {
    ListButtons b;
    const int n = count();
    const QString base = set_.baseName();
    const bool stock = base == QLatin1String("Varnholm") || base == QLatin1String("varnholm");
    b.remove = (kind_ == SymbolKind::Terrain ? n > 1 : n > 0) && !stock;
    b.copy = n > 0 && n < kMaxEntries;
    b.create = n < kMaxEntries;
    b.edit = b.rename = n > 0;
    b.up = selection_.position > 1;
    b.down = selection_.position != n;
    if (set_.readOnly) // viewing only: every button that changes the set is off
        b.remove = b.copy = b.create = b.rename = b.up = b.down = false;
    return b;
}

QString SymbolListLogic::UpdateCounter() const {
    const QString label =
        kind_ == SymbolKind::Unit ? QStringLiteral(" Game Piece ") : QStringLiteral(" Map/Brd Sym");
    return label + QStringLiteral("%1").arg(selection_.position, 4, 10, QLatin1Char('0')) +
           QStringLiteral(" of ") + QStringLiteral("%1").arg(count(), 4, 10, QLatin1Char('0'));
}

QImage SymbolListLogic::ShownPicture(int r, const QImage& bitmap, const QImage& masks) const {
    const SymbolRecord& record = set_.record(kind_, r);
    const QRect cell = record.cells[2].rect();
    const QImage picture = bitmap.copy(cell);
    if (record.maskIndex < 1 || record.maskIndex > set_.count(SymbolKind::Mask) || masks.isNull())
        return picture;
    QImage shown = SymbolSet::NewPicture(cell.size(), transparentColour_);
    const CellRect& maskCell = set_.record(SymbolKind::Mask, record.maskIndex).cells[2];
    const QImage mask = masks.copy(QRect(maskCell.left, maskCell.top, cell.width(), cell.height()));
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            shown.setPixel(x, y, (shown.pixel(x, y) & mask.pixel(x, y)) | picture.pixel(x, y));
    }
    return shown;
}

QImage SymbolListLogic::PreViewSym(QSize size) const {
    QImage preview(size, QImage::Format_RGB32);
    preview.fill(qRgb(192, 192, 192));
    const int r = GetImgDx(selection_.position);
    QImage bitmap, masks;
    if (r < 1 || r > count() || !set_.LoadBitmap(kind_, 3, bitmap))
        return preview;
    if (set_.count(SymbolKind::Mask) > 0 && !set_.LoadBitmap(SymbolKind::Mask, 3, masks))
        masks = QImage();
    QPainter(&preview).drawImage(preview.rect(), ShownPicture(r, bitmap, masks));
    return preview;
}

std::vector<QImage> SymbolListLogic::Thumbnails(int side) const {
    std::vector<QImage> thumbnails;
    QImage bitmap, masks;
    if (count() == 0 || !set_.LoadBitmap(kind_, 3, bitmap))
        return thumbnails;
    if (set_.count(SymbolKind::Mask) > 0 && !set_.LoadBitmap(SymbolKind::Mask, 3, masks))
        masks = QImage();
    for (int position = 1; position <= count(); ++position) {
        QImage thumbnail(side, side, QImage::Format_RGB32);
        thumbnail.fill(qRgb(192, 192, 192));
        const int r = GetImgDx(position);
        if (r >= 1 && r <= count()) {
            // Whole pixels, as the artist drew them: no smoothing.
            const QImage shown = ShownPicture(r, bitmap, masks)
                                     .scaled(side, side, Qt::KeepAspectRatio,
                                             Qt::FastTransformation);
            QPainter(&thumbnail)
                .drawImage((side - shown.width()) / 2, (side - shown.height()) / 2, shown);
        }
        thumbnails.push_back(thumbnail);
    }
    return thumbnails;
}

void SymbolListLogic::SymListClick(int row) {
    if (row >= 1 && row <= count())
        selection_.position = row;
}

void SymbolListLogic::SymListDblClick(int row) {
    SymListClick(row);
    if (row < 1 || row > count())
        return;
    const int r = GetImgDx(selection_.position);
    if (r != 0) {
        selection_.symbol = r;
        CloseWith(true);
    }
}

void SymbolListLogic::OpenSymClick() {
    const int r = GetImgDx(selection_.position);
    if (r == 0)
        return;
    selection_.symbol = r;
    CloseWith(true);
}

bool SymbolListLogic::Report(const SetResult& result, SymbolListPrompts& prompts) {
    if (!result)
        prompts.ShowError(result.message);
    return result.ok;
}

void SymbolListLogic::NewSymClick(SymbolListPrompts& prompts) {
    if (!SymSelect().create)
        return;
    std::array<QSize, kLevelCount> sizes{};
    QString name;
    if (kind_ == SymbolKind::Terrain) {
        NamePromptLogic prompt(set_, kind_);
        if (!prompts.AskName(prompt))
            return;
        name = prompt.buffer;
    } else {
        UnitSizeLogic dialog(set_);
        if (!prompts.AskUnitSize(dialog))
            return;
        name = dialog.names.buffer;
        sizes = dialog.sizes;
    }
    if (!Report(AddSymbol(set_, kind_, name.toLatin1(), sizes, transparentColour_), prompts))
        return;
    SetSymIndex(1, count());
    CloseWith(true);
}

void SymbolListLogic::CpySymClick(SymbolListPrompts& prompts) {
    const int source = GetImgDx(selection_.position);
    if (!SymSelect().copy || source == 0)
        return;
    NamePromptLogic prompt(set_, kind_);
    if (!prompts.AskName(prompt))
        return;
    if (!Report(CopySymbol(set_, kind_, source, prompt.buffer.toLatin1()), prompts))
        return;
    SetSymIndex(1, count());
    CloseWith(true);
}

void SymbolListLogic::RenSymClick(SymbolListPrompts& prompts) {
    const int r = GetImgDx(selection_.position);
    if (r == 0)
        return;
    NamePromptLogic prompt(set_, kind_);
    prompt.buffer = prompt.original = QString::fromLatin1(set_.record(kind_, r).name);
    if (!prompts.AskName(prompt) || prompt.buffer == prompt.original)
        return;
    const QByteArray before = set_.record(kind_, r).name;
    set_.record(kind_, r).name = prompt.buffer.toLatin1().left(kMaxNameLength);
    if (!Report(set_.WriteSetFile(), prompts))
        set_.record(kind_, r).name = before;
}

void SymbolListLogic::DelSymClick(SymbolListPrompts& prompts) {
    const int r = GetImgDx(selection_.position);
    if (r == 0 || !SymSelect().remove)
        return;
    if (!prompts.ConfirmRemove())
        return;
    if (!Report(RemoveSymbol(set_, kind_, r), prompts))
        return;
    if (r == openSymbol_)
        removedOpen_ = true;
    else if (r < openSymbol_)
        --openSymbol_; // still the same picture, one record lower
    selection_.symbol = openSymbol_;
    SetSymIndex(2, selection_.position);
}

// The set's storage operations keep the display order themselves; this moves only the
// list's position and the chosen symbol.
void SymbolListLogic::SetSymIndex(int action, int position) {
    if (action == 1) {
        selection_.symbol = count();
        selection_.position = position;
        return;
    }
    if (selection_.position > count())
        selection_.position = count();
}

void SymbolListLogic::SymUpClick() {
    const int p = selection_.position;
    std::vector<int>& order = set_.order(kind_);
    if (p <= 1 || p > int(order.size()))
        return;
    std::swap(order[p - 1], order[p - 2]);
    selection_.position = p - 1;
}

void SymbolListLogic::SymDnClick() {
    const int p = selection_.position;
    std::vector<int>& order = set_.order(kind_);
    if (p < 1 || p >= int(order.size()))
        return;
    std::swap(order[p - 1], order[p]);
    selection_.position = p + 1;
}

void SymbolListLogic::CancelSymClick() {
    CloseWith(removedOpen_);
}

SetResult SymbolListLogic::FormClose() {
    if (set_.readOnly)
        return SetResult::Success(); // nothing could be reordered
    return set_.WriteOrder();
}
