#pragma once
// The battle's records as bytes, for the copies the editor keeps in memory or hands to
// another of its windows (the undo history, the hex clipboard), not for files: integers
// are four bytes, least significant first; a text is a length byte and its whole field.
// One field list per record serves the writer and the reader alike.

#include "BattleRecords.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

class StateWriter {
public:
    explicit StateWriter(std::vector<uint8_t>& out) : out_(out) {}
    // Room for `more` bytes after what was written, for the caller to fill.
    uint8_t* finish(size_t more) {
        out_.resize(pos_ + more);
        return out_.data() + pos_;
    }

    void i32(int v) { u32(uint32_t(v)); }
    void u32(uint32_t v) {
        uint8_t* p = room(4);
        p[0] = uint8_t(v);
        p[1] = uint8_t(v >> 8);
        p[2] = uint8_t(v >> 16);
        p[3] = uint8_t(v >> 24);
    }
    void u8(uint8_t v) { *room(1) = v; }
    void bytes(const uint8_t* p, size_t n) { std::memcpy(room(n), p, n); }
    template <int N> void text(const FixedText<N>& t) {
        static_assert(N <= 255, "the length must fit its byte");
        uint8_t* p = room(size_t(N) + 1);
        p[0] = uint8_t(t.length());
        std::memcpy(p + 1, t.data(), size_t(N));
    }

private:
    uint8_t* room(size_t n) {
        if (pos_ + n > out_.size())
            out_.resize(std::max(out_.size() * 2, pos_ + n + 4096));
        uint8_t* p = out_.data() + pos_;
        pos_ += n;
        return p;
    }

    std::vector<uint8_t>& out_;
    size_t pos_ = 0;
};

class StateReader {
public:
    StateReader(const uint8_t* begin, const uint8_t* end) : p_(begin), end_(end) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return p_ == end_; }

    void i32(int& v) {
        uint32_t u = 0;
        u32(u);
        v = int(u);
    }
    void u32(uint32_t& v) {
        const uint8_t* p = take(4);
        v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }
    void u8(uint8_t& v) { v = *take(1); }
    template <int N> void text(FixedText<N>& t) {
        const uint8_t* p = take(size_t(N) + 1);
        if (p[0] > N)
            ok_ = false;
        t.assign(QByteArrayView(reinterpret_cast<const char*>(p + 1), std::min<int>(p[0], N)));
    }
    void skip(size_t n) { take(n); }
    int count(int capacity) {
        int n = 0;
        i32(n);
        if (n < 0 || n > capacity) {
            ok_ = false;
            return 0;
        }
        return n;
    }

private:
    const uint8_t* take(size_t n) {
        static constexpr uint8_t kZeros[256]{};
        if (!ok_ || size_t(end_ - p_) < n) {
            ok_ = false;
            return kZeros;
        }
        const uint8_t* p = p_;
        p_ += n;
        return p;
    }

    const uint8_t* p_;
    const uint8_t* end_;
    bool ok_ = true;
};

// One field list per record, shared by the writer (const records) and the reader.
template <class C, class S> void SettingsFields(C& c, S& s) {
    c.i32(s.formatVersion);
    c.text(s.battleName);
    c.text(s.iconName);
    c.i32(s.maxTurns);
    c.text(s.sideAName);
    c.text(s.sideBName);
    for (auto& line : s.history)
        c.text(line);
    c.text(s.symbolSetName);
    c.i32(s.mapCols);
    c.i32(s.mapRows);
    c.i32(s.hexCount);
    c.u8(s.gridLayout);
    c.u8(s.saveViewPosition);
    c.u8(s.tableColour);
    c.i32(s.headerWord);
    c.u8(s.headerByte);
}

template <class C, class U> void UnitFields(C& c, U& u) {
    c.text(u.name);
    c.i32(u.symbol);
    c.i32(u.activationTurn);
    c.i32(u.side);
    c.i32(u.hex);
    c.i32(u.unitType);
    c.i32(u.unitClass);
    c.i32(u.men);
    c.i32(u.morale);
    c.i32(u.combatWeapon);
    c.i32(u.missileWeapon);
    c.i32(u.missileAmmo);
    c.i32(u.armour);
    c.i32(u.shield);
    c.i32(u.movementPoints);
    c.i32(u.wingLeader);
    c.i32(u.commandRange);
    c.i32(u.leaderRating);
    c.i32(u.value);
    c.i32(u.wing);
    c.i32(u.resupplyLevel);
}

template <class C, class S> void StructureFields(C& c, S& s) {
    c.text(s.name);
    c.i32(s.symbol);
    c.i32(s.side);
    c.i32(s.reserved1);
    c.i32(s.supplyLevel);
    c.i32(s.reserved2);
    c.i32(s.hex);
    c.i32(s.reserved3);
    c.i32(s.height);
    c.i32(s.defenceModifier);
}

template <class C, class O> void ObjectiveFields(C& c, O& o) {
    c.i32(o.hex);
    c.text(o.name);
    c.i32(o.kind);
    c.i32(o.victoryPoints);
}

template <class C, class T> void MapTextFields(C& c, T& t) {
    c.i32(t.hex);
    c.text(t.text);
    c.text(t.fontName);
    c.u32(t.colour);
    for (auto& v : t.fontSize)
        c.u8(v);
    for (auto& v : t.orientation)
        c.u8(v);
    c.u8(t.style);
}

template <class C, class A> void TerrainFields(C& c, A& a) {
    c.text(a.name);
    c.i32(a.elevation);
    c.i32(a.costPerMove);
    c.i32(a.defenceModifier);
    c.i32(a.reserved);
}
