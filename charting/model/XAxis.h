#pragma once
// The horizontal axis of x/y charts (and the angular axis of the radar chart): label sizes that
// its renderer measures, label rotation and placement, word wrapping.
#include "charting/model/AxisBase.h"

namespace charting {

class XAxis : public AxisBase {
public:
    enum class LabelPosition : int { top = 0, bottom = 1, bothSided = 2, topInside = 3, bottomInside = 4 };

    XAxis() { setYOffset(4.0); }

    // Written by the x-axis renderer.
    double labelWidth() const { return labelWidth_; }
    void setLabelWidth(double v) { labelWidth_ = v; }
    double labelHeight() const { return labelHeight_; }
    void setLabelHeight(double v) { labelHeight_ = v; }
    double labelRotatedWidth() const { return labelRotatedWidth_; }
    void setLabelRotatedWidth(double v) { labelRotatedWidth_ = v; }
    double labelRotatedHeight() const { return labelRotatedHeight_; }
    void setLabelRotatedHeight(double v) { labelRotatedHeight_ = v; }
    // Degrees.
    double labelRotationAngle() const { return labelRotationAngle_; }
    void setLabelRotationAngle(double v) { labelRotationAngle_ = v; }
    bool avoidFirstLastClippingEnabled() const { return avoidFirstLastClippingEnabled_; }
    void setAvoidFirstLastClippingEnabled(bool v) { avoidFirstLastClippingEnabled_ = v; }
    bool isAvoidFirstLastClippingEnabled() const { return avoidFirstLastClippingEnabled(); }
    LabelPosition labelPosition() const { return labelPosition_; }
    void setLabelPosition(LabelPosition v) { labelPosition_ = v; }
    bool wordWrapEnabled() const { return wordWrapEnabled_; }
    void setWordWrapEnabled(bool v) { wordWrapEnabled_ = v; }
    bool isWordWrapEnabled() const { return wordWrapEnabled(); }
    // Wrapping width as a fraction of the room each label has.
    double wordWrapWidthPercent() const { return wordWrapWidthPercent_; }
    void setWordWrapWidthPercent(double v) { wordWrapWidthPercent_ = v; }

private:
    double labelWidth_ = 1.0;
    double labelHeight_ = 1.0;
    double labelRotatedWidth_ = 1.0;
    double labelRotatedHeight_ = 1.0;
    double labelRotationAngle_ = 0.0;
    bool avoidFirstLastClippingEnabled_ = false;
    LabelPosition labelPosition_ = LabelPosition::top;
    bool wordWrapEnabled_ = false;
    double wordWrapWidthPercent_ = 1.0;
};

} // namespace charting
