#pragma once
// A card of the combination list: one to four horizontal colour bands captioned with their codes,
// and a "More" dot on cards of two or more colours. A tap copies a band, a press saves it as a
// single colour, a right swipe opens it in the wheel; a left swipe deletes a stored combination
// after confirmation; "More" opens the combination in the other tools or copies it to "Liked".
#include "app/ui/BaseCells.h"
#include "colour/ColorCombination.h"
#include "combinations/CellSupport.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kit {
class Label;
class LongPressGesture;
class SwipeGesture;
class TapGesture;
class ViewController;
} // namespace kit

namespace combinations {

// Band heights of a card of n colours (the card is 320 high); one band fills it otherwise.
std::vector<double> bandHeights(int numberOfColors);

class ColorCombinationCell : public app::BaseCVCell {
public:
    ColorCombinationCell() = default;
    void setupViews() override;

    void configure(const colour::ColorCombination& combination, const std::shared_ptr<kit::ViewController>& viewController);

    std::array<std::shared_ptr<kit::LongPressGesture>, 4> longPressGestureView;
    std::array<std::shared_ptr<kit::TapGesture>, 4> tapGestureView;
    std::shared_ptr<kit::SwipeGesture> leftSwipeGesture;
    std::shared_ptr<kit::TapGesture> moreTapGesture;
    std::array<std::shared_ptr<kit::SwipeGesture>, 4> rightSwipeGestureView;
    std::optional<colour::ColorCombination> colorCombination;
    std::weak_ptr<kit::ViewController> viewController;
    std::int32_t colorCombId = -1;
    int numberOfColors = 0;
    std::array<std::shared_ptr<kit::View>, 4> views;  // view1 ... view4
    std::array<std::shared_ptr<kit::Label>, 4> labels;
    std::shared_ptr<kit::View> bgView;
    std::shared_ptr<kit::View> moreView;
    bool isSwipeRightOn() const { return swipeRight_.isOn(); }

    // Band k is 1-based.
    void saveToBuffer(int k);
    void saveToSingle(int k);
    void openInDcwColor(int k);
    void getRidOfCombination();
    void moreTapped();

    void showMoreMenu();
    void openInEditor();
    void openInLightTool();
    void saveAsImage();
    void addToLiked();
    void previewAsChart();
    std::vector<kit::Color> colorsOfCombination() const;
    void confirmDelete();
    void deleteCombination(std::int32_t id);

private:
    void clearRecognizers();
    void pushOnViewController(const std::shared_ptr<kit::ViewController>& screen);
    SwipeDebounce swipeRight_;
    std::vector<std::shared_ptr<kit::View>> shownBands_;
};

} // namespace combinations
