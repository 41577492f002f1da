#pragma once
// The rules of "Map Text": a working copy of the text on the current hex (text, font,
// colour, style, and a size and position for each of the three zoom levels) that "Add"
// and "Exit" store through the battle's map text operations.

#include "EditorContext.h"

#include <array>
#include <cstdint>

struct MapTextDraft {
    QString text;
    QString fontName;
    uint32_t colour = 0; // low byte red, then green, then blue
    std::array<int, 3> sizes{};
    std::array<int, 3> positions{}; // position code per level, 1 … 8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int remainder = 0; // the style value without the three style bits
};

class AddLocationLogic {
public:
    static constexpr int kTextChars = 20;
    static constexpr int kFontChars = decltype(MapTextRecord::fontName)::kMaxChars;
    static constexpr int kSampleFontChars = 31;
    static constexpr int kBold = 16;
    static constexpr int kItalic = 32;
    static constexpr int kUnderline = 64;
    static constexpr int kNewRemainder = 9;
    static constexpr int kMaxSize = 255;
    static constexpr const char* kDefaultFont = "Ariaw";

    explicit AddLocationLogic(EditorContext& context) : context_(context) {}

    // Set while the window fills the style boxes, so that filling them changes nothing.
    bool filling = false;

    void FormActivate();
    // The level panels 1 … 3.
    void FSzePanClick(int level);
    // The size arrows of level 1 … 3; they select their level first.
    void UpDownClick(int level, bool up);
    // The position buttons, codes 1 … 8, for the selected level.
    void TPosClick(int code);
    void TxtBldClick();
    void TxtItlClick();
    void TxtUndClick();
    // A name the record cannot hold is refused (false) and the font stays.
    bool FontBoxChange(const QString& name);
    void ColourBoxChange(uint32_t colour);
    void LocTextChange(const QString& text);
    // Refused while a text is shown or the battle holds the most texts it has room for.
    void NewBtnClick();
    // "Exit": stores the shown text; returns 1.
    int ExitBtnClick();
    // "Remove": deletes the hex's text, later ones moving down a number; returns 1.
    int RemveBtnClick();

    const MapTextDraft& draft() const { return draft_; }
    int shownText() const { return shown_; }
    int level() const { return level_; }
    int style() const;
    // The groups "Font", "Style", "Size", the positions and "Text".
    bool groupsEnabled() const { return shown_ != 0; }
    bool addEnabled() const { return shown_ == 0; }
    bool removeEnabled() const { return shown_ != 0; }
    QString orientationHeading() const {
        return QStringLiteral("Level %1 Orientation").arg(level_);
    }
    int selectedPosition() const { return draft_.positions[size_t(level_ - 1)]; }
    int sampleSize() const { return draft_.sizes[size_t(level_ - 1)]; }
    QString sampleFontName() const { return draft_.fontName.left(kSampleFontChars); }
    QColor sampleColour() const;
    int arrowPosition() const { return arrowPosition_; }

private:
    void Click() { context_.sounds.Play(SoundClick); }
    void Load(const MapTextRecord& r);
    MapTextRecord Record() const;
    void Store();

    EditorContext& context_;
    MapTextDraft draft_;
    int shown_ = 0;
    int level_ = 1;
    int arrowPosition_ = 0;
};

// The colour value of a map text record as a colour, and back.
QColor MapTextColour(uint32_t value);
uint32_t MapTextColourValue(QColor colour);
