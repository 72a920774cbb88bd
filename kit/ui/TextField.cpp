#include "kit/ui/TextField.h"

#include "kit/graphics/Context.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace kit {

namespace {
constexpr double kPadding = 7; // points between the border and the text
}

void dropLastCharacter(std::string& text) {
    if (text.empty()) return;
    // Drop whole grapheme clusters: keep the longest prefix with one cluster fewer.
    const std::size_t clusters = graphemeCount(text);
    std::size_t cut = text.size();
    do {
        --cut;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    } while (cut > 0 && graphemeCount(std::string_view(text).substr(0, cut)) >= clusters);
    text.resize(cut);
}

TextField::TextField() = default;

TextField::TextField(const Rect& frame) : Control(frame) {}

void TextField::setText(std::string text) {
    text_ = std::move(text);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void TextField::setPlaceholder(std::string placeholder) {
    placeholder_ = std::move(placeholder);
    setNeedsDisplay();
}

void TextField::setFont(const Font& font) {
    font_ = font;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void TextField::setTextColor(const Color& color) { textColor_ = color; setNeedsDisplay(); }
void TextField::setTextAlignment(TextAlignment alignment) { alignment_ = alignment; setNeedsDisplay(); }
void TextField::setBorderStyle(TextBorderStyle style) { border_ = style; setNeedsDisplay(); }

bool TextField::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!Control::becomeFirstResponder()) return false;
    setNeedsDisplay();
    sendActions(ControlEvent::editingDidBegin);
    return true;
}

bool TextField::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    Control::resignFirstResponder();
    setNeedsDisplay();
    sendActions(ControlEvent::editingDidEnd);
    return true;
}

void TextField::insertText(const std::string& typed) {
    if (!isEnabled()) return;
    auto self = weak_from_this().lock();
    for (std::size_t start = 0; start <= typed.size();) {
        const std::size_t nl = typed.find('\n', start);
        std::string piece = typed.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (keyboard_ == KeyboardType::numberPad)
            std::erase_if(piece, [](char ch) { return !std::isdigit(static_cast<unsigned char>(ch)); });
        if (!piece.empty()) {
            text_ += piece;
            invalidateIntrinsicContentSize();
            setNeedsDisplay();
            sendActions(ControlEvent::editingChanged);
        }
        if (nl == std::string::npos) break;
        sendActions(ControlEvent::editingDidEndOnExit);
        resignFirstResponder();
        start = nl + 1;
    }
}

void TextField::deleteBackward() {
    if (!isEnabled() || text_.empty()) return;
    dropLastCharacter(text_);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
    sendActions(ControlEvent::editingChanged);
}

void TextField::willMoveToSuperview(View* newSuperview) {
    // A field taken off the screen stops editing.
    if (!newSuperview) resignFirstResponder();
}

void TextField::endTracking(const Touch* touch, const Event*) {
    if (touch && touchIsInside(*touch)) becomeFirstResponder();
}

Size TextField::intrinsicContentSize() const {
    const Size t = measureText(text_.empty() ? placeholder_ : text_, font_);
    return {std::ceil(t.width) + 2 * kPadding, std::ceil(font_.lineHeight()) + 2 * kPadding};
}

void TextField::drawRect(Context& c, const Rect&) {
    const Rect b = bounds();
    switch (border_) {
    case TextBorderStyle::none: break;
    case TextBorderStyle::roundedRect:
        c.setFillColor(Color::whiteColor());
        c.fill(Path::roundedRect(b.insetBy(0.5, 0.5), 5));
        c.setStrokeColor(Color::gray(0.8));
        c.setLineWidth(1);
        c.stroke(Path::roundedRect(b.insetBy(0.5, 0.5), 5));
        break;
    case TextBorderStyle::line:
    case TextBorderStyle::bezel:
        c.setStrokeColor(Color::gray(0.3));
        c.setLineWidth(1);
        c.strokeRect(b.insetBy(0.5, 0.5));
        break;
    }
    const Rect area = b.insetBy(kPadding, 0);
    const bool showPlaceholder = text_.empty();
    TextAttributes a;
    a.font = font_;
    a.foregroundColor = showPlaceholder ? Color::gray(0.7) : textColor_;
    ParagraphStyle style;
    style.alignment = alignment_;
    style.lineBreakMode = LineBreakMode::truncateTail;
    a.paragraphStyle = style;
    const std::string& shown = showPlaceholder ? placeholder_ : text_;
    const Size s = measureText(shown, a, {area.width(), 0, 1});
    const double lineHeight = std::max(s.height, font_.lineHeight());
    const Rect line{area.x(), b.midY() - lineHeight / 2, area.width(), lineHeight};
    if (!shown.empty()) drawText(c, shown, line, a, 1);
    if (isFirstResponder()) {
        // The caret after the text.
        double x = line.x() + (showPlaceholder ? 0 : std::min(s.width, area.width()));
        if (alignment_ == TextAlignment::center) x = line.midX() + (showPlaceholder ? 0 : s.width / 2);
        else if (alignment_ == TextAlignment::right) x = line.maxX();
        c.setFillColor(tintColor());
        c.fillRect({std::round(x), line.y() + 2, 2, line.height() - 4});
    }
}

} // namespace kit
