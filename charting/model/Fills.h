#pragma once
// The kinds of area fill: nothing, a solid colour, an image (stretched or tiled), a pre-rendered
// layer, a linear gradient at an angle, a radial gradient. Fields are fixed at construction.
// Every fill and clip uses the non-zero winding rule; gradients extend their end colours beyond
// both ends of their axis.
#include "charting/model/ChartFill.h"
#include "kit/base/Color.h"
#include "kit/graphics/Gradient.h"
#include "kit/graphics/Image.h"

#include <memory>

namespace charting {

// Leaves the context, current path included, as it is.
class EmptyFill : public ChartFill {
public:
    void fillPath(kit::Context& context, const kit::Rect& rect) const override;
};

class ColorFill : public ChartFill {
public:
    explicit ColorFill(kit::Color color) : color_(color) {}
    kit::Color color() const { return color_; }
    // Fills the path with the colour; the rectangle is not used.
    void fillPath(kit::Context& context, const kit::Rect& rect) const override;

private:
    kit::Color color_;
};

class ImageFill : public ChartFill {
public:
    // Null for an image without pixels: there is nothing to fill with.
    static std::shared_ptr<ImageFill> make(kit::Image image, bool isTiled = false);
    const kit::Image& image() const { return image_; }
    bool isTiled() const { return isTiled_; }
    // Clipped to the path: the image scaled into the rectangle, or tiles of the rectangle's size
    // repeated from its origin.
    void fillPath(kit::Context& context, const kit::Rect& rect) const override;

    ImageFill(kit::Image image, bool isTiled) : image_(std::move(image)), isTiled_(isTiled) {}

private:
    kit::Image image_;
    bool isTiled_;
};

// The layer is an offscreen bitmap drawn beforehand.
class LayerFill : public ChartFill {
public:
    explicit LayerFill(kit::Image layer) : layer_(std::move(layer)) {}
    const kit::Image& layer() const { return layer_; }
    // Clipped to the path: the layer scaled into the rectangle.
    void fillPath(kit::Context& context, const kit::Rect& rect) const override;

private:
    kit::Image layer_;
};

class LinearGradientFill : public ChartFill {
public:
    // `angle` in degrees: 0 runs left to right through the centre, 90 from the bottom edge up.
    LinearGradientFill(kit::Gradient gradient, double angle) : gradient_(std::move(gradient)), angle_(angle) {}
    const kit::Gradient& gradient() const { return gradient_; }
    double angle() const { return angle_; }
    void fillPath(kit::Context& context, const kit::Rect& rect) const override;
    // The gradient's axis over a rectangle.
    std::pair<kit::Point, kit::Point> axis(const kit::Rect& rect) const;

private:
    kit::Gradient gradient_;
    double angle_;
};

class RadialGradientFill : public ChartFill {
public:
    // Offsets are fractions of the rectangle's width and height from its centre; radii fractions
    // of half its larger side (1 = the whole, not one hundredth).
    RadialGradientFill(kit::Gradient gradient, kit::Point startOffsetPercent, kit::Point endOffsetPercent,
                       double startRadiusPercent, double endRadiusPercent)
        : gradient_(std::move(gradient)), startOffsetPercent_(startOffsetPercent), endOffsetPercent_(endOffsetPercent),
          startRadiusPercent_(startRadiusPercent), endRadiusPercent_(endRadiusPercent) {}
    // From a point at the centre to the circle of half the larger side.
    explicit RadialGradientFill(kit::Gradient gradient) : RadialGradientFill(std::move(gradient), {}, {}, 0, 1) {}

    const kit::Gradient& gradient() const { return gradient_; }
    kit::Point startOffsetPercent() const { return startOffsetPercent_; }
    kit::Point endOffsetPercent() const { return endOffsetPercent_; }
    double startRadiusPercent() const { return startRadiusPercent_; }
    double endRadiusPercent() const { return endRadiusPercent_; }
    void fillPath(kit::Context& context, const kit::Rect& rect) const override;

private:
    kit::Gradient gradient_;
    kit::Point startOffsetPercent_;
    kit::Point endOffsetPercent_;
    double startRadiusPercent_;
    double endRadiusPercent_;
};

} // namespace charting
