#include "wheels/DcwPicker.h"

#include "app/ui/ScreenType.h"
#include "colour/HexText.h"
#include "kit/base/Console.h"
#include "kit/base/Make.h"
#include "kit/runtime/NotificationCenter.h"
#include "kit/ui/Device.h"
#include "kit/ui/PanGesture.h"
#include "wheels/HueRing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wheels {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
}

void DCWPICKER::initialize() {
    setupPicker();
}

void DCWPICKER::setupPicker() {
    setBackgroundColor(kit::Color::clearColor());
    const auto b = bounds();
    radius_ = std::min(b.size.width, b.size.height) / 3 - handleSize().width / 3;
    handleView_ = kit::make<DCWHANDLER>(kit::Rect{0, 0, handleSize().width, handleSize().height});

    touchArea_ = kit::make<kit::View>();
    layoutTouchArea();
    auto pan = kit::make<kit::PanGesture>();
    std::weak_ptr<kit::View> weakSelf = weak_from_this();
    pan->addTarget([this, weakSelf](kit::GestureRecognizer& recognizer) {
        if (weakSelf.lock()) handleWasMoved(recognizer);
    }, this);
    touchArea_->addGestureRecognizer(pan);

    addButton_ = kit::make<DCWBUTTON>();
    layoutAddButton();
    addButton_->addTarget(this, "addButtonPressed", kit::ControlEvent::touchUpInside,
                          [this](kit::Control& sender) { addButtonPressed(sender); });

    handleLine_ = std::make_shared<kit::ShapeLayer>();
    handleLine_->setLineWidth(1.5);
    handleLine_->setStrokeColor(kit::Color::whiteColor());
    handleLine_->setFillColor(std::nullopt);

    hexLabel_ = kit::make<kit::Label>();
    layoutHexLabel();
    hexLabel_->layer()->setCornerRadius(2.0);
    hexLabel_->setAdjustsFontSizeToFitWidth(true);
    hexLabel_->setTextAlignment(kit::TextAlignment::center);
    hexLabel_->setTextColor(kit::Color::rgba(0.2, 0.2, 0.2, 0.65));
    hexLabel_->setUserInteractionEnabled(false);

    shadeSlider_ = kit::make<DCWSLIDER>();
    shadeSlider_->setDelegate(this);
    layoutShadeSlider();
    // The colour arrives through the delegate; the event itself needs nothing.
    shadeSlider_->addTarget(this, "sliderEditingDidEnd", kit::ControlEvent::valueChanged, [] {});

    colorToggleButton_ = kit::make<DCWMODE>();
    layoutColorToggle();
    colorToggleButton_->setColorState(ColorState::hue);
    colorToggleButton_->addTarget(this, "togglePickerColorMode", kit::ControlEvent::touchUpInside,
                                  [this] { toggleGrayscale(); });
    colorToggleButton_->setHidden(!supportsShadesOfGray_);

    layer()->addSublayer(handleLine_);
    addSubview(handleView_);
    addSubview(addButton_);
    addSubview(touchArea_);
}

kit::Size DCWPICKER::handleSize() const {
    const double side = bounds().size.width * 0.14;
    return {side, side};
}

void DCWPICKER::setSupportsShadesOfGray(bool supports) {
    supportsShadesOfGray_ = supports;
    if (colorToggleButton_) colorToggleButton_->setHidden(!supports);
}

void DCWPICKER::setIsFirstDCW(bool first) {
    isFirstDCW_ = first;
    setNeedsDisplay();
}

void DCWPICKER::setIsClassic(bool classic) {
    if (isClassic_ == classic) return;
    isClassic_ = classic;
    setNeedsDisplay();
}

