#include "app/curves/CgatsKeywords.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "app/curves/FieldSplitting.h"
#include "platform/NumberText.h"

namespace curves {

namespace cgats {

bool lineBeginsWith(std::string_view line, std::string_view keyword) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return false;
    return line.substr(start).starts_with(keyword);
}

std::optional<std::size_t> findLine(const std::vector<std::string>& lines, std::string_view keyword, std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i)
        if (lineBeginsWith(lines[i], keyword)) return i;
    return std::nullopt;
}

std::optional<std::string> valueOf(const std::vector<std::string>& lines, const Rows& rows, std::string_view keyword,
                                   std::size_t from) {
    const auto index = findLine(lines, keyword, from);
    if (!index || *index >= rows.size() || rows[*index].size() < 2) return std::nullopt;
    return rows[*index][1];
}

long long integerValue(std::string_view text) {
    std::string cleaned;
    for (char c : text)
        if (c != ' ' && c != '\r' && c != '\t') cleaned.push_back(c);
    return platform::parseWholeInteger(cleaned).value_or(0);
}

std::optional<std::size_t> fieldNameLineIndex(const std::vector<std::string>& lines) {
    const auto format = findLine(lines, beginDataFormat);
    if (!format || *format + 1 >= lines.size()) return std::nullopt;
    return *format + 1;
}

std::optional<std::size_t> beginDataLineIndex(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lineBeginsWith(lines[i], beginDataFormat)) {
            ++i;
            if (i >= lines.size()) break;
        }
        if (lineBeginsWith(lines[i], beginData)) return i;
    }
    return std::nullopt;
}

int fieldIndex(const std::vector<std::string>& fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i] == name) return static_cast<int>(i);
    return -1;
}

std::optional<double> realValue(std::string_view field, bool commaIsDecimalPoint) {
    const auto trimmed = trimWhitespace(field);
    if (!commaIsDecimalPoint) return platform::parseFiniteDouble(trimmed);
    return platform::parseFiniteDouble(replaceAll(trimmed, ',', '.'));
}

namespace {

bool spellsNonFiniteNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || result.ptr != text.data() + text.size()) return false;
    return result.ec == std::errc::result_out_of_range || (result.ec == std::errc() && !std::isfinite(value));
}

} // namespace

double measuredValue(std::string_view field, bool commaIsDecimalPoint, double fallback) {
    if (const auto value = realValue(field, commaIsDecimalPoint)) return *value;
    const auto trimmed = trimWhitespace(field);
    const bool nonFinite =
        commaIsDecimalPoint ? spellsNonFiniteNumber(replaceAll(trimmed, ',', '.')) : spellsNonFiniteNumber(trimmed);
    return nonFinite ? std::numeric_limits<double>::quiet_NaN() : fallback;
}

std::optional<CIELab> labRow(const std::vector<std::string>& row, int labLIndex, const CIELab& defaults,
                             bool commaIsDecimalPoint) {
    if (labLIndex < 0 || row.size() < static_cast<std::size_t>(labLIndex) + 3) return std::nullopt;
    const auto at = static_cast<std::size_t>(labLIndex);
    return CIELab{measuredValue(row[at], commaIsDecimalPoint, defaults.L),
                  measuredValue(row[at + 1], commaIsDecimalPoint, defaults.a),
                  measuredValue(row[at + 2], commaIsDecimalPoint, defaults.b)};
}

std::optional<Rows> dataRows(const std::vector<std::string>& lines, const Rows& rows, long long count) {
    if (count < 1) return Rows{};
    const auto begin = beginDataLineIndex(lines);
    if (!begin) return std::nullopt;
    const std::size_t first = *begin + 1;
    const std::size_t available = rows.size() > first ? rows.size() - first : 0;
    if (static_cast<unsigned long long>(count) > available) return std::nullopt;
    return Rows(rows.begin() + static_cast<std::ptrdiff_t>(first),
                rows.begin() + static_cast<std::ptrdiff_t>(first + static_cast<std::size_t>(count)));
}

std::optional<std::vector<CIELab>> labRows(const Rows& rows, int labLIndex) {
    std::vector<CIELab> labs;
    labs.reserve(rows.size());
    for (const auto& row : rows) {
        auto lab = labRow(row, labLIndex, CIELab{1.0, 0.0, 0.0}, true);
        if (!lab) return std::nullopt;
        labs.push_back(*lab);
    }
    return labs;
}

void sortByThirdFieldDescending(Rows& rows) {
    auto key = [](const std::vector<std::string>& row) {
        if (row.size() < 3) return -std::numeric_limits<double>::infinity();
        return realValue(row[2], true).value_or(-std::numeric_limits<double>::infinity());
    };
    std::vector<std::pair<double, std::size_t>> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) keyed.emplace_back(key(rows[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& l, const auto& r) { return l.first > r.first; });
    Rows sorted;
    sorted.reserve(rows.size());
    for (const auto& [k, i] : keyed) sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

} // namespace cgats

} // namespace curves
