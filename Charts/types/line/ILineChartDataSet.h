#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>

#include "Charts/data/ILineFamilyDataSets.h"
#include "Charts/types/line/FillFormatter.h"

namespace charts {

// How a line chart joins its points.
enum class LineChartMode {
    linear = 0,           // straight segments from point to point
    stepped = 1,          // a horizontal run, then a vertical rise
    cubicBezier = 2,      // cubic Bezier shaped by the cubic intensity
    horizontalBezier = 3, // Bezier with both control points at the middle x
};

constexpr int rawValue(LineChartMode mode) { return static_cast<int>(mode); }

// Any integer other than 0 to 3 names no mode.
constexpr std::optional<LineChartMode> lineChartModeFromRawValue(int raw) {
    if (raw < 0 || raw > 3) return std::nullopt;
    return static_cast<LineChartMode>(raw);
}

// Line sets: drawing mode, curve intensity, circles, dashes, caps and where
// the filled area ends.
class ILineChartDataSet : public virtual ILineRadarChartDataSet {
public:
    virtual LineChartMode mode() const = 0;
    virtual void setMode(LineChartMode mode) = 0;
    // Always within 0.05 to 1.
    virtual double cubicIntensity() const = 0;
    virtual void setCubicIntensity(double intensity) = 0;
    virtual double circleRadius() const = 0;
    virtual void setCircleRadius(double radius) = 0;
    virtual double circleHoleRadius() const = 0;
    virtual void setCircleHoleRadius(double radius) = 0;
    virtual const std::vector<QColor>& circleColors() const = 0;
    virtual void setCircleColors(std::vector<QColor> colors) = 0;
    // The circle colour for an entry position, repeating along the entries
    // (positions below 0 count as 0); none while the list is empty.
    virtual std::optional<QColor> getCircleColor(std::int64_t index) const = 0;
    virtual void setCircleColor(const QColor& color) = 0;
    virtual void resetCircleColors(std::int64_t index) = 0;
    virtual bool drawCirclesEnabled() const = 0;
    virtual void setDrawCirclesEnabled(bool enabled) = 0;
    virtual bool isDrawCirclesEnabled() const = 0;
    virtual std::optional<QColor> circleHoleColor() const = 0;
    virtual void setCircleHoleColor(std::optional<QColor> color) = 0;
    virtual bool drawCircleHoleEnabled() const = 0;
    virtual void setDrawCircleHoleEnabled(bool enabled) = 0;
    virtual bool isDrawCircleHoleEnabled() const = 0;
    virtual double lineDashPhase() const = 0;
    // None draws the line solid.
    virtual std::optional<std::vector<double>> lineDashLengths() const = 0;
    virtual void setLineDashLengths(std::optional<std::vector<double>> lengths) = 0;
    virtual Qt::PenCapStyle lineCapType() const = 0;
    virtual void setLineCapType(Qt::PenCapStyle cap) = 0;
    // Never none: writing none installs a new default fill formatter.
    virtual std::shared_ptr<IFillFormatter> fillFormatter() const = 0;
    virtual void setFillFormatter(std::shared_ptr<IFillFormatter> formatter) = 0;
};

} // namespace charts
