#pragma once
// A short text the chart view draws near a corner of the content area.
#include "charting/core/LabelColor.h"
#include "charting/model/ComponentBase.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Font.h"
#include "kit/graphics/Text.h"

#include <optional>
#include <string>

namespace charting {

class Description : public ComponentBase {
public:
    Description() = default;

    // Nothing is drawn while the text is absent or empty.
    const std::optional<std::string>& text() const { return text_; }
    void setText(std::optional<std::string> text) { text_ = std::move(text); }
    // Absent lets the chart view place the text at the bottom-right corner of the content area.
    const std::optional<kit::Point>& position() const { return position_; }
    void setPosition(std::optional<kit::Point> position) { position_ = position; }
    // Left, centre or right of the anchor point.
    kit::TextAlignment textAlign() const { return textAlign_; }
    void setTextAlign(kit::TextAlignment align) { textAlign_ = align; }
    const kit::Font& font() const { return font_; }
    void setFont(const kit::Font& font) { font_ = font; }
    const kit::Color& textColor() const { return textColor_; }
    void setTextColor(const kit::Color& color) { textColor_ = color; }

private:
    std::optional<std::string> text_;
    std::optional<kit::Point> position_;
    kit::TextAlignment textAlign_ = kit::TextAlignment::right;
    kit::Font font_ = kit::Font::system(8);
    kit::Color textColor_ = labelColor();
};

} // namespace charting
