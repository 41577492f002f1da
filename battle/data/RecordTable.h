#pragma once
// A table of records numbered from 1 with a fixed capacity. Appending to a full table
// is refused, so no caller can write past it.

#include <QtGlobal>

#include <utility>
#include <vector>

template <class Record, int Capacity> class RecordTable {
public:
    using value_type = Record;
    static constexpr int kCapacity = Capacity;

    RecordTable() { records_.reserve(Capacity); }

    int count() const { return int(records_.size()); }
    bool full() const { return count() >= Capacity; }
    bool valid(int number) const { return number >= 1 && number <= count(); }

    const Record& operator[](int number) const {
        Q_ASSERT(valid(number));
        return records_[size_t(number - 1)];
    }
    Record& operator[](int number) {
        Q_ASSERT(valid(number));
        return records_[size_t(number - 1)];
    }

    // The new record's number, or 0 when the table is full.
    int append(const Record& r) {
        if (full())
            return 0;
        records_.push_back(r);
        return count();
    }
    // The record at `number` (1 … count + 1); later records move up one number. The
    // number, or 0 when the table is full or the number out of range.
    int insert(int number, const Record& r) {
        if (full() || number < 1 || number > count() + 1)
            return 0;
        records_.insert(records_.begin() + (number - 1), r);
        return number;
    }
    // Later records move down one number.
    void remove(int number) {
        if (valid(number))
            records_.erase(records_.begin() + (number - 1));
    }
    void swap(int a, int b) { std::swap((*this)[a], (*this)[b]); }
    void clear() { records_.clear(); }

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }
    auto begin() { return records_.begin(); }
    auto end() { return records_.end(); }

    bool operator==(const RecordTable&) const = default;

private:
    std::vector<Record> records_;
};
