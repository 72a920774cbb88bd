#pragma once
// A colour tile of the swatch lists, the colour-set overlay and the tool lists: a colour captioned
// with its code, or a named colour captioned with its name. When the host asks for actions a tap
// copies the colour, a press of 0.7 s saves it as a single colour and (colour tiles only, unless
// switched off) a right swipe opens it in the digital wheel.
#include "app/ui/BaseCells.h"
#include "colour/ColorNames.h"
#include "combinations/CellSupport.h"

#include <memory>
#include <optional>

namespace kit {
class Label;
class Layer;
class LongPressGesture;
class SwipeGesture;
class TapGesture;
} // namespace kit

namespace combinations {

class ColorCell : public app::BaseCVCell {
public:
    ColorCell() = default;
    void setupViews() override;
    void layoutSubviews() override;

    // `index` numbers the caption (withNumber) and, when not 0, adds the top-edge shadow. A named
    // tile needs both hex and name.
    void configure(const std::optional<kit::Color>& color, bool withActions,
                   const std::optional<colour::ColorWithName>& colorWithName, int index, bool isHtmlName,
                   bool withoutShadow, bool withNumber, bool withoutOpenInWheel);

    // The colour the actions use.
    std::optional<kit::Color> color;
    std::shared_ptr<kit::Layer> shadowLayer;
    std::shared_ptr<kit::View> bgView;
    std::shared_ptr<kit::Label> colorHexLabel;
    std::shared_ptr<kit::TapGesture> oneFingerTapGesture;
    std::shared_ptr<kit::LongPressGesture> longPressGestureView;
    std::shared_ptr<kit::SwipeGesture> rightSwipeGesture;
    bool isSwipeRightOn() const { return swipeRight_.isOn(); }
    bool hasShadow() const;

    void saveToBuffer();
    void saveToSingle();
    void openInDcw();

private:
    void makeRecognizers();
    void installRecognizers(bool withOpenInWheel);
    void removeRecognizers();
    SwipeDebounce swipeRight_;
};

} // namespace combinations
