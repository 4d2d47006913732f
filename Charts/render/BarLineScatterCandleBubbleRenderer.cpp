#include "Charts/render/BarLineScatterCandleBubbleRenderer.h"

namespace charts {

using XBounds = BarLineScatterCandleBubbleRenderer::XBounds;

XBounds::XBounds(const BarLineScatterCandleBubbleChartDataProvider& chart,
                 const IBarLineScatterCandleBubbleChartDataSet& dataSet, const Animator* animator) {
    set(chart, dataSet, animator);
}

void XBounds::set(const BarLineScatterCandleBubbleChartDataProvider&, const IBarLineScatterCandleBubbleChartDataSet&,
                  const Animator*) {}

std::string XBounds::debugDescription() const {
    return "min:" + std::to_string(min_) + ", max:" + std::to_string(max_) + ", range:" + std::to_string(range_);
}

BarLineScatterCandleBubbleRenderer::BarLineScatterCandleBubbleRenderer(std::shared_ptr<Animator> animator,
                                                                       std::shared_ptr<ViewPortHandler> viewPortHandler)
    : DataRenderer(std::move(animator), std::move(viewPortHandler)) {}

bool BarLineScatterCandleBubbleRenderer::isInBoundsX(const ChartDataEntryPtr&,
                                                     const IBarLineScatterCandleBubbleChartDataSet&) const {
    return false;
}

bool BarLineScatterCandleBubbleRenderer::shouldDrawValues(const IChartDataSet&) const { return false; }

} // namespace charts
