#pragma once
// "Symbol Text": a line of text placed on the picture at a position the arrows move. The
// letters take the font colour; everything else of the picture shows through.

#include <QFont>
#include <QImage>
#include <QString>

#include <optional>

// The font the text dialog uses; a font chosen once stays for the rest of the run.
struct TextFont {
    QFont font = DefaultFont();
    QRgb colour = 0xff101010;
    static QFont DefaultFont();
};

class SymbolTextLogic {
public:
    static constexpr int kMaxLength = 24;
    static constexpr int kPreviewArea = 120;
    static constexpr int kPreviewBox = 128;

    SymbolTextLogic(const QImage& picture, TextFont& font);

    void SetText(const QString& text);
    // Pure black becomes the visible black; without a colour (its dialog was cancelled)
    // the text keeps the colour it had.
    void SetFont(const QFont& font, std::optional<QRgb> colour);
    void RightClick();
    void LeftClick();
    void DownClick();
    void UpClick();

    QPoint position() const { return {x_, y_}; }
    int textWidth() const { return width_; }
    int inkHeight() const { return inkHeight_; }
    const QString& text() const { return text_; }
    const TextFont& font() const { return font_; }
    // The picture with the text on it: what "OK" hands back.
    const QImage& result() const { return result_; }
    // The result enlarged by the largest whole factor that fits, centred in the box.
    QImage Preview() const;

private:
    void Place();

    QImage picture_;
    TextFont& font_;
    QString text_;
    int x_ = 0, y_ = 0;
    int width_ = 0, height_ = 0, inkHeight_ = 0;
    QImage result_;
};
