#include "Charts/render/BarLineScatterCandleBubbleRenderer.h"

#include <cmath>
#include <limits>

#include "Charts/data/ILineFamilyDataSets.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartDataProvider.h"

namespace charts {

using XBounds = BarLineScatterCandleBubbleRenderer::XBounds;

namespace {

// The phase as the bounds use it: within 0 to 1, and 0 for a phase that is
// not a number (which would make the range's integer conversion undefined).
double clampedPhase(double phase) {
    if (!(phase >= 0)) return 0;
    return phase > 1 ? 1 : phase;
}

// The position of the entry a search at x finds, as a lookup of that entry's
// position would give it: among the entries of that x, the first one equal
// to it. A search that finds nothing gives 0.
std::int64_t boundIndex(const IChartDataSet& dataSet, double x, ChartDataSetRounding rounding) {
    std::int64_t index = dataSet.entryIndex(x, std::numeric_limits<double>::quiet_NaN(), rounding);
    if (index < 0) return 0;
    const ChartDataEntryPtr found = dataSet.entryForIndex(index);
    if (!found) return 0;
    // Equal entries share their x, so they lie in the run of that x.
    for (std::int64_t before = index - 1; before >= 0; --before) {
        const ChartDataEntryPtr entry = dataSet.entryForIndex(before);
        if (!entry || entry->x() != found->x()) break;
        if (entry->isEqual(found.get())) index = before;
    }
    return index;
}

} // namespace

XBounds::XBounds(const BarLineScatterCandleBubbleChartDataProvider& chart,
                 const IBarLineScatterCandleBubbleChartDataSet& dataSet, const Animator* animator) {
    set(chart, dataSet, animator);
}

void XBounds::set(const BarLineScatterCandleBubbleChartDataProvider& chart,
                  const IBarLineScatterCandleBubbleChartDataSet& dataSet, const Animator* animator) {
    set(chart.lowestVisibleX(), chart.highestVisibleX(), animator ? animator->phaseX() : 1.0, dataSet);
}

void XBounds::set(const CartesianFrame& frame, const IBarLineScatterCandleBubbleChartDataSet& dataSet) {
    set(frame.lowestVisibleX, frame.highestVisibleX, frame.phaseX, dataSet);
}

void XBounds::set(double lowestVisibleX, double highestVisibleX, double phaseX,
                  const IBarLineScatterCandleBubbleChartDataSet& dataSet) {
    min_ = boundIndex(dataSet, lowestVisibleX, ChartDataSetRounding::down);
    max_ = boundIndex(dataSet, highestVisibleX, ChartDataSetRounding::up);
    range_ = static_cast<std::int64_t>(static_cast<double>(max_ - min_) * clampedPhase(phaseX));
}

std::string XBounds::debugDescription() const {
    return "min:" + std::to_string(min_) + ", max:" + std::to_string(max_) + ", range:" + std::to_string(range_);
}

BarLineScatterCandleBubbleRenderer::BarLineScatterCandleBubbleRenderer(std::shared_ptr<Animator> animator,
                                                                       std::shared_ptr<ViewPortHandler> viewPortHandler)
    : DataRenderer(std::move(animator), std::move(viewPortHandler)) {}

BarLineScatterCandleBubbleRenderer::CallFrame::CallFrame(BarLineScatterCandleBubbleRenderer& renderer,
                                                         const BarLineScatterCandleBubbleChartDataProvider& chart)
    : renderer_(renderer),
      began_(!renderer.paintFrame_) {
    if (began_) renderer_.beginFrame(frameOf(chart, *renderer_.viewPortHandler(), *renderer_.animator()));
}

BarLineScatterCandleBubbleRenderer::CallFrame::~CallFrame() {
    if (began_) renderer_.endFrame();
}

bool BarLineScatterCandleBubbleRenderer::isInBoundsX(const ChartDataEntryPtr& entry,
                                                     const IBarLineScatterCandleBubbleChartDataSet& dataSet) const {
    const double index = static_cast<double>(dataSet.entryIndex(entry));
    return index < static_cast<double>(dataSet.entryCount()) * animator()->phaseX();
}

bool BarLineScatterCandleBubbleRenderer::shouldDrawValues(const IChartDataSet& dataSet) const {
    return dataSet.isVisible() && (dataSet.isDrawValuesEnabled() || dataSet.isDrawIconsEnabled());
}

} // namespace charts
