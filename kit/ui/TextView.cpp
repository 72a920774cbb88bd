#include "kit/ui/TextView.h"

#include "kit/graphics/Context.h"

#include <cmath>

namespace kit {

TextView::TextView() { setBackgroundColor(Color::whiteColor()); }

TextView::TextView(const Rect& frame) : View(frame) { setBackgroundColor(Color::whiteColor()); }

void TextView::setText(std::string text) { text_ = std::move(text); invalidateIntrinsicContentSize(); setNeedsDisplay(); }
void TextView::setFont(const Font& font) { font_ = font; invalidateIntrinsicContentSize(); setNeedsDisplay(); }
void TextView::setTextColor(const Color& color) { textColor_ = color; setNeedsDisplay(); }
void TextView::setTextAlignment(TextAlignment alignment) { alignment_ = alignment; setNeedsDisplay(); }
void TextView::setTextContainerInset(const EdgeInsets& inset) { inset_ = inset; invalidateIntrinsicContentSize(); setNeedsDisplay(); }

TextAttributes TextView::attributes() const {
    TextAttributes a;
    a.font = font_;
    a.foregroundColor = textColor_;
    ParagraphStyle style;
    style.alignment = alignment_;
    style.lineBreakMode = LineBreakMode::wordWrap;
    a.paragraphStyle = style;
    return a;
}

std::optional<double> TextView::heightForWidth(double width) const {
    const double inner = width - inset_.left - inset_.right;
    if (inner <= 0) return std::nullopt;
    return std::ceil(measureText(text_, attributes(), {inner, 0, 0}).height) + inset_.top + inset_.bottom;
}

Size TextView::sizeThatFits(Size size) const {
    return {size.width, heightForWidth(size.width).value_or(size.height)};
}

void TextView::drawRect(Context& c, const Rect&) {
    if (text_.empty()) return;
    drawText(c, text_, bounds().inset(inset_), attributes());
}

} // namespace kit
