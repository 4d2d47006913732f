#include "Charts/types/bubble/BubbleChartDataSet.h"

#include "Charts/types/bubble/BubbleChartDataEntry.h"

namespace charts {

BubbleChartDataSet::BubbleChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : BarLineScatterCandleBubbleChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {}

BubbleChartDataSet::BubbleChartDataSet() : BubbleChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

BubbleChartDataSet::BubbleChartDataSet(Entries entries, std::optional<QString> label)
    : BubbleChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

void BubbleChartDataSet::calcMinMax(const ChartDataEntry& entry) {
    const auto* bubble = dynamic_cast<const BubbleChartDataEntry*>(&entry);
    if (!bubble) return;
    calcMinMaxX(entry);
    calcMinMaxY(entry);
    if (bubble->size() > maxSize_) maxSize_ = bubble->size();
}

std::shared_ptr<ChartBaseDataSet> BubbleChartDataSet::makeBlank() const {
    return std::make_shared<BubbleChartDataSet>();
}

void BubbleChartDataSet::copyInto(ChartBaseDataSet& target) const {
    BarLineScatterCandleBubbleChartDataSet::copyInto(target);
    auto& copy = static_cast<BubbleChartDataSet&>(target);
    copy.maxSize_ = maxSize_;
    copy.setNormalizeSizeEnabled(normalizeSizeEnabled());
    copy.setHighlightCircleWidth(highlightCircleWidth());
}

} // namespace charts
