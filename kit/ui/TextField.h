#pragma once
// One line of editable text. A tap focuses it; the hosts send typed text and the caret, selection
// and clipboard keys through the KeyInput calls. Editing sends editing did begin / changed / did
// end; Return ends editing. While editing, the text scrolls sideways to keep the caret in view.
#include "kit/graphics/Text.h"
#include "kit/ui/Control.h"
#include "kit/ui/TextEditing.h"

#include <string>

namespace kit {

enum class TextBorderStyle { none, line, bezel, roundedRect };
// Advisory here: a desktop keyboard types anything; a number pad keeps only digits.
enum class KeyboardType { defaultType, numberPad, decimalPad, asciiCapable, url, emailAddress };

class TextField : public Control, public KeyInput {
public:
    TextField();
    explicit TextField(const Rect& frame);

    const std::string& text() const { return editor_.text(); }
    // Puts the caret at the end of the new text, with nothing selected.
    void setText(std::string text);
    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(std::string placeholder);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    TextBorderStyle borderStyle() const { return border_; }
    void setBorderStyle(TextBorderStyle style);
    KeyboardType keyboardType() const { return keyboard_; }
    void setKeyboardType(KeyboardType type) { keyboard_ = type; }
    bool isEditing() const { return isFirstResponder(); }

    // The caret and selection as byte offsets of the text.
    std::size_t caretPosition() const { return editor_.caret(); }
    std::string selectedText() const { return editor_.selectedText(); }
    // Where the caret is drawn while editing, in the field's coordinates.
    Rect caretRect() const;
    // How far the text is scrolled left to keep the caret in view (0 when it fits).
    double textScroll() const { return scroll_; }

    // Focus.
    bool canBecomeFirstResponder() const override { return isEnabled(); }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    // Keyboard input ("\n" is Return).
    bool hasText() const override { return !editor_.text().empty(); }
    void insertText(const std::string& text) override;
    void deleteBackward() override;
    // Copy and cut put the selection on the general pasteboard; paste takes its text as one line.
    bool performEditCommand(TextEditCommand command) override;

    void endTracking(const Touch* touch, const Event* event) override;
    void willMoveToSuperview(View* newSuperview) override;
    Size intrinsicContentSize() const override;

protected:
    void drawRect(Context& context, const Rect& rect) override;
    std::shared_ptr<Responder> selfAsResponder() override { return shared_from_this(); }

private:
    Rect textArea() const;
    AttributedString editedText() const;
    // Where the edited text's left edge sits: aligned when it fits, else scrolled.
    double textOriginX() const;
    void insert(std::string text);
    void edited();
    void keepCaretVisible();

    EditableText editor_;
    double scroll_ = 0;
    std::string placeholder_;
    Font font_ = Font::system(17);
    Color textColor_ = Color::blackColor();
    TextAlignment alignment_ = TextAlignment::natural;
    TextBorderStyle border_ = TextBorderStyle::none;
    KeyboardType keyboard_ = KeyboardType::defaultType;
};

} // namespace kit
