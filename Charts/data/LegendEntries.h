#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include <QColor>
#include <QString>

#include "Charts/foundation/Legend.h"

namespace charts {

class IChartDataSet;

// The pieces every data set's legend entries are made of; a kind whose
// legend differs (stacked bars, pie slices, candles) assembles its own from
// these in its data set's appendLegendEntries.

// An entry in the set's legend style (form, size, line) with the given label
// and colour.
LegendEntryPtr legendEntryOf(const IChartDataSet& dataSet, std::optional<QString> label, std::optional<QColor> color);

// The set's label on its own, without a shape.
LegendEntryPtr legendTitleOf(const IChartDataSet& dataSet);

// How many of the set's colours its legend shows: one per item (entry, stack
// position), never more than there are colours.
std::size_t legendColorCount(std::size_t colorCount, std::int64_t itemCount);

// The plain legend of a set: a run of shapes, one per colour, labelled at its
// last.
void appendColorRunLegendEntries(std::vector<LegendEntryPtr>& entries, const IChartDataSet& dataSet);

} // namespace charts
