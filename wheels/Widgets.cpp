#include "wheels/Widgets.h"

#include "colour/HexText.h"
#include "kit/base/Make.h"

namespace wheels {

DCWHANDLER::DCWHANDLER(const kit::Rect& frame)
    : kit::View(frame), circleLayer_(std::make_shared<kit::ShapeLayer>()) {
    setBackgroundColor(kit::Color::clearColor());
    layoutHandlerCircle();
    circleLayer_->setStrokeColor(kit::Color::whiteColor());
    circleLayer_->setFillColor(color_);
    layer()->addSublayer(circleLayer_);
}

void DCWHANDLER::setCircleShadowOffset(std::optional<kit::Size> offset) {
    if (!offset) return;
    circleLayer_->setShadowColor(kit::Color::blackColor());
    circleLayer_->setShadowRadius(3.0);
    circleLayer_->setShadowOpacity(0.3);
    circleLayer_->setShadowOffset(*offset);
}

void DCWHANDLER::setFrame(const kit::Rect& frame) {
    kit::View::setFrame(frame);
    if (circleLayer_) layoutHandlerCircle();
}

void DCWHANDLER::layoutHandlerCircle() {
    circleLayer_->setPath(kit::Path::ellipse(bounds()));
    circleLayer_->setLineWidth(frame().size.width / 10);
}

void DCWBUTTON::initialize() {
    kit::Button::initialize();
    setupButton();
}

void DCWBUTTON::setColor(const kit::Color& color) {
    color_ = color;
    if (!circleLayer_) return;
    circleLayer_->setFillColor(color);
    circleLayer_->setStrokeColor(colour::blendColors(color, kit::Color::blackColor(), 0.075));
}

void DCWBUTTON::setupButton() {
    circleLayer_ = std::make_shared<kit::ShapeLayer>();
    layoutButtonCircle();
    circleLayer_->setFillColor(color_);
    layer()->addSublayer(circleLayer_);
    plusIconLayer_ = std::make_shared<kit::ShapeLayer>();
    layoutPlusIcon();
    plusIconLayer_->setStrokeColor(kit::Color::whiteColor());
    layer()->addSublayer(plusIconLayer_);
}

void DCWBUTTON::setFrame(const kit::Rect& frame) {
    kit::Button::setFrame(frame);
    layoutButtonCircle();
    layoutPlusIcon();
}

void DCWBUTTON::layoutButtonCircle() {
    if (!circleLayer_) return;
    circleLayer_->setPath(kit::Path::ellipse(bounds()));
    circleLayer_->setLineWidth(frame().size.width * 0.04);
}

void DCWBUTTON::layoutPlusIcon() {
    if (!plusIconLayer_) return;
    const double w = bounds().size.width, h = bounds().size.height;
    kit::Path path;
    path.moveTo({w / 2 - w * 0.125, h / 2});
    path.lineTo({w / 2 + w * 0.125, h / 2});
    path.moveTo({w / 2, h / 2 + h * 0.125});
    path.lineTo({w / 2, h / 2 - h * 0.125});
    plusIconLayer_->setPath(path);
    plusIconLayer_->setLineWidth(w * 0.03);
}

void DCWMODE::initialize() {
    kit::Button::initialize();
    layer()->setBackgroundColor(kit::Color::clearColor());
    layer()->addSublayer(hueColorGradientLayer());
    layer()->addSublayer(grayColorGradientLayer());
    addTarget(this, "toggleState", kit::ControlEvent::touchUpInside, [this] { toggleState(); });
}

const std::shared_ptr<kit::GradientLayer>& DCWMODE::hueColorGradientLayer() {
    if (!hueGradient_) {
        hueGradient_ = std::make_shared<kit::GradientLayer>();
        hueGradient_->setColors(std::vector<kit::Color>{kit::Color::rgba(250 / 255.0, 217 / 255.0, 97 / 255.0),
                                                        kit::Color::rgba(247 / 255.0, 107 / 255.0, 28 / 255.0)});
        hueGradient_->setStartPoint({0, 0});
        hueGradient_->setEndPoint({1, 1});
        hueGradient_->setFrame(bounds());
    }
    return hueGradient_;
}

const std::shared_ptr<kit::GradientLayer>& DCWMODE::grayColorGradientLayer() {
    if (!grayGradient_) {
        grayGradient_ = std::make_shared<kit::GradientLayer>();
        const auto grey = kit::Color::rgba(0.5, 0.5, 0.5);
        grayGradient_->setColors(std::vector<kit::Color>{grey, colour::blendColors(grey, kit::Color::blackColor(), 0.25)});
        grayGradient_->setStartPoint({0, 0});
        grayGradient_->setEndPoint({1, 1});
        grayGradient_->setFrame(bounds());
    }
    return grayGradient_;
}

void DCWMODE::toggleState() {
    colorState_ = colorState_ == ColorState::hue ? ColorState::grayscale : ColorState::hue;
    applyColorState();
}

void DCWMODE::applyColorState() {
    hueColorGradientLayer()->setFrame(bounds());
    grayColorGradientLayer()->setFrame(bounds());
    hueGradient_->setHidden(colorState_ != ColorState::hue);
    grayGradient_->setHidden(colorState_ != ColorState::grayscale);
}

void DCWMODE::layoutSubviews() {
    kit::Button::layoutSubviews();
    layer()->setMasksToBounds(true);
    layer()->setCornerRadius(bounds().size.width * 0.5);
    applyColorState();
}

DrawCircle::DrawCircle(const kit::Rect& frame) : kit::View(frame), circleLayer_(std::make_shared<kit::ShapeLayer>()) {
    setBackgroundColor(kit::Color::clearColor());
    // In the tree from the start (empty until drawn), so drawing never edits the tree it renders.
    layer()->addSublayer(circleLayer_);
}

void DrawCircle::drawRect(kit::Context&, const kit::Rect&) {
    circleLayer_->setPath(kit::Path::ellipse(bounds()));
    circleLayer_->setLineWidth(frame().size.width / 10);
    circleLayer_->setStrokeColor(kit::Color::whiteColor());
    circleLayer_->setFillColor(color_);
}

} // namespace wheels
