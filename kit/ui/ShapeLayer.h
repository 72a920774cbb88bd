#pragma once
// A layer that draws a path: filled (unless the fill colour is absent) and stroked.
#include "kit/graphics/Path.h"
#include "kit/ui/Layer.h"

#include <optional>
#include <vector>

namespace kit {

class ShapeLayer : public Layer {
public:
    const std::optional<Path>& path() const { return path_; }
    void setPath(std::optional<Path> path);
    // Absent: not filled. Opaque black by default.
    const std::optional<Color>& fillColor() const { return fill_; }
    void setFillColor(std::optional<Color> color);
    // Absent (the default): not stroked.
    const std::optional<Color>& strokeColor() const { return stroke_; }
    void setStrokeColor(std::optional<Color> color);
    double lineWidth() const { return lineWidth_; }
    void setLineWidth(double width);
    bool usesEvenOddFill() const { return evenOdd_; }
    void setUsesEvenOddFill(bool evenOdd);
    const std::vector<double>& lineDashPattern() const { return dash_; }
    void setLineDashPattern(std::vector<double> pattern);

protected:
    void drawContent(Context& context) const override;
    bool hasOwnShape() const override { return true; }

private:
    std::optional<Path> path_;
    std::optional<Color> fill_ = Color::blackColor();
    std::optional<Color> stroke_;
    double lineWidth_ = 1;
    bool evenOdd_ = false;
    std::vector<double> dash_;
};

} // namespace kit
