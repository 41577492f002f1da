#include "HexSelection.h"

#include <algorithm>

void HexSelection::Reset(int hexCount) {
    chosen_.assign(size_t(std::max(hexCount, 0)), 0);
    count_ = 0;
}

void HexSelection::Set(int hex, bool on) {
    if (hex < 0 || hex >= int(chosen_.size()) || (chosen_[size_t(hex)] != 0) == on)
        return;
    chosen_[size_t(hex)] = on ? 1 : 0;
    count_ += on ? 1 : -1;
}

std::vector<int> HexSelection::Rect(const HexGrid& grid, int cornerA, int cornerB) {
    std::vector<int> out;
    if (cornerA < 0 || cornerB < 0 || cornerA >= grid.hexCount() || cornerB >= grid.hexCount())
        return out;
    const ColRow a = grid.colRow(cornerA), b = grid.colRow(cornerB);
    for (int r = std::min(a.row, b.row); r <= std::max(a.row, b.row); ++r)
        for (int c = std::min(a.col, b.col); c <= std::max(a.col, b.col); ++c)
            out.push_back(r * grid.cols + c);
    return out;
}

void HexSelection::SelectRect(const HexGrid& grid, int cornerA, int cornerB, Combine how) {
    if (grid.hexCount() != hexCount())
        Reset(grid.hexCount());
    if (how == Combine::Replace)
        Clear();
    for (int hex : Rect(grid, cornerA, cornerB))
        Set(hex, how != Combine::Remove);
}

void HexSelection::SelectAll() {
    std::fill(chosen_.begin(), chosen_.end(), 1);
    count_ = int(chosen_.size());
}

void HexSelection::Clear() {
    std::fill(chosen_.begin(), chosen_.end(), 0);
    count_ = 0;
}

void HexSelection::Assign(const std::vector<int>& hexes) {
    Clear();
    for (int hex : hexes)
        Set(hex, true);
}

std::vector<int> HexSelection::hexes() const {
    std::vector<int> out;
    out.reserve(size_t(count_));
    for (size_t h = 0; h < chosen_.size(); ++h)
        if (chosen_[h] != 0)
            out.push_back(int(h));
    return out;
}

QString HexSelection::StatusText() const {
    if (count_ == 1)
        return QStringLiteral("1 hex selected.");
    return QStringLiteral("%1 hexes selected.").arg(count_);
}
