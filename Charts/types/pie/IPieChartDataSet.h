#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/data/ILineFamilyDataSets.h"

namespace charts {

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
