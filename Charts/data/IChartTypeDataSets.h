#pragma once
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

// Interfaces of the data sets of other chart types that the legend,
// renderers and views test for. They live beside the data model so that
// code which only asks "is this a bar set?" needs no chart type.

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

// Where a pie slice's texts stand.
enum class PieValuePosition {
    insideSlice = 0,
    outsideSlice = 1, // at the end of a value line
};

constexpr int rawValue(PieValuePosition position) { return static_cast<int>(position); }

// Any integer other than 0 and 1 names no position.
constexpr std::optional<PieValuePosition> pieValuePositionFromRawValue(int raw) {
    if (raw < 0 || raw > 1) return std::nullopt;
    return static_cast<PieValuePosition>(raw);
}

// Pie sets: slice spacing, selection shift, text placement and value lines.
// Their entries are PieChartDataEntry objects.
class IPieChartDataSet : public virtual IChartDataSet {
public:
    virtual double sliceSpace() const = 0;
    virtual bool automaticallyDisableSliceSpacing() const = 0;
    virtual double selectionShift() const = 0;
    virtual PieValuePosition xValuePosition() const = 0;
    virtual PieValuePosition yValuePosition() const = 0;
    virtual std::optional<QColor> valueLineColor() const = 0;
    virtual bool useValueColorForLine() const = 0;
    virtual double valueLineWidth() const = 0;
    virtual double valueLinePart1OffsetPercentage() const = 0;
    virtual double valueLinePart1Length() const = 0;
    virtual double valueLinePart2Length() const = 0;
    virtual bool valueLineVariableLength() const = 0;
    virtual std::optional<QFont> entryLabelFont() const = 0;
    virtual std::optional<QColor> entryLabelColor() const = 0;
    virtual std::optional<QColor> highlightColor() const = 0;
};

} // namespace charts
