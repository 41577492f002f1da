#include "AddLocationLogic.h"

#include "ValueSteps.h"

#include <algorithm>

namespace {
const QString kMapTextStep = QStringLiteral("Map Text Changes");
} // namespace

void AddLocationLogic::FormActivate() {
    arrowPosition_ = kArrowMiddle;
    draft_ = MapTextDraft();
    draft_.fontName = QString::fromLatin1(kDefaultFont);
    level_ = 1;
    const Battle& battle = context_.battle();
    shown_ = battle.IsHex(context_.currentHex) ? battle.hex(context_.currentHex).mapTextNo : 0;
    if (!battle.mapTexts().valid(shown_))
        shown_ = 0;
    if (shown_ != 0)
        Load(battle.mapTexts()[shown_]);
}

void AddLocationLogic::FSzePanClick(int level) {
    if (level < 1 || level > 3)
        return;
    Click();
    level_ = level;
}

void AddLocationLogic::UpDownClick(int level, bool up) {
    if (level < 1 || level > 3)
        return;
    Click();
    level_ = level;
    int& size = draft_.sizes[size_t(level - 1)];
    size = std::clamp(size + (up ? 1 : -1), 0, kMaxSize);
}

void AddLocationLogic::TPosClick(int code) {
    if (code < 1 || code > 8)
        return;
    Click();
    draft_.positions[size_t(level_ - 1)] = code;
}

void AddLocationLogic::TxtBldClick() {
    if (!filling)
        draft_.bold = !draft_.bold;
}

void AddLocationLogic::TxtItlClick() {
    if (!filling)
        draft_.italic = !draft_.italic;
}

void AddLocationLogic::TxtUndClick() {
    if (!filling)
        draft_.underline = !draft_.underline;
}

bool AddLocationLogic::FontBoxChange(const QString& name) {
    Click();
    // Saving would cut a longer name to a font the map cannot find.
    if (name.isEmpty() || name.toLatin1().size() > kFontChars)
        return false;
    draft_.fontName = name;
    return true;
}

void AddLocationLogic::ColourBoxChange(uint32_t colour) {
    Click();
    draft_.colour = colour & 0xffffffu;
}

void AddLocationLogic::LocTextChange(const QString& text) {
    draft_.text = text.left(kTextChars);
}

void AddLocationLogic::NewBtnClick() {
    const Battle& battle = context_.battle();
    if (shown_ != 0)
        return;
    if (battle.mapTexts().full()) {
        context_.Refuse(QStringLiteral("The battle holds the most map texts it has room for."));
        return;
    }
    MapTextDraft fresh;
    fresh.text = QStringLiteral("Map Text");
    fresh.fontName = QString::fromLatin1(kDefaultFont);
    fresh.colour = 0;
    fresh.sizes = {8, 12, 16};
    fresh.positions = {1, 1, 1};
    fresh.remainder = kNewRemainder;
    // The record and its text are one change.
    context_.Edit(kMapTextStep, [&](Battle& b) {
        const int n = b.AddMapText(MapTextRecord(), context_.currentHex);
        if (n == 0)
            return;
        draft_ = fresh;
        shown_ = n;
        level_ = 1;
        b.UpdateMapText(shown_, Record());
    });
}

int AddLocationLogic::ExitBtnClick() {
    if (shown_ != 0)
        Store();
    return 1;
}

int AddLocationLogic::RemveBtnClick() {
    if (shown_ != 0)
        context_.Edit(kMapTextStep, [&](Battle& b) { b.DeleteMapText(shown_); });
    shown_ = 0;
    return 1;
}

int AddLocationLogic::style() const {
    return draft_.remainder + (draft_.bold ? kBold : 0) + (draft_.italic ? kItalic : 0) +
           (draft_.underline ? kUnderline : 0);
}

QColor AddLocationLogic::sampleColour() const {
    return MapTextColour(draft_.colour);
}

void AddLocationLogic::Load(const MapTextRecord& r) {
    draft_.text = r.text.text();
    draft_.fontName = r.fontName.text();
    draft_.colour = r.colour;
    for (size_t k = 0; k < 3; ++k) {
        draft_.sizes[k] = r.fontSize[k];
        draft_.positions[k] = r.orientation[k];
    }
    draft_.bold = (r.style & kBold) != 0;
    draft_.italic = (r.style & kItalic) != 0;
    draft_.underline = (r.style & kUnderline) != 0;
    draft_.remainder = r.style & ~(kBold | kItalic | kUnderline);
}

MapTextRecord AddLocationLogic::Record() const {
    MapTextRecord r;
    r.hex = context_.currentHex;
    r.text.assign(draft_.text);
    r.fontName.assign(draft_.fontName);
    r.colour = draft_.colour;
    for (size_t k = 0; k < 3; ++k) {
        r.fontSize[k] = uint8_t(std::clamp(draft_.sizes[k], 0, kMaxSize));
        r.orientation[k] = uint8_t(draft_.positions[k]);
    }
    r.style = uint8_t(style());
    return r;
}

void AddLocationLogic::Store() {
    context_.Edit(kMapTextStep, [&](Battle& b) { b.UpdateMapText(shown_, Record()); });
}

QColor MapTextColour(uint32_t value) {
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

uint32_t MapTextColourValue(QColor colour) {
    return uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) |
           (uint32_t(colour.blue()) << 16);
}
