#include "Charts/types/bar/BarChartDataSet.h"

#include <cmath>

#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarLegendEntries.h"

namespace charts {

BarChartDataSet::BarChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : BarLineScatterCandleBubbleChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {}

BarChartDataSet::BarChartDataSet() : BarChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

BarChartDataSet::BarChartDataSet(Entries entries, std::optional<QString> label)
    : BarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
    setUpBars();
}

void BarChartDataSet::setUpBars() {
    setHighlightColor(QColor(Qt::black));
    entryCountStacks_ = 0;
    for (const ChartDataEntryPtr& entry : entries()) {
        const BarChartDataEntry* bar = asBarEntry(entry.get());
        if (!bar) continue;
        const std::optional<BarChartDataEntry::Values>& values = bar->yValues();
        if (!values) {
            ++entryCountStacks_;
            continue;
        }
        const auto count = static_cast<std::int64_t>(values->size());
        entryCountStacks_ += count;
        if (count > stackSize_) stackSize_ = count;
    }
}

void BarChartDataSet::calcMinMax(const ChartDataEntry& entry) {
    const BarChartDataEntry* bar = asBarEntry(&entry);
    if (!bar || std::isnan(bar->y())) return;
    const double low = bar->yValues() ? -bar->negativeSum() : bar->y();
    const double high = bar->yValues() ? bar->positiveSum() : bar->y();
    if (low < yMin_) yMin_ = low;
    if (high > yMax_) yMax_ = high;
    calcMinMaxX(entry);
}

void BarChartDataSet::appendLegendEntries(std::vector<LegendEntryPtr>& entries) const {
    appendBarLegendEntries(entries, *this);
}

std::shared_ptr<ChartBaseDataSet> BarChartDataSet::makeBlank() const { return std::make_shared<BarChartDataSet>(); }

void BarChartDataSet::copyInto(ChartBaseDataSet& target) const {
    BarLineScatterCandleBubbleChartDataSet::copyInto(target);
    auto& copy = static_cast<BarChartDataSet&>(target);
    copy.stackSize_ = stackSize_;
    copy.entryCountStacks_ = entryCountStacks_;
    copy.setStackLabels(stackLabels());
    copy.setBarShadowColor(barShadowColor());
    copy.setBarBorderWidth(barBorderWidth());
    copy.setBarBorderColor(barBorderColor());
    copy.setHighlightAlpha(highlightAlpha());
}

} // namespace charts
