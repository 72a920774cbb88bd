#pragma once
// One line of editable text. A tap focuses it; the hosts send typed text through the KeyInput
// calls. Editing sends editing did begin / changed / did end; Return ends editing.
#include "kit/graphics/Text.h"
#include "kit/ui/Control.h"

#include <string>

namespace kit {

enum class TextBorderStyle { none, line, bezel, roundedRect };
// Advisory here: a desktop keyboard types anything; a number pad keeps only digits.
enum class KeyboardType { defaultType, numberPad, decimalPad, asciiCapable, url, emailAddress };

class TextField : public Control, public KeyInput {
public:
    TextField();
    explicit TextField(const Rect& frame);

    const std::string& text() const { return text_; }
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

    // Focus.
    bool canBecomeFirstResponder() const override { return isEnabled(); }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    // Keyboard input ("\n" is Return).
    bool hasText() const override { return !text_.empty(); }
    void insertText(const std::string& text) override;
    void deleteBackward() override;

    void endTracking(const Touch* touch, const Event* event) override;
    void willMoveToSuperview(View* newSuperview) override;
    Size intrinsicContentSize() const override;

protected:
    void drawRect(Context& context, const Rect& rect) override;
    std::shared_ptr<Responder> selfAsResponder() override { return shared_from_this(); }

private:
    std::string text_;
    std::string placeholder_;
    Font font_ = Font::system(17);
    Color textColor_ = Color::blackColor();
    TextAlignment alignment_ = TextAlignment::natural;
    TextBorderStyle border_ = TextBorderStyle::none;
    KeyboardType keyboard_ = KeyboardType::defaultType;
};

// Removes the last user-perceived character of UTF-8 text (a whole code point at least).
void dropLastCharacter(std::string& text);

} // namespace kit
