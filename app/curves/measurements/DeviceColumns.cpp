#include "app/curves/measurements/DeviceColumns.h"

#include <algorithm>
#include <optional>

#include "app/curves/measurements/CgatsKeywords.h"
#include "platform/Log.h"

namespace curves::cgats {

namespace {

std::optional<double> valueAt(const std::vector<std::string>& row, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= row.size()) return std::nullopt;
    return realValue(row[static_cast<std::size_t>(index)], true);
}

bool rgbTellsGrey(const DeviceColumns& columns) { return columns.r >= 0 && columns.g >= 0 && columns.b >= 0; }

// The column that places a patch on the wedge: R of an RGB file, else K.
int positionColumn(const DeviceColumns& columns) { return columns.r >= 0 ? columns.r : columns.k; }

// The device columns a patch is judged and placed by: those that tell a grey
// patch, and the position column.
std::vector<int> usedColumns(const DeviceColumns& columns) {
    std::vector<int> used;
    if (rgbTellsGrey(columns))
        used = {columns.r, columns.g, columns.b};
    else if (columns.tellGreyPatches())
        used = {columns.c, columns.m, columns.y};
    if (const int position = positionColumn(columns);
        position >= 0 && std::find(used.begin(), used.end(), position) == used.end())
        used.push_back(position);
    return used;
}

bool deviceValuesRead(const std::vector<std::string>& row, const std::vector<int>& used) {
    return std::all_of(used.begin(), used.end(), [&](int index) { return valueAt(row, index).has_value(); });
}

std::string patchesOf(std::size_t count, std::size_t of) {
    return std::to_string(count) + " of its " + std::to_string(of) + " patches";
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
    const int index = positionColumn(columns);
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
    const auto used = usedColumns(columns);
    if (used.empty()) return true;
    const bool tellsGrey = columns.tellGreyPatches();
    const auto readable = [&](const auto& row) { return deviceValuesRead(row, used); };
    const auto inRamp = [&](const auto& row) { return readable(row) && (!tellsGrey || isGreyPatch(row, columns)); };
    if (std::all_of(rows.begin(), rows.end(), inRamp)) return true;

    // A patch whose device values do not read can be neither told grey nor
    // placed on the wedge, so it is no part of the grey ramp: keeping it
    // would take a chart for a wedge, or a wedge's positions for even steps.
    const auto unreadable = static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [&](const auto& row) { return !readable(row); }));
    if (unreadable > 0)
        platform::devLog("The device values of " + patchesOf(unreadable, rows.size()) +
                         " do not read as numbers; those patches are left out.");
    const auto kept = static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), inRamp));
    const bool chart = tellsGrey && std::any_of(rows.begin(), rows.end(), [&](const auto& row) {
                           return readable(row) && !isGreyPatch(row, columns);
                       });
    const std::string patches = rgbTellsGrey(columns) ? "R = G = B" : "C = M = Y = 0";
    if (kept < 2) {
        platform::devLog(chart ? "A colour chart, not a step wedge: its device values vary in more than one channel, "
                                 "and " +
                                     patchesOf(kept, rows.size()) + " are grey (" + patches +
                                     ") with device values that read; at least two are needed."
                               : patchesOf(kept, rows.size()) +
                                     " have device values that read; at least two are needed.");
        return false;
    }
    platform::devLog(chart ? "A colour chart: its " + std::to_string(kept) + " grey patches (" + patches + ") of " +
                                 std::to_string(rows.size()) + " are read as the wedge."
                           : patchesOf(kept, rows.size()) + " are read as the wedge.");
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](const auto& row) { return !inRamp(row); }), rows.end());
    return true;
}

} // namespace curves::cgats
