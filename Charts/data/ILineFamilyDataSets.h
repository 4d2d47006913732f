#pragma once
#include <memory>
#include <optional>
#include <vector>

#include <QColor>

#include "Charts/data/IChartDataSet.h"
#include "Charts/foundation/Fill.h"

namespace charts {

// The data-set interfaces of the chart families that share a layer of style,
// each extending the one before; renderers, legend and highlighters read the
// style through them.

// Bar, line, scatter, candle and bubble sets: the look of the highlight lines.
class IBarLineScatterCandleBubbleChartDataSet : public virtual IChartDataSet {
public:
    virtual QColor highlightColor() const = 0;
    virtual void setHighlightColor(const QColor& color) = 0;
    virtual double highlightLineWidth() const = 0;
    virtual void setHighlightLineWidth(double width) = 0;
    virtual double highlightLineDashPhase() const = 0;
    virtual void setHighlightLineDashPhase(double phase) = 0;
    // None draws the highlight lines solid.
    virtual std::optional<std::vector<double>> highlightLineDashLengths() const = 0;
    virtual void setHighlightLineDashLengths(std::optional<std::vector<double>> lengths) = 0;
};

// Line, scatter, candle and radar sets: the highlight's cross-hair lines.
class ILineScatterCandleRadarChartDataSet : public virtual IBarLineScatterCandleBubbleChartDataSet {
public:
    virtual bool drawHorizontalHighlightIndicatorEnabled() const = 0;
    virtual void setDrawHorizontalHighlightIndicatorEnabled(bool enabled) = 0;
    virtual bool drawVerticalHighlightIndicatorEnabled() const = 0;
    virtual void setDrawVerticalHighlightIndicatorEnabled(bool enabled) = 0;
    virtual bool isHorizontalHighlightIndicatorEnabled() const = 0;
    virtual bool isVerticalHighlightIndicatorEnabled() const = 0;
    // Both cross-hair lines on or off.
    virtual void setDrawHighlightIndicators(bool enabled) = 0;
};

// Line and radar sets: the line width and the filled area.
class ILineRadarChartDataSet : public virtual ILineScatterCandleRadarChartDataSet {
public:
    // Writing a colour drops the fill, so the plain colour shows.
    virtual QColor fillColor() const = 0;
    virtual void setFillColor(const QColor& color) = 0;
    // Takes precedence over the fill colour when set.
    virtual std::shared_ptr<Fill> fill() const = 0;
    virtual void setFill(std::shared_ptr<Fill> fill) = 0;
    virtual double fillAlpha() const = 0;
    virtual void setFillAlpha(double alpha) = 0;
    // Always within 0 to 10.
    virtual double lineWidth() const = 0;
    virtual void setLineWidth(double width) = 0;
    virtual bool drawFilledEnabled() const = 0;
    virtual void setDrawFilledEnabled(bool enabled) = 0;
    virtual bool isDrawFilledEnabled() const = 0;
};

} // namespace charts
