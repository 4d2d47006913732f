#include "Charts/types/scatter/ScatterSetStyle.h"

#include "Charts/types/scatter/ShapeRenderers.h"

namespace charts {

ScatterSetStyle ScatterSetStyle::of(const IScatterChartDataSet& set) {
    ScatterSetStyle style;
    style.colors = ColorCycleStyle{set.colors(), set.color(0)};
    style.shape = ShapeMetrics::of(set);
    style.shapeRenderer = set.shapeRenderer();
    style.builtInShape = builtInShapeRenderer(style.shapeRenderer.get());
    style.values = ValueLabelStyle::of(set);
    return style;
}

} // namespace charts
