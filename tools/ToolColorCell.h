#pragma once
// A row of the colour-group and light lists: the colour across the row with its code text. A tap
// copies the colour (pasteboard and colour buffer), a press of 0.7 s saves it as a single colour,
// once per press.
#include "kit/base/Color.h"
#include "kit/ui/CollectionView.h"

#include <functional>
#include <memory>
#include <optional>

namespace kit {
class Label;
class LongPressGesture;
class TapGesture;
} // namespace kit

namespace tools {

class ToolColorCell : public kit::CollectionViewCell {
public:
    void initialize();
    // `number` (1-based) follows the code text as " (n)" when given; `topShadow` darkens the top
    // edge so that rows after the first read as separate bands.
    void configure(const kit::Color& color, std::optional<int> number, bool topShadow = false);
    void layoutSubviews() override;
    const std::optional<kit::Color>& color() const { return color_; }
    const std::shared_ptr<kit::Label>& codeLabel() const { return label_; }
    // A left swipe on the row runs the action; installed once however often the row is reused.
    void setLeftSwipeAction(std::function<void(ToolColorCell&)> action);

private:
    void saveToBuffer();
    void saveToSingle();

    std::optional<kit::Color> color_;
    std::shared_ptr<kit::Label> label_;
    std::function<void(ToolColorCell&)> leftSwipe_;
    bool leftSwipeInstalled_ = false;
    bool topShadow_ = false;
    std::shared_ptr<kit::Layer> shadow_;
    kit::Size shadowSize_;
};

} // namespace tools
