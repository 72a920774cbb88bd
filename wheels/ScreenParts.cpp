#include "wheels/ScreenParts.h"

#include "app/AppDelegate.h"
#include "app/settings/BackNavigation.h"
#include "app/ui/Ext.h"
#include "app/ui/LayoutConstants.h"
#include "app/ui/Strings.h"
#include "colour/ContrastingTint.h"
#include "kit/base/Make.h"
#include "kit/ui/Assets.h"
#include "kit/ui/SwipeGesture.h"

namespace wheels {

const std::string& tr(const char* english) { return app::Strings::text(english); }

void haptic() { app::delegate().hapticGenerator.impactOccurred(); }

std::shared_ptr<kit::Button> imageButton(const std::string& imageName) {
    auto button = kit::make<kit::Button>(kit::Rect{0, 0, 45, 40});
    if (auto image = kit::Assets::imageNamed(imageName)) button->setImage(std::move(*image));
    button->setContentMode(kit::ContentMode::center);
    return button;
}

std::shared_ptr<kit::Button> makeBackButton(kit::ViewController& screen, const std::string& imageName) {
    auto button = imageButton(imageName);
    button->addTarget(&screen, "backBtnTapped", kit::ControlEvent::touchUpInside, [&screen] { app::backBtnTapped(screen); });
    return button;
}

void addBackSwipe(kit::View& strip, kit::ViewController& screen) {
    std::weak_ptr<kit::ViewController> weakScreen = screen.weak_from_this();
    auto swipe = kit::make<kit::SwipeGesture>([weakScreen](kit::GestureRecognizer&) {
        if (auto s = weakScreen.lock()) app::backBySwipe(*s);
    });
    swipe->setDirection(kit::SwipeDirection::right);
    strip.addGestureRecognizer(swipe);
}

std::shared_ptr<kit::Button> makeColorLabelButton() {
    auto button = kit::make<kit::Button>();
    button->setTitleColor(kit::Color::whiteColor());
    button->titleLabel()->setFont(app::Fonts::lightFont18());
    button->titleLabel()->setLineBreakMode(kit::LineBreakMode::wordWrap);
    button->titleLabel()->setNumberOfLines(0);
    button->titleLabel()->setTextAlignment(kit::TextAlignment::center);
    button->setContentVerticalAlignment(kit::ContentVerticalAlignment::center);
    return button;
}

std::shared_ptr<kit::Button> makeValueButton(int tag) {
    auto button = kit::make<kit::Button>();
    button->setTag(tag);
    button->layer()->setBackgroundColor(kit::Color::blackColor().withAlpha(0.5));
    button->layer()->setBorderColor(kit::Color::whiteColor());
    button->layer()->setBorderWidth(1);
    button->layer()->setCornerRadius(app::valueButtonSize() / 2);
    button->setClipsToBounds(true);
    return button;
}

std::shared_ptr<kit::Slider> makeShadeSlider(float minimum, float maximum, float value) {
    static const kit::Color tint = kit::Color::whiteColor().withAlpha(shadeSliderWhiteAlpha);
    auto slider = kit::make<kit::Slider>();
    slider->setMinimumValue(minimum);
    slider->setMaximumValue(maximum);
    slider->setValue(value);
    slider->setContinuous(true);
    slider->setMinimumTrackTintColor(tint);
    slider->setThumbTintColor(tint);
    return slider;
}

kit::Color labelTextColor(const kit::Color& background) { return colour::contrastingTint(background); }

namespace {
SingleViewOpener& openerSlot() {
    static SingleViewOpener opener;
    return opener;
}
} // namespace

void setSingleViewOpener(SingleViewOpener opener) { openerSlot() = std::move(opener); }
const SingleViewOpener& singleViewOpener() { return openerSlot(); }

void pulse(kit::View& view, double scale, double duration) {
    std::weak_ptr<kit::View> weakView = view.shared_from_this();
    const auto options = kit::AnimationOptions::allowUserInteraction;
    kit::View::animate(
        duration, 0, options | kit::AnimationOptions::curveEaseIn,
        [weakView, scale] {
            if (auto v = weakView.lock()) app::setScale(*v, scale);
        },
        [weakView, options](bool) {
            kit::View::animate(0.1, 0, options | kit::AnimationOptions::curveEaseOut, [weakView] {
                if (auto v = weakView.lock()) app::resetTransform(*v);
            });
        });
}

} // namespace wheels
