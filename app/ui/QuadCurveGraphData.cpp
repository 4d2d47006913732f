#include "app/ui/QuadCurveGraphData.h"

#include <algorithm>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/data/LineChartDataSet.h"
#include "app/ui/InkDisplayColors.h"

namespace appui {

namespace {

std::shared_ptr<charts::LineChartDataSet> curveSet(const std::vector<double>& values, double yScale,
                                                   const QString& label, const QColor& color, double lineWidth) {
    charts::LineChartDataSet::Entries points;
    points.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        points.push_back(std::make_shared<charts::ChartDataEntry>(static_cast<double>(i) / 2.55, values[i] / yScale));
    auto set = std::make_shared<charts::LineChartDataSet>(std::move(points), label);
    set->setColors({color});
    set->setLineWidth(lineWidth);
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    return set;
}

std::shared_ptr<charts::LineChartDataSet> inkSet(const std::vector<double>& curve, const std::string& name,
                                                 std::size_t position) {
    return curveSet(curve, 655.35, QString::fromStdString(name), quadCurveColor(name, position), 2);
}

} // namespace

const QColor& quadCurveColor(const std::string& name, std::size_t position) {
    if (!name.empty()) return inkDisplayColor(name);
    const auto& colors = inkDisplayColors();
    return position < colors.size() ? colors[position] : colors.front();
}

std::shared_ptr<charts::LineChartData> quadCurveChartData(const QuadCurves& curves,
                                                          const std::vector<std::string>& inkList,
                                                          const std::vector<double>* totalInkLoad) {
    auto data = std::make_shared<charts::LineChartData>();
    const std::size_t count = std::min(curves.size(), inkList.size());
    for (std::size_t k = 0; k < count; ++k) data->addDataSet(inkSet(curves[k], inkList[k], k));
    if (totalInkLoad)
        data->addDataSet(curveSet(*totalInkLoad, 1, QStringLiteral("Total"), inkDisplayColors().front(), 1));
    return data;
}

std::shared_ptr<charts::LineChartData> allQuadCurvesChartData(const QuadCurves& curves,
                                                              const std::vector<std::string>& inkList) {
    auto data = std::make_shared<charts::LineChartData>();
    for (std::size_t k = 0; k < curves.size(); ++k)
        data->addDataSet(inkSet(curves[k], k < inkList.size() ? inkList[k] : std::string(), k));
    return data;
}

} // namespace appui
