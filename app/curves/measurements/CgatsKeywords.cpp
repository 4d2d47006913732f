#include "app/curves/measurements/CgatsKeywords.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "app/curves/core/FieldSplitting.h"
#include "app/curves/core/MessageText.h"
#include "platform/Log.h"
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

std::optional<double> measuredValue(std::string_view field, bool commaIsDecimalPoint) {
    if (const auto value = realValue(field, commaIsDecimalPoint)) return value;
    const auto trimmed = trimWhitespace(field);
    const bool nonFinite =
        commaIsDecimalPoint ? spellsNonFiniteNumber(replaceAll(trimmed, ',', '.')) : spellsNonFiniteNumber(trimmed);
    if (nonFinite) return std::numeric_limits<double>::quiet_NaN();
    return std::nullopt;
}

LabReading readLabRow(const std::vector<std::string>& row, int labLIndex, bool commaIsDecimalPoint) {
    if (labLIndex < 0 || row.size() < static_cast<std::size_t>(labLIndex) + 3)
        return {std::nullopt, "has " + std::to_string(row.size()) + " fields, too few for L*, a* and b*"};
    const auto at = static_cast<std::size_t>(labLIndex);
    constexpr const char* names[] = {"L*", "a*", "b*"};
    double values[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = measuredValue(row[at + i], commaIsDecimalPoint);
        if (!value)
            return {std::nullopt, "has the " + std::string(names[i]) + " field " + quotedForMessage(row[at + i]) +
                                      ", which is no number"};
        values[i] = *value;
    }
    return {CIELab{values[0], values[1], values[2]}, {}};
}

std::optional<std::vector<CIELab>> labValues(const Rows& rows, int labLIndex, bool commaIsDecimalPoint) {
    std::vector<CIELab> labs;
    labs.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto reading = readLabRow(rows[r], labLIndex, commaIsDecimalPoint);
        if (!reading.lab) {
            platform::devLog("Measurement " + std::to_string(r + 1) + " " + reading.problem +
                             "; the file is not read.");
            return std::nullopt;
        }
        labs.push_back(*reading.lab);
    }
    return labs;
}

std::optional<Rows> dataRows(const std::vector<std::string>& lines, const std::vector<std::string>& fieldNames,
                             long long count) {
    const auto begin = beginDataLineIndex(lines);
    if (!begin) {
        platform::devLog("The file has no BEGIN_DATA line.");
        return std::nullopt;
    }
    // A trailing tab on the format line names no field.
    auto named = fieldNames.size();
    while (named > 0 && fieldNames[named - 1].empty()) --named;
    Rows data;
    for (std::size_t i = *begin + 1; i < lines.size() && !lineBeginsWith(lines[i], endData); ++i) {
        if (isBlankLine(lines[i])) continue;
        auto fields = splitDataFields(lines[i], named);
        if (fields.size() != named) {
            platform::devLog("Line " + std::to_string(i + 1) + " has " + std::to_string(fields.size()) +
                             " fields, but the data format names " + std::to_string(named) + "; the file is not read.");
            return std::nullopt;
        }
        data.push_back(std::move(fields));
    }
    if (count < 1 || static_cast<unsigned long long>(count) != data.size()) {
        platform::devLog("NUMBER_OF_SETS gives " + std::to_string(count) + " rows, but " + std::to_string(data.size()) +
                         " data rows follow BEGIN_DATA.");
        return std::nullopt;
    }
    return data;
}

std::optional<std::vector<CIELab>> labRows(const Rows& rows, int labLIndex) { return labValues(rows, labLIndex, true); }

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
