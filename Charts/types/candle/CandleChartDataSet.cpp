#include "Charts/types/candle/CandleChartDataSet.h"

#include <algorithm>
#include <cmath>

#include "Charts/types/candle/CandleChartDataEntry.h"
#include "Charts/types/candle/CandleLegendEntries.h"

namespace charts {

CandleChartDataSet::CandleChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : LineScatterCandleRadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {}

CandleChartDataSet::CandleChartDataSet() : CandleChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

CandleChartDataSet::CandleChartDataSet(Entries entries, std::optional<QString> label)
    : CandleChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

void CandleChartDataSet::calcMinMax(const ChartDataEntry& entry) {
    const auto* candle = dynamic_cast<const CandleChartDataEntry*>(&entry);
    if (!candle) return;
    if (yMin_ > candle->low()) yMin_ = candle->low();
    if (candle->high() > yMax_) yMax_ = candle->high();
    calcMinMaxX(entry);
}

void CandleChartDataSet::calcMinMaxY(const ChartDataEntry& entry) {
    const auto* candle = dynamic_cast<const CandleChartDataEntry*>(&entry);
    if (!candle) return;
    for (const double price : {candle->high(), candle->low()}) {
        if (yMin_ > price) yMin_ = price;
        if (price > yMax_) yMax_ = price;
    }
}

void CandleChartDataSet::setBarSpace(double space) {
    barSpace_ = std::isnan(space) ? space : std::min(0.45, std::max(0.0, space));
}

void CandleChartDataSet::appendLegendEntries(std::vector<LegendEntryPtr>& entries) const {
    appendCandleLegendEntries(entries, *this);
}

std::shared_ptr<ChartBaseDataSet> CandleChartDataSet::makeBlank() const {
    return std::make_shared<CandleChartDataSet>();
}

void CandleChartDataSet::copyInto(ChartBaseDataSet& target) const {
    LineScatterCandleRadarChartDataSet::copyInto(target);
    auto& copy = static_cast<CandleChartDataSet&>(target);
    copy.setBarSpace(barSpace());
    copy.setShowCandleBar(showCandleBar());
    copy.setShadowWidth(shadowWidth());
    copy.setShadowColor(shadowColor());
    copy.setShadowColorSameAsCandle(shadowColorSameAsCandle());
    copy.setNeutralColor(neutralColor());
    copy.setIncreasingColor(increasingColor());
    copy.setDecreasingColor(decreasingColor());
    copy.setIncreasingFilled(increasingFilled());
    copy.setDecreasingFilled(decreasingFilled());
}

} // namespace charts
