#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/curves/CIELab.h"

namespace curves {

// The keyword structure shared by the CGATS-family readers. Keywords are
// compared as line prefixes, exact and case-sensitive, after leading blanks.
namespace cgats {

using Rows = std::vector<std::vector<std::string>>;

inline constexpr std::string_view numberOfFields = "NUMBER_OF_FIELDS";
inline constexpr std::string_view beginDataFormat = "BEGIN_DATA_FORMAT";
inline constexpr std::string_view numberOfSets = "NUMBER_OF_SETS";
inline constexpr std::string_view beginData = "BEGIN_DATA";

bool lineBeginsWith(std::string_view line, std::string_view keyword);

// Index of the first line at or after `from` that begins with the keyword.
std::optional<std::size_t> findLine(const std::vector<std::string>& lines, std::string_view keyword,
                                    std::size_t from = 0);

// The second field of the keyword's line; nothing without one.
std::optional<std::string> valueOf(const std::vector<std::string>& lines, const Rows& rows, std::string_view keyword,
                                   std::size_t from = 0);

// A decimal integer with optional sign, blanks and carriage returns ignored;
// anything else gives 0.
long long integerValue(std::string_view text);

// Index of the line directly after the first BEGIN_DATA_FORMAT line (the
// field names); nothing when there is none.
std::optional<std::size_t> fieldNameLineIndex(const std::vector<std::string>& lines);

// Index of the BEGIN_DATA line: a BEGIN_DATA_FORMAT line is stepped over and
// the line after it is tested directly.
std::optional<std::size_t> beginDataLineIndex(const std::vector<std::string>& lines);

// Index of the field equal to the name; -1 when absent.
int fieldIndex(const std::vector<std::string>& fields, std::string_view name);

// A field read as a real number: trimmed, every comma a point, the whole text
// a C-locale number; nothing otherwise.
std::optional<double> realValue(std::string_view field, bool commaIsDecimalPoint);

// A measured value: the field's number, or `fallback` when the field holds no
// number. Text that spells a number no measurement can have ("nan", "inf", a
// magnitude beyond the range of doubles) reads as NaN rather than the
// fallback, so that the load is refused instead of taking a made-up value.
double measuredValue(std::string_view field, bool commaIsDecimalPoint, double fallback);

// L*, a*, b* from the fields at labLIndex, +1, +2 (measuredValue with the
// defaults). Nothing when the row is too short.
std::optional<CIELab> labRow(const std::vector<std::string>& row, int labLIndex, const CIELab& defaults,
                             bool commaIsDecimalPoint);

// The `count` split rows after the BEGIN_DATA line; nothing when the file has
// no BEGIN_DATA line or fewer rows than that.
std::optional<Rows> dataRows(const std::vector<std::string>& lines, const Rows& rows, long long count);

// The rows as Lab rows (defaults L* 1.0, a* 0.0, b* 0.0); nothing when a row
// is too short.
std::optional<std::vector<CIELab>> labRows(const Rows& rows, int labLIndex);

// Stable sort by the third field as a number, greatest first; rows whose third
// field is no number go last.
void sortByThirdFieldDescending(Rows& rows);

} // namespace cgats

} // namespace curves
