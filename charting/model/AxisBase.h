#pragma once
// The model shared by every chart axis: look of its line, grid and labels, its limit lines, how many
// labels it wants and how they are printed, and its value range. The axis renderers write the
// computed label values (`entries`, `centeredEntries`, `decimals`) and draw.
#include "charting/core/LabelColor.h"
#include "charting/model/ChartAxisValueFormatter.h"
#include "charting/model/ComponentBase.h"
#include "charting/model/LimitLine.h"
#include "kit/base/Color.h"
#include "kit/graphics/Context.h"
#include "kit/graphics/Font.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace charting {

class AxisBase : public ComponentBase {
public:
    AxisBase() = default;

    const kit::Font& labelFont() const { return labelFont_; }
    void setLabelFont(const kit::Font& font) { labelFont_ = font; }
    const kit::Color& labelTextColor() const { return labelTextColor_; }
    void setLabelTextColor(const kit::Color& color) { labelTextColor_ = color; }
    const kit::Color& axisLineColor() const { return axisLineColor_; }
    void setAxisLineColor(const kit::Color& color) { axisLineColor_ = color; }
    double axisLineWidth() const { return axisLineWidth_; }
    void setAxisLineWidth(double width) { axisLineWidth_ = width; }
    double axisLineDashPhase() const { return axisLineDashPhase_; }
    void setAxisLineDashPhase(double phase) { axisLineDashPhase_ = phase; }
    // Absent means a solid line.
    const std::optional<std::vector<double>>& axisLineDashLengths() const { return axisLineDashLengths_; }
    void setAxisLineDashLengths(std::optional<std::vector<double>> v) { axisLineDashLengths_ = std::move(v); }
    const kit::Color& gridColor() const { return gridColor_; }
    void setGridColor(const kit::Color& color) { gridColor_ = color; }
    double gridLineWidth() const { return gridLineWidth_; }
    void setGridLineWidth(double width) { gridLineWidth_ = width; }
    double gridLineDashPhase() const { return gridLineDashPhase_; }
    void setGridLineDashPhase(double phase) { gridLineDashPhase_ = phase; }
    const std::optional<std::vector<double>>& gridLineDashLengths() const { return gridLineDashLengths_; }
    void setGridLineDashLengths(std::optional<std::vector<double>> v) { gridLineDashLengths_ = std::move(v); }

    kit::LineCap gridLineCap() const { return gridLineCap_; }
    void setGridLineCap(kit::LineCap cap) { gridLineCap_ = cap; }

    bool drawGridLinesEnabled() const { return drawGridLinesEnabled_; }
    void setDrawGridLinesEnabled(bool v) { drawGridLinesEnabled_ = v; }
    bool isDrawGridLinesEnabled() const { return drawGridLinesEnabled(); }
    bool drawAxisLineEnabled() const { return drawAxisLineEnabled_; }
    void setDrawAxisLineEnabled(bool v) { drawAxisLineEnabled_ = v; }
    bool isDrawAxisLineEnabled() const { return drawAxisLineEnabled(); }
    bool drawLabelsEnabled() const { return drawLabelsEnabled_; }
    void setDrawLabelsEnabled(bool v) { drawLabelsEnabled_ = v; }
    bool isDrawLabelsEnabled() const { return drawLabelsEnabled(); }

    // Read: the stored flag and at least one entry. Write: the flag only.
    bool centerAxisLabelsEnabled() const { return centerAxisLabelsEnabled_ && entryCount() > 0; }
    void setCenterAxisLabelsEnabled(bool v) { centerAxisLabelsEnabled_ = v; }
    bool isCenterAxisLabelsEnabled() const { return centerAxisLabelsEnabled(); }
    // The flag as set, whatever the entries: the label computation decides centring by it.
    bool centerAxisLabelsFlag() const { return centerAxisLabelsEnabled_; }

    bool drawLimitLinesBehindDataEnabled() const { return drawLimitLinesBehindDataEnabled_; }
    void setDrawLimitLinesBehindDataEnabled(bool v) { drawLimitLinesBehindDataEnabled_ = v; }
    bool isDrawLimitLinesBehindDataEnabled() const { return drawLimitLinesBehindDataEnabled(); }
    bool drawGridLinesBehindDataEnabled() const { return drawGridLinesBehindDataEnabled_; }
    void setDrawGridLinesBehindDataEnabled(bool v) { drawGridLinesBehindDataEnabled_ = v; }
    bool isDrawGridLinesBehindDataEnabled() const { return drawGridLinesBehindDataEnabled(); }
    bool gridAntialiasEnabled() const { return gridAntialiasEnabled_; }
    void setGridAntialiasEnabled(bool v) { gridAntialiasEnabled_ = v; }

    // Label values and their centred form, written by the axis renderers.
    const std::vector<double>& entries() const { return entries_; }
    std::vector<double>& entries() { return entries_; }
    void setEntries(std::vector<double> v) { entries_ = std::move(v); }
    const std::vector<double>& centeredEntries() const { return centeredEntries_; }
    std::vector<double>& centeredEntries() { return centeredEntries_; }
    void setCenteredEntries(std::vector<double> v) { centeredEntries_ = std::move(v); }
    int entryCount() const { return static_cast<int>(entries_.size()); }

