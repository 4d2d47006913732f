#include "Charts/types/radar/RadarChartDataSet.h"

#include "Charts/foundation/PlatformStyle.h"

namespace charts {

RadarChartDataSet::RadarChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : LineRadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    setValueFont(systemFont(13));
}

RadarChartDataSet::RadarChartDataSet() : RadarChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

RadarChartDataSet::RadarChartDataSet(Entries entries, std::optional<QString> label)
    : RadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

std::shared_ptr<ChartBaseDataSet> RadarChartDataSet::makeBlank() const { return std::make_shared<RadarChartDataSet>(); }

void RadarChartDataSet::copyInto(ChartBaseDataSet& target) const {
    LineRadarChartDataSet::copyInto(target);
    auto& copy = static_cast<RadarChartDataSet&>(target);
    copy.drawHighlightCircleEnabled_ = drawHighlightCircleEnabled_;
    copy.highlightCircleFillColor_ = highlightCircleFillColor_;
    copy.highlightCircleStrokeColor_ = highlightCircleStrokeColor_;
    copy.highlightCircleStrokeAlpha_ = highlightCircleStrokeAlpha_;
    copy.highlightCircleInnerRadius_ = highlightCircleInnerRadius_;
    copy.highlightCircleOuterRadius_ = highlightCircleOuterRadius_;
    copy.highlightCircleStrokeWidth_ = highlightCircleStrokeWidth_;
}

} // namespace charts
