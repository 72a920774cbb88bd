#include "kit/ui/Label.h"

#include "kit/graphics/Context.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {
constexpr double kSmallestShrunkSize = 4; // points: below this text is no longer legible
}

Label::Label() { setUserInteractionEnabled(false); }

Label::Label(const Rect& frame) : View(frame) { setUserInteractionEnabled(false); }

void Label::changed() {
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void Label::setText(std::string text) {
    text_ = std::move(text);
    attributed_.reset();
    changed();
}

void Label::setAttributedText(std::optional<AttributedString> text) {
    attributed_ = std::move(text);
    text_ = attributed_ ? attributed_->string() : std::string();
    changed();
}

void Label::setFont(const Font& font) { font_ = font; changed(); }
void Label::setTextColor(const Color& color) { textColor_ = color; setNeedsDisplay(); }
void Label::setTextAlignment(TextAlignment alignment) { alignment_ = alignment; setNeedsDisplay(); }
void Label::setNumberOfLines(int lines) { lines_ = std::max(0, lines); changed(); }
void Label::setLineBreakMode(LineBreakMode mode) { lineBreak_ = mode; changed(); }
void Label::setAdjustsFontSizeToFitWidth(bool adjusts) { adjusts_ = adjusts; changed(); }
void Label::setMinimumScaleFactor(double factor) { minimumScale_ = std::clamp(factor, 0.0, 1.0); changed(); }
void Label::setPreferredMaxLayoutWidth(double width) { preferredWidth_ = std::max(0.0, width); changed(); }
void Label::setEnabled(bool enabled) { enabled_ = enabled; setNeedsDisplay(); }

namespace {
bool truncates(LineBreakMode m) {
    return m == LineBreakMode::truncateHead || m == LineBreakMode::truncateMiddle || m == LineBreakMode::truncateTail;
}
} // namespace

AttributedString Label::effectiveText() const { return styledText(false); }

AttributedString Label::styledText(bool truncateToFit) const {
    // Without a line limit a truncating label measures as wrapped by words (there is no last line
    // to cut); drawn in its bounds, it keeps the lines that fit and truncates the last of them.
    const bool unlimitedWrap = lines_ == 0 && !truncateToFit;
    auto breakMode = [&](LineBreakMode m) { return unlimitedWrap && truncates(m) ? LineBreakMode::wordWrap : m; };
    ParagraphStyle style;
    style.alignment = alignment_;
    style.lineBreakMode = breakMode(lineBreak_);
    if (attributed_) {
        AttributedString copy = *attributed_;
        const bool styled = std::any_of(copy.runs().begin(), copy.runs().end(),
                                        [](const AttributedString::Run& r) { return r.attributes.paragraphStyle.has_value(); });
        if (!styled) {
            copy.setParagraphStyle(style);
        } else if (unlimitedWrap && truncates(copy.paragraphStyle().lineBreakMode)) {
            ParagraphStyle own = copy.paragraphStyle();
            own.lineBreakMode = LineBreakMode::wordWrap;
            copy.setParagraphStyle(own);
        }
        return copy;
    }
    TextAttributes attributes;
    attributes.font = font_;
    attributes.foregroundColor = enabled_ ? textColor_ : textColor_.withAlpha(textColor_.alpha() * 0.4);
    attributes.paragraphStyle = style;
    return AttributedString(text_, attributes);
}

TextLayoutOptions Label::options(double width) const {
    TextLayoutOptions o;
    o.maxWidth = width > 0 ? width : 0;
    o.maxLines = lines_;
    return o;
}

Size Label::intrinsicContentSize() const {
    if (text_.empty()) return {0, 0};
    const AttributedString t = effectiveText();
    // One line: its full width; several: wrapped at the preferred width, when there is one.
    const double wrapAt = lines_ == 1 ? 0 : preferredWidth_;
    const Size s = measureText(t, options(wrapAt));
    return {std::ceil(s.width), std::ceil(s.height)};
}

std::optional<double> Label::heightForWidth(double width) const {
    if (lines_ == 1 || text_.empty() || width <= 0) return std::nullopt;
    return std::ceil(measureText(effectiveText(), options(width)).height);
}

Size Label::sizeThatFits(Size size) const {
    if (text_.empty()) return {0, 0};
    const Size s = measureText(effectiveText(), options(lines_ == 1 ? 0 : size.width));
    return {std::ceil(s.width), std::ceil(s.height)};
}

double Label::fittedFontSize() const {
    const double width = bounds().width();
    if (!adjusts_ || lines_ != 1 || attributed_ || text_.empty() || width <= 0) return font_.pointSize();
    const double floor = std::max(kSmallestShrunkSize, font_.pointSize() * minimumScale_);
    double size = font_.pointSize();
    TextAttributes a;
    for (int i = 0; i < 8 && size > floor; ++i) {
        a.font = font_.withSize(size);
        const double w = measureText(text_, a).width;
        if (w <= width) break;
        // Text width grows about linearly with the size; step down and re-measure to be sure.
        size = std::max(floor, std::floor(size * width / w * 4) / 4);
    }
    return size;
}

Label::Fitted Label::fittedText(const Rect& b) const {
    Fitted f{styledText(true), options(b.width())};
    const double fitted = fittedFontSize();
    if (fitted != font_.pointSize()) f.text.setFont(font_.withSize(fitted), 0, f.text.length());
    if (lines_ == 0 && truncates(f.text.paragraphStyle().lineBreakMode)) f.options.maxHeight = b.height();
    return f;
}

Rect Label::textRectForBounds(const Rect& b) const {
    const Fitted f = fittedText(b);
    const Size s = measureText(f.text, f.options);
    const double h = std::min(s.height, b.height());
    return {b.x(), b.y() + (b.height() - h) / 2, b.width(), h};
}

void Label::drawRect(Context& c, const Rect&) {
    if (text_.empty()) return;
    const Rect b = bounds();
    const Fitted f = fittedText(b);
    const Size s = measureText(f.text, f.options);
    // Vertically centred; text taller than the bounds starts at the top and is cut at the bottom.
    // The box is never shorter than the bounds, which decided how many lines fit.
    const Rect box{b.x(), b.y() + std::max(0.0, (b.height() - s.height) / 2), b.width(), std::max(b.height(), s.height)};
    drawText(c, f.text, box, lines_);
}

} // namespace kit