void DCWPICKER::applyColor(const kit::Color& c) {
    const auto hsb = c.hsba();
    const auto cp = kit::Color::hsb(hsb.hue, hsb.saturation, hsb.brightness, hsb.alpha);
    shadeSlider_->setPrimaryColor(kit::Color::hsb(hsb.hue, 1, 1, 1));
    currentAngle_ = static_cast<float>(kTwoPi * cp.hsba().hue);
    currentColor_ = cp;
    if (hsb.brightness >= 1.0) {
        shadeSlider_->setCurrentValue(1 - hsb.saturation);
    } else if (hsb.saturation >= 1.0) {
        shadeSlider_->setCurrentValue(hsb.brightness - 1);
    } else {
        shadeSlider_->setPrimaryColor(kit::Color::hsb(hsb.hue, hsb.saturation, hsb.brightness, 1));
        shadeSlider_->setCurrentValue(0);
    }
    shadeSlider_->placeHandleForValue();
    addButton_->setColor(cp);
    layoutHandle();
    layoutHandleLine();
    showHex();
}

float DCWPICKER::angleOfPoint(kit::Point p) const {
    const auto b = bounds();
    float a = std::atan2(static_cast<float>(b.midX() - p.x), static_cast<float>(b.midY() - p.y)) + 1.5707963f;
    if (a < 0) a += 6.283185f;
    return a;
}

void DCWPICKER::moveHandle(std::optional<kit::Point> point) {
    if (point) {
        currentAngle_ = angleOfPoint(*point);
        // The hue goes with the angle before the observers run: they colour the combination from
        // it, and would otherwise stay one move behind the handle.
        if (colorToggleButton_->colorState() != ColorState::grayscale) hueAngle_ = currentAngle_ / kTwoPi;
        // Observers run before the label is written, so a colour they store here is the one shown.
        kit::NotificationCenter::defaultCenter().post(moveAllNotification);
    }
    layoutHandle();
    // The slider under the wheel shows the range of the handle's hue, wherever the handle goes.
    shadeSlider_->setPrimaryColor(handleView_->color());
    layoutHandleLine();
    showHex();
}

void DCWPICKER::showHex() { hexLabel_->setText(colour::hexStringWithHash(currentColor_)); }

void DCWPICKER::drawHueRing(kit::Context* context, double R, double r, float resolution) {
    if (!context) return;
    const auto b = bounds();
    context->save();
    context->translate(b.midX(), b.midY());
    paintHueRing(*context, R, r, resolution, isClassic_);
    context->translate(-b.midX(), -b.midY());
    context->restore();
}

void DCWPICKER::drawRect(kit::Context& context, const kit::Rect& rect) {
    kit::Control::drawRect(context, rect);
    if (!isFirstDCW_) return;
    const double R = ringOuterRadius(), r = ringInnerRadius();
    if (R <= 0) return;
    // The same ring as drawHueRing at resolution 1, drawn once and reused.
    if (auto ring = cachedHueRing(bounds().size, R, std::max(0.0, r), isClassic_, std::max(1.0, kit::Screen::scale())))
        context.drawImage(*ring, bounds());
}

void DCWPICKER::layoutSubviews() {
    kit::Control::layoutSubviews();
    layoutPicker();
}

void DCWPICKER::layoutPicker() {
    const auto size = bounds().size;
    radius_ = radiusFor(size);
    layoutAddButton();
    handleView_->setFrame({{0, 0}, handleFrameSizeFor(size)});
    // An owner may give the wheel a new size; the drag area follows it.
    layoutTouchArea();
    layoutHandle();
    currentColor_ = handleView_->color();
    addButton_->setColor(kit::Color::whiteColor());
    sendActions(kit::ControlEvent::valueChanged);
    shadeSlider_->setPrimaryColor(handleView_->color());
    layoutShadeSlider();
    layoutHandleLine();
    layoutHexLabel();
    layoutColorToggle();
}

namespace {
// A pad in landscape, full screen, gets a smaller wheel with half-size handles.
bool isPadLandscape() {
    const auto orientation = kit::Device::orientation();
    return kit::Device::userInterfaceIdiom() == kit::UserInterfaceIdiom::pad && !app::isSplitScreen() &&
           (orientation == kit::DeviceOrientation::landscapeLeft || orientation == kit::DeviceOrientation::landscapeRight);
}
} // namespace

double DCWPICKER::radiusFor(kit::Size size) {
    const double m = std::min(size.width, size.height), hs = size.width * 0.14;
    return isPadLandscape() ? m / 3 - hs / 3 : m * 0.5 - hs * 0.5;
}

