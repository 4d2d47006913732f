#include "Charts/render/AxisLabelGeometry.h"

#include <cmath>

#include "Charts/drawing/TextAttributes.h"

namespace charts {

Size rotatedSize(Size size, double angleRadians) {
    const double cosine = std::cos(angleRadians);
    const double sine = std::sin(angleRadians);
    return Size{std::fabs(size.width * cosine) + std::fabs(size.height * sine),
                std::fabs(size.width * sine) + std::fabs(size.height * cosine)};
}

std::vector<LabelRow> xAxisLabelRows(XAxis::LabelPosition position, double contentTop, double contentBottom,
                                     double yOffset, double labelRotatedHeight) {
    const Point above{0.5, 1.0};
    const Point below{0.5, 0.0};
    switch (position) {
    case XAxis::LabelPosition::top: return {{contentTop - yOffset, above}};
    case XAxis::LabelPosition::topInside: return {{contentTop + yOffset + labelRotatedHeight, above}};
    case XAxis::LabelPosition::bottom: return {{contentBottom + yOffset, below}};
    case XAxis::LabelPosition::bottomInside: return {{contentBottom - yOffset - labelRotatedHeight, below}};
    case XAxis::LabelPosition::bothSided: return {{contentTop - yOffset, above}, {contentBottom + yOffset, below}};
    }
    return {};
}

double avoidClippingShift(std::int64_t index, std::int64_t count, double pixelX, double labelWidth, double offsetRight,
                          double chartWidth) {
    if (index == count - 1 && count > 1) {
        if (labelWidth > offsetRight * 2 && pixelX + labelWidth > chartWidth) return -labelWidth / 2;
        return 0;
    }
    if (index == 0) return labelWidth / 2;
    return 0;
}

Point anchoredLabelOrigin(double x, double y, Size size, Point anchor) {
    return Point{x - anchor.x * size.width, y - anchor.y * size.height};
}

Point rotatedLabelCenter(double x, double y, Size size, Point anchor, double angleRadians) {
    Point center{x, y};
    if (anchor.x != 0.5 || anchor.y != 0.5) {
        const Size rotated = rotatedSize(size, angleRadians);
        center.x -= rotated.width * (anchor.x - 0.5);
        center.y -= rotated.height * (anchor.y - 0.5);
    }
    return center;
}

Point xLimitLineLabelOrigin(ChartLimitLine::LabelPosition position, double lineX, double xOffset, double yOffset,
                            double textWidth, double labelLineHeight, double contentTop, double contentBottom) {
    switch (position) {
    case ChartLimitLine::LabelPosition::topRight: return Point{lineX + xOffset, contentTop + yOffset};
    case ChartLimitLine::LabelPosition::bottomRight:
        return Point{lineX + xOffset, contentBottom - labelLineHeight - yOffset};
    case ChartLimitLine::LabelPosition::topLeft: return Point{lineX - xOffset - textWidth, contentTop + yOffset};
    case ChartLimitLine::LabelPosition::bottomLeft:
        return Point{lineX - xOffset - textWidth, contentBottom - labelLineHeight - yOffset};
    }
    return Point{lineX + xOffset, contentTop + yOffset};
}

Point yLimitLineLabelOrigin(ChartLimitLine::LabelPosition position, double lineY, double xOffset, double yOffset,
                            double textWidth, double labelLineHeight, double contentLeft, double contentRight) {
    switch (position) {
    case ChartLimitLine::LabelPosition::topRight: return Point{contentRight - xOffset - textWidth, lineY - yOffset};
    case ChartLimitLine::LabelPosition::bottomRight:
        return Point{contentRight - xOffset - textWidth, lineY + yOffset - labelLineHeight};
    case ChartLimitLine::LabelPosition::topLeft: return Point{contentLeft + xOffset, lineY - yOffset};
    case ChartLimitLine::LabelPosition::bottomLeft:
        return Point{contentLeft + xOffset, lineY + yOffset - labelLineHeight};
    }
    return Point{contentRight - xOffset - textWidth, lineY - yOffset};
}

LabelColumn yAxisLabelColumn(YAxis::AxisDependency dependency, YAxis::LabelPosition position, double offsetLeft,
                             double contentRight, double xOffset) {
    const bool outside = position == YAxis::LabelPosition::outsideChart;
    if (dependency == YAxis::AxisDependency::left) {
        return outside ? LabelColumn{offsetLeft - xOffset, TextAlignment::right}
                       : LabelColumn{offsetLeft + xOffset, TextAlignment::left};
    }
    return outside ? LabelColumn{contentRight + xOffset, TextAlignment::left}
                   : LabelColumn{contentRight - xOffset, TextAlignment::right};
}

} // namespace charts
