#pragma once
// An x/y chart of one data kind for renderer tests: x 0...10 and y 0...10 over the content
// rectangle (50, 50, 100, 100) unless prepared otherwise (y up, or down when inverted), all
// entries visible.
#include "charting/core/ChartViewBase.h"
#include "charting/core/Transformer.h"
#include "kit/base/Make.h"

#include <memory>

namespace charting::testing {

template <class Provider>
class KindTestChart : public ChartViewBase, public Provider {
public:
    explicit KindTestChart(const kit::Rect& frame = {0, 0, 200, 200}) : ChartViewBase(frame) {}

    void initialize() override {
        ChartViewBase::initialize();
        left = std::make_shared<Transformer>(viewPortHandler());
        right = std::make_shared<Transformer>(viewPortHandler());
    }
    void notifyDataSetChanged() override {}
    void calculateOffsets() override {}
    void calcMinMax() override {}
    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override {
        return axis == AxisDependency::left ? left : right;
    }
    bool isInverted(AxisDependency) const override { return inverted; }
    double lowestVisibleX() const override { return 0; }
    double highestVisibleX() const override { return 10; }

    void prepare(double xMin = 0, double dx = 10, double dy = 10, double yMin = 0) {
        viewPortHandler()->setChartDimens(200, 200);
        viewPortHandler()->restrainViewPort(50, 50, 50, 50);
        for (auto& t : {left, right}) {
            t->prepareMatrixValuePx(xMin, dx, dy, yMin);
            t->prepareMatrixOffset(inverted);
        }
    }
    std::shared_ptr<ChartViewBase> self() const {
        return std::dynamic_pointer_cast<ChartViewBase>(const_cast<KindTestChart*>(this)->shared_from_this());
    }

    std::shared_ptr<Transformer> left;
    std::shared_ptr<Transformer> right;
    bool inverted = false;
};

} // namespace charting::testing
