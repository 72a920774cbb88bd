#pragma once
// What the core reads of the data-set and entry kinds of the pie and bar-line charts. Those kinds
// realise these beside their main base classes; the core tells them apart by a cast.
#include "kit/base/Color.h"

#include <optional>
#include <string>
#include <vector>

namespace charting {

class BarChartDataSetProtocol {
public:
    virtual ~BarChartDataSetProtocol() = default;
    // True when stackSize is above 1.
    virtual bool isStacked() const = 0;
    // Stack levels of the set's entries; 1 for plain bars.
    virtual int stackSize() const = 0;
    // One label per stack level, possibly empty.
    virtual const std::vector<std::string>& stackLabels() const = 0;
};

// Only a sign: a pie set gets one legend entry per data entry.
class PieChartDataSetProtocol {
public:
    virtual ~PieChartDataSetProtocol() = default;
};

class CandleChartDataSetProtocol {
public:
    virtual ~CandleChartDataSetProtocol() = default;
    virtual std::optional<kit::Color> decreasingColor() const = 0;
    virtual std::optional<kit::Color> increasingColor() const = 0;
};

// The label of a pie entry.
class PieChartDataEntryProtocol {
public:
    virtual ~PieChartDataEntryProtocol() = default;
    virtual const std::optional<std::string>& label() const = 0;
};

} // namespace charting
