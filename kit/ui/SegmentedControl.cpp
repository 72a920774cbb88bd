#include "kit/ui/SegmentedControl.h"

#include "kit/graphics/Context.h"
#include "kit/graphics/Text.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {
constexpr double kSegmentPadding = 12; // points on each side of a title
constexpr double kHeight = 32;
} // namespace

SegmentedControl::SegmentedControl() = default;

SegmentedControl::SegmentedControl(std::vector<std::string> items) : titles_(std::move(items)) {
    const Size s = intrinsicContentSize();
    Control::setFrame({0, 0, s.width, s.height});
}

void SegmentedControl::insertSegment(std::string title, std::size_t index) {
    index = std::min(index, titles_.size());
    titles_.insert(titles_.begin() + static_cast<std::ptrdiff_t>(index), std::move(title));
    if (selected_ >= static_cast<int>(index)) ++selected_;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void SegmentedControl::removeAllSegments() {
    titles_.clear();
    selected_ = noSegment;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

std::string SegmentedControl::titleForSegment(std::size_t index) const {
    return index < titles_.size() ? titles_[index] : std::string();
}

void SegmentedControl::setTitle(std::string title, std::size_t index) {
    if (index >= titles_.size()) return;
    titles_[index] = std::move(title);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void SegmentedControl::setSelectedSegmentIndex(int index) {
    if (index < noSegment || index >= static_cast<int>(titles_.size())) index = noSegment;
    selected_ = index;
    setNeedsDisplay();
}

void SegmentedControl::setSelectedSegmentTintColor(std::optional<Color> color) {
    selectedTint_ = std::move(color);
    setNeedsDisplay();
}

void SegmentedControl::setFont(const Font& font) {
    font_ = font;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

int SegmentedControl::segmentAt(Point p) const {
    const Rect b = bounds();
    if (titles_.empty() || !b.contains(p)) return noSegment;
    const double width = b.width() / static_cast<double>(titles_.size());
    const int i = static_cast<int>((p.x - b.x()) / width);
    return std::clamp(i, 0, static_cast<int>(titles_.size()) - 1);
}

void SegmentedControl::endTracking(const Touch* touch, const Event*) {
    if (!touch) return;
    const int hit = segmentAt(touch->locationIn(this));
    if (hit == noSegment || hit == selected_) return;
    selected_ = hit;
    setNeedsDisplay();
    sendActions(ControlEvent::valueChanged);
}

bool SegmentedControl::stepFromKeyboard(int direction) {
    if (!isEnabled() || titles_.empty()) return false;
    const int last = static_cast<int>(titles_.size()) - 1;
    const int next = selected_ == noSegment ? (direction > 0 ? 0 : last) : std::clamp(selected_ + direction, 0, last);
    if (next == selected_) return true;
    selected_ = next;
    setNeedsDisplay();
    sendActions(ControlEvent::valueChanged);
    return true;
}

Size SegmentedControl::intrinsicContentSize() const {
    // Segments share the width equally, so the widest title sets every segment's width.
    double widest = 0;
    for (auto& t : titles_) widest = std::max(widest, measureText(t, font_).width);
    return {std::ceil((widest + 2 * kSegmentPadding) * static_cast<double>(titles_.size())), kHeight};
}

void SegmentedControl::drawRect(Context& c, const Rect&) {
    const Rect b = bounds();
    if (titles_.empty()) return;
    c.setAlpha(isEnabled() ? 1.0 : 0.5);
    const double width = b.width() / static_cast<double>(titles_.size());
    if (selected_ != noSegment) {
        const Rect thumb{b.x() + width * selected_ + 2, b.y() + 2, width - 4, b.height() - 4};
        c.setFillColor(Color::gray(0, 0.08));
        c.fill(Path::roundedRect(thumb.offsetBy(0, 1), 7));
        c.setFillColor(selectedTint_.value_or(Color::whiteColor()));
        c.fill(Path::roundedRect(thumb, 7));
    }
    c.setStrokeColor(Color::gray(0.5, 0.3));
    c.setLineWidth(1);
    for (std::size_t i = 1; i < titles_.size(); ++i) {
        if (static_cast<int>(i) == selected_ || static_cast<int>(i) == selected_ + 1) continue;
        const double x = std::round(b.x() + width * static_cast<double>(i)) + 0.5;
        c.drawLine({x, b.y() + 8}, {x, b.maxY() - 8});
    }
    TextAttributes a;
    a.font = font_;
    a.foregroundColor = Color::blackColor();
    ParagraphStyle style;
    style.alignment = TextAlignment::center;
    style.lineBreakMode = LineBreakMode::truncateTail;
    a.paragraphStyle = style;
    const double lineHeight = font_.lineHeight();
    for (std::size_t i = 0; i < titles_.size(); ++i) {
        const Rect cell{b.x() + width * static_cast<double>(i) + 4, b.midY() - lineHeight / 2, width - 8, lineHeight};
        drawText(c, titles_[i], cell, a, 1);
    }
}

} // namespace kit
