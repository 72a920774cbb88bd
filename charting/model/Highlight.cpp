#include "charting/model/Highlight.h"

#include "kit/text/DoubleText.h"

namespace charting {

bool Highlight::isEqual(const Highlight& other) const {
    if (&other == this) return true;
    return x_ == other.x_ && y_ == other.y_ && dataIndex() == other.dataIndex() &&
           dataSetIndex_ == other.dataSetIndex_ && stackIndex_ == other.stackIndex_;
}

std::string Highlight::description() const {
    return "Highlight, x: " + kit::text::shortestText(x_) + ", y: " + kit::text::shortestText(y_) +
           ", dataIndex (combined charts): " + std::to_string(dataIndex_) +
           ", dataSetIndex: " + std::to_string(dataSetIndex_) +
           ", stackIndex (only stacked barentry): " + std::to_string(stackIndex_);
}

} // namespace charting
