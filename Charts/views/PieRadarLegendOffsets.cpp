#include "Charts/views/PieRadarLegendOffsets.h"

#include <algorithm>

#include "Charts/render/CircleGeometry.h"

namespace charts {

namespace {

using H = Legend::HorizontalAlignment;
using V = Legend::VerticalAlignment;

// A vertical legend at the left or right edge: how far it pushes the
// content in from that edge.
double verticalLegendXOffset(const PieRadarLegendInput& in, double fullLegendWidth) {
    if (in.horizontalAlignment != H::left && in.horizontalAlignment != H::right) return 0;
    if (in.verticalAlignment == V::center) return fullLegendWidth + 13.0;

    const double legendWidth = fullLegendWidth + 8.0;
    const double legendHeight = in.neededHeight + in.textHeightMax;
    const Point c = in.midPoint;
    const double bottomX =
        in.horizontalAlignment == H::right ? in.bounds.width - legendWidth + 15.0 : legendWidth - 15.0;
    const double bottomY = legendHeight + 15.0;
    const Point bottom{bottomX, bottomY};
    const double distLegend = distanceBetween(bottom, in.center);
    const Point reference = pointOnCircle(c, in.radius, angleOfPoint(in.center, bottom));
    const double distReference = distanceBetween(reference, in.center);

    if (bottomY >= c.y && in.bounds.height - legendWidth > in.bounds.width) return legendWidth;
    if (distLegend < distReference) return 5.0 + (distReference - distLegend);
    return 0;
}

} // namespace

ChartOffsets pieRadarLegendOffsets(const PieRadarLegendInput& in) {
    ChartOffsets offsets;
    if (!in.enabled || in.drawInside) return offsets;

    const double fullLegendWidth = std::min(in.neededWidth, in.chartWidth * in.maxSizePercent);
    if (in.orientation == Legend::Orientation::vertical) {
        const double xLegendOffset = verticalLegendXOffset(in, fullLegendWidth);
        switch (in.horizontalAlignment) {
        case H::left: offsets.left = xLegendOffset; break;
        case H::right: offsets.right = xLegendOffset; break;
        case H::center: {
            const double height = std::min(in.neededHeight, in.chartHeight * in.maxSizePercent);
            if (in.verticalAlignment == V::top) offsets.top = height;
            if (in.verticalAlignment == V::bottom) offsets.bottom = height;
            break;
        }
        }
    } else {
        double yLegendOffset = 0;
        if (in.verticalAlignment == V::top || in.verticalAlignment == V::bottom) {
            yLegendOffset = std::min(in.neededHeight + in.requiredLegendOffset, in.chartHeight * in.maxSizePercent);
        }
        if (in.verticalAlignment == V::top) offsets.top = yLegendOffset;
        if (in.verticalAlignment == V::bottom) offsets.bottom = yLegendOffset;
    }

    offsets.left += in.requiredBaseOffset;
    offsets.right += in.requiredBaseOffset;
    offsets.top += in.requiredBaseOffset;
    offsets.bottom += in.requiredBaseOffset;
    return offsets;
}

} // namespace charts
