#include "Charts/render/CartesianFrame.h"

#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/foundation/ViewPortHandler.h"

namespace charts {

namespace {

std::optional<AffineTransform> matrixOf(const std::shared_ptr<Transformer>& transformer) {
    if (!transformer) return std::nullopt;
    return transformer->valueToPixelMatrix();
}

} // namespace

std::int64_t animatedEntryCount(std::int64_t entryCount, double phaseX) {
    if (entryCount <= 0 || !(phaseX > 0)) return 0;
    const double reached = std::ceil(static_cast<double>(entryCount) * phaseX);
    return reached >= static_cast<double>(entryCount) ? entryCount : static_cast<std::int64_t>(reached);
}

CartesianFrame frameOf(const BarLineScatterCandleBubbleChartDataProvider& chart, const ViewPortHandler& viewPort,
                       const Animator& animator) {
    CartesianFrame frame;
    frame.bounds.content = viewPort.contentRect();
    frame.leftValueToPixel = matrixOf(chart.getTransformer(YAxis::AxisDependency::left));
    frame.rightValueToPixel = matrixOf(chart.getTransformer(YAxis::AxisDependency::right));
    frame.lowestVisibleX = chart.lowestVisibleX();
    frame.highestVisibleX = chart.highestVisibleX();
    frame.phaseX = animator.phaseX();
    frame.phaseY = animator.phaseY();
    return frame;
}

} // namespace charts
