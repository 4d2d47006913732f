#pragma once
#include <QColor>
#include <memory>
#include <string>
#include <vector>

#include "Charts/types/line/LineChartData.h"
#include "app/ui/graphs/GraphSeries.h"

namespace appui {

using QuadCurves = std::vector<std::vector<double>>;

// The colour of the ink line at position k: the display colour of its name,
// or by position for a curve without a name (entry 0 past the table's end).
const QColor& quadCurveColor(const std::string& name, std::size_t position);

// One line per ink, as far as there are both curves and names: curve k
// labelled name k, in its ink's colour, input 0 ... 100 % along x and quad
// units 0 ... 65535 scaled to 0 ... 100 along y. With `totalInkLoad` a black
// "Total" line of those values (not scaled) follows.
std::shared_ptr<charts::LineChartData> quadCurveChartData(const QuadCurves& curves,
                                                          const std::vector<std::string>& inkList,
                                                          const std::vector<double>* totalInkLoad);

// The variant that plots every curve, named or not: a curve past the end of
// the name list has an empty label and its colour by position. Never a total.
std::shared_ptr<charts::LineChartData> allQuadCurvesChartData(const QuadCurves& curves,
                                                              const std::vector<std::string>& inkList);

// The points and labels of those lines, in the same order, and the chart
// data styled for them (with `endsInTotal` the last is the thin black total).
std::vector<GraphSeries> quadCurveSeries(const QuadCurves& curves, const std::vector<std::string>& inkList,
                                         const std::vector<double>* totalInkLoad);
std::vector<GraphSeries> allQuadCurvesSeries(const QuadCurves& curves, const std::vector<std::string>& inkList);
std::shared_ptr<charts::LineChartData> quadCurveChartData(const std::vector<GraphSeries>& series, bool endsInTotal);

} // namespace appui
