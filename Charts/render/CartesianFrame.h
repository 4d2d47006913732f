#pragma once
#include <cmath>
#include <cstdint>
#include <optional>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

class Animator;
class BarLineScatterCandleBubbleChartDataProvider;
class ViewPortHandler;

// The content rectangle as the culling of a draw loop sees it: the view
// port's edge tests (ViewPortHandler::isInBounds...) made on a value, so a
// loop over many points compares numbers instead of asking the view port for
// each one. The rules are the view port's own, rounding included: a point
// counts as inside the left and right edges up to a pixel beyond them, and
// the right and bottom tests cut the coordinate to hundredths first.
struct ContentBounds {
    Rect content;

    bool isInBoundsLeft(double x) const { return content.x() <= x + 1; }
    bool isInBoundsRight(double x) const {
        const double right = content.x() + content.width();
        // Short of the edge the cut to hundredths cannot carry a point past
        // it (for any content nearer than 2^40 pixels), and the loops are
        // spared a division per point.
        if (x <= right && std::fabs(right) < nearLimit) return true;
        return right >= std::floor(x * 100) / 100 - 1;
    }
    bool isInBoundsTop(double y) const { return y >= content.y(); }
    bool isInBoundsBottom(double y) const {
        const double bottom = content.y() + content.height();
        if (y <= bottom - 0.01 && std::fabs(bottom) < nearLimit) return true;
        return bottom >= std::floor(y * 100) / 100;
    }
    bool isInBoundsX(double x) const { return isInBoundsLeft(x) && isInBoundsRight(x); }
    bool isInBoundsY(double y) const { return isInBoundsTop(y) && isInBoundsBottom(y); }

    friend bool operator==(const ContentBounds&, const ContentBounds&) = default;

private:
    static constexpr double nearLimit = 1099511627776.0; // 2^40
};

// What every renderer of a chart with x and y axes reads of its chart for one
// paint, as one value: the content rectangle, the value-to-pixel transform of
// each y axis, the visible x range (from which each data set's visible index
// range follows, see XBounds) and the animation's phases. The chart view
// makes it once per paint, after the axes are computed, and hands it to its
// data renderer for that paint (FrameScope); a renderer called outside a
// paint of its view reads one from its chart itself (frameOf).
//
// Nothing in it refers back to the chart, so the draw loops read plain
// numbers.
struct CartesianFrame {
    ContentBounds bounds;
    // None for an axis whose chart has no transformer: sets on that axis are
    // not drawn.
    std::optional<AffineTransform> leftValueToPixel;
    std::optional<AffineTransform> rightValueToPixel;
    double lowestVisibleX = 0;
    double highestVisibleX = 0;
    // As the animator gives them (not clamped).
    double phaseX = 1;
    double phaseY = 1;

    const Rect& content() const { return bounds.content; }
    const std::optional<AffineTransform>& valueToPixel(YAxis::AxisDependency axis) const {
        return axis == YAxis::AxisDependency::left ? leftValueToPixel : rightValueToPixel;
    }

    friend bool operator==(const CartesianFrame&, const CartesianFrame&) = default;
};

// The entries an animation at phaseX has reached: ceil(count × phaseX), at
// most count; none for a phase that is not a positive number. The kinds
// that draw entries by position from the first (bars, scatter points) stop
// there.
std::int64_t animatedEntryCount(std::int64_t entryCount, double phaseX);

// The frame of the chart as it stands: its transformers' matrices, its
// visible x range, the view port's content and the animator's phases.
CartesianFrame frameOf(const BarLineScatterCandleBubbleChartDataProvider& chart, const ViewPortHandler& viewPort,
                       const Animator& animator);

} // namespace charts
