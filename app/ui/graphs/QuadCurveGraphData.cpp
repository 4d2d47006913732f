#include "app/ui/graphs/QuadCurveGraphData.h"

#include <algorithm>

#include "Charts/types/line/LineChartDataSet.h"
#include "app/ui/widgets/InkDisplayColors.h"

namespace appui {

namespace {

// Input 0 ... 100 % along x, the values divided by `yScale` along y.
GraphSeries curveSeries(const std::vector<double>& values, double yScale, QString label) {
    GraphSeries series{std::move(label), {}};
    series.points.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        series.points.push_back({static_cast<double>(i) / 2.55, values[i] / yScale});
    return series;
}

GraphSeries inkSeries(const std::vector<double>& curve, const std::string& name) {
    return curveSeries(curve, 655.35, QString::fromStdString(name));
}

std::shared_ptr<charts::LineChartDataSet> curveSet(const GraphSeries& series, const QColor& color, double lineWidth) {
    auto set = std::make_shared<charts::LineChartDataSet>(entriesOf(series), series.label);
    set->setColors({color});
    set->setLineWidth(lineWidth);
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    return set;
}

} // namespace

const QColor& quadCurveColor(const std::string& name, std::size_t position) {
    if (!name.empty()) return inkDisplayColor(name);
    const auto& colors = inkDisplayColors();
    return position < colors.size() ? colors[position] : colors.front();
}

std::vector<GraphSeries> quadCurveSeries(const QuadCurves& curves, const std::vector<std::string>& inkList,
                                         const std::vector<double>* totalInkLoad) {
    std::vector<GraphSeries> series;
    const std::size_t count = std::min(curves.size(), inkList.size());
    for (std::size_t k = 0; k < count; ++k) series.push_back(inkSeries(curves[k], inkList[k]));
    if (totalInkLoad) series.push_back(curveSeries(*totalInkLoad, 1, QStringLiteral("Total")));
    return series;
}

std::vector<GraphSeries> allQuadCurvesSeries(const QuadCurves& curves, const std::vector<std::string>& inkList) {
    std::vector<GraphSeries> series;
    for (std::size_t k = 0; k < curves.size(); ++k)
        series.push_back(inkSeries(curves[k], k < inkList.size() ? inkList[k] : std::string()));
    return series;
}

std::shared_ptr<charts::LineChartData> quadCurveChartData(const std::vector<GraphSeries>& series, bool endsInTotal) {
    auto data = std::make_shared<charts::LineChartData>();
    for (std::size_t k = 0; k < series.size(); ++k) {
        if (endsInTotal && k + 1 == series.size()) {
            data->addDataSet(curveSet(series[k], inkDisplayColors().front(), 1));
        } else {
            data->addDataSet(curveSet(series[k], quadCurveColor(series[k].label.toStdString(), k), 2));
        }
    }
    return data;
}

std::shared_ptr<charts::LineChartData> quadCurveChartData(const QuadCurves& curves,
                                                          const std::vector<std::string>& inkList,
                                                          const std::vector<double>* totalInkLoad) {
    return quadCurveChartData(quadCurveSeries(curves, inkList, totalInkLoad), totalInkLoad != nullptr);
}

std::shared_ptr<charts::LineChartData> allQuadCurvesChartData(const QuadCurves& curves,
                                                              const std::vector<std::string>& inkList) {
    return quadCurveChartData(allQuadCurvesSeries(curves, inkList), false);
}

} // namespace appui
