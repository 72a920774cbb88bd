#pragma once
// The shade slider under a hue wheel: a value from -1 (black) through 0 (the primary colour) to +1
// (white) chosen with a round knob on a three-stop gradient track; a double tap on the knob returns
// to the primary colour.
#include "kit/ui/Control.h"
#include "kit/ui/GradientLayer.h"
#include "wheels/Widgets.h"

#include <memory>

namespace wheels {

class DCWSLIDER;

// A colour taken toward black by -value (value below 0) or toward white by value: what a shade
// slider at that value makes of it.
kit::Color shadeOf(const kit::Color& color, double value);

class HueShadeSliderDelegate {
public:
    virtual ~HueShadeSliderDelegate() = default;
    virtual void sliderDidChooseColor(DCWSLIDER& slider, const kit::Color& color) = 0;
};

// The track: a layer holding its gradient.
class HueSliderTrackLayer : public kit::Layer {
public:
    HueSliderTrackLayer();
    const std::shared_ptr<kit::GradientLayer>& gradient() const { return gradient_; }

private:
    std::shared_ptr<kit::GradientLayer> gradient_;
};

class DCWSLIDER : public kit::Control {
public:
    DCWSLIDER() : DCWSLIDER(kit::Rect{}) {}
    explicit DCWSLIDER(const kit::Rect& frame) : kit::Control(frame) {}
    void initialize();

    double currentValue() const { return currentValue_; }
    void setCurrentValue(double value) { currentValue_ = value; }
    const std::shared_ptr<HueSliderTrackLayer>& trackLayer() const { return trackLayer_; }
    const std::shared_ptr<DCWHANDLER>& handleView() const { return handleView_; }
    double handleCenterX() const { return handleCenterX_; }
    void setHandleCenterX(double x) { handleCenterX_ = x; }
    // Non-owning: the delegate is the wheel that owns this slider.
    HueShadeSliderDelegate* delegate() const { return delegate_; }
    void setDelegate(HueShadeSliderDelegate* delegate) { delegate_ = delegate; }
    const kit::Color& primaryColor() const { return primaryColor_; }
    // Re-colours knob and track; reports the blended colour while the value is not 0.
    void setPrimaryColor(const kit::Color& color);

    double handleWidth() const { return bounds().size.height; }
    kit::Color sliderColor() const;

    void layoutTrack();
    void layoutSliderHandle();
    void showSliderColor(const kit::Color& color);
    void updateTrackGradient(const kit::Color& primary);
    void placeHandleForValue();
    void resetSlider();

    void didMoveToSuperview() override;
    bool beginTracking(const kit::Touch& touch, const kit::Event& event) override;
    bool continueTracking(const kit::Touch& touch, const kit::Event& event) override;
    void endTracking(const kit::Touch* touch, const kit::Event* event) override;
    bool winsTouchOver(const kit::GestureRecognizer& recognizer) const override;

private:
    void doubleTapRecognized(kit::Point location);

    double currentValue_ = 0;
    std::shared_ptr<HueSliderTrackLayer> trackLayer_ = std::make_shared<HueSliderTrackLayer>();
    std::shared_ptr<DCWHANDLER> handleView_;
    double handleCenterX_ = 0;
    HueShadeSliderDelegate* delegate_ = nullptr;
    kit::Color primaryColor_ = kit::Color::grayColor();
};

} // namespace wheels
