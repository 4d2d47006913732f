#include "Charts/data/BarLineScatterCandleBubbleChartDataSet.h"

namespace charts {

BarLineScatterCandleBubbleChartDataSet::BarLineScatterCandleBubbleChartDataSet(DeferBounds, Entries entries,
                                                                               std::optional<QString> label)
    : ChartDataSet(DeferBounds{}, std::move(entries), std::move(label)),
      highlightColor_(QColor::fromRgbF(1.0f, 187.0f / 255.0f, 115.0f / 255.0f, 1.0f)) {}

BarLineScatterCandleBubbleChartDataSet::BarLineScatterCandleBubbleChartDataSet()
    : BarLineScatterCandleBubbleChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

BarLineScatterCandleBubbleChartDataSet::BarLineScatterCandleBubbleChartDataSet(Entries entries,
                                                                               std::optional<QString> label)
    : BarLineScatterCandleBubbleChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

std::shared_ptr<ChartBaseDataSet> BarLineScatterCandleBubbleChartDataSet::makeBlank() const {
    return std::make_shared<BarLineScatterCandleBubbleChartDataSet>();
}

void BarLineScatterCandleBubbleChartDataSet::copyInto(ChartBaseDataSet& target) const {
    ChartDataSet::copyInto(target);
    auto& copy = static_cast<BarLineScatterCandleBubbleChartDataSet&>(target);
    copy.setHighlightColor(highlightColor());
    copy.setHighlightLineWidth(highlightLineWidth());
    copy.setHighlightLineDashPhase(highlightLineDashPhase());
    copy.setHighlightLineDashLengths(highlightLineDashLengths());
}

} // namespace charts
