#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

// Candlestick sets: candle spacing, shadow line, colours and body filling.
// Absent colours fall back to the set's colour for the entry.
class ICandleChartDataSet : public virtual ILineScatterCandleRadarChartDataSet {
public:
    virtual double barSpace() const = 0;
    virtual void setBarSpace(double space) = 0;
    virtual bool showCandleBar() const = 0;
    virtual void setShowCandleBar(bool show) = 0;
    virtual double shadowWidth() const = 0;
    virtual void setShadowWidth(double width) = 0;
    virtual std::optional<QColor> shadowColor() const = 0;
    virtual void setShadowColor(std::optional<QColor> color) = 0;
    virtual bool shadowColorSameAsCandle() const = 0;
    virtual void setShadowColorSameAsCandle(bool same) = 0;
    virtual bool isShadowColorSameAsCandle() const = 0;
    virtual std::optional<QColor> neutralColor() const = 0;
    virtual void setNeutralColor(std::optional<QColor> color) = 0;
    virtual std::optional<QColor> increasingColor() const = 0;
    virtual void setIncreasingColor(std::optional<QColor> color) = 0;
    virtual std::optional<QColor> decreasingColor() const = 0;
    virtual void setDecreasingColor(std::optional<QColor> color) = 0;
    virtual bool increasingFilled() const = 0;
    virtual void setIncreasingFilled(bool filled) = 0;
    virtual bool isIncreasingFilled() const = 0;
    virtual bool decreasingFilled() const = 0;
    virtual void setDecreasingFilled(bool filled) = 0;
    virtual bool isDecreasingFilled() const = 0;
};

} // namespace charts
