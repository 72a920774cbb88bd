#pragma once
// Builds the legend's entries from a chart's data (one per colour of every set, with the rules of
// stacked bars, pie and candle sets), measures the legend, and draws it.
#include "charting/core/ChartRenderer.h"
#include "charting/core/ViewPortHandler.h"
#include "charting/model/ChartData.h"
#include "charting/model/Legend.h"

#include <array>
#include <memory>
#include <string>

namespace charting {

class LegendRenderer : public ChartRenderer {
public:
    LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Legend> legend);
    LegendRenderer() = delete;

    ViewPortHandler& viewPortHandler() const override { return *viewPortHandler_; }
    const std::shared_ptr<Legend>& legend() const { return legend_; }
    void setLegend(std::shared_ptr<Legend> legend) { legend_ = std::move(legend); }

    // Rebuilds the entries (unless the legend is custom), then measures the legend.
    virtual void computeLegend(const ChartData& data);
    virtual void renderLegend(kit::Context& context);
    // One form; x is its left edge, y its vertical centre.
    virtual void drawForm(kit::Context& context, double x, double y, const LegendEntry& entry, const Legend& legend);
    // One label with its top-left corner at (x, y).
    virtual void drawLabel(kit::Context& context, double x, double y, const std::string& label, const kit::Font& font,
                           const kit::Color& textColor);

private:
    // What both layouts read of the legend.
    struct Settings {
        kit::Font labelFont;
        kit::Color labelTextColor;
        double lineHeight;
        double formYOffset;
        Legend::Entries entries;
        double defaultFormSize;
        bool rtl;
        bool centred;
    };
    static Settings settingsOf(const Legend& legend);
    void renderHorizontal(kit::Context& context, double originPosX);
    void renderVertical(kit::Context& context, double originPosX);

    std::shared_ptr<ViewPortHandler> viewPortHandler_;
    std::shared_ptr<Legend> legend_;
    std::array<kit::Point, 2> formLineSegmentsBuffer_{};
};

} // namespace charting
