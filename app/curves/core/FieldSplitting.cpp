#include "app/curves/core/FieldSplitting.h"

namespace curves {

namespace {

std::vector<std::string> splitAt(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}

bool isSpace(char c) { return c == ' ' || c == '\r' || c == '\v' || c == '\f'; }

} // namespace

std::vector<std::string> splitMeasurementLines(std::string_view text) {
    auto lines = splitAt(text, '\n');
    if (lines.size() < 2) lines = splitAt(text, '\r');
    return lines;
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    for (const auto& piece : splitAt(line, '\t')) {
        const std::size_t before = fields.size();
        std::size_t i = 0;
        const std::size_t n = piece.size();
        while (i < n) {
            while (i < n && isSpace(piece[i])) ++i;
            if (i == n) break;
            const std::size_t start = i;
            // A quoted string is one field, spaces and all (sample names such
            // as "Grey 1"); a quote without its closing partner is plain text.
            if (piece[i] == '"') {
                const auto closing = piece.find('"', i + 1);
                if (closing != std::string::npos) i = closing + 1;
            }
            while (i < n && !isSpace(piece[i])) ++i;
            fields.push_back(piece.substr(start, i - start));
        }
        if (fields.size() == before) fields.emplace_back();
    }
    return fields;
}

std::vector<std::string> splitDataFields(std::string_view line, std::size_t formatFieldCount) {
    auto fields = splitAt(line, '\t');
    for (auto& field : fields) field = std::string(trimWhitespace(field));
    if (fields.size() < formatFieldCount) fields = splitFields(line);
    while (fields.size() > formatFieldCount && fields.back().empty()) fields.pop_back();
    return fields;
}

std::vector<std::string> splitAtCommas(std::string_view line) {
    auto fields = splitAt(line, ',');
    for (auto& field : fields) field = std::string(trimWhitespace(field));
    return fields;
}

bool isBlankLine(std::string_view line) { return trimWhitespace(line).empty(); }

bool isBlankRow(const std::vector<std::string>& fields) {
    for (const auto& field : fields)
        if (!isBlankLine(field)) return false;
    return true;
}

std::string replaceAll(std::string_view text, char from, char to) {
    std::string result(text);
    for (auto& c : result)
        if (c == from) c = to;
    return result;
}

std::string_view trimWhitespace(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

} // namespace curves
