#pragma once
// The root of every data set: everything a data set has besides its entries (colours, label,
// axis, value formatting, legend form, draw flags, visibility), and the entry operations every
// kind of set must provide. Chart data, views, highlighters and renderers see data sets through
// this interface (`ChartDataSetProtocol`).
//
// Data sets are shared objects made with kit::make<T>(...), which finishes construction by
// computing the bounds through the set's own (possibly overridden) operations.
#include "charting/model/AxisDependency.h"
#include "charting/model/ChartDataEntry.h"
#include "charting/model/ChartDataSetRounding.h"
#include "charting/model/ChartValueFormatter.h"
#include "charting/model/LegendForm.h"
#include "kit/base/Color.h"
#include "kit/base/Geometry.h"
#include "kit/graphics/Font.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace charting {

using EntryPtr = std::shared_ptr<ChartDataEntry>;

class ChartBaseDataSet {
public:
    ChartBaseDataSet();
    explicit ChartBaseDataSet(std::optional<std::string> label);
    virtual ~ChartBaseDataSet() = default;
    ChartBaseDataSet(const ChartBaseDataSet&) = delete;
    ChartBaseDataSet& operator=(const ChartBaseDataSet&) = delete;

    // The plain class name, as descriptions show it.
    virtual std::string_view className() const { return "ChartBaseDataSet"; }

    // Entry operations -------------------------------------------------------------------------
    // Runs calcMinMax().
    virtual void notifyDataSetChanged();
    virtual void calcMinMax() = 0;
    virtual void calcMinMaxY(double fromX, double toX) = 0;
    virtual double yMin() const = 0;
    virtual double yMax() const = 0;
    virtual double xMin() const = 0;
    virtual double xMax() const = 0;
    virtual std::int64_t entryCount() const = 0;
    virtual EntryPtr entryForIndex(std::int64_t index) const = 0;
    virtual EntryPtr entryForXValue(double x, double closestToY, ChartDataSetRounding rounding) const = 0;
    virtual EntryPtr entryForXValue(double x, double closestToY) const = 0;
    virtual std::vector<EntryPtr> entriesForXValue(double x) const = 0;
    virtual std::int64_t entryIndexForX(double x, double closestToY, ChartDataSetRounding rounding) const = 0;
    virtual std::int64_t entryIndexOf(const ChartDataEntry& entry) const = 0;
    virtual bool addEntry(EntryPtr entry) = 0;
    virtual bool addEntryOrdered(EntryPtr entry) = 0;
    virtual bool removeEntry(const ChartDataEntry& entry) = 0;
    // Built on the operations above; false when there is no such entry.
    virtual bool removeEntryAt(std::int64_t index);
    virtual bool removeEntryWithX(double x);
    virtual bool removeFirst();
    virtual bool removeLast();
    virtual bool contains(const ChartDataEntry& entry) const = 0;
    virtual void clear() = 0;

    // Colours ------------------------------------------------------------------------------------
    const std::vector<kit::Color>& colors() const { return colors_; }
    std::vector<kit::Color>& colors() { return colors_; }
    void setColors(std::vector<kit::Color> colors) { colors_ = std::move(colors); }
    const std::vector<kit::Color>& valueColors() const { return valueColors_; }
    std::vector<kit::Color>& valueColors() { return valueColors_; }
    void setValueColors(std::vector<kit::Color> colors) { valueColors_ = std::move(colors); }
    // The colour for an entry index: negative indexes count as 0, larger ones wrap. With no
    // colours at all, the default set colour.
    virtual kit::Color color(std::int64_t index) const;
    virtual void resetColors() { colors_.clear(); }
    virtual void addColor(kit::Color color) { colors_.push_back(color); }
    virtual void setColor(kit::Color color) { colors_ = {color}; }
    virtual void setColor(kit::Color color, double alpha) { colors_ = {color.withAlpha(alpha)}; }
    virtual void setColors(const std::vector<kit::Color>& colors, double alpha);

    // The first value colour (the label colour when there is none); writing makes it the only one.
    kit::Color valueTextColor() const;
    void setValueTextColor(kit::Color color) { valueColors_ = {color}; }
    // The value colour for an entry index, by the same wrap rule as color(); with no value colours
    // at all, the label colour.
    virtual kit::Color valueTextColorAt(std::int64_t index) const;

