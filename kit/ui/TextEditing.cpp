#include "kit/ui/TextEditing.h"

#include "kit/graphics/Text.h"

#include <algorithm>

namespace kit {

void EditableText::setText(std::string text) {
    text_ = std::move(text);
    caret_ = anchor_ = text_.size();
}

std::string EditableText::selectedText() const { return text_.substr(selectionStart(), selectionEnd() - selectionStart()); }

std::size_t EditableText::previousStop(std::size_t offset) const {
    const auto stops = caretStops(text_);
    auto it = std::lower_bound(stops.begin(), stops.end(), offset);
    return it == stops.begin() ? 0 : *std::prev(it);
}

std::size_t EditableText::nextStop(std::size_t offset) const {
    const auto stops = caretStops(text_);
    auto it = std::upper_bound(stops.begin(), stops.end(), offset);
    return it == stops.end() ? text_.size() : *it;
}

void EditableText::place(std::size_t offset, bool extend) {
    caret_ = std::min(offset, text_.size());
    if (!extend) anchor_ = caret_;
}

void EditableText::moveLeft(bool extend) {
    if (!extend && hasSelection()) place(selectionStart(), false);
    else place(previousStop(caret_), extend);
}

void EditableText::moveRight(bool extend) {
    if (!extend && hasSelection()) place(selectionEnd(), false);
    else place(nextStop(caret_), extend);
}

void EditableText::moveToStart(bool extend) { place(0, extend); }
void EditableText::moveToEnd(bool extend) { place(text_.size(), extend); }

void EditableText::selectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}

void EditableText::replaceSelection(std::string_view text) {
    const std::size_t start = selectionStart();
    text_.replace(start, selectionEnd() - start, text);
    place(start + text.size(), false);
}

bool EditableText::deleteBackward() {
    if (!hasSelection()) {
        if (caret_ == 0) return false;
        anchor_ = previousStop(caret_);
    }
    replaceSelection({});
    return true;
}

bool EditableText::deleteForward() {
    if (!hasSelection()) {
        if (caret_ == text_.size()) return false;
        anchor_ = nextStop(caret_);
    }
    replaceSelection({});
    return true;
}

} // namespace kit
