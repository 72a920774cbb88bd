#pragma once
// A marker that draws one fixed image next to the highlighted value, shifted to stay inside the
// chart view.
#include "charting/core/ChartMarker.h"
#include "kit/graphics/Image.h"

#include <memory>

namespace charting {

class ChartViewBase;

class MarkerImage : public ChartMarker {
public:
    MarkerImage() = default;

    const std::shared_ptr<const kit::Image>& image() const { return image_; }
    void setImage(std::shared_ptr<const kit::Image> image) { image_ = std::move(image); }
    kit::Point offset() const override { return offset_; }
    void setOffset(kit::Point offset) { offset_ = offset; }
    // Seen weakly: the chart view owns its marker.
    std::shared_ptr<ChartViewBase> chartView() const { return chartView_.lock(); }
    void setChartView(const std::shared_ptr<ChartViewBase>& chart) { chartView_ = chart; }
    // A zero width or height stands for the image's own.
    kit::Size size() const { return size_; }
    void setSize(kit::Size size) { size_ = size; }

    // Left and top edges are kept inside even without a chart; right and bottom need the chart.
    kit::Point offsetForDrawing(kit::Point point) const override;
    // The same image for every value.
    void refreshContent(const ChartDataEntry& entry, const Highlight& highlight) override { (void)entry, (void)highlight; }
    void draw(kit::Context& context, kit::Point point) override;

private:
    kit::Size drawnSize() const;

    std::shared_ptr<const kit::Image> image_;
    kit::Point offset_{0, 0};
    std::weak_ptr<ChartViewBase> chartView_;
    kit::Size size_{0, 0};
};

// The keep-inside rule: a callout of size (w, h) drawn at point + offset, moved back over the
// left/top edges, else over the right/bottom edges of a chart of the given size (when there is one).
kit::Point keepMarkerInside(kit::Point point, kit::Point offset, kit::Size size, const kit::Size* chartSize);

} // namespace charting