    // Plain settings ----------------------------------------------------------------------------
    const std::optional<std::string>& label() const { return label_; }
    void setLabel(std::optional<std::string> label) { label_ = std::move(label); }
    AxisDependency axisDependency() const { return axisDependency_; }
    void setAxisDependency(AxisDependency axis) { axisDependency_ = axis; }
    bool highlightEnabled() const { return highlightEnabled_; }
    void setHighlightEnabled(bool enabled) { highlightEnabled_ = enabled; }
    virtual bool isHighlightEnabled() const { return highlightEnabled(); }

    // The first read without a stored formatter creates a DefaultValueFormatter and keeps it.
    std::shared_ptr<ChartValueFormatter> valueFormatter() const;
    void setValueFormatter(std::shared_ptr<ChartValueFormatter> formatter) { valueFormatter_ = std::move(formatter); }
    const kit::Font& valueFont() const { return valueFont_; }
    void setValueFont(kit::Font font) { valueFont_ = std::move(font); }
    double valueLabelAngle() const { return valueLabelAngle_; }
    void setValueLabelAngle(double degrees) { valueLabelAngle_ = degrees; }

    LegendForm form() const { return form_; }
    void setForm(LegendForm form) { form_ = form; }
    // NaN, an absent dash list or the form `default_` mean the legend's own setting.
    double formSize() const { return formSize_; }
    void setFormSize(double size) { formSize_ = size; }
    double formLineWidth() const { return formLineWidth_; }
    void setFormLineWidth(double width) { formLineWidth_ = width; }
    double formLineDashPhase() const { return formLineDashPhase_; }
    void setFormLineDashPhase(double phase) { formLineDashPhase_ = phase; }
    const std::optional<std::vector<double>>& formLineDashLengths() const { return formLineDashLengths_; }
    void setFormLineDashLengths(std::optional<std::vector<double>> lengths) { formLineDashLengths_ = std::move(lengths); }

    bool drawValuesEnabled() const { return drawValuesEnabled_; }
    void setDrawValuesEnabled(bool enabled) { drawValuesEnabled_ = enabled; }
    virtual bool isDrawValuesEnabled() const { return drawValuesEnabled(); }
    bool drawIconsEnabled() const { return drawIconsEnabled_; }
    void setDrawIconsEnabled(bool enabled) { drawIconsEnabled_ = enabled; }
    virtual bool isDrawIconsEnabled() const { return drawIconsEnabled(); }
    kit::Point iconsOffset() const { return iconsOffset_; }
    void setIconsOffset(kit::Point offset) { iconsOffset_ = offset; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    virtual bool isVisible() const { return visible(); }

    // "ChartDataSet, label: Pie, 4 entries"
    virtual std::string description() const;
    // The description, ":", then one line per entry.
    virtual std::string debugDescription() const;

    // A new set of the receiver's own kind, field by field; each kind copies its own layer after
    // its base's. The value label angle is not copied.
    std::shared_ptr<ChartBaseDataSet> copy() const;
    template <class T>
    std::shared_ptr<T> copyAs() const {
        return std::static_pointer_cast<T>(copy());
    }

    static kit::Color defaultColor();

protected:
    virtual std::shared_ptr<ChartBaseDataSet> makeEmpty() const = 0;
    virtual void copyInto(ChartBaseDataSet& copy) const;

private:
    std::vector<kit::Color> colors_;
    std::vector<kit::Color> valueColors_;
    std::optional<std::string> label_ = "DataSet";
    AxisDependency axisDependency_ = AxisDependency::left;
    bool highlightEnabled_ = true;
    mutable std::shared_ptr<ChartValueFormatter> valueFormatter_;
    kit::Font valueFont_ = kit::Font::system(7.0);
    double valueLabelAngle_ = 0.0;
    LegendForm form_ = LegendForm::default_;
    double formSize_ = std::numeric_limits<double>::quiet_NaN();
    double formLineWidth_ = std::numeric_limits<double>::quiet_NaN();
    double formLineDashPhase_ = 0.0;
    std::optional<std::vector<double>> formLineDashLengths_;
    bool drawValuesEnabled_ = true;
    bool drawIconsEnabled_ = true;
    kit::Point iconsOffset_{};
    bool visible_ = true;
};

// The interface name chart data, views and renderers use.
using ChartDataSetProtocol = ChartBaseDataSet;
using DataSetPtr = std::shared_ptr<ChartBaseDataSet>;

} // namespace charting
