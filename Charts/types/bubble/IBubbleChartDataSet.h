#pragma once
#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

// Bubble sets: the largest size of their bubbles, whether diameters follow
// the square root of the size, and the outline of a highlighted bubble.
class IBubbleChartDataSet : public virtual IBarLineScatterCandleBubbleChartDataSet {
public:
    virtual double maxSize() const = 0;
    virtual bool isNormalizeSizeEnabled() const = 0;
    virtual double highlightCircleWidth() const = 0;
    virtual void setHighlightCircleWidth(double width) = 0;
};

} // namespace charts
