#pragma once
#include "Charts/types/scatter/IShapeRenderer.h"
#include "Charts/types/scatter/ShapeGeometry.h"

namespace charts {

// The seven built-in shapes. Each reads the set's shape metrics and draws
// from them (draw()); the scatter renderer reads the metrics once per set
// and calls draw() for every point. None of them uses the view port.
class ShapeRenderer : public IShapeRenderer {
public:
    void renderShape(DrawingContext& context, const IScatterChartDataSet& dataSet,
                     const ViewPortHandler& viewPortHandler, Point point, const QColor& color) override;
    // One point of a set of these metrics, in the colour.
    virtual void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const = 0;
};

// A filled square; with a hole, a square ring, its hole filled in the hole
// colour when there is one.
class SquareShapeRenderer : public ShapeRenderer {
public:
    void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const override;
};

// The square's circle: a filled disc, or a ring.
class CircleShapeRenderer : public ShapeRenderer {
public:
    void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const override;
};

// A filled upright triangle; with a hole, a triangular ring (the inner
// triangle runs the other way round, so the non-zero fill leaves it empty),
// its hole filled in the hole colour when there is one.
class TriangleShapeRenderer : public ShapeRenderer {
public:
    void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const override;
};

// The line shapes, stroked one point wide.
class CrossShapeRenderer : public ShapeRenderer {
public:
    void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const override;
};

class XShapeRenderer : public ShapeRenderer {
public:
    void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const override;
};

class ChevronUpShapeRenderer : public ShapeRenderer {
public:
    void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const override;
};

class ChevronDownShapeRenderer : public ShapeRenderer {
public:
    void draw(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color) const override;
};

// The renderer as a built-in shape when its class is one of the seven above
// itself, none otherwise (a class derived from one may draw otherwise).
const ShapeRenderer* builtInShapeRenderer(const IShapeRenderer* renderer);

} // namespace charts
