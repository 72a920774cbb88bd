#pragma once
// A point with a bubble size in the data's own unit.
#include "charting/model/ChartDataEntry.h"

namespace charting {

class BubbleChartDataEntry : public ChartDataEntry {
public:
    BubbleChartDataEntry() = default;
    BubbleChartDataEntry(double x, double y, double size) : ChartDataEntry(x, y), size_(size) {}
    BubbleChartDataEntry(double x, double y, double size, std::any data) : BubbleChartDataEntry(x, y, size) {
        setData(std::move(data));
    }
    BubbleChartDataEntry(double x, double y, double size, std::shared_ptr<const kit::Image> icon)
        : BubbleChartDataEntry(x, y, size) {
        setIcon(std::move(icon));
    }
    BubbleChartDataEntry(double x, double y, double size, std::shared_ptr<const kit::Image> icon, std::any data)
        : BubbleChartDataEntry(x, y, size, std::move(icon)) {
        setData(std::move(data));
    }
    // A bubble needs its size.
    BubbleChartDataEntry(double x, double y) = delete;

    double size() const { return size_; }
    void setSize(double size) { size_ = size; }

protected:
    std::shared_ptr<ChartDataEntry> makeEmpty() const override { return std::make_shared<BubbleChartDataEntry>(); }
    void copyInto(ChartDataEntry& copy) const override {
        ChartDataEntry::copyInto(copy);
        static_cast<BubbleChartDataEntry&>(copy).size_ = size_;
    }

private:
    double size_ = 0.0;
};

} // namespace charting
