#include "Charts/combined/CombinedHighlighter.h"

#include "Charts/combined/CombinedChartData.h"
#include "Charts/combined/CombinedChartDataProvider.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarHighlighter.h"

namespace charts {

CombinedHighlighter::CombinedHighlighter(std::weak_ptr<ChartDataProvider> chart,
                                         const std::shared_ptr<BarChartDataProvider>& barProvider)
    : ChartHighlighter(std::move(chart)) {
    if (barProvider && barProvider->barData())
        barHighlighter_ = std::make_shared<BarHighlighter>(std::weak_ptr<ChartDataProvider>(barProvider));
}

std::vector<HighlightPtr> CombinedHighlighter::getHighlights(double xValue, double x, double y) {
    std::vector<HighlightPtr> found;
    const auto provider = std::dynamic_pointer_cast<CombinedChartDataProvider>(chart());
    const std::shared_ptr<CombinedChartData> combined = provider ? provider->combinedData() : nullptr;
    if (!combined) return found;
    const std::vector<std::shared_ptr<ChartData>> all = combined->allData();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int dataIndex = static_cast<int>(i);
        if (barHighlighter_ && std::dynamic_pointer_cast<BarChartData>(all[i])) {
            if (const HighlightPtr bar = barHighlighter_->getHighlight(x, y)) {
                bar->setDataIndex(dataIndex);
                found.push_back(bar);
                continue;
            }
        }
        for (int j = 0; j < all[i]->dataSetCount(); ++j) {
            const IChartDataSetPtr set = all[i]->getDataSetByIndex(j);
            if (!set || !set->isHighlightEnabled()) continue;
            for (const HighlightPtr& high : buildHighlights(*set, j, xValue, ChartDataSetRounding::closest)) {
                high->setDataIndex(dataIndex);
                found.push_back(high);
            }
        }
    }
    return found;
}

} // namespace charts
