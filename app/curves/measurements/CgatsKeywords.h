#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/curves/core/CIELab.h"

namespace curves {

// The keyword structure shared by the CGATS-family readers. Keywords are
// compared as line prefixes, exact and case-sensitive, after leading blanks.
namespace cgats {

using Rows = std::vector<std::vector<std::string>>;

inline constexpr std::string_view numberOfFields = "NUMBER_OF_FIELDS";
inline constexpr std::string_view beginDataFormat = "BEGIN_DATA_FORMAT";
inline constexpr std::string_view numberOfSets = "NUMBER_OF_SETS";
inline constexpr std::string_view beginData = "BEGIN_DATA";
inline constexpr std::string_view endData = "END_DATA";

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

// A measured value: the field's number (realValue). Text that spells a
// number no measurement can have ("nan", "inf", a magnitude beyond the range
// of doubles) reads as NaN, which the load refuses as meaningless. Nothing
// when the field holds no number at all ("n/a", "--", a NUL inside the
// digits, an empty field): no value is made up for it.
std::optional<double> measuredValue(std::string_view field, bool commaIsDecimalPoint);

// The Lab value of one row, or why the row gives none.
struct LabReading {
    std::optional<CIELab> lab;
    std::string problem; // when there is no lab: the row is too short, or which field does not read
};

// L*, a*, b* from the fields at labLIndex, +1, +2 (measuredValue of each).
LabReading readLabRow(const std::vector<std::string>& row, int labLIndex, bool commaIsDecimalPoint);

// The Lab values of the rows, in order; nothing when a row gives none, with
// the reason, naming the measurement by its place among the rows, in the
// developer's log.
std::optional<std::vector<CIELab>> labValues(const Rows& rows, int labLIndex, bool commaIsDecimalPoint);

// The data rows: the lines between the BEGIN_DATA line and the END_DATA
// line (or the end of the text), blank lines left out, each split into the
// fields the data format names (splitDataFields). Nothing, with the reason in
// the developer's log, when the file has no BEGIN_DATA line, when a row's
// field count differs from the format's (its fields would be read under the
// wrong names), or when `count` (the file's NUMBER_OF_SETS) is not the number
// of rows: a count that disagrees with the table leaves it unclear which rows
// are the wedge.
std::optional<Rows> dataRows(const std::vector<std::string>& lines, const std::vector<std::string>& fieldNames,
                             long long count);

// The rows as Lab rows, decimal commas read as points (labValues).
std::optional<std::vector<CIELab>> labRows(const Rows& rows, int labLIndex);

// Stable sort by the third field as a number, greatest first; rows whose third
// field is no number go last.
void sortByThirdFieldDescending(Rows& rows);

} // namespace cgats

} // namespace curves
