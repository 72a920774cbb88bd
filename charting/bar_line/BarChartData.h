#pragma once
// The data of a bar chart: the width every bar takes on the x axis, and the side-by-side
// grouping of several data sets.
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"

namespace charting {

class BarChartData : public BarLineScatterCandleBubbleChartData {
public:
    using BarLineScatterCandleBubbleChartData::BarLineScatterCandleBubbleChartData;

    // In x-axis units.
    double barWidth() const { return barWidth_; }
    void setBarWidth(double width) { barWidth_ = width; }

    // (barWidth + barSpace) × number of sets + groupSpace.
    double groupWidth(double groupSpace, double barSpace) const;
    // Gives entry i of every set a new x so that the sets stand side by side in group i, each
    // group one group width after the previous, starting at fromX; then the bounds follow.
    // Needs at least two sets: with fewer it writes a line to the console and changes nothing.
    void groupBars(double fromX, double groupSpace, double barSpace);

private:
    double barWidth_ = 0.85;
};

} // namespace charting
