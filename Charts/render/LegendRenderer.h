#pragma once
#include <array>
#include <memory>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/render/Renderer.h"

namespace charts {

class ChartData;
class IChartDataSet;
class DrawingContext;
class Legend;
class LegendEntry;

// Turns a chart's data sets into legend entries and paints the legend from
// the layout the legend computed. Stacked bar sets, pie sets and candle sets
// (known by their data-set interfaces) get entries of their own kind; every
// other set gets a run of colour shapes ending in its label.
class LegendRenderer : public Renderer {
public:
    // The legend may be absent; then nothing is computed or drawn.
    LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Legend> legend);

    virtual std::shared_ptr<Legend> legend() const { return legend_; }
    virtual void setLegend(std::shared_ptr<Legend> legend) { legend_ = std::move(legend); }

    // Rebuilds the legend's entries from the data (unless the legend is
    // custom), then always has the legend compute its layout.
    virtual void computeLegend(const ChartData& data);
    // Draws the legend when there is one and it is enabled.
    virtual void renderLegend(DrawingContext& context);
    // One entry's shape with its left edge at x and its vertical centre at y.
    virtual void drawForm(DrawingContext& context, double x, double y, const LegendEntry& entry, const Legend& legend);
    // One label with its top-left corner at (x, y).
    virtual void drawLabel(DrawingContext& context, double x, double y, const QString& label, const QFont& font,
                           const QColor& textColor);

private:
    std::shared_ptr<Legend> legend_;
    // The two ends of a line shape, reused for every line drawn.
    std::array<Point, 2> formLineSegmentsBuffer_{};
};

} // namespace charts
