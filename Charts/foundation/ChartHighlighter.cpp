#include "Charts/foundation/ChartHighlighter.h"

#include <cmath>
#include <limits>

#include "Charts/foundation/Transformer.h"

namespace charts {

HighlightPtr ChartHighlighter::getHighlight(double x, double y) {
    const Point values = getValsForTouch(x, y);
    return getHighlight(values.x, x, y);
}

Point ChartHighlighter::getValsForTouch(double x, double y) {
    const auto provider = std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataProvider>(chart_.lock());
    if (!provider) return Point{0, 0};
    const std::shared_ptr<Transformer> transformer = provider->getTransformer(YAxis::AxisDependency::left);
    if (!transformer) return Point{0, 0};
    return transformer->valueForTouchPoint(x, y);
}

HighlightPtr ChartHighlighter::getHighlight(double xValue, double x, double y) {
    const std::shared_ptr<ChartDataProvider> provider = chart_.lock();
    if (!provider) return nullptr;
    const std::vector<HighlightPtr> closestValues = getHighlights(xValue, x, y);
    if (closestValues.empty()) return nullptr;
    const double leftDistance = getMinimumDistance(closestValues, y, YAxis::AxisDependency::left);
    const double rightDistance = getMinimumDistance(closestValues, y, YAxis::AxisDependency::right);
    const YAxis::AxisDependency axis =
        leftDistance < rightDistance ? YAxis::AxisDependency::left : YAxis::AxisDependency::right;
    return closestSelectionDetailByPixel(closestValues, x, y, axis, provider->maxHighlightDistance());
}

double ChartHighlighter::getMinimumDistance(const std::vector<HighlightPtr>& closestValues, double y,
                                            YAxis::AxisDependency axis) const {
    double distance = std::numeric_limits<double>::max();
    for (const HighlightPtr& high : closestValues) {
        if (high->axis() != axis) continue;
        const double d = std::fabs(getHighlightPos(*high) - y);
        if (d < distance) distance = d;
    }
    return distance;
}

HighlightPtr ChartHighlighter::closestSelectionDetailByPixel(const std::vector<HighlightPtr>& closestValues, double x,
                                                             double y, YAxis::AxisDependency axis,
                                                             double minSelectionDistance) {
    HighlightPtr closest;
    double distance = minSelectionDistance;
    for (const HighlightPtr& high : closestValues) {
        if (high->axis() != axis) continue;
        const double d = getDistance(x, y, high->xPx(), high->yPx());
        if (d < distance) {
            closest = high;
            distance = d;
        }
    }
    return closest;
}

double ChartHighlighter::getDistance(double x1, double y1, double x2, double y2) {
    return std::hypot(x1 - x2, y1 - y2);
}

std::shared_ptr<ChartDataValues> ChartHighlighter::data() {
    const std::shared_ptr<ChartDataProvider> provider = chart_.lock();
    return provider ? provider->dataValues() : nullptr;
}

std::vector<HighlightPtr> ChartHighlighter::getHighlights(double xValue, double, double) {
    std::vector<HighlightPtr> values;
    const std::shared_ptr<ChartDataValues> chartData = data();
    if (!chartData) return values;
    for (int i = 0, count = chartData->dataSetCount(); i < count; ++i) {
        const std::shared_ptr<DataSetValues> dataSet = chartData->dataSetValues(i);
        if (!dataSet || !dataSet->isHighlightEnabled()) continue;
        std::vector<HighlightPtr> found = buildHighlights(*dataSet, i, xValue, ChartDataSetRounding::closest);
        values.insert(values.end(), found.begin(), found.end());
    }
    return values;
}

std::vector<HighlightPtr> ChartHighlighter::buildHighlights(const DataSetValues& dataSet, int dataSetIndex,
                                                            double xValue, ChartDataSetRounding rounding) {
    std::vector<HighlightPtr> result;
    const auto provider = std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataProvider>(chart_.lock());
    if (!provider) return result;
    std::vector<Point> values = dataSet.valuesForXValue(xValue);
    if (values.empty()) {
        if (const std::optional<double> closestX = dataSet.closestEntryX(xValue, rounding))
            values = dataSet.valuesForXValue(*closestX);
    }
    const YAxis::AxisDependency axis = dataSet.axisDependency();
    const std::shared_ptr<Transformer> transformer = provider->getTransformer(axis);
    if (!transformer) return result;
    for (const Point& value : values) {
        const Point pixel = highlightPixel(*transformer, value.x, value.y);
        result.push_back(std::make_shared<Highlight>(value.x, value.y, pixel.x, pixel.y, dataSetIndex, axis));
    }
    return result;
}

} // namespace charts
