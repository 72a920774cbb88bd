#pragma once
// The editing a desktop user expects of a line of text: a caret that moves by whole characters, a
// selection grown from an anchor, and typing that replaces what is selected.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace kit {

enum class TextEditCommand {
    moveLeft, moveRight, moveToStart, moveToEnd,
    selectLeft, selectRight, selectToStart, selectToEnd, selectAll,
    deleteBackward, deleteForward,
    copy, cut, paste,
};

// Text with a caret and a selection. Offsets are in bytes of the UTF-8 text and always stand
// between whole characters (grapheme clusters); Left and Right move in the text's logical order.
class EditableText {
public:
    const std::string& text() const { return text_; }
    // New text: the caret at its end, nothing selected.
    void setText(std::string text);

    std::size_t caret() const { return caret_; }
    // The selected range is [selectionStart, selectionEnd); empty when nothing is selected.
    std::size_t selectionStart() const { return std::min(caret_, anchor_); }
    std::size_t selectionEnd() const { return std::max(caret_, anchor_); }
    bool hasSelection() const { return caret_ != anchor_; }
    std::string selectedText() const;

    // Moves the caret; with `extend` the selection's far end moves and its anchor stays.
    // Without it a selection collapses to the side moved towards.
    void moveLeft(bool extend);
    void moveRight(bool extend);
    void moveToStart(bool extend);
    void moveToEnd(bool extend);
    void selectAll();

    // Replaces the selection (or inserts at the caret); the caret ends after the new text.
    void replaceSelection(std::string_view text);
    // The selection, else the character before (or after) the caret. False when nothing changed.
    bool deleteBackward();
    bool deleteForward();

private:
    std::size_t previousStop(std::size_t offset) const;
    std::size_t nextStop(std::size_t offset) const;
    void place(std::size_t offset, bool extend);

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
};

} // namespace kit
