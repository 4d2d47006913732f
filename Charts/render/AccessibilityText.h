#pragma once
#include <optional>
#include <vector>

#include <QString>

namespace charts {

// The texts of the accessibility elements the renderers make.

// The chart's header: the description, ". ", the number of data sets, "
// dataset" (plural unless exactly one), ". " and the sets' labels joined by
// ", " (an absent label counts as empty): "Curves. 2 datasets. K, C".
QString accessibleHeaderLabel(const QString& description, const std::vector<std::optional<QString>>& dataSetLabels);

// One point: with two or more data sets the set's label and ", " first, then
// a space, the x text, ": " and the value text: "K,  0.5: 12" or " 0.5: 12".
QString accessiblePointLabel(const std::optional<QString>& dataSetLabel, int dataSetCount, const QString& xText,
                             const QString& valueText);

} // namespace charts
