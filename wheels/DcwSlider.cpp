#include "wheels/DcwSlider.h"

#include "colour/HexText.h"
#include "kit/base/Make.h"
#include "kit/ui/TapGesture.h"

#include <algorithm>

namespace wheels {

namespace {
const std::map<std::string, std::nullptr_t> kNoActions{{"position", nullptr}, {"bounds", nullptr}, {"path", nullptr}};
}

HueSliderTrackLayer::HueSliderTrackLayer() : gradient_(std::make_shared<kit::GradientLayer>()) {
    gradient_->setActions(kNoActions);
    addSublayer(gradient_);
}

void DCWSLIDER::initialize() {
    handleView_ = kit::make<DCWHANDLER>();
    handleCenterX_ = bounds().size.width * 0.5;
    trackLayer_->setBackgroundColor(kit::Color::blueColor());
    trackLayer_->setMasksToBounds(true);
    trackLayer_->setActions(kNoActions);
    layer()->addSublayer(trackLayer_);
    handleView_->setColor(kit::Color::blueColor());
    handleView_->circleLayer()->setBorderWidth(3.0);
    // The circle layer has no bounds of its own, so its border must not show as a dot.
    handleView_->circleLayer()->setBorderColor(kit::Color::clearColor());
    handleView_->setUserInteractionEnabled(false);
    addSubview(handleView_);
    auto doubleTap = kit::make<kit::TapGesture>();
    doubleTap->setNumberOfTapsRequired(2);
    std::weak_ptr<View> weakSelf = weak_from_this();
    doubleTap->addTarget([this, weakSelf](kit::GestureRecognizer& recognizer) {
        if (weakSelf.lock()) doubleTapRecognized(recognizer.locationIn(this));
    });
    addGestureRecognizer(doubleTap);
    layoutTrack();
    showSliderColor(sliderColor());
    updateTrackGradient(primaryColor_);
}

void DCWSLIDER::setPrimaryColor(const kit::Color& color) {
    primaryColor_ = color;
    showSliderColor(sliderColor());
    updateTrackGradient(color);
}

kit::Color shadeOf(const kit::Color& color, double value) {
    if (value < 0) return colour::blendColors(color, kit::Color::blackColor(), -value);
    return colour::blendColors(color, kit::Color::whiteColor(), value);
}

kit::Color DCWSLIDER::sliderColor() const { return shadeOf(primaryColor_, currentValue_); }

void DCWSLIDER::layoutTrack() {
    const auto b = bounds();
    const double dx = handleWidth() * 0.5, dy = b.size.height * 0.25;
    trackLayer_->setFrame({b.origin.x + dx, b.origin.y + dy, std::max(0.0, b.size.width - 2 * dx),
                           std::max(0.0, b.size.height - 2 * dy)});
    trackLayer_->setCornerRadius(trackLayer_->bounds().size.height * 0.5);
    updateTrackGradient(primaryColor_);
    placeHandleForValue();
    layoutSliderHandle();
}

void DCWSLIDER::layoutSliderHandle() {
    const double w = handleWidth();
    handleView_->setFrame({handleCenterX_ - w / 2, bounds().size.height / 2 - w / 2, w, w});
}

void DCWSLIDER::showSliderColor(const kit::Color& color) {
    handleView_->setColor(color);
    if (currentValue_ != 0 && delegate_) delegate_->sliderDidChooseColor(*this, color);
}

void DCWSLIDER::updateTrackGradient(const kit::Color& p) {
    auto& g = trackLayer_->gradient();
    g->setFrame(trackLayer_->bounds());
    g->setStartPoint({0, 0.5});
    g->setEndPoint({1, 0.5});
    g->setColors(std::vector<kit::Color>{colour::blendColors(p, kit::Color::blackColor(), 0.65), p,
                                         colour::blendColors(p, kit::Color::whiteColor(), 0.65)});
}

void DCWSLIDER::placeHandleForValue() {
    // The width the knob is about to be given: after a resize its present one is the old size's.
    const double knob = handleWidth();
    handleCenterX_ = (currentValue_ + 1) * 0.5 * (bounds().size.width - knob) + knob * 0.5;
    handleView_->setColor(sliderColor());
    layoutSliderHandle();
}

void DCWSLIDER::resetSlider() {
    handleCenterX_ = bounds().size.width * 0.5;
    layoutSliderHandle();
    handleView_->setColor(primaryColor_);
    currentValue_ = 0;
    sendActions(kit::ControlEvent::valueChanged);
    if (delegate_) delegate_->sliderDidChooseColor(*this, sliderColor());
}

void DCWSLIDER::didMoveToSuperview() { updateTrackGradient(primaryColor_); }

bool DCWSLIDER::beginTracking(const kit::Touch& touch, const kit::Event&) {
    return handleView_->frame().contains(touch.locationIn(this));
}

bool DCWSLIDER::continueTracking(const kit::Touch& touch, const kit::Event&) {
    const auto track = trackLayer_->frame();
    handleCenterX_ = std::clamp(touch.locationIn(this).x, track.minX(), std::max(track.minX(), track.maxX()));
    const double trackWidth = trackLayer_->bounds().size.width;
    if (trackWidth > 0) currentValue_ = 2 * ((handleCenterX_ - handleWidth() * 0.5) / trackWidth - 0.5);
    showSliderColor(sliderColor());
    kit::Transaction::begin();
    kit::Transaction::setDisableActions(true);
    layoutSliderHandle();
    kit::Transaction::commit();
    sendActions(kit::ControlEvent::valueChanged);
    return true;
}

void DCWSLIDER::endTracking(const kit::Touch*, const kit::Event*) { sendActions(kit::ControlEvent::editingDidEnd); }

bool DCWSLIDER::winsTouchOver(const kit::GestureRecognizer& recognizer) const {
    return claimsTapsAndSwipes(recognizer);
}

void DCWSLIDER::doubleTapRecognized(kit::Point location) {
    if (handleView_->frame().contains(location)) resetSlider();
}

} // namespace wheels
