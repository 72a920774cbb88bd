#pragma once
// The application's observer of a chart view, held weakly by the view. Every message has an empty
// body, so an observer that does not handle one is simply not told.
namespace charting {

class Animator;
class ChartDataEntry;
class ChartViewBase;
class Highlight;

class ChartViewDelegate {
public:
    virtual ~ChartViewDelegate() = default;
    virtual void chartValueSelected(ChartViewBase& chartView, const ChartDataEntry& entry, const Highlight& highlight) {
        (void)chartView, (void)entry, (void)highlight;
    }
    virtual void chartViewDidEndPanning(ChartViewBase& chartView) { (void)chartView; }
    virtual void chartValueNothingSelected(ChartViewBase& chartView) { (void)chartView; }
    virtual void chartScaled(ChartViewBase& chartView, double scaleX, double scaleY) {
        (void)chartView, (void)scaleX, (void)scaleY;
    }
    virtual void chartTranslated(ChartViewBase& chartView, double dX, double dY) { (void)chartView, (void)dX, (void)dY; }
    virtual void chartViewAnimatorDidStop(ChartViewBase& chartView, Animator& animator) {
        (void)chartView, (void)animator;
    }
};

} // namespace charting
