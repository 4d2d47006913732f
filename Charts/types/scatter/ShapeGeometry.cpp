#include "Charts/types/scatter/ShapeGeometry.h"

#include "Charts/types/scatter/IScatterChartDataSet.h"

namespace charts {

ShapeMetrics ShapeMetrics::of(const IScatterChartDataSet& set) {
    return ShapeMetrics{set.scatterShapeSize(), set.scatterShapeHoleRadius(), set.scatterShapeHoleColor()};
}

} // namespace charts
