#pragma once
// A layer filled with a linear gradient between two points given in unit coordinates of its bounds
// ((0, 0) top left, (1, 1) bottom right). Without colours (the nil state) it draws nothing.
#include "kit/ui/Layer.h"

#include <optional>
#include <vector>

namespace kit {

class GradientLayer : public Layer {
public:
    const std::optional<std::vector<Color>>& colors() const { return colors_; }
    void setColors(std::optional<std::vector<Color>> colors);
    // Absent: the colours are spread evenly.
    const std::optional<std::vector<double>>& locations() const { return locations_; }
    void setLocations(std::optional<std::vector<double>> locations);
    Point startPoint() const { return start_; }
    void setStartPoint(Point p);
    Point endPoint() const { return end_; }
    void setEndPoint(Point p);

protected:
    void drawContent(Context& context) const override;

private:
    std::optional<std::vector<Color>> colors_;
    std::optional<std::vector<double>> locations_;
    Point start_{0.5, 0};
    Point end_{0.5, 1};
};

} // namespace kit
