#include "Charts/types/scatter/ScatterChartDataSet.h"

#include "Charts/types/scatter/ShapeRenderers.h"

namespace charts {

ScatterChartDataSet::ScatterChartDataSet(DeferBounds, Entries entries, std::optional<QString> label)
    : LineScatterCandleRadarChartDataSet(DeferBounds{}, std::move(entries), std::move(label)),
      shapeRenderer_(std::make_shared<SquareShapeRenderer>()) {}

ScatterChartDataSet::ScatterChartDataSet() : ScatterChartDataSet(Entries{}, QStringLiteral("DataSet")) {}

ScatterChartDataSet::ScatterChartDataSet(Entries entries, std::optional<QString> label)
    : ScatterChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
    calcMinMax();
}

void ScatterChartDataSet::setScatterShape(Shape shape) { setShapeRenderer(renderer(shape)); }

std::shared_ptr<IShapeRenderer> ScatterChartDataSet::renderer(Shape shape) {
    switch (shape) {
    case Shape::square: return std::make_shared<SquareShapeRenderer>();
    case Shape::circle: return std::make_shared<CircleShapeRenderer>();
    case Shape::triangle: return std::make_shared<TriangleShapeRenderer>();
    case Shape::cross: return std::make_shared<CrossShapeRenderer>();
    case Shape::x: return std::make_shared<XShapeRenderer>();
    case Shape::chevronUp: return std::make_shared<ChevronUpShapeRenderer>();
    case Shape::chevronDown: return std::make_shared<ChevronDownShapeRenderer>();
    }
    // A value cast from a raw number outside the shapes (scatterShapeFromRaw
    // refuses those): no renderer, which the scatter renderer reports.
    return nullptr;
}

std::shared_ptr<ChartBaseDataSet> ScatterChartDataSet::makeBlank() const {
    return std::make_shared<ScatterChartDataSet>();
}

void ScatterChartDataSet::copyInto(ChartBaseDataSet& target) const {
    LineScatterCandleRadarChartDataSet::copyInto(target);
    auto& copy = static_cast<ScatterChartDataSet&>(target);
    copy.setScatterShapeSize(scatterShapeSize());
    copy.setScatterShapeHoleRadius(scatterShapeHoleRadius());
    copy.setScatterShapeHoleColor(scatterShapeHoleColor());
    copy.setShapeRenderer(shapeRenderer());
}

} // namespace charts
