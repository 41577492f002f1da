#include "SymbolTextLogic.h"

#include "ColourRules.h"

#include <QFontMetrics>
#include <QPainter>

QFont TextFont::DefaultFont() {
    QFont font(QStringLiteral("Ariaw"));
    font.setPointSize(8);
    return font;
}

SymbolTextLogic::SymbolTextLogic(const QImage& picture, TextFont& font)
    : picture_(picture.convertToFormat(QImage::Format_RGB32)), font_(font), result_(picture_) {}

void SymbolTextLogic::SetText(const QString& text) {
    text_ = text.left(kMaxLength);
    Place();
}

void SymbolTextLogic::SetFont(const QFont& font, std::optional<QRgb> colour) {
    font_.font = font;
    if (colour)
        font_.colour = DrawableColour(*colour);
    Place();
}

void SymbolTextLogic::RightClick() {
    if (!text_.isEmpty() && x_ + width_ < picture_.width()) {
        ++x_;
        Place();
    }
}

void SymbolTextLogic::LeftClick() {
    if (!text_.isEmpty() && x_ > 0) {
        --x_;
        Place();
    }
}

void SymbolTextLogic::DownClick() {
    if (!text_.isEmpty() && y_ + inkHeight_ < picture_.height()) {
        ++y_;
        Place();
    }
}

void SymbolTextLogic::UpClick() {
    if (!text_.isEmpty() && y_ > 0) {
        --y_;
        Place();
    }
}

namespace {

// The text drawn without smoothing, so the letters keep exactly the font colour.
QImage RenderText(const QString& text, QFont font, QSize size, QRgb ink, QRgb ground) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(ink));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, text);
    return image;
}

} // namespace

void SymbolTextLogic::Place() {
    result_ = picture_.copy();
    if (text_.isEmpty()) {
        width_ = height_ = inkHeight_ = 0;
        return;
    }
    QFont font = font_.font;
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    width_ = std::max(1, metrics.horizontalAdvance(text_));
    height_ = std::max(1, metrics.height());
    const QImage blackOnWhite = RenderText(text_, font, {width_, height_}, 0xff000000, 0xffffffff);
    int first = -1, last = -1;
    for (int row = 0; row < height_; ++row) {
        bool ink = false;
        for (int column = 0; column < width_ && !ink; ++column)
            ink = SameColour(blackOnWhite.pixel(column, row), 0xff000000u);
        if (ink) {
            if (first < 0)
                first = row;
            last = row;
        }
    }
    if (first < 0) {
        inkHeight_ = 0;
        return;
    }
    inkHeight_ = last - first + 1;
    const QImage colourOnBlack =
        RenderText(text_, font, {width_, height_}, font_.colour, 0xff000000);
    for (int row = first; row <= last; ++row) {
        const int ty = y_ + row - first;
        for (int column = 0; column < width_; ++column) {
            const int tx = x_ + column;
            if (!result_.valid(tx, ty))
                continue;
            const QRgb under = result_.pixel(tx, ty);
            result_.setPixel(tx, ty,
                             (under & blackOnWhite.pixel(column, row)) |
                                 colourOnBlack.pixel(column, row));
        }
    }
}

QImage SymbolTextLogic::Preview() const {
    const int w = std::max(1, result_.width()), h = std::max(1, result_.height());
    const int e = std::max(1, std::min(kPreviewArea / w, kPreviewArea / h));
    QImage box(kPreviewBox, kPreviewBox, QImage::Format_RGB32);
    box.fill(qRgb(192, 192, 192));
    const QImage big =
        result_.scaled(result_.size() * e, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter(&box).drawImage((kPreviewBox - big.width()) / 2, (kPreviewBox - big.height()) / 2,
                             big);
    return box;
}
