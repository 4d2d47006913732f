#include "Charts/data/LineScatterCandleRadarChartDataSet.h"

namespace charts {

LineScatterCandleRadarChartDataSet::LineScatterCandleRadarChartDataSet(DeferBounds, Entries entries,
                                                                       std::optional<QString> label)
    : BarLineScatterCandleBubbleChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {}

LineScatterCandleRadarChartDataSet::LineScatterCandleRadarChartDataSet()
    : LineScatterCandleRadarChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

LineScatterCandleRadarChartDataSet::LineScatterCandleRadarChartDataSet(Entries entries, std::optional<QString> label)
    : LineScatterCandleRadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

void LineScatterCandleRadarChartDataSet::setDrawHighlightIndicators(bool enabled) {
    setDrawHorizontalHighlightIndicatorEnabled(enabled);
    setDrawVerticalHighlightIndicatorEnabled(enabled);
}

std::shared_ptr<ChartBaseDataSet> LineScatterCandleRadarChartDataSet::makeBlank() const {
    return std::make_shared<LineScatterCandleRadarChartDataSet>();
}

void LineScatterCandleRadarChartDataSet::copyInto(ChartBaseDataSet& target) const {
    BarLineScatterCandleBubbleChartDataSet::copyInto(target);
    auto& copy = static_cast<LineScatterCandleRadarChartDataSet&>(target);
    copy.setDrawHorizontalHighlightIndicatorEnabled(drawHorizontalHighlightIndicatorEnabled());
    copy.setDrawVerticalHighlightIndicatorEnabled(drawVerticalHighlightIndicatorEnabled());
}

} // namespace charts
