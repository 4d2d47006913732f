#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "Charts/foundation/ChartHighlighter.h"

namespace charts {

class IBarChartDataSet;

// The touch highlighter of bar charts: the bar nearest to the touch by
// horizontal distance alone, and in a stacked bar the stacked value under
// the touch.
class BarHighlighter : public ChartHighlighter {
public:
    BarHighlighter() = delete;
    // The chart is kept weakly.
    explicit BarHighlighter(std::weak_ptr<ChartDataProvider> chart) : ChartHighlighter(std::move(chart)) {}

    using ChartHighlighter::getHighlight;
    HighlightPtr getHighlight(double x, double y) override;
    // The stacked value of the entry at xValue nearest yValue: a highlight at
    // the upper end of its interval, with its stack index; `high` itself for
    // a plain bar; none for a stacked bar without intervals.
    virtual HighlightPtr getStackedHighlight(const HighlightPtr& high, const IBarChartDataSet& set, double xValue,
                                             double yValue);
    // The first interval that holds the value (lower ends excluded); past the
    // last interval's upper end the last, otherwise the first; 0 without
    // intervals.
    virtual std::int64_t getClosestStackIndex(const std::optional<std::vector<Range>>& ranges, double value) const;
    // Horizontal pixel distance only.
    double getDistance(double x1, double y1, double x2, double y2) override;
    // The chart's bar data; none when the chart is no bar chart.
    std::shared_ptr<ChartDataValues> data() override;

protected:
    // The highlight of the touch at the pixel (x, y) whose values are
    // (xValue, yValue): the base's closest one, and in a stacked set the
    // stacked value there.
    HighlightPtr highlightAt(double xValue, double yValue, double x, double y);
};

// The name the bar highlighter is also known by.
using BarChartHighlighter = BarHighlighter;

} // namespace charts
