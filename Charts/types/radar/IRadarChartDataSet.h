#pragma once
#include <optional>

#include <QColor>

#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

// Radar sets: a closed polygon with the line and fill of their family, and
// the circle drawn around a highlighted entry. Entries are addressed by
// their position in the set: entry i lies on spoke i.
class IRadarChartDataSet : public virtual ILineRadarChartDataSet {
public:
    virtual bool drawHighlightCircleEnabled() const = 0;
    virtual bool isDrawHighlightCircleEnabled() const = 0;
    // Fill of the ring between the inner and outer radius; none draws no
    // fill.
    virtual std::optional<QColor> highlightCircleFillColor() const = 0;
    // Outline of the circle; none means the set's first colour.
    virtual std::optional<QColor> highlightCircleStrokeColor() const = 0;
    // Applied to the outline's colour when below 1.
    virtual double highlightCircleStrokeAlpha() const = 0;
    // 0 or less fills a whole disc.
    virtual double highlightCircleInnerRadius() const = 0;
    virtual double highlightCircleOuterRadius() const = 0;
    virtual double highlightCircleStrokeWidth() const = 0;
};

} // namespace charts
