#pragma once
#include <memory>

#include "Charts/render/DataSetStyles.h"
#include "Charts/types/scatter/IScatterChartDataSet.h"
#include "Charts/types/scatter/ShapeGeometry.h"

namespace charts {

class IShapeRenderer;
class ShapeRenderer;

// A scatter set's look, read from the set once per set and frame: what the
// scatter renderer's draw loops read instead of the set's getters.
struct ScatterSetStyle {
    // The colour of each point.
    ColorCycleStyle colors;
    ShapeMetrics shape;
    // None: the set is not drawn.
    std::shared_ptr<IShapeRenderer> shapeRenderer;
    // The same renderer when it is one of the built-in classes itself, which
    // draws straight from the metrics above instead of asking the set for
    // them at every point. A caller's class derived from one is not: its
    // renderShape is called for every point.
    const ShapeRenderer* builtInShape = nullptr;
    ValueLabelStyle values;

    static ScatterSetStyle of(const IScatterChartDataSet& set);
};

} // namespace charts
