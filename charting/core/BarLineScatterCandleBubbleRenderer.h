#pragma once
// The base of the data renderers of x/y charts (and, through the line-radar bases, of the radar
// chart): the view port, the animator, the accessibility elements of the last pass, one reused
// index range of the visible entries, and the test whether value labels may be drawn.
#include "charting/core/Animator.h"
#include "charting/core/ChartDataProvider.h"
#include "charting/core/ChartRenderer.h"
#include "charting/core/ViewPortHandler.h"
#include "charting/model/ChartBaseDataSet.h"
#include "charting/model/ChartData.h"
#include "kit/graphics/Text.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace charting {

// The index range of the visible, animation-revealed entries of one data set: min ... min + range.
// Bounds whose range is negative (max below min) hold no index.
class XBounds {
public:
    XBounds() = default;
    XBounds(BarLineScatterCandleBubbleChartDataProvider& chart, const ChartBaseDataSet& dataSet, const Animator* animator) {
        set(chart, dataSet, animator);
    }

    std::int64_t min = 0;
    std::int64_t max = 0;
    std::int64_t range = 0;

    // From the chart's visible x range and the animator's phaseX (clamped to [0, 1]; 1 without one).
    void set(BarLineScatterCandleBubbleChartDataProvider& chart, const ChartBaseDataSet& dataSet, const Animator* animator);

    bool contains(std::int64_t index) const { return range >= 0 && index >= min && index - min <= range; }
    // The half-open form: [lower, upper).
    std::int64_t lowerBound() const { return min; }
    std::int64_t upperBound() const;
    // "min:3, max:9, range:6"
    std::string description() const;

    class Iterator {
    public:
        using value_type = std::int64_t;
        using difference_type = std::int64_t;
        Iterator() = default;
        Iterator(std::int64_t current, std::int64_t last, bool done) : current_(current), last_(last), done_(done) {}
        std::int64_t operator*() const { return current_; }
        Iterator& operator++() {
            // Remembering the end keeps the last index (even the largest integer) from overflowing.
            if (current_ == last_) done_ = true;
            else ++current_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const {
            if (done_ || other.done_) return done_ == other.done_;
            return current_ == other.current_;
        }

    private:
        std::int64_t current_ = 0;
        std::int64_t last_ = 0;
        bool done_ = true;
    };
    Iterator begin() const;
    Iterator end() const { return Iterator{}; }
};

class BarLineScatterCandleBubbleRenderer : public ChartDataRenderer {
public:
    BarLineScatterCandleBubbleRenderer(std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler);
    BarLineScatterCandleBubbleRenderer() = delete;

    ViewPortHandler& viewPortHandler() const override { return *viewPortHandler_; }
    Animator& animator() const override { return *animator_; }
    const AccessibilityElements& accessibleChartElements() const override { return accessibleChartElements_; }
    AccessibilityElements& accessibleChartElements() { return accessibleChartElements_; }
    void setAccessibleChartElements(AccessibilityElements elements) { accessibleChartElements_ = std::move(elements); }

    // The base draws nothing.
    void drawData(kit::Context& context) override { (void)context; }
    void drawValues(kit::Context& context) override { (void)context; }
    void drawExtras(kit::Context& context) override { (void)context; }
    void drawHighlighted(kit::Context& context, std::span<Highlight> indices) override { (void)context, (void)indices; }
    void initBuffers() override {}
    // Fewer entries than the chart's maxVisibleCount times the x scale.
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(ChartViewBase& chart, const ChartData& data,
                                                                     const std::string& defaultDescription) override;

    // Whether the entry's index lies within the part the x animation has revealed.
    bool isInBoundsX(const ChartDataEntry& entry, const ChartBaseDataSet& dataSet) const;
    // A visible set with values or icons to draw.
    bool shouldDrawValues(const ChartBaseDataSet& dataSet) const;

protected:
    // How many entries the x animation reveals: ceil(count × phaseX), within [0, count].
    std::int64_t revealedCount(std::int64_t entryCount) const;
    // A value label centred on centreX with its top at `top`, turned by angleRadians about its
    // centre when that is not 0.
    static void drawCentredLabel(kit::Context& context, const std::string& text, double centreX, double top,
                                 const kit::TextAttributes& attributes, double angleRadians);
    // The entry's icon, when it has one and the set draws icons, centred on the point moved by the
    // set's icon offset.
    static void drawEntryIcon(kit::Context& context, const ChartDataEntryBase& entry, const ChartBaseDataSet& set,
                              kit::Point point);

    // Visits each visible, revealed entry of the set (as an `Entry`) whose point (x, value(entry)
    // × phaseY) lies on the content, with its index and pixel point: entries left of the content
    // are skipped; the walk ends at the first one right of it, or at an entry that is missing.
    template <class Entry, class Value, class Visit>
    void forEachPointOnContent(BarLineScatterCandleBubbleChartDataProvider& provider, const ChartBaseDataSet& set,
                               const kit::AffineTransform& matrix, Value value, Visit visit) {
        const ViewPortHandler& vp = viewPortHandler();
        const double phaseY = animator().phaseY();
        xBounds_.set(provider, set, &animator());
        for (const std::int64_t j : xBounds_) {
            const auto e = std::dynamic_pointer_cast<Entry>(set.entryForIndex(j));
            if (!e) break;
            const kit::Point p = matrix.apply(kit::Point{e->x(), value(*e) * phaseY});
            if (!vp.isInBoundsRight(p.x)) break;
            if (!vp.isInBoundsLeft(p.x) || !vp.isInBoundsY(p.y)) continue;
            visit(*e, j, p);
        }
    }

    // The set and entry a highlight names, when the set is a `Set` with highlighting on and its
    // entry at the highlight is an `Entry` that the x animation has revealed. Highlights outlive
    // data changes and come from callers and other sub-charts, so any other is passed over.
    template <class Set, class Entry> struct HighlightTarget {
        const Set* set;
        std::shared_ptr<Entry> entry;
    };
    template <class Set, class Entry = ChartDataEntry>
    std::optional<HighlightTarget<Set, Entry>> highlightTarget(const ChartData& data, const Highlight& high) const {
        const auto* set = dynamic_cast<const Set*>(data.dataSet(high.dataSetIndex()).get());
        if (!set || !set->isHighlightEnabled()) return std::nullopt;
        auto entry = std::dynamic_pointer_cast<Entry>(set->entryForXValue(high.x(), high.y()));
        if (!entry || !isInBoundsX(*entry, *set)) return std::nullopt;
        return HighlightTarget<Set, Entry>{set, std::move(entry)};
    }

    XBounds xBounds_;

private:
    std::shared_ptr<ViewPortHandler> viewPortHandler_;
    AccessibilityElements accessibleChartElements_;
    std::shared_ptr<Animator> animator_;
};

// The header element every data renderer offers: the chart's description (or the default), the
// number of data sets and their labels; framed by the chart's bounds, marked as a header.
std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(ChartViewBase& chart, const ChartData& data,
                                                                 const std::string& defaultDescription);

} // namespace charting
