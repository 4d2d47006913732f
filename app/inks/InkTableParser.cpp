#include "app/inks/InkTableParser.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>
#include <unordered_set>

#include "platform/FatalError.h"

namespace inks {

namespace {

constexpr std::size_t kCurveLength = std::tuple_size_v<InkCurveTable>;
constexpr std::size_t kLabLength = 3 * std::tuple_size_v<InkLabTable>;

[[noreturn]] void malformed(std::string_view name, std::string_view why) {
    platform::fatalError("Malformed ink table " + std::string(name) + ": " + std::string(why));
}

// Splits off the field before the next comma; the rest follows the comma.
std::string_view nextField(std::string_view& rest) {
    const std::size_t comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    return field;
}

std::vector<double> parseValues(std::string_view name, std::string_view rest) {
    std::vector<double> values;
    values.reserve(kCurveLength);
    while (!rest.empty()) {
        const std::string_view field = nextField(rest);
        double value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (error != std::errc{} || end != field.data() + field.size()) {
            // Built step by step: gcc 12 warns falsely about "literal" + std::string&&.
            std::string why = "\"";
            why.append(field).append("\" is not a number");
            malformed(name, why);
        }
        values.push_back(value);
    }
    return values;
}

} // namespace

InkTableSet parseInkTables(std::span<const std::string_view> lines) {
    InkTableSet set;
    std::unordered_set<std::string_view> names;
    for (std::string_view line : lines) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        std::string_view rest = line;
        const std::string_view name = nextField(rest);
        if (name.empty()) malformed(line.substr(0, 20), "no name");
        if (!names.insert(name).second) malformed(name, "given twice");
        const std::vector<double> values = parseValues(name, rest);
        if (values.size() == kCurveLength) {
            InkCurveTable curve{};
            for (std::size_t i = 0; i < kCurveLength; ++i) curve[i] = values[i];
            set.curves.emplace_back(name, curve);
        } else if (values.size() == kLabLength) {
            InkLabTable lab{};
            for (std::size_t i = 0; i < lab.size(); ++i)
                lab[i] = curves::CIELab{values[3 * i], values[3 * i + 1], values[3 * i + 2]};
            set.labs.emplace_back(name, lab);
        } else {
            malformed(name, std::to_string(values.size()) + " values");
        }
    }
    return set;
}

} // namespace inks
