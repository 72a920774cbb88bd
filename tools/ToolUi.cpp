#include "tools/ToolUi.h"

#include "app/AppDelegate.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/Button.h"
#include "kit/ui/ImageView.h"
#include "kit/ui/Slider.h"
#include "kit/ui/View.h"
#include "kit/ui/ViewController.h"
#include "wheels/ScreenParts.h"

namespace tools {

std::shared_ptr<kit::Button> makeImageButton(const std::string& imageName, bool asTemplate) {
    auto button = kit::make<kit::Button>();
    button->setImage(kit::Assets::imageNamed(imageName));
    button->imageView()->setTemplate(asTemplate);
    button->setAccessibilityIdentifier(imageName);
    return button;
}

std::shared_ptr<kit::Button> makeBufferButton() {
    auto button = kit::make<kit::Button>();
    button->setBackgroundColor(kit::Color::greenColor());
    button->layer()->setCornerRadius(12);
    button->setClipsToBounds(true);
    button->layer()->setBorderWidth(1);
    button->layer()->setBorderColor(kit::Color::whiteColor());
    button->setHidden(true);
    return button;
}

std::shared_ptr<kit::Slider> makeToolSlider(float minimum, float maximum, float value) {
    auto slider = kit::make<kit::Slider>();
    slider->setMinimumValue(minimum);
    slider->setMaximumValue(maximum);
    slider->setValue(value);
    slider->setContinuous(true);
    const auto tint = kit::Color::gray(1, 0.68587255f);
    slider->setTintColor(tint);
    slider->setMinimumTrackTintColor(tint);
    slider->setThumbTintColor(tint);
    return slider;
}

void paintImageTint(kit::Button& button, const kit::Color& color) {
    button.setTintColor(color);
    button.imageView()->setTintColor(color);
}

std::shared_ptr<kit::View> installBackSwipeStrip(kit::ViewController& screen) {
    auto root = screen.view();
    auto strip = kit::make<kit::View>();
    app::placeBackSwipeStrip(*root, strip, root->topAnchor());
    wheels::addBackSwipe(*strip, screen);
    return strip;
}

void pulseSavedSetsButton(kit::View& view) {
    using kit::AnimationOptions;
    std::weak_ptr<kit::View> weak = view.shared_from_this();
    kit::View::animate(0.3, 0, AnimationOptions::curveEaseIn | AnimationOptions::allowUserInteraction,
                       [weak] { if (auto v = weak.lock()) app::setScale(*v, 1.5); });
    kit::View::animate(0.1, 0.3, AnimationOptions::curveEaseOut | AnimationOptions::allowUserInteraction,
                       [weak] { if (auto v = weak.lock()) app::resetTransform(*v); });
}

} // namespace tools
