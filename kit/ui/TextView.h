#pragma once
// Display text over several lines from the top, inside small margins; not editable.
#include "kit/graphics/Text.h"
#include "kit/ui/View.h"

#include <string>

namespace kit {

class TextView : public View {
public:
    TextView();
    explicit TextView(const Rect& frame);

    const std::string& text() const { return text_; }
    void setText(std::string text);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    EdgeInsets textContainerInset() const { return inset_; }
    void setTextContainerInset(const EdgeInsets& inset);
    bool isEditable() const { return false; }

    std::optional<double> heightForWidth(double width) const override;
    Size sizeThatFits(Size size) const override;

protected:
    void drawRect(Context& context, const Rect& rect) override;

private:
    TextAttributes attributes() const;
    std::string text_;
    Font font_ = Font::system(12);
    Color textColor_ = Color::blackColor();
    TextAlignment alignment_ = TextAlignment::natural;
    EdgeInsets inset_{8, 5, 8, 5};
};

} // namespace kit
