#pragma once
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

// One selected value: which data set, which x and y, and where it lies on
// screen. Unset positions are NaN, unset indexes -1. Shared by reference
// between the highlighter, the chart view's list and the markers.
class Highlight {
public:
    Highlight() = default;
    Highlight(double x, double y, double xPx, double yPx, int dataIndex, int dataSetIndex, int stackIndex,
              YAxis::AxisDependency axis)
        : x_(x),
          y_(y),
          xPx_(xPx),
          yPx_(yPx),
          dataIndex_(dataIndex),
          dataSetIndex_(dataSetIndex),
          stackIndex_(stackIndex),
          axis_(axis) {}
    // Data index 0.
    Highlight(double x, double y, double xPx, double yPx, int dataSetIndex, int stackIndex, YAxis::AxisDependency axis)
        : Highlight(x, y, xPx, yPx, 0, dataSetIndex, stackIndex, axis) {}
    // Data index and stack index stay -1.
    Highlight(double x, double y, double xPx, double yPx, int dataSetIndex, YAxis::AxisDependency axis)
        : x_(x),
          y_(y),
          xPx_(xPx),
          yPx_(yPx),
          dataSetIndex_(dataSetIndex),
          axis_(axis) {}
    // Pixel positions not set.
    Highlight(double x, double y, int dataSetIndex, int dataIndex = -1)
        : x_(x),
          y_(y),
          dataIndex_(dataIndex),
          dataSetIndex_(dataSetIndex) {}
    // A position in a stacked bar: y NaN, data index -1. A named factory, as a
    // constructor (double, int, int) would be chosen over the one above for
    // calls with integer literals.
    static Highlight forStack(double x, int dataSetIndex, int stackIndex) {
        Highlight h(x, std::numeric_limits<double>::quiet_NaN(), dataSetIndex, -1);
        h.stackIndex_ = stackIndex;
        return h;
    }
    virtual ~Highlight() = default;
    Highlight(const Highlight&) = default;
    Highlight& operator=(const Highlight&) = default;

    double x() const { return x_; }
    double y() const { return y_; }
    double xPx() const { return xPx_; }
    double yPx() const { return yPx_; }
    int dataIndex() const { return dataIndex_; }
    void setDataIndex(int index) { dataIndex_ = index; }
    int dataSetIndex() const { return dataSetIndex_; }
    int stackIndex() const { return stackIndex_; }
    bool isStacked() const { return stackIndex_ >= 0; }
    YAxis::AxisDependency axis() const { return axis_; }
    double drawX() const { return drawX_; }
    void setDrawX(double x) { drawX_ = x; }
    double drawY() const { return drawY_; }
    void setDrawY(double y) { drawY_ = y; }
    // Where the highlight (its marker) was drawn.
    void setDraw(double x, double y) {
        drawX_ = x;
        drawY_ = y;
    }
    void setDraw(const Point& pt) { setDraw(pt.x, pt.y); }

    std::string description() const;

    // Same x, y, data index, data-set index and stack index (a NaN x or y is
    // never equal, except to the very same object); axis and pixels do not
    // count. None is never equal.
    virtual bool isEqual(const Highlight* other) const;

protected:
    double x_ = std::numeric_limits<double>::quiet_NaN();
    double y_ = std::numeric_limits<double>::quiet_NaN();
    double xPx_ = std::numeric_limits<double>::quiet_NaN();
    double yPx_ = std::numeric_limits<double>::quiet_NaN();
    int dataIndex_ = -1;
    int dataSetIndex_ = 0;
    int stackIndex_ = -1;
    YAxis::AxisDependency axis_ = YAxis::AxisDependency::left;
    double drawX_ = 0;
    double drawY_ = 0;
};

using HighlightPtr = std::shared_ptr<Highlight>;

// The entry index a highlight's x names where entries are found by their
// position (pie slices, radar spokes, candles, bubbles): x truncated toward
// zero. None for an x that is not finite or lies outside the 64-bit
// integers, which names no position at all.
inline std::optional<std::int64_t> entryIndexForX(double x) {
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!std::isfinite(x) || x >= limit || x < -limit) return std::nullopt;
    return static_cast<std::int64_t>(std::trunc(x));
}

// A value interval open below and closed above (stacked bar entries).
class Range {
public:
    Range(double from, double to) : from_(from), to_(to) {}
    virtual ~Range() = default;
    Range(const Range&) = default;
    Range& operator=(const Range&) = default;

    double from() const { return from_; }
    void setFrom(double from) { from_ = from; }
    double to() const { return to_; }
    void setTo(double to) { to_ = to; }
    // from < value <= to; false for NaN.
    virtual bool contains(double value) const { return from_ < value && value <= to_; }
    virtual bool isLarger(double value) const { return value > to_; }
    virtual bool isSmaller(double value) const { return value < from_; }

private:
    double from_;
    double to_;
};

} // namespace charts