    int decimals() const { return decimals_; }
    void setDecimals(int v) { decimals_ = v; }
    bool granularityEnabled() const { return granularityEnabled_; }
    void setGranularityEnabled(bool v) { granularityEnabled_ = v; }
    bool isGranularityEnabled() const { return granularityEnabled(); }
    double granularity() const { return granularity_; }
    // Stores the value and switches granularity on, whatever the value.
    void setGranularity(double v);
    bool forceLabelsEnabled() const { return forceLabelsEnabled_; }
    void setForceLabelsEnabled(bool v) { forceLabelsEnabled_ = v; }
    bool isForceLabelsEnabled() const { return forceLabelsEnabled(); }

    // Longest formatted label, by user-perceived characters; the first of equal length wins.
    std::string getLongestLabel();
    // The label of entry `index`, or "" outside the entries.
    std::string getFormattedLabel(int index);
    // Never null: a default formatter is made on first use from `decimals`, and a default
    // formatter with automatic decimals follows `decimals` at every read.
    std::shared_ptr<ChartAxisValueFormatter> valueFormatter();
    // Null stores a fresh default formatter instead.
    void setValueFormatter(std::shared_ptr<ChartAxisValueFormatter> formatter);

    double spaceMin() const { return spaceMin_; }
    void setSpaceMin(double v) { spaceMin_ = v; }
    double spaceMax() const { return spaceMax_; }
    void setSpaceMax(double v) { spaceMax_ = v; }
    double axisRange() const { return axisRange_; }
    void setAxisRange(double v) { axisRange_ = v; }
    int axisMinLabels() const { return axisMinLabels_; }
    // Values below 1 are ignored.
    void setAxisMinLabels(int v);
    int axisMaxLabels() const { return axisMaxLabels_; }
    void setAxisMaxLabels(int v);

    int labelCount() const { return labelCount_; }
    // Above `axisMaxLabels` stores that maximum, else at least `axisMinLabels`; clears the force flag.
    void setLabelCount(int count);
    void setLabelCount(int count, bool force);

    void addLimitLine(std::shared_ptr<ChartLimitLine> line);
    // Removes the first occurrence of that very line; nothing when it is not there.
    void removeLimitLine(const std::shared_ptr<ChartLimitLine>& line);
    void removeAllLimitLines() { limitLines_.clear(); }
    const std::vector<std::shared_ptr<ChartLimitLine>>& limitLines() const { return limitLines_; }

    void resetCustomAxisMin() { customAxisMin_ = false; }
    bool isAxisMinCustom() const { return customAxisMin_; }
    void resetCustomAxisMax() { customAxisMax_ = false; }
    bool isAxisMaxCustom() const { return customAxisMax_; }
    double axisMinimum() const { return axisMinimum_; }
    // Marks the end custom, stores it and updates `axisRange`.
    void setAxisMinimum(double v);
    double axisMaximum() const { return axisMaximum_; }
    void setAxisMaximum(double v);
    // Writes the stored ends without marking them custom (for axes computing their own range).
    void setStoredAxisMinimum(double v) { axisMinimum_ = v; }
    void setStoredAxisMaximum(double v) { axisMaximum_ = v; }

    // The axis range from the data bounds (custom ends kept, spaces added, zero ranges widened).
    virtual void calculate(double dataMin, double dataMax);

private:
    std::shared_ptr<ChartAxisValueFormatter> axisValueFormatter_;
    kit::Font labelFont_ = kit::Font::system(10);
    kit::Color labelTextColor_ = labelColor();
    kit::Color axisLineColor_ = kit::Color::grayColor();
    double axisLineWidth_ = 0.5;
    double axisLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> axisLineDashLengths_;
    kit::Color gridColor_ = kit::Color::grayColor().withAlpha(0.9);
    double gridLineWidth_ = 0.5;
    double gridLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> gridLineDashLengths_;
    kit::LineCap gridLineCap_ = kit::LineCap::butt;
    bool drawGridLinesEnabled_ = true;
    bool drawAxisLineEnabled_ = true;
    bool drawLabelsEnabled_ = true;
    bool centerAxisLabelsEnabled_ = false;
    std::vector<std::shared_ptr<ChartLimitLine>> limitLines_;
    bool drawLimitLinesBehindDataEnabled_ = false;
    bool drawGridLinesBehindDataEnabled_ = true;
    bool gridAntialiasEnabled_ = true;
    std::vector<double> entries_;
    std::vector<double> centeredEntries_;
    int labelCount_ = 6;
    int decimals_ = 0;
    bool granularityEnabled_ = false;
    double granularity_ = 1.0;
    bool forceLabelsEnabled_ = false;
    double spaceMin_ = 0.0;
    double spaceMax_ = 0.0;
    bool customAxisMin_ = false;
    bool customAxisMax_ = false;
    double axisMinimum_ = 0.0;
    double axisMaximum_ = 0.0;
    double axisRange_ = 0.0;
    int axisMinLabels_ = 2;
    int axisMaxLabels_ = 25;
};

} // namespace charting
