#pragma once
// Read-only text: one line or several (numberOfLines 0 = as many as needed), wrapped or truncated
// by the line-break mode, vertically centred in the bounds, optionally shrunk to fit one line.
#include "kit/graphics/Text.h"
#include "kit/ui/View.h"

#include <optional>
#include <string>

namespace kit {

class Label : public View {
public:
    Label();
    explicit Label(const Rect& frame);

    const std::string& text() const { return text_; }
    // Replaces any attributed text.
    void setText(std::string text);
    // The attributed text in use, if one was set; setting it also sets text().
    const std::optional<AttributedString>& attributedText() const { return attributed_; }
    void setAttributedText(std::optional<AttributedString> text);

    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    int numberOfLines() const { return lines_; }
    void setNumberOfLines(int lines);
    LineBreakMode lineBreakMode() const { return lineBreak_; }
    void setLineBreakMode(LineBreakMode mode);
    bool adjustsFontSizeToFitWidth() const { return adjusts_; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    // The smallest fraction of the font size a shrinking label goes down to (0: no lower bound
    // beyond a legible minimum).
    double minimumScaleFactor() const { return minimumScale_; }
    void setMinimumScaleFactor(double factor);
    // Width at which a multi-line label wraps when it computes its natural size (0: unlimited).
    double preferredMaxLayoutWidth() const { return preferredWidth_; }
    void setPreferredMaxLayoutWidth(double width);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // The text as drawn: the label's font, colour and paragraph settings, or the attributed text.
    AttributedString effectiveText() const;
    // The font size a one-line shrinking label uses in its current width.
    double fittedFontSize() const;

    Size intrinsicContentSize() const override;
    std::optional<double> heightForWidth(double width) const override;
    Size sizeThatFits(Size size) const override;
    // Where the text sits in a rectangle (vertically centred).
    Rect textRectForBounds(const Rect& bounds) const;

protected:
    void drawRect(Context& context, const Rect& rect) override;

private:
    void changed();
    TextLayoutOptions options(double width) const;
    AttributedString styledText(bool truncateToFit) const;
    // The text and limits as drawn in a rectangle: shrunk to fit when asked, and without a line
    // limit truncated at the last line that fits.
    struct Fitted {
        AttributedString text;
        TextLayoutOptions options;
    };
    Fitted fittedText(const Rect& bounds) const;

    std::string text_;
    std::optional<AttributedString> attributed_;
    Font font_ = Font::system(17);
    Color textColor_ = Color::blackColor();
    TextAlignment alignment_ = TextAlignment::natural;
    int lines_ = 1;
    LineBreakMode lineBreak_ = LineBreakMode::truncateTail;
    bool adjusts_ = false;
    double minimumScale_ = 0;
    double preferredWidth_ = 0;
    bool enabled_ = true;
};

} // namespace kit
