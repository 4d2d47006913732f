#include "app/inks/InkTables.h"

#include <cstddef>
#include <string>
#include <unordered_map>

#include "app/inks/InkTableParser.h"
#include "app/inks/InkTablesData.h"
#include "platform/FatalError.h"

namespace inks {

namespace {

struct InkTableIndex {
    InkTableSet tables;
    std::unordered_map<std::string_view, std::size_t> curveIndex;
    std::unordered_map<std::string_view, std::size_t> labIndex;
};

// Parsed on first use; never changed afterwards, so references stay valid.
const InkTableIndex& builtInTables() {
    static const InkTableIndex index = [] {
        InkTableIndex built{parseInkTables(inkTableLines()), {}, {}};
        for (std::size_t i = 0; i < built.tables.curves.size(); ++i)
            built.curveIndex.emplace(built.tables.curves[i].first, i);
        for (std::size_t i = 0; i < built.tables.labs.size(); ++i)
            built.labIndex.emplace(built.tables.labs[i].first, i);
        return built;
    }();
    return index;
}

[[noreturn]] void unknownTable(std::string_view name) {
    platform::fatalError("Unknown ink table " + std::string(name));
}

} // namespace

const InkCurveTable* findInkCurve(std::string_view name) {
    const InkTableIndex& index = builtInTables();
    const auto found = index.curveIndex.find(name);
    return found == index.curveIndex.end() ? nullptr : &index.tables.curves[found->second].second;
}

const InkLabTable* findInkLab(std::string_view name) {
    const InkTableIndex& index = builtInTables();
    const auto found = index.labIndex.find(name);
    return found == index.labIndex.end() ? nullptr : &index.tables.labs[found->second].second;
}

const InkCurveTable& inkCurve(std::string_view name) {
    const InkCurveTable* table = findInkCurve(name);
    if (table == nullptr) unknownTable(name);
    return *table;
}

const InkLabTable& inkLab(std::string_view name) {
    const InkLabTable* table = findInkLab(name);
    if (table == nullptr) unknownTable(name);
    return *table;
}

const InkCurveTable& zeroInkCurve() {
    static const InkCurveTable zeros{};
    return zeros;
}

std::vector<std::string_view> inkCurveNames() {
    std::vector<std::string_view> names;
    for (const auto& [name, table] : builtInTables().tables.curves) names.push_back(name);
    return names;
}

std::vector<std::string_view> inkLabNames() {
    std::vector<std::string_view> names;
    for (const auto& [name, table] : builtInTables().tables.labs) names.push_back(name);
    return names;
}

} // namespace inks
