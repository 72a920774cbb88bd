#include "kit/ui/TextField.h"

#include "kit/graphics/Context.h"
#include "kit/ui/Pasteboard.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace kit {

namespace {
constexpr double kPadding = 7;     // points between the border and the text
constexpr double kCaretWidth = 2;

// Pasted text goes into one line: line breaks and tabs become spaces, other control codes go.
std::string asOneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (ch == '\n' || ch == '\r' || ch == '\t') out += ' ';
        else if (static_cast<unsigned char>(ch) >= 0x20 && ch != 0x7F) out += ch;
    }
    return out;
}
} // namespace

TextField::TextField() = default;

TextField::TextField(const Rect& frame) : Control(frame) {}

void TextField::setText(std::string text) {
    editor_.setText(std::move(text));
    keepCaretVisible();
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
    keepCaretVisible();
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

void TextField::edited() {
    keepCaretVisible();
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
    sendActions(ControlEvent::editingChanged);
}

void TextField::insert(std::string piece) {
    if (keyboard_ == KeyboardType::numberPad)
        std::erase_if(piece, [](char ch) { return !std::isdigit(static_cast<unsigned char>(ch)); });
    if (piece.empty()) return;
    editor_.replaceSelection(piece);
    edited();
}

void TextField::insertText(const std::string& typed) {
    if (!isEnabled()) return;
    auto self = weak_from_this().lock();
    for (std::size_t start = 0; start <= typed.size();) {
        const std::size_t nl = typed.find('\n', start);
        insert(typed.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos) break;
        sendActions(ControlEvent::editingDidEndOnExit);
        resignFirstResponder();
        start = nl + 1;
    }
}

void TextField::deleteBackward() {
    if (isEnabled() && editor_.deleteBackward()) edited();
}

bool TextField::performEditCommand(TextEditCommand command) {
    if (!isEnabled()) return false;
    switch (command) {
    case TextEditCommand::moveLeft: editor_.moveLeft(false); break;
    case TextEditCommand::moveRight: editor_.moveRight(false); break;
    case TextEditCommand::moveToStart: editor_.moveToStart(false); break;
    case TextEditCommand::moveToEnd: editor_.moveToEnd(false); break;
    case TextEditCommand::selectLeft: editor_.moveLeft(true); break;
    case TextEditCommand::selectRight: editor_.moveRight(true); break;
    case TextEditCommand::selectToStart: editor_.moveToStart(true); break;
    case TextEditCommand::selectToEnd: editor_.moveToEnd(true); break;
    case TextEditCommand::selectAll: editor_.selectAll(); break;
    case TextEditCommand::deleteBackward: deleteBackward(); return true;
    case TextEditCommand::deleteForward:
        if (editor_.deleteForward()) edited();
        return true;
    case TextEditCommand::copy:
        if (editor_.hasSelection()) Pasteboard::general().setString(editor_.selectedText());
        return true;
    case TextEditCommand::cut:
        if (!editor_.hasSelection()) return true;
        Pasteboard::general().setString(editor_.selectedText());
        editor_.replaceSelection({});
        edited();
        return true;
    case TextEditCommand::paste:
        if (auto pasted = Pasteboard::general().string()) insert(asOneLine(*pasted));
        return true;
    }
    keepCaretVisible();
    setNeedsDisplay();
    return true;
}

void TextField::willMoveToSuperview(View* newSuperview) {
    // A field taken off the screen stops editing.
    if (!newSuperview) resignFirstResponder();
}

void TextField::endTracking(const Touch* touch, const Event*) {
    if (touch && touchIsInside(*touch)) becomeFirstResponder();
}

Size TextField::intrinsicContentSize() const {
    const Size t = measureText(text().empty() ? placeholder_ : text(), font_);
    return {std::ceil(t.width) + 2 * kPadding, std::ceil(font_.lineHeight()) + 2 * kPadding};
}

Rect TextField::textArea() const { return bounds().insetBy(kPadding, 0); }

AttributedString TextField::editedText() const {
    TextAttributes a;
    a.font = font_;
    a.foregroundColor = textColor_;
    return AttributedString(text(), a);
}

double TextField::textOriginX() const {
    const Rect area = textArea();
    const double spare = area.width() - kCaretWidth - measureText(editedText()).width;
    if (spare < 0) return area.x() - scroll_;
    switch (alignment_) {
    case TextAlignment::center: return area.x() + spare / 2;
    case TextAlignment::right: return area.x() + spare;
    default: return area.x();
    }
}

void TextField::keepCaretVisible() {
    const double width = textArea().width() - kCaretWidth;
    const AttributedString shown = editedText();
    const double full = measureText(shown).width;
    if (full <= width) {
        scroll_ = 0;
        return;
    }
    // Scroll no further than needed: the caret stays where it was unless it would leave the area.
    const double caret = caretOffset(shown, editor_.caret());
    scroll_ = std::min(std::max(scroll_, caret - width), caret);
    scroll_ = std::clamp(scroll_, 0.0, full - width);
}

Rect TextField::caretRect() const {
    const double lineHeight = font_.lineHeight();
    const double x = textOriginX() + caretOffset(editedText(), editor_.caret());
    return {std::round(x), bounds().midY() - lineHeight / 2 + 2, kCaretWidth, lineHeight - 4};
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
    const Rect area = textArea();
    const double lineHeight = font_.lineHeight();
    const Rect line{area.x(), b.midY() - lineHeight / 2, area.width(), lineHeight};
    if (text().empty() || !isFirstResponder()) {
        // At rest the text reads from its start, ending in an ellipsis when it is too long.
        TextAttributes a;
        a.font = font_;
        a.foregroundColor = text().empty() ? Color::gray(0.7) : textColor_;
        ParagraphStyle style;
        style.alignment = alignment_;
        style.lineBreakMode = LineBreakMode::truncateTail;
        a.paragraphStyle = style;
        const std::string& shown = text().empty() ? placeholder_ : text();
        if (!shown.empty()) drawText(c, shown, line, a, 1);
    } else {
        c.save();
        c.clipToRect({area.x() - 1, 0, area.width() + 2, b.height()});
        const AttributedString shown = editedText();
        const double x = textOriginX();
        if (editor_.hasSelection()) {
            const double from = caretOffset(shown, editor_.selectionStart());
            const double to = caretOffset(shown, editor_.selectionEnd());
            c.setFillColor(tintColor().withAlpha(0.3));
            c.fillRect({x + std::min(from, to), line.y(), std::abs(to - from), line.height()});
        }
        drawText(c, shown, Point{x, line.y()});
        c.restore();
    }
    if (isFirstResponder()) {
        c.setFillColor(tintColor());
        c.fillRect(caretRect());
    }
}

} // namespace kit
