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
