#pragma once
// Renderer bases of the line, scatter, candle and radar charts: cross-hair lines through a
// highlighted value, and filling an area outline with a fill object or a colour.
#include "charting/core/BarLineScatterCandleBubbleRenderer.h"
#include "charting/model/BarLineScatterCandleBubbleChartDataSet.h"
#include "charting/model/ChartFill.h"
#include "kit/graphics/Path.h"

namespace charting {

class LineScatterCandleRadarRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    using BarLineScatterCandleBubbleRenderer::BarLineScatterCandleBubbleRenderer;

    // Draws in the stroke style the caller has set; spans the whole content rectangle.
    virtual void drawHighlightLines(kit::Context& context, kit::Point point, const LineScatterCandleRadarChartDataSet& set);

protected:
    // The stroke of the highlight lines: the set's highlight colour, width and dash.
    static void setHighlightStroke(kit::Context& context, const BarLineScatterCandleBubbleChartDataSet& set);
    // The value labels of a set whose entries are points (line, scatter): each entry's y, centred
    // above its point by `lift` and a line height; its icon on the point.
    void drawPointValues(kit::Context& context, BarLineScatterCandleBubbleChartDataProvider& provider,
                         const ChartBaseDataSet& set, int setIndex, double lift);
};

class LineRadarRenderer : public LineScatterCandleRadarRenderer {
public:
    using LineScatterCandleRadarRenderer::LineScatterCandleRadarRenderer;

    // The fill is laid out over the content rectangle; its alpha and fillAlpha multiply.
    virtual void drawFilledPath(kit::Context& context, const kit::Path& path, const ChartFill& fill, double fillAlpha);
    virtual void drawFilledPath(kit::Context& context, const kit::Path& path, const kit::Color& fillColor,
                                double fillAlpha);
};

} // namespace charting
