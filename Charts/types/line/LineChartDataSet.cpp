#include "Charts/types/line/LineChartDataSet.h"

#include <algorithm>
#include <cmath>

#include "Charts/data/ColorCycle.h"

namespace charts {

LineChartDataSet::LineChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : LineRadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)),
      fillFormatter_(std::make_shared<DefaultFillFormatter>()) {
    circleColors_.push_back(defaultDataSetColor());
}

LineChartDataSet::LineChartDataSet() : LineChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

LineChartDataSet::LineChartDataSet(Entries entries, std::optional<QString> label)
    : LineChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

void LineChartDataSet::setCubicIntensity(double intensity) {
    // NaN is no intensity; it leaves the curve as it was.
    if (std::isnan(intensity)) return;
    cubicIntensity_ = std::clamp(intensity, 0.05, 1.0);
}

std::optional<QColor> LineChartDataSet::getCircleColor(std::int64_t index) const {
    return cyclicColor(circleColors(), index);
}

void LineChartDataSet::setCircleColor(const QColor& color) { setCircleColors({color}); }

void LineChartDataSet::resetCircleColors(std::int64_t) { setCircleColors({}); }

void LineChartDataSet::setFillFormatter(std::shared_ptr<IFillFormatter> formatter) {
    fillFormatter_ = formatter != nullptr ? std::move(formatter) : std::make_shared<DefaultFillFormatter>();
}

std::shared_ptr<ChartBaseDataSet> LineChartDataSet::makeBlank() const { return std::make_shared<LineChartDataSet>(); }

void LineChartDataSet::copyInto(ChartBaseDataSet& target) const {
    LineRadarChartDataSet::copyInto(target);
    auto& copy = static_cast<LineChartDataSet&>(target);
    copy.setCircleColors(circleColors());
    copy.setCircleHoleColor(circleHoleColor());
    copy.setCircleRadius(circleRadius());
    copy.setCircleHoleRadius(circleHoleRadius());
    copy.setCubicIntensity(cubicIntensity());
    copy.setLineDashPhase(lineDashPhase());
    copy.setLineDashLengths(lineDashLengths());
    copy.setLineCapType(lineCapType());
    copy.setDrawCirclesEnabled(drawCirclesEnabled());
    copy.setDrawCircleHoleEnabled(drawCircleHoleEnabled());
    copy.setMode(mode());
    copy.fillFormatter_ = fillFormatter_;
}

} // namespace charts
