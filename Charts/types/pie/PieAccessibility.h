#pragma once
#include <cstdint>
#include <optional>

#include <QString>

namespace charts {

// The texts of a pie's accessibility elements.

// The pie's header: "<title>. <count> <prefix>s", without the s for one
// slice; the prefix is "Element" unless the data names one.
QString pieHeaderLabel(const QString& title, std::int64_t entryCount, const std::optional<QString>& prefix);

// One slice: "<description> : <value> <suffix>", the suffix (empty when the
// data names none) in the plural, with an s, when it counts something and
// the value is not exactly 1.
QString pieSliceLabel(const QString& description, const QString& formattedValue, const std::optional<QString>& suffix,
                      bool suffixIsCount, double value);

} // namespace charts
