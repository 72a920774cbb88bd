#include "kit/graphics/Text.h"

#include <algorithm>

namespace kit {

AttributedString::AttributedString(std::string text, TextAttributes attributes) : text_(std::move(text)) {
    if (!text_.empty()) runs_.push_back({0, text_.size(), std::move(attributes)});
}

void AttributedString::append(const AttributedString& other) {
    const std::size_t offset = text_.size();
    text_ += other.text_;
    for (Run r : other.runs_) {
        r.start += offset;
        runs_.push_back(std::move(r));
    }
}

void AttributedString::append(std::string_view text, const TextAttributes& attributes) {
    if (text.empty()) return;
    runs_.push_back({text_.size(), text.size(), attributes});
    text_ += text;
}

template <class F> void AttributedString::edit(std::size_t start, std::size_t length, F&& change) {
    std::size_t end = start > text_.size() ? text_.size() : std::min(text_.size(), start + std::min(length, text_.size()));
    start = std::min(start, text_.size());
    // Whole characters only: a UTF-8 continuation byte is never a boundary.
    auto continuation = [&](std::size_t i) { return i < text_.size() && (static_cast<unsigned char>(text_[i]) & 0xC0) == 0x80; };
    while (start > 0 && continuation(start)) --start;
    while (continuation(end)) ++end;
    if (start >= end) return;
    std::vector<Run> out;
    for (const Run& r : runs_) {
        const std::size_t rEnd = r.start + r.length;
        const std::size_t a = std::max(r.start, start), b = std::min(rEnd, end);
        if (a >= b) {
            out.push_back(r);
            continue;
        }
        if (r.start < a) out.push_back({r.start, a - r.start, r.attributes});
        Run inside{a, b - a, r.attributes};
        change(inside.attributes);
        out.push_back(inside);
        if (b < rEnd) out.push_back({b, rEnd - b, r.attributes});
    }
    runs_ = std::move(out);
}

void AttributedString::setFont(const Font& font, std::size_t start, std::size_t length) {
    edit(start, length, [&](TextAttributes& a) { a.font = font; });
}

void AttributedString::setForegroundColor(const Color& color, std::size_t start, std::size_t length) {
    edit(start, length, [&](TextAttributes& a) { a.foregroundColor = color; });
}

void AttributedString::setParagraphStyle(const ParagraphStyle& style) {
    for (Run& r : runs_) r.attributes.paragraphStyle = style;
}

ParagraphStyle AttributedString::paragraphStyle() const {
    for (const Run& r : runs_)
        if (r.attributes.paragraphStyle) return *r.attributes.paragraphStyle;
    return {};
}

TextAttributes AttributedString::attributesAt(std::size_t offset) const {
    for (const Run& r : runs_)
        if (offset >= r.start && offset < r.start + r.length) return r.attributes;
    return runs_.empty() ? TextAttributes{} : runs_.back().attributes;
}

bool operator==(const AttributedString& x, const AttributedString& y) {
    if (x.text_ != y.text_ || x.runs_.size() != y.runs_.size()) return false;
    for (std::size_t i = 0; i < x.runs_.size(); ++i)
        if (x.runs_[i].start != y.runs_[i].start || x.runs_[i].length != y.runs_[i].length ||
            !(x.runs_[i].attributes == y.runs_[i].attributes))
            return false;
    return true;
}

} // namespace kit