kit::Size DCWPICKER::handleFrameSizeFor(kit::Size size) {
    const double side = size.width * 0.14 * (isPadLandscape() ? 0.5 : 1.0);
    return {side, side};
}

kit::Rect DCWPICKER::shadeSliderFrameFor(kit::Size size, double radius, double padding, std::optional<double> lowestEdge) {
    const double c = radius - padding;
    const double height = (size.height - 2 * padding) * 0.08;
    const double width = ((size.width / 2 + c * 0.8660254037844384) - (size.width / 2 + c * (-0.8660254037844388))) * 1.2;
    double y = size.width + height * 3.4;
    if (lowestEdge) y = std::min(y, *lowestEdge - height);
    return {size.width / 2 - width / 2, y, std::max(0.0, width), std::max(0.0, height)};
}

void DCWPICKER::layoutTouchArea() {
    const double w = bounds().size.width, h = bounds().size.height;
    touchArea_->setFrame({0, h / 5, w, h - 2 * (h / 5)});
}

namespace {
constexpr double kAddButtonSide = 10;
}

void DCWPICKER::layoutAddButton() {
    const auto b = bounds();
    addButton_->setFrame({b.midX() - kAddButtonSide / 2, b.midY() - kAddButtonSide / 2, kAddButtonSide, kAddButtonSide});
}

void DCWPICKER::layoutHandle() {
    handleView_->setCenter(pointOnRing(currentAngle_));
    if (colorToggleButton_ && colorToggleButton_->colorState() == ColorState::grayscale) return;
    hueAngle_ = currentAngle_ / kTwoPi;
    handleView_->setColor(kit::Color::hsb(currentAngle_ / kTwoPi, 1, 1, 1));
}

void DCWPICKER::layoutHandleLine() {
    kit::Path path;
    path.moveTo(addButton_->center());
    path.lineTo(pointOnRing(currentAngle_));
    handleLine_->setPath(path);
}

// Above the centre button, by the button's size, the padding, the handle's size and the stroke.
kit::Rect DCWPICKER::hexLabelFrameFor(kit::Size size, double padding, double stroke) {
    const double w = kAddButtonSide * 1.5, h = kAddButtonSide / 3;
    const double buttonTop = size.height / 2 - kAddButtonSide / 2;
    const double cy = (buttonTop + padding + (handleFrameSizeFor(size).height + stroke) * 0.5) / 1.75;
    return {size.width / 2 - w / 2, cy - h / 2, w, h};
}

void DCWPICKER::layoutHexLabel() {
    hexLabel_->setFrame(hexLabelFrameFor(bounds().size, padding_, stroke_));
    hexLabel_->setFont(kit::Font::named("Menlo-Regular", hexLabel_->bounds().size.height)
                           .value_or(kit::Font::monospace(std::max(1.0, hexLabel_->bounds().size.height))));
}

void DCWPICKER::setShadeSliderLowestEdge(std::optional<double> y) {
    shadeSliderLowestEdge_ = y;
    setNeedsLayout();
}

void DCWPICKER::layoutShadeSlider() {
    const kit::Rect slider = shadeSliderFrameFor(bounds().size, radius_, padding_, shadeSliderLowestEdge_);
    shadeSlider_->setFrame(slider.offsetBy(bounds().minX(), 0));
    shadeSlider_->setHandleCenterX(shadeSlider_->bounds().size.width * 0.5);
    shadeSlider_->layoutTrack();
}

void DCWPICKER::layoutColorToggle() {
    const double h = bounds().size.height;
    const double side = addButton_->frame().size.width / 2.5;
    colorToggleButton_->setFrame({h * 0.0625, h * 0.0625, side, side});
    colorToggleButton_->layoutSubviews();
}

