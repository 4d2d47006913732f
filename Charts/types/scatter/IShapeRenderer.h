#pragma once
#include <QColor>

#include "Charts/drawing/Geometry.h"

namespace charts {

class DrawingContext;
class IScatterChartDataSet;
class ViewPortHandler;

// Draws one point of a scatter set as a shape centred on its pixel position,
// in the given colour; the set supplies the shape's size, hole and hole
// colour.
class IShapeRenderer {
public:
    virtual ~IShapeRenderer() = default;
    virtual void renderShape(DrawingContext& context, const IScatterChartDataSet& dataSet,
                             const ViewPortHandler& viewPortHandler, Point point, const QColor& color) = 0;

protected:
    IShapeRenderer() = default;
    IShapeRenderer(const IShapeRenderer&) = default;
    IShapeRenderer& operator=(const IShapeRenderer&) = default;
};

} // namespace charts
