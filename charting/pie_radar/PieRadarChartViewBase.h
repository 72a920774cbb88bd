#pragma once
// The common base of the circular charts (pie and radar): a rotation angle in degrees, the mapping
// between touch points and angles or distances around the centre, the diameter, the content
// offsets that leave room for a legend around a circle, and turning the chart by touch, by a
// two-finger rotation, by coasting after release and by a programmed spin.
// Angles: 0 points right, angles grow clockwise on screen (y points down).
#include "charting/core/Animator.h"
#include "charting/core/ChartEasing.h"
#include "charting/core/ChartViewBase.h"
#include "kit/base/Geometry.h"

#include <memory>
#include <optional>
#include <vector>

namespace kit {
class DisplayLink;
class GestureRecognizer;
class RotationGesture;
class TapGesture;
} // namespace kit

namespace charting {

class PieRadarChartViewBase : public ChartViewBase {
public:
    struct AngularVelocitySample {
        double time = 0;  // seconds of the media clock
        double angle = 0; // degrees
    };

    PieRadarChartViewBase() = default;
    explicit PieRadarChartViewBase(const kit::Rect& frame) : ChartViewBase(frame) {}
    ~PieRadarChartViewBase() override;

    // The base set-up, then the tap and two-finger rotation recognisers.
    void initialize() override;

    // Settings -----------------------------------------------------------------------------------
    bool rotationEnabled() const { return rotationEnabled_; }
    void setRotationEnabled(bool v) { rotationEnabled_ = v; }
    bool isRotationEnabled() const { return rotationEnabled_; }
    double minOffset() const { return minOffset_; }
    void setMinOffset(double v) { minOffset_ = v; }
    bool rotationWithTwoFingers() const { return rotationWithTwoFingers_; }
    // Also switches the two-finger recogniser on or off.
    void setRotationWithTwoFingers(bool v);
    bool isRotationWithTwoFingers() const { return rotationWithTwoFingers_; }
    const std::shared_ptr<kit::TapGesture>& tapGestureRecognizer() const { return tapGestureRecognizer_; }
    const std::shared_ptr<kit::RotationGesture>& rotationGestureRecognizer() const { return rotationGestureRecognizer_; }

    // Rotation: normalised to [0, 360] (a negative value, -0 included, gains 360); redraws.
    double rotationAngle() const { return rotationAngle_; }
    void setRotationAngle(double angle);
    double rawRotationAngle() const { return rawRotationAngle_; }
    static double normalizedAngle(double angle);

    // Geometry -----------------------------------------------------------------------------------
    // In (0, 360] around the centre: right 360, below 90, left 180, above 270; NaN on the centre.
    virtual double angleForPoint(double x, double y) const;
    kit::Point getPosition(kit::Point center, double dist, double angle) const;
    virtual double distanceToCenter(double x, double y) const;
    // Abstract: the entry index at a touch angle.
    virtual int indexForAngle(double angle) const;
    // The smaller side of the content rectangle less the extra offsets.
    double diameter() const;
    // Abstract in this base.
    virtual double radius() const;
    virtual double requiredLegendOffset() const;
    virtual double requiredBaseOffset() const;

    // Chart overrides ------------------------------------------------------------------------------
    void calcMinMax() override {}
    std::int64_t maxVisibleCount() const override;
    void notifyDataSetChanged() override;
    void calculateOffsets() override;
    double chartYMax() const override { return 0.0; }
    double chartYMin() const override { return 0.0; }

    // Spin -----------------------------------------------------------------------------------------
    // From one angle to another over the duration, on an animator of its own; a running spin is
    // stopped first. An empty easing is linear.
    void spin(double duration, double fromAngle, double toAngle, EasingFunction easing);
    void spin(double duration, double fromAngle, double toAngle, ChartEasingOption easingOption);
    void spin(double duration, double fromAngle, double toAngle);
    void stopSpinAnimation();
    const std::shared_ptr<Animator>& spinAnimator() const { return spinAnimator_; }

    // Touch rotation and coasting ------------------------------------------------------------------
    void stopDeceleration();
    // One coasting step: friction, then turning by the velocity over the elapsed time.
    void decelerationLoop();
    bool isDecelerating() const { return decelerationDisplayLink_ != nullptr; }
    double decelerationAngularVelocity() const { return decelerationAngularVelocity_; }
    bool isRotating() const { return isRotating_; }
    const std::vector<AngularVelocitySample>& velocitySamples() const { return velocitySamples_; }
    void setVelocitySamples(std::vector<AngularVelocitySample> samples) { velocitySamples_ = std::move(samples); }
    // Degrees per second from the samples, positive when turning clockwise.
    double calcAngularVelocity() const;

    void nsuiTouchesBegan(const kit::TouchSet& touches, const kit::Event& event) override;
    void nsuiTouchesMoved(const kit::TouchSet& touches, const kit::Event& event) override;
    void nsuiTouchesEnded(const kit::TouchSet& touches, const kit::Event& event) override;
    void nsuiTouchesCancelled(const kit::TouchSet& touches, const kit::Event& event) override;
    void tapGestureRecognized(kit::GestureRecognizer& recognizer);
    void rotationGestureRecognized(kit::GestureRecognizer& recognizer);

private:
    void resetVelocity() { velocitySamples_.clear(); }
    void sampleVelocity(kit::Point touchLocation);
    void startDeceleration();

    double rotationAngle_ = 270.0;
    double rawRotationAngle_ = 270.0;
    bool rotationEnabled_ = true;
    double minOffset_ = 0.0;
    bool rotationWithTwoFingers_ = false;
    std::shared_ptr<kit::TapGesture> tapGestureRecognizer_;
    std::shared_ptr<kit::RotationGesture> rotationGestureRecognizer_;
    std::shared_ptr<Animator> spinAnimator_;
    // A finished spin's animator, kept until the next spin: it may not be destroyed inside its own
    // stop callback.
    std::shared_ptr<Animator> finishedSpinAnimator_;
    std::optional<kit::Point> rotationGestureStartPoint_;
    bool isRotating_ = false;
    double startAngle_ = 0.0;
    std::vector<AngularVelocitySample> velocitySamples_;
    double decelerationLastTime_ = 0.0;
    std::shared_ptr<kit::DisplayLink> decelerationDisplayLink_;
    double decelerationAngularVelocity_ = 0.0;
};

} // namespace charting
