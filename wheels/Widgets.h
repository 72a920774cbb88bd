#pragma once
// The small round views the hue wheel, its shade slider and the colour screens draw with: the
// handle (also the slider's knob), the add button with its plus sign, the colour/grey toggle and a
// plain marker circle. Each look is one or two layers sized from the view's own frame.
#include "kit/ui/Button.h"
#include "kit/ui/GradientLayer.h"
#include "kit/ui/ShapeLayer.h"
#include "kit/ui/View.h"

#include <memory>
#include <optional>

namespace wheels {

class DCWHANDLER : public kit::View {
public:
    DCWHANDLER() : DCWHANDLER(kit::Rect{}) {}
    explicit DCWHANDLER(const kit::Rect& frame);

    // Held for the owner: the circle keeps the fill it got at construction.
    const kit::Color& color() const { return color_; }
    void setColor(const kit::Color& color) { color_ = color; }
    const std::shared_ptr<kit::ShapeLayer>& circleLayer() const { return circleLayer_; }

    std::optional<kit::Size> circleShadowOffset() const { return circleLayer_->shadowOffset(); }
    // None leaves any earlier shadow in place.
    void setCircleShadowOffset(std::optional<kit::Size> offset);

    void setFrame(const kit::Rect& frame) override;
    void layoutHandlerCircle();

private:
    kit::Color color_ = kit::Color::whiteColor();
    std::shared_ptr<kit::ShapeLayer> circleLayer_;
};

class DCWBUTTON : public kit::Button {
public:
    DCWBUTTON() : DCWBUTTON(kit::Rect{}) {}
    explicit DCWBUTTON(const kit::Rect& frame) : kit::Button(frame) {}
    void initialize();

    const kit::Color& color() const { return color_; }
    // Repaints the disc and its rim once the layers exist.
    void setColor(const kit::Color& color);
    const std::shared_ptr<kit::ShapeLayer>& circleLayer() const { return circleLayer_; }
    const std::shared_ptr<kit::ShapeLayer>& plusIconLayer() const { return plusIconLayer_; }

    void setFrame(const kit::Rect& frame) override;
    void layoutButtonCircle();
    void layoutPlusIcon();

private:
    void setupButton();
    kit::Color color_ = kit::Color::grayColor();
    std::shared_ptr<kit::ShapeLayer> circleLayer_;
    std::shared_ptr<kit::ShapeLayer> plusIconLayer_;
};

enum class ColorState { hue, grayscale };

class DCWMODE : public kit::Button {
public:
    DCWMODE() : DCWMODE(kit::Rect{}) {}
    explicit DCWMODE(const kit::Rect& frame) : kit::Button(frame) {}
    // Registers the toggle's own action first, so its state has flipped when an owner's runs.
    void initialize();

    ColorState colorState() const { return colorState_; }
    void setColorState(ColorState state) { colorState_ = state; }
    // Made on first use with the toggle's bounds of that moment.
    const std::shared_ptr<kit::GradientLayer>& hueColorGradientLayer();
    const std::shared_ptr<kit::GradientLayer>& grayColorGradientLayer();

    void toggleState();
    void flipColorState() { toggleState(); }
    void applyColorState();
    void layoutSubviews() override;

private:
    ColorState colorState_ = ColorState::hue;
    std::shared_ptr<kit::GradientLayer> hueGradient_;
    std::shared_ptr<kit::GradientLayer> grayGradient_;
};

// A filled circle with a white ring, used as a marker; a new colour shows at the next draw.
class DrawCircle : public kit::View {
public:
    DrawCircle() : DrawCircle(kit::Rect{}) {}
    explicit DrawCircle(const kit::Rect& frame);

    const kit::Color& color() const { return color_; }
    void setColor(const kit::Color& color) { color_ = color; }
    const std::shared_ptr<kit::ShapeLayer>& circleLayer() const { return circleLayer_; }

    void drawRect(kit::Context& context, const kit::Rect& rect) override;

private:
    std::shared_ptr<kit::ShapeLayer> circleLayer_;
    kit::Color color_ = kit::Color::yellowColor();
};

} // namespace wheels
