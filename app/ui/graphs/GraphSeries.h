#pragma once
#include <QString>
#include <optional>
#include <vector>

#include "Charts/data/ChartData.h"
#include "Charts/types/line/LineChartDataSet.h"

namespace charts {
class BarLineChartViewBase;
}

namespace appui {

// The points and label of one line of a graph, apart from its style: what
// changes from one plot to the next.
struct GraphSeries {
    struct Point {
        double x;
        double y;
    };
    QString label;
    std::vector<Point> points;
};

charts::LineChartDataSet::Entries entriesOf(const GraphSeries& series);

// Writes the series into the entries of the chart data's sets, set by set,
// when the data has as many sets, each with the series' label and entry
// count. Nothing is written, and nothing answered, when the shapes differ;
// otherwise the answer says whether any value changed.
std::optional<bool> writeSeriesInPlace(const charts::ChartData& data, const std::vector<GraphSeries>& series);

// A plot that keeps the view's chart data: the series written into it in
// place and, when a value changed, the view told so and only its content
// area (widened by `margin` for circles) repainted. False, with nothing
// changed, when the view has no data or data of another shape.
bool replotInPlace(charts::BarLineChartViewBase& view, const std::vector<GraphSeries>& series, double margin);

} // namespace appui
