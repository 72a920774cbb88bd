#pragma once
// Two fingers moving apart or together. scale is the distance ratio since touch-down (settable,
// so a handler can reset it to 1 after applying it); velocity is scale per second.
#include "kit/ui/GestureRecognizer.h"

namespace kit {

class PinchGesture : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;
    static constexpr double kThreshold = 0.05; // relative change before the pinch begins

    double scale() const { return scale_; }
    void setScale(double scale);
    double velocity() const { return velocity_; }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void reset() override;

private:
    double spread() const;
    double base_ = 1;
    double reference_ = 0;
    double scale_ = 1;
    double velocity_ = 0;
    double lastTime_ = 0;
};

} // namespace kit
