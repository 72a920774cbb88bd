#pragma once
// Two fingers turning about each other. rotation is in radians since touch-down (clockwise
// positive on the y-down screen; settable); velocity is radians per second.
#include "kit/ui/GestureRecognizer.h"

namespace kit {

class RotationGesture : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;
    static constexpr double kThreshold = 0.05; // radians before the rotation begins

    double rotation() const { return rotation_; }
    void setRotation(double radians);
    double velocity() const { return velocity_; }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void reset() override;

private:
    double angle() const;
    double base_ = 0;
    double reference_ = 0;
    double rotation_ = 0;
    double velocity_ = 0;
    double lastTime_ = 0;
};

} // namespace kit
