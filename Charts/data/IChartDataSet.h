#pragma once
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/data/ChartDataSetRounding.h"
#include "Charts/foundation/DataSetValues.h"
#include "Charts/foundation/Legend.h"
#include "Charts/foundation/ValueFormatter.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

// How everything outside a data set sees it: the chart data, renderers,
// legend, highlighters and views. Entry positions are 0-based; lookups that
// find nothing answer -1, no entry or an empty list, edits that find nothing
// answer false.
class IChartDataSet : public DataSetValues {
public:
    ~IChartDataSet() override = default;

    // Entries and their bounds.
    virtual void notifyDataSetChanged() = 0;
    virtual void calcMinMax() = 0;
    virtual void calcMinMaxY(double fromX, double toX) = 0;
    virtual double yMin() const = 0;
    virtual double yMax() const = 0;
    virtual double xMin() const = 0;
    virtual double xMax() const = 0;
    virtual std::int64_t entryCount() const = 0;
    virtual ChartDataEntryPtr entryForIndex(std::int64_t index) const = 0;
    // The entries in order, read in place: a draw loop walks the visible ones
    // without taking a reference to each (entryForIndex copies one). Changing
    // the set invalidates the span.
    virtual std::span<const ChartDataEntryPtr> entriesInOrder() const = 0;
    virtual ChartDataEntryPtr entryForXValue(double xValue, double closestToY, ChartDataSetRounding rounding) const = 0;
    virtual ChartDataEntryPtr entryForXValue(double xValue, double closestToY) const = 0;
    virtual std::vector<ChartDataEntryPtr> entriesForXValue(double xValue) const = 0;
    // The foundation's reading of the two searches above (DataSetValues).
    std::vector<Point> valuesForXValue(double xValue) const override {
        std::vector<Point> values;
        for (const ChartDataEntryPtr& entry : entriesForXValue(xValue)) values.push_back(Point{entry->x(), entry->y()});
        return values;
    }
    std::optional<double> closestEntryX(double xValue, ChartDataSetRounding rounding) const override {
        const ChartDataEntryPtr entry = entryForXValue(xValue, std::numeric_limits<double>::quiet_NaN(), rounding);
        if (!entry) return std::nullopt;
        return entry->x();
    }
    virtual std::int64_t entryIndex(double xValue, double closestToY, ChartDataSetRounding rounding) const = 0;
    virtual std::int64_t entryIndex(const ChartDataEntryPtr& entry) const = 0;
    virtual bool addEntry(const ChartDataEntryPtr& entry) = 0;
    virtual bool addEntryOrdered(const ChartDataEntryPtr& entry) = 0;
    virtual bool removeEntry(const ChartDataEntryPtr& entry) = 0;
    // The entry at a position; the entry found for an x with no y preference.
    virtual bool removeEntryAtIndex(std::int64_t index) = 0;
    virtual bool removeEntryWithX(double xValue) = 0;
    virtual bool removeFirst() = 0;
    virtual bool removeLast() = 0;
    virtual bool contains(const ChartDataEntryPtr& entry) const = 0;
    virtual void clear() = 0;

    // Styling.
    virtual std::optional<QString> label() const = 0;
    virtual YAxis::AxisDependency axisDependency() const = 0;
    virtual const std::vector<QColor>& valueColors() const = 0;
    virtual const std::vector<QColor>& colors() const = 0;
    virtual QColor color(std::int64_t index) const = 0;
    virtual void resetColors() = 0;
    virtual void addColor(const QColor& color) = 0;
    virtual void setColor(const QColor& color) = 0;
    virtual bool highlightEnabled() const = 0;
    virtual void setHighlightEnabled(bool enabled) = 0;
    virtual bool isHighlightEnabled() const = 0;
    virtual std::shared_ptr<IValueFormatter> valueFormatter() const = 0;
    virtual void setValueFormatter(std::shared_ptr<IValueFormatter> formatter) = 0;
    virtual bool needsFormatter() const = 0;
    virtual QColor valueTextColor() const = 0;
    virtual void setValueTextColor(const QColor& color) = 0;
    virtual QColor valueTextColorAt(std::int64_t index) const = 0;
    virtual QFont valueFont() const = 0;
    virtual void setValueFont(const QFont& font) = 0;
    virtual Legend::Form form() const = 0;
    virtual double formSize() const = 0;
    virtual double formLineWidth() const = 0;
    virtual double formLineDashPhase() const = 0;
    virtual std::optional<std::vector<double>> formLineDashLengths() const = 0;
    virtual bool drawValuesEnabled() const = 0;
    virtual void setDrawValuesEnabled(bool enabled) = 0;
    virtual bool isDrawValuesEnabled() const = 0;
    virtual bool drawIconsEnabled() const = 0;
    virtual void setDrawIconsEnabled(bool enabled) = 0;
    virtual bool isDrawIconsEnabled() const = 0;
    virtual QPointF iconsOffset() const = 0;
    virtual void setIconsOffset(const QPointF& offset) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;

    // Appends the set's entries of the chart's legend, in order. Sets draw
    // one shape per colour, labelled at its last; a kind whose legend shows
    // more (stack positions, slices, rising and falling colours) overrides it.
    virtual void appendLegendEntries(std::vector<LegendEntryPtr>& entries) const = 0;

    // The set's class, label and entry count; the debug form adds one line
    // per entry.
    virtual std::string description() const = 0;
    virtual std::string debugDescription() const = 0;

protected:
    IChartDataSet() = default;
    IChartDataSet(const IChartDataSet&) = default;
    IChartDataSet& operator=(const IChartDataSet&) = default;
};

using IChartDataSetPtr = std::shared_ptr<IChartDataSet>;

} // namespace charts
