#pragma once
// What the pixel tests of the kinds with x and y axes read of a view painted
// offscreen (painted_view.h): fixed ranges without legend and grid, colours
// and where they show.
#include <optional>

#include <QColor>
#include <QImage>
#include <QRect>

#include "Charts/views/BarLineChartViewBase.h"
#include "tests/charts/support/painted_view.h"

namespace charts::testing {

// A bar-line view showing x and y over fixed ranges, without legend and
// grid lines, so that only the data and the axis lines and labels are drawn.
inline void fixRanges(BarLineChartViewBase& view, double xMin, double xMax, double yMin, double yMax) {
    view.legend()->setEnabled(false);
    view.xAxis()->setAxisMinimum(xMin);
    view.xAxis()->setAxisMaximum(xMax);
    for (const auto& axis : {view.leftAxis(), view.rightAxis()}) {
        axis->setAxisMinimum(yMin);
        axis->setAxisMaximum(yMax);
        axis->setDrawGridLinesEnabled(false);
    }
    view.xAxis()->setDrawGridLinesEnabled(false);
}

// Whether a pixel is near a colour, each channel within the tolerance
// (anti-aliased edges blend into the background).
inline bool isNear(QRgb pixel, const QColor& color, int tolerance = 40) {
    return std::abs(qRed(pixel) - color.red()) <= tolerance && std::abs(qGreen(pixel) - color.green()) <= tolerance &&
           std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

// The smallest rectangle holding every pixel near the colour; none when no
// pixel is.
inline std::optional<QRect> boundsOfColour(const QImage& image, const QColor& color, int tolerance = 40) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isNear(image.pixel(x, y), color, tolerance)) bounds |= QRect(x, y, 1, 1);
    if (bounds.isNull()) return std::nullopt;
    return bounds;
}

} // namespace charts::testing