void DCWPICKER::toggleGrayscale() {
    colorToggleButton_->setEnabled(false);
    setNeedsDisplay();
    kit::Color k;
    if (colorToggleButton_->colorState() == ColorState::hue) {
        const auto& gradient = colorToggleButton_->hueColorGradientLayer();
        if (!gradient->colors() || gradient->colors()->empty()) {
            const float a = angleOfPoint(handleView_->center());
            hueAngle_ = a / kTwoPi;
            k = kit::Color::hsb(a / kTwoPi, 1, 1, 1);
        } else {
            k = gradient->colors()->front();
            currentAngle_ = static_cast<float>(kTwoPi * k.hsba().hue);
            layoutHandleLine();
            layoutHandle();
        }
    } else {
        // The hue gradient keeps the colour for the way back.
        const auto hue = handleView_->color();
        colorToggleButton_->hueColorGradientLayer()->setColors(
            std::vector<kit::Color>{hue, colour::blendColors(hue, kit::Color::blackColor(), 0.25)});
        k = kit::Color::rgba(0.5, 0.5, 0.5, 1);
    }
    handleView_->setColor(k);
    currentColor_ = k;
    addButton_->setColor(kit::Color::whiteColor());
    sendActions(kit::ControlEvent::valueChanged);
    showHex();
    shadeSlider_->setPrimaryColor(k);
    colorToggleButton_->setEnabled(true);
}

kit::Color DCWPICKER::colorForAngle(float angle) {
    hueAngle_ = angle / kTwoPi;
    return kit::Color::hsb(angle / kTwoPi, 1, 1, 1);
}

float DCWPICKER::angleForColor(const kit::Color& color) {
    return static_cast<float>(kTwoPi * color.hsba().hue);
}

kit::Point DCWPICKER::pointOnRing(float a) const {
    const auto b = bounds();
    const double r = trackRadius();
    return {b.midX() + r * std::cos(a), b.midY() - r * std::sin(a)};
}

void DCWPICKER::sliderDidChooseColor(DCWSLIDER&, const kit::Color& color) {
    currentColor_ = color;
    addButton_->setColor(kit::Color::whiteColor());
    sendActions(kit::ControlEvent::valueChanged);
    showHex();
}

void DCWPICKER::willMoveToSuperview(kit::View* newSuperview) {
    kit::Control::willMoveToSuperview(newSuperview);
    const float a = currentAngle_;
    hueAngle_ = a / kTwoPi;
    currentColor_ = kit::Color::hsb(a / kTwoPi, 1, 1, 1);
    handleView_->setCenter(pointOnRing(a));
    layoutHandleLine();
    handleView_->setColor(currentColor_);
    showHex();
}

void DCWPICKER::touchesBegan(const kit::TouchSet& touches, const kit::Event&) {
    if (touches.empty()) return;
    if (handleView_->frame().contains(touches.front()->locationIn(this))) sendActions(kit::ControlEvent::touchDown);
}

void DCWPICKER::touchesMoved(const kit::TouchSet&, const kit::Event&) {}

void DCWPICKER::touchesEnded(const kit::TouchSet&, const kit::Event&) {
    if (handleView_->transform().d > 1.0) {
        sendActions(kit::ControlEvent::touchUpInside);
        sendActions(kit::ControlEvent::editingDidEnd);
    }
}

void DCWPICKER::handleWasMoved(kit::GestureRecognizer& recognizer) {
    if (recognizer.state() == kit::GestureRecognizer::State::changed) moveHandle(recognizer.locationIn(this));
}

void DCWPICKER::addButtonPressed(kit::View& sender) {
    std::weak_ptr<kit::View> weakSender = sender.shared_from_this();
    kit::View::animate(0.2, 0, kit::AnimationOptions::curveEaseIn,
                       [&sender] { sender.setTransform(kit::AffineTransform::scale(1.1, 1.1)); },
                       [weakSender](bool) {
                           kit::View::animate(0.1, [weakSender] {
                               if (auto s = weakSender.lock()) s->setTransform(kit::AffineTransform::scale(1.0, 1.0));
                           });
                       });
}

DCW::~DCW() { kit::print("DCW deinit"); }

void DCW::removeControls() {
    colorToggleButton()->removeFromSuperview();
    hexLabel()->removeFromSuperview();
    shadeSlider()->removeFromSuperview();
}

} // namespace wheels
