#pragma once
// A minimal x/y chart for tests of the chart core: one transformer per axis, prepared from the
// data's bounds over a content rectangle that tests choose with restrainViewPort.
#include "charting/core/ChartViewBase.h"
#include "charting/core/Transformer.h"
#include "charting/model/ChartDataSet.h"
#include "kit/graphics/Context.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace charting::testing {

class TestChart : public ChartViewBase, public BarLineScatterCandleBubbleChartDataProvider {
public:
    explicit TestChart(const kit::Rect& frame = {0, 0, 250, 150}) : ChartViewBase(frame) {}

    void initialize() override {
        ChartViewBase::initialize();
        left = std::make_shared<Transformer>(viewPortHandler());
        right = std::make_shared<Transformer>(viewPortHandler());
    }

    void notifyDataSetChanged() override { ++notifications; }
    void calculateOffsets() override { ++offsetCalculations; }
    void calcMinMax() override {}

    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override {
        return axis == AxisDependency::left ? left : right;
    }
    bool isInverted(AxisDependency) const override { return false; }
    double lowestVisibleX() const override { return lowest; }
    double highestVisibleX() const override { return highest; }

    // Both transformers map x 0...10 and y 0...50 onto the content rectangle.
    void prepare(double xMin = 0, double dx = 10, double dy = 50, double yMin = 0) {
        for (auto& t : {left, right}) {
            t->prepareMatrixValuePx(xMin, dx, dy, yMin);
            t->prepareMatrixOffset(false);
        }
    }

    std::shared_ptr<Transformer> left;
    std::shared_ptr<Transformer> right;
    double lowest = 0;
    double highest = 0;
    int notifications = 0;
    int offsetCalculations = 0;
};

inline EntryPtr entry(double x, double y) { return std::make_shared<ChartDataEntry>(x, y); }

inline std::shared_ptr<ChartDataSet> dataSet(std::vector<EntryPtr> entries, std::string label = "DataSet") {
    auto set = std::make_shared<ChartDataSet>(std::move(entries), label);
    set->initialize();
    return set;
}

// The recorded lines that start with the prefix.
inline std::vector<std::string> linesStartingWith(const kit::RecordingContext& context, const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& line : context.lines()) {
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    }
    return out;
}

} // namespace charting::testing
