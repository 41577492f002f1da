#pragma once
// The hexes chosen in the "Select Hexes" mode: rectangles in hex columns and rows (whose
// edges follow the stagger), added to or taken from what is chosen.

#include "HexGrid.h"

#include <QString>

#include <cstdint>
#include <vector>

class HexSelection {
public:
    enum class Combine { Replace, Add, Remove };

    // No hex chosen, on a map of hexCount hexes.
    void Reset(int hexCount);
    // The hexes whose column and row lie between those of the two corners.
    void SelectRect(const HexGrid& grid, int cornerA, int cornerB, Combine how);
    void SelectAll();
    void Clear();
    void Assign(const std::vector<int>& hexes);

    bool contains(int hex) const {
        return hex >= 0 && hex < int(chosen_.size()) && chosen_[size_t(hex)] != 0;
    }
    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    int hexCount() const { return int(chosen_.size()); }
    // In hex number order.
    std::vector<int> hexes() const;
    // "12 hexes selected."
    QString StatusText() const;

    // The hexes of a rectangle between two corners, in hex number order.
    static std::vector<int> Rect(const HexGrid& grid, int cornerA, int cornerB);

private:
    void Set(int hex, bool on);

    std::vector<uint8_t> chosen_;
    int count_ = 0;
};
