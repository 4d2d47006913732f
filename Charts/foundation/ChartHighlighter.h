#pragma once
#include <memory>
#include <vector>

#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/foundation/Highlight.h"
#include "Charts/foundation/Transformer.h"

namespace charts {

// Turns a touch point (view pixels) into the highlighted value; none when
// nothing is near enough.
class IHighlighter {
public:
    virtual ~IHighlighter() = default;
    virtual HighlightPtr getHighlight(double x, double y) = 0;

protected:
    IHighlighter() = default;
    IHighlighter(const IHighlighter&) = default;
    IHighlighter& operator=(const IHighlighter&) = default;
};

// The default highlighter: the touch's x pixel becomes an x value, every
// highlight-enabled data set offers its entries at (or nearest to) that x,
// and the candidate nearest to the touch wins, on the y axis whose candidates
// lie vertically nearer, within the chart's maximum highlight distance.
//
// The chart owns the highlighter and is held weakly. The highlighters of
// other chart kinds derive from this class and replace getHighlight,
// getDistance, data, getHighlights or buildHighlights; a subclass that
// overrides one getHighlight overload brings the other back with a
// using-declaration.
class ChartHighlighter : public IHighlighter {
public:
    explicit ChartHighlighter(std::weak_ptr<ChartDataProvider> chart) : chart_(std::move(chart)) {}

    std::shared_ptr<ChartDataProvider> chart() const { return chart_.lock(); }
    void setChart(std::weak_ptr<ChartDataProvider> chart) { chart_ = std::move(chart); }

    HighlightPtr getHighlight(double x, double y) override;
    // The touch in values, through the left axis's transformer whatever the
    // sets' axes; (0, 0) without a bar-line chart.
    virtual Point getValsForTouch(double x, double y);
    virtual HighlightPtr getHighlight(double xValue, double x, double y);
    // The candidates in data-set order, then entry order.
    virtual std::vector<HighlightPtr> getHighlights(double xValue, double x, double y);
    virtual std::vector<HighlightPtr> buildHighlights(const DataSetValues& dataSet, int dataSetIndex, double xValue,
                                                      ChartDataSetRounding rounding);
    virtual double getDistance(double x1, double y1, double x2, double y2);
    virtual std::shared_ptr<ChartDataValues> data();

protected:
    // The pixel of a value pair on the transformer's axis; a chart that
    // turns its axes (horizontal bars) hands the pair over swapped.
    virtual Point highlightPixel(const Transformer& transformer, double x, double y) const {
        return transformer.pixelForValues(x, y);
    }
    // Called directly, never through dispatch.
    double getMinimumDistance(const std::vector<HighlightPtr>& closestValues, double y,
                              YAxis::AxisDependency axis) const;
    double getHighlightPos(const Highlight& high) const { return high.yPx(); }
    HighlightPtr closestSelectionDetailByPixel(const std::vector<HighlightPtr>& closestValues, double x, double y,
                                               YAxis::AxisDependency axis, double minSelectionDistance);

private:
    std::weak_ptr<ChartDataProvider> chart_;
};

} // namespace charts
