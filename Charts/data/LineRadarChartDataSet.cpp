#include "Charts/data/LineRadarChartDataSet.h"

#include <algorithm>
#include <cmath>

namespace charts {

LineRadarChartDataSet::LineRadarChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : LineScatterCandleRadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)),
      fillColor_(defaultDataSetColor()) {}

LineRadarChartDataSet::LineRadarChartDataSet() : LineRadarChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

LineRadarChartDataSet::LineRadarChartDataSet(Entries entries, std::optional<QString> label)
    : LineRadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

void LineRadarChartDataSet::setFillColor(const QColor& color) {
    fillColor_ = color;
    fill_ = nullptr;
}

void LineRadarChartDataSet::setLineWidth(double width) {
    // NaN is no width; it leaves the line as it was.
    if (std::isnan(width)) return;
    lineWidth_ = std::clamp(width, 0.0, 10.0);
}

std::shared_ptr<ChartBaseDataSet> LineRadarChartDataSet::makeBlank() const {
    return std::make_shared<LineRadarChartDataSet>();
}

void LineRadarChartDataSet::copyInto(ChartBaseDataSet& target) const {
    LineScatterCandleRadarChartDataSet::copyInto(target);
    auto& copy = static_cast<LineRadarChartDataSet&>(target);
    copy.setFill(fill());
    copy.setFillAlpha(fillAlpha());
    // Stored as they are: writing the colour through its setter would drop
    // the copied fill.
    copy.fillColor_ = fillColor_;
    copy.lineWidth_ = lineWidth_;
    copy.setDrawFilledEnabled(drawFilledEnabled());
}

} // namespace charts
