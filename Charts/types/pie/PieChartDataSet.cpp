#include "Charts/types/pie/PieChartDataSet.h"

#include <algorithm>

#include "Charts/foundation/PlatformStyle.h"
#include "Charts/types/pie/PieLegendEntries.h"

namespace charts {

PieChartDataSet::PieChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : ChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    setValueTextColor(QColor(255, 255, 255));
    setValueFont(systemFont(13));
}

PieChartDataSet::PieChartDataSet() : PieChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

PieChartDataSet::PieChartDataSet(Entries entries, std::optional<QString> label)
    : PieChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

void PieChartDataSet::setSliceSpace(double space) {
    // Written so that NaN ends at 0 as well.
    sliceSpace_ = std::max(std::min(space, 20.0), 0.0);
    if (!(sliceSpace_ >= 0)) sliceSpace_ = 0;
}

void PieChartDataSet::calcMinMax(const ChartDataEntry& entry) { calcMinMaxY(entry); }

void PieChartDataSet::appendLegendEntries(std::vector<LegendEntryPtr>& entries) const {
    appendPieLegendEntries(entries, *this);
}

std::shared_ptr<ChartBaseDataSet> PieChartDataSet::makeBlank() const { return std::make_shared<PieChartDataSet>(); }

void PieChartDataSet::copyInto(ChartBaseDataSet& target) const {
    ChartDataSet::copyInto(target);
    auto& copy = static_cast<PieChartDataSet&>(target);
    copy.sliceSpace_ = sliceSpace_;
    copy.automaticallyDisableSliceSpacing_ = automaticallyDisableSliceSpacing_;
    copy.selectionShift_ = selectionShift_;
    copy.xValuePosition_ = xValuePosition_;
    copy.yValuePosition_ = yValuePosition_;
    copy.valueLineColor_ = valueLineColor_;
    copy.useValueColorForLine_ = useValueColorForLine_;
    copy.valueLineWidth_ = valueLineWidth_;
    copy.valueLinePart1OffsetPercentage_ = valueLinePart1OffsetPercentage_;
    copy.valueLinePart1Length_ = valueLinePart1Length_;
    copy.valueLinePart2Length_ = valueLinePart2Length_;
    copy.valueLineVariableLength_ = valueLineVariableLength_;
    copy.entryLabelFont_ = entryLabelFont_;
    copy.entryLabelColor_ = entryLabelColor_;
    copy.highlightColor_ = highlightColor_;
}

} // namespace charts
