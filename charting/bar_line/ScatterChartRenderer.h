#pragma once
// Draws scatter data: the set's marker shape at every entry inside the content, value labels
// above the markers, and cross-hair lines through highlighted entries.
#include "charting/bar_line/ScatterChartDataProvider.h"
#include "charting/bar_line/ScatterChartDataSet.h"
#include "charting/core/LineScatterCandleRadarRenderer.h"

#include <memory>

namespace charting {

class ScatterChartRenderer : public LineScatterCandleRadarRenderer {
public:
    ScatterChartRenderer(const std::shared_ptr<ScatterChartDataProvider>& dataProvider, std::shared_ptr<Animator> animator,
                         std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<ScatterChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    void setDataProvider(const std::shared_ptr<ScatterChartDataProvider>& p) { dataProvider_ = p; }

    void drawData(kit::Context& context) override;
    virtual void drawDataSet(kit::Context& context, const ScatterChartDataSet& dataSet);
    void drawValues(kit::Context& context) override;
    void drawExtras(kit::Context& context) override { (void)context; }
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override;

private:
    std::weak_ptr<ScatterChartDataProvider> dataProvider_;
};

} // namespace charting
