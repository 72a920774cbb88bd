#include "capture/ValueBreakerVC.h"

#include "app/ui/Ext.h"
#include "app/ui/Haptic.h"
#include "app/ui/Strings.h"
#include "colour/ThemeColors.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/graphics/filters/Filters.h"
#include "kit/text/DoubleText.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Label.h"

#include <cmath>

namespace capture {
namespace {

constexpr double kSide = 16;
constexpr double kGap = 10;
constexpr double kRowHeight = 40;

std::shared_ptr<kit::Label> makeStepperLabel() {
    auto label = kit::make<kit::Label>();
    label->setFont(kit::Font::system(18));
    label->setTextColor(kit::Color::whiteColor());
    label->setTextAlignment(kit::TextAlignment::center);
    label->layer()->setBackgroundColor(colour::translucentGrayColor());
    label->layer()->setCornerRadius(6);
    return label;
}

// The contrast as the label names it: 2.0, 2.5 and 3.0 are steps 1, 2 and 3.
const char* contrastStep(double contrast) {
    if (contrast == 2.5) return "2";
    if (contrast == 3.0) return "3";
    return "1";
}

} // namespace

std::shared_ptr<kit::Button> makeStepButton(const std::string& title, std::function<void()> action) {
    auto button = kit::make<kit::Button>();
    button->setTitle(title);
    button->setTitleColor(kit::Color::whiteColor());
    button->layer()->setBackgroundColor(colour::translucentGrayColor());
    button->layer()->setCornerRadius(6);
    button->setContentMode(kit::ContentMode::scaleAspectFill);
    button->addTarget(button.get(), "step", kit::ControlEvent::touchUpInside,
                      [action = std::move(action)](kit::Control&) { action(); });
    return button;
}

ValueBreakerVC::ValueBreakerVC() {
    valueNumberLabel = makeStepperLabel();
    valueNumberLabel->setText(app::Strings::text("To values") + ": 4");
    contrastLabel = makeStepperLabel();
    contrastLabel->setText(app::Strings::text("Contrast") + ": 1");
}

kit::layout::Anchor ValueBreakerVC::buildRowsAboveSave(kit::View& root, kit::layout::Anchor saveTop) {
    std::weak_ptr<ValueBreakerVC> weak = std::static_pointer_cast<ValueBreakerVC>(shared_from_this());
    auto stepper = [weak](void (ValueBreakerVC::*action)()) {
        return [weak, action] {
            if (auto s = weak.lock()) (s.get()->*action)();
        };
    };
    increaseValueNumberButton = makeStepButton("+", stepper(&ValueBreakerVC::increaseValueNumber));
    decreaseValueNumberButton = makeStepButton("-", stepper(&ValueBreakerVC::decreaseValueNumber));
    increaseContrastButton = makeStepButton("+", stepper(&ValueBreakerVC::increaseContrast));
    decreaseContrastButton = makeStepButton("-", stepper(&ValueBreakerVC::decreaseContrast));

    // A row: the label from the left edge up to "-", then "-" and "+" at the right edge. The arrow
    // keys step the row's value from either button.
    auto row = [&](kit::Label& label, kit::Button& minus, kit::Button& plus, kit::layout::Anchor below) {
        auto byKey = [down = std::weak_ptr(std::static_pointer_cast<kit::Button>(minus.shared_from_this())),
                      up = std::weak_ptr(std::static_pointer_cast<kit::Button>(plus.shared_from_this()))](int direction) {
            if (auto button = (direction > 0 ? up : down).lock()) button->sendActions(kit::ControlEvent::touchUpInside);
        };
        minus.setKeyboardStep(byKey);
        plus.setKeyboardStep(byKey);
        for (kit::View* v : {static_cast<kit::View*>(&label), static_cast<kit::View*>(&minus), static_cast<kit::View*>(&plus)})
            root.addSubview(v->shared_from_this());
        app::anchor(plus, std::nullopt, std::nullopt, below, root.rightAnchor(), 0, 0, -kGap, kSide, kRowHeight,
                    kRowHeight);
        app::anchor(minus, std::nullopt, std::nullopt, plus.bottomAnchor(), plus.leftAnchor(), 0, 0, 0, kGap,
                    kRowHeight, kRowHeight);
        app::anchor(label, std::nullopt, root.leftAnchor(), plus.bottomAnchor(), minus.leftAnchor(), 0, kSide, 0,
                    kGap, 0, kRowHeight);
        return label.topAnchor();
    };
    const auto contrastTop = row(*contrastLabel, *decreaseContrastButton, *increaseContrastButton, saveTop);
    return row(*valueNumberLabel, *decreaseValueNumberButton, *increaseValueNumberButton, contrastTop);
}

void ValueBreakerVC::step(double& value, double change) {
    app::lightImpact();
    value += change;
    refreshConversion();
}

void ValueBreakerVC::increaseValueNumber() {
    if (numberOfValues < 9) step(numberOfValues, 1);
}
void ValueBreakerVC::decreaseValueNumber() {
    if (numberOfValues > 2) step(numberOfValues, -1);
}
void ValueBreakerVC::increaseContrast() {
    if (contrast < 3.0) step(contrast, 0.5);
}
void ValueBreakerVC::decreaseContrast() {
    if (contrast > 2.0) step(contrast, -0.5);
}

void ValueBreakerVC::refreshConversion() {
    posterizeToValues(numberOfValues);
    selectedImageView->setImage(convertedImage);
    valueNumberLabel->setText(app::Strings::text("To values") + ": " +
                              std::to_string(static_cast<long long>(numberOfValues) + 1));
    contrastLabel->setText(app::Strings::text("Contrast") + ": " + contrastStep(contrast));
    if (convertedImage) showSaveEnabled(*saveToPhotosButton);
}

void ValueBreakerVC::posterizeToValues(double levels) {
    if (!loadedImage) return;
    // Made grey with the contrast first, then split into the values: contrast of 2 or more applied
    // to values already split would push half of them past black or white. The label promises
    // one more value than the level count (0 and 1 both included), so the split gets that many.
    auto grey = desaturateWithContrast(*loadedImage);
    auto values = grey ? kit::filters::posterize(*grey, levels + 1) : std::nullopt;
    if (!values) {
        kit::warn("Error converting image to " + kit::text::shortestText(levels) + "-color representation.");
        return;
    }
    convertedImage = std::move(values);
}

std::optional<kit::Image> ValueBreakerVC::desaturateWithContrast(const kit::Image& image) const {
    // In linear light, so that the grey is the picture's luminance; the contrast spreads the
    // middle tones about middle grey. No added brightness: half a range more turns every value
    // above a quarter white.
    return kit::filters::colorControls(image, 0, 0, contrast, kit::filters::WorkingSpace::linearLight);
}

} // namespace capture
