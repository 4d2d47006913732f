#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace curves {

// Splitting of measurement text into lines and fields.

// Splits at line feeds, keeping empty pieces (a final line feed gives a last
// empty line; Windows line ends leave a carriage return on each line). When
// that gives fewer than two pieces the text is split at carriage returns
// instead, for files with old Macintosh line ends.
std::vector<std::string> splitMeasurementLines(std::string_view text);

// The fields of a row. Tabs separate fields, and an empty field between two
// tabs stays a field. Inside what lies between tabs, runs of spaces separate
// fields too and spaces at its edges are padding: measuring programs pad their
// columns with spaces, separate by spaces alone, or mix tabs and single
// spaces. A quoted string keeps its spaces and stays one field. Carriage
// returns count as spaces. A blank line gives one empty field.
std::vector<std::string> splitFields(std::string_view line);

// The fields of a data row of a table whose format names `formatFieldCount`
// fields. Tabs separate fields first, each field trimmed of its padding; only
// when that gives fewer fields than the format names are the fields split at
// blanks too (splitFields), for files that separate by spaces or mix tabs and
// spaces. So a tab-separated text field holding a space ("Step 1") stays one
// field. Empty fields after the last named one (a trailing tab) are dropped.
std::vector<std::string> splitDataFields(std::string_view line, std::size_t formatFieldCount);

// The fields of a comma-separated row, each trimmed of blanks; empty fields kept.
std::vector<std::string> splitAtCommas(std::string_view line);

// The text without leading and trailing white space and line ends.
std::string_view trimWhitespace(std::string_view text);

// True when the line holds nothing but blanks and line ends.
bool isBlankLine(std::string_view line);

// A row is blank when it has no field with text in it.
bool isBlankRow(const std::vector<std::string>& fields);

// The text with every occurrence of `from` replaced by `to`.
std::string replaceAll(std::string_view text, char from, char to);

} // namespace curves
