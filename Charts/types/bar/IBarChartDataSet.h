#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

// Bar sets: stacking, shadows, borders and the highlight alpha.
class IBarChartDataSet : public virtual IBarLineScatterCandleBubbleChartDataSet {
public:
    // True when entries carry several stacked values.
    virtual bool isStacked() const = 0;
    // Values per stacked entry, at least 1.
    virtual std::int64_t stackSize() const = 0;
    virtual QColor barShadowColor() const = 0;
    virtual void setBarShadowColor(const QColor& color) = 0;
    virtual double barBorderWidth() const = 0;
    virtual void setBarBorderWidth(double width) = 0;
    virtual QColor barBorderColor() const = 0;
    virtual void setBarBorderColor(const QColor& color) = 0;
    virtual double highlightAlpha() const = 0;
    virtual void setHighlightAlpha(double alpha) = 0;
    // One name per stack position.
    virtual std::vector<QString> stackLabels() const = 0;
    virtual void setStackLabels(std::vector<QString> labels) = 0;
};

} // namespace charts
