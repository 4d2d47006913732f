#pragma once
#include <memory>
#include <optional>

#include <QColor>

#include "Charts/data/LineScatterCandleRadarChartDataSet.h"
#include "Charts/types/scatter/IScatterChartDataSet.h"
#include "Charts/types/scatter/ScatterShape.h"

namespace charts {

// A scatter chart's data set: every point drawn as the same shape, 10 points
// square by default, optionally with a hole.
class ScatterChartDataSet : public LineScatterCandleRadarChartDataSet, public virtual IScatterChartDataSet {
public:
    using Shape = ScatterShape;

    ScatterChartDataSet();
    ScatterChartDataSet(Entries entries, std::optional<QString> label);

    double scatterShapeSize() const override { return scatterShapeSize_; }
    virtual void setScatterShapeSize(double size) { scatterShapeSize_ = size; }
    double scatterShapeHoleRadius() const override { return scatterShapeHoleRadius_; }
    virtual void setScatterShapeHoleRadius(double radius) { scatterShapeHoleRadius_ = radius; }
    std::optional<QColor> scatterShapeHoleColor() const override { return scatterShapeHoleColor_; }
    virtual void setScatterShapeHoleColor(std::optional<QColor> color) { scatterShapeHoleColor_ = std::move(color); }
    std::shared_ptr<IShapeRenderer> shapeRenderer() const override { return shapeRenderer_; }
    virtual void setShapeRenderer(std::shared_ptr<IShapeRenderer> renderer) { shapeRenderer_ = std::move(renderer); }

    // A new renderer of the shape.
    virtual void setScatterShape(Shape shape);
    static std::shared_ptr<IShapeRenderer> renderer(Shape shape);

protected:
    ScatterChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    // The copy shares the shape renderer object.
    void copyInto(ChartBaseDataSet& target) const override;

private:
    double scatterShapeSize_ = 10.0;
    double scatterShapeHoleRadius_ = 0.0;
    std::optional<QColor> scatterShapeHoleColor_;
    std::shared_ptr<IShapeRenderer> shapeRenderer_;
};

} // namespace charts
