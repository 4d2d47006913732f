#include "app/curves/DeviceColumns.h"

#include <algorithm>
#include <optional>

#include "app/curves/CgatsKeywords.h"
#include "platform/Log.h"

namespace curves::cgats {

namespace {

std::optional<double> valueAt(const std::vector<std::string>& row, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= row.size()) return std::nullopt;
    return realValue(row[static_cast<std::size_t>(index)], true);
}

bool rgbTellsGrey(const DeviceColumns& columns) { return columns.r >= 0 && columns.g >= 0 && columns.b >= 0; }

// Whether every row's device values for the grey test read as numbers.
bool deviceValuesRead(const Rows& rows, const DeviceColumns& columns) {
    const std::vector<int> used = rgbTellsGrey(columns) ? std::vector<int>{columns.r, columns.g, columns.b}
                                                        : std::vector<int>{columns.c, columns.m, columns.y};
    return std::all_of(rows.begin(), rows.end(), [&](const auto& row) {
        return std::all_of(used.begin(), used.end(), [&](int index) { return valueAt(row, index).has_value(); });
    });
}

} // namespace

DeviceColumns DeviceColumns::of(const std::vector<std::string>& fieldNames) {
    DeviceColumns columns;
    columns.r = fieldIndex(fieldNames, "RGB_R");
    columns.g = fieldIndex(fieldNames, "RGB_G");
    columns.b = fieldIndex(fieldNames, "RGB_B");
    columns.c = fieldIndex(fieldNames, "CMYK_C");
    columns.m = fieldIndex(fieldNames, "CMYK_M");
    columns.y = fieldIndex(fieldNames, "CMYK_Y");
    columns.k = fieldIndex(fieldNames, "CMYK_K");
    return columns;
}

bool DeviceColumns::tellGreyPatches() const { return rgbTellsGrey(*this) || (c >= 0 && m >= 0 && y >= 0); }

bool isGreyPatch(const std::vector<std::string>& row, const DeviceColumns& columns) {
    if (rgbTellsGrey(columns)) {
        const auto r = valueAt(row, columns.r), g = valueAt(row, columns.g), b = valueAt(row, columns.b);
        return r && g && b && *r == *g && *g == *b;
    }
    const auto c = valueAt(row, columns.c), m = valueAt(row, columns.m), y = valueAt(row, columns.y);
    return c && m && y && *c == 0 && *m == 0 && *y == 0;
}

std::vector<double> devicePositions(const Rows& rows, const DeviceColumns& columns) {
    const int index = columns.r >= 0 ? columns.r : columns.k;
    if (index < 0) return {};
    std::vector<double> positions;
    positions.reserve(rows.size());
    for (const auto& row : rows) {
        const auto value = valueAt(row, index);
        if (!value) return {};
        positions.push_back(*value);
    }
    return positions;
}

bool keepGreyRampOfAChart(Rows& rows, const DeviceColumns& columns) {
    if (!columns.tellGreyPatches() || !deviceValuesRead(rows, columns)) return true;
    const auto grey = [&](const auto& row) { return isGreyPatch(row, columns); };
    if (std::all_of(rows.begin(), rows.end(), grey)) return true;
    const std::string patches = rgbTellsGrey(columns) ? "R = G = B" : "C = M = Y = 0";
    const auto kept = static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), grey));
    if (kept < 2) {
        platform::devLog("A colour chart, not a step wedge: its device values vary in more than one channel, and " +
                         std::to_string(kept) + " of its " + std::to_string(rows.size()) + " patches are grey (" +
                         patches + "); at least two are needed.");
        return false;
    }
    platform::devLog("A colour chart: its " + std::to_string(kept) + " grey patches (" + patches + ") of " +
                     std::to_string(rows.size()) + " are read as the wedge.");
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](const auto& row) { return !grey(row); }), rows.end());
    return true;
}

} // namespace curves::cgats
