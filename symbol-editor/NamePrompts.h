#pragma once
// The rules of the two name prompts: "Enter Symbol Name:" (terrain names, copies, renames)
// and "Create New Unit Symbol" (name and size of a new unit symbol). An empty name is
// never accepted; a name that another symbol of the same kind already has is accepted only
// when the user answers "Yes" to the duplicate question.

#include <SymbolSet.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <functional>

// Asks "That symbol name already exists, use it anyway? "; returns 1 for Yes.
using DuplicateQuestion = std::function<int()>;

class NamePromptLogic {
public:
    static constexpr int kMaxLength = kMaxNameLength;

    NamePromptLogic(const SymbolSet& set, SymbolKind kind) : set_(set), kind_(kind) {}
    QString buffer; // the name being entered; shown when the prompt opens

    // Whether `typed` is taken (then it is in the buffer and the prompt closes with OK). A
    // name the file cannot hold (outside Latin-1) is refused with `refusal` set; a name
    // left as the prompt showed it is taken whole, however long it was stored.
    bool OKBtnClick(const QString& typed, const DuplicateQuestion& ask);
    QString refusal;
    void CancelBtnClick() { buffer.clear(); }

    // The name the prompt opened with (a rename), or empty.
    QString original;

private:
    const SymbolSet& set_;
    SymbolKind kind_;
};

// The "Create New Unit Symbol" dialog.
class UnitSizeLogic {
public:
    static constexpr int kMinSize = 2;
    static constexpr int kMaxSize = 120;
    static constexpr int kPreviewSize = 120;

    explicit UnitSizeLogic(const SymbolSet& set);

    std::array<QSize, kLevelCount> sizes; // width and height per level
    QString sizeText(int value) const;
    // Spins: a press beyond 2 … 120 does nothing.
    void WidthUp(int level) { Step(sizes[level - 1].rwidth(), +1); }
    void WidthDown(int level) { Step(sizes[level - 1].rwidth(), -1); }
    void HeightUp(int level) { Step(sizes[level - 1].rheight(), +1); }
    void HeightDown(int level) { Step(sizes[level - 1].rheight(), -1); }
    // A typed value: kept within 2 … 120.
    void TypeWidth(int level, int value) { sizes[level - 1].setWidth(Clamp(value)); }
    void TypeHeight(int level, int value) { sizes[level - 1].setHeight(Clamp(value)); }

    // The terrain hex footprint in green and the unit footprint in white, centred on grey.
    QImage Preview(int level) const;

    // "OK" and Enter both check the name as the name prompt does, against the unit names.
    NamePromptLogic names;

private:
    static void Step(int& value, int by);
    static int Clamp(int value) { return std::clamp(value, kMinSize, kMaxSize); }
    const SymbolSet& set_;
};
