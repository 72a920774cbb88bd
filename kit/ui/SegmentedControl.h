#pragma once
// A row of titled segments, one of which is selected. A tap on another segment selects it and
// sends value changed; selecting in code sends nothing.
#include "kit/graphics/Font.h"
#include "kit/ui/Control.h"

#include <optional>
#include <string>
#include <vector>

namespace kit {

class SegmentedControl : public Control {
public:
    static constexpr int noSegment = -1;

    SegmentedControl();
    explicit SegmentedControl(std::vector<std::string> items);

    std::size_t numberOfSegments() const { return titles_.size(); }
    const std::vector<std::string>& titles() const { return titles_; }
    void insertSegment(std::string title, std::size_t index);
    void removeAllSegments();
    std::string titleForSegment(std::size_t index) const;
    void setTitle(std::string title, std::size_t index);

    int selectedSegmentIndex() const { return selected_; }
    void setSelectedSegmentIndex(int index);

    // Absent: white behind the selected title.
    const std::optional<Color>& selectedSegmentTintColor() const { return selectedTint_; }
    void setSelectedSegmentTintColor(std::optional<Color> color);
    const Font& font() const { return font_; }
    void setFont(const Font& font);

    // The segment under a point of the bounds, or noSegment.
    int segmentAt(Point p) const;

    void endTracking(const Touch* touch, const Event* event) override;
    // The arrow keys select the neighbouring segment, as a tap on it would.
    bool activateFromKeyboard() override { return false; }
    bool stepFromKeyboard(int direction) override;
    bool winsTouchOver(const GestureRecognizer& recognizer) const override { return claimsTapsAndSwipes(recognizer); }
    Size intrinsicContentSize() const override;
    void tintColorDidChange() override { setNeedsDisplay(); }

protected:
    void drawRect(Context& context, const Rect& rect) override;

private:
    std::vector<std::string> titles_;
    int selected_ = noSegment;
    std::optional<Color> selectedTint_;
    Font font_ = Font::system(13, FontWeight::medium);
};

} // namespace kit
