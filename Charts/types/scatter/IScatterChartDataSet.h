#pragma once
#include <memory>
#include <optional>

#include <QColor>

#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

class IShapeRenderer;

// Scatter sets: the shape every point is drawn as, its size and its hole.
class IScatterChartDataSet : public virtual ILineScatterCandleRadarChartDataSet {
public:
    // Edge (square, triangle), diameter (circle) or reach (lines), in points.
    virtual double scatterShapeSize() const = 0;
    // 0 draws the shape whole.
    virtual double scatterShapeHoleRadius() const = 0;
    // None leaves the hole empty.
    virtual std::optional<QColor> scatterShapeHoleColor() const = 0;
    // None draws no points (and says so once per set and frame).
    virtual std::shared_ptr<IShapeRenderer> shapeRenderer() const = 0;
};

} // namespace charts
