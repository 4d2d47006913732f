#include "app/curves/measurements/CgatsReaders.h"

#include "app/curves/measurements/CgatsKeywords.h"
#include "app/curves/measurements/DeviceColumns.h"
#include "platform/Log.h"

namespace curves {

namespace {

constexpr const char* partitioningCustomCurveNote =
    "For Partitioning Custom Curve.\nReturning measurements without averaging";

const std::vector<std::string> noLines;

} // namespace

bool CgatsCIELab::parseMeasurements() {
    const auto& lines = rawData ? *rawData : noLines;
    const auto& rows = measurementData2DArray;

    numOfFields = cgats::valueOf(lines, rows, cgats::numberOfFields, 1).value_or("");

    const auto names = cgats::fieldNameLineIndex(lines);
    if (!names) return false;
    lumIndex = cgats::fieldIndex(rows[*names], "RGB_R");
    labLIndex = cgats::fieldIndex(rows[*names], "LAB_L");
    if (labLIndex < 0) return false;

    totalSamples = cgats::integerValue(cgats::valueOf(lines, rows, cgats::numberOfSets).value_or(""));
    auto data = cgats::dataRows(lines, rows[*names], totalSamples);
    if (!data) return false;
    dataSets = std::move(*data);

    auto labs = cgats::labRows(dataSets, labLIndex);
    if (!labs) return false;
    measuredLab = *labs;
    if (!forLinearization) {
        platform::devLog(partitioningCustomCurveNote);
        return true;
    }
    const auto device = cgats::DeviceColumns::of(rows[*names]);
    if (!cgats::keepGreyRampOfAChart(dataSets, device)) return false;
    if (lumIndex >= 0) cgats::sortByThirdFieldDescending(dataSets);
    labs = cgats::labRows(dataSets, labLIndex);
    finishWithCommonTail(std::move(*labs), cgats::devicePositions(dataSets, device));
    return true;
}

bool SpyderPrintCgatsCIELab::parseMeasurements() {
    const auto& lines = rawData ? *rawData : noLines;
    const auto& rows = measurementData2DArray;

    const auto names = cgats::fieldNameLineIndex(lines);
    if (!names) return false;
    labLIndex = cgats::fieldIndex(rows[*names], "LAB_L");
    if (labLIndex < 0) return false;

    totalSamples = cgats::integerValue(cgats::valueOf(lines, rows, cgats::numberOfSets).value_or(""));
    platform::devLog("Number of CGATS data fields: " + std::to_string(numOfFields));

    auto data = cgats::dataRows(lines, rows[*names], totalSamples);
    if (!data) return false;
    auto labs = cgats::labRows(*data, labLIndex);
    if (!labs) return false;
    if (!forLinearization) {
        measuredLab = std::move(*labs);
        platform::devLog(partitioningCustomCurveNote);
        return true;
    }
    const auto device = cgats::DeviceColumns::of(rows[*names]);
    if (!cgats::keepGreyRampOfAChart(*data, device)) return false;
    labs = cgats::labRows(*data, labLIndex);
    finishWithCommonTail(std::move(*labs), cgats::devicePositions(*data, device));
    return true;
}

bool ArgyllCIELab::parseMeasurements() {
    const auto& lines = rawData ? *rawData : noLines;
    const auto& rows = measurementData2DArray;
    if (lines.empty()) {
        platform::devLog("Can not read loaded measurement data file");
        return false;
    }

    // The search for the format row notes every field it looks at.
    auto rowWithFieldBeginning = [&](std::string_view keyword, bool logEachField) -> std::optional<std::size_t> {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (const auto& field : rows[r]) {
                if (logEachField) platform::devLog("Finding Data Format Index");
                if (field.starts_with(keyword)) return r;
            }
        return std::nullopt;
    };

    const auto format = rowWithFieldBeginning(cgats::beginDataFormat, true);
    if (!format || *format + 1 >= rows.size()) return false;
    const auto& names = rows[*format + 1];
    lumIndex = cgats::fieldIndex(names, "RGB_R");
    labLIndex = cgats::fieldIndex(names, "LAB_L");
    if (labLIndex < 0) return false;

    if (const auto sets = rowWithFieldBeginning(cgats::numberOfSets, false); sets && rows[*sets].size() >= 2)
        totalSamples = cgats::integerValue(rows[*sets][1]);

    auto data = cgats::dataRows(lines, names, totalSamples);
    if (!data) return false;
    dataSets = std::move(*data);
    if (const auto begin = cgats::beginDataLineIndex(lines)) beginDataRowIndex = static_cast<int>(*begin + 1);

    auto labs = cgats::labRows(dataSets, labLIndex);
    if (!labs) return false;
    measuredLab = *labs;
    platform::devLog("Measured CIELab: " + debugDescription(measuredLab));

    if (!forLinearization) {
        platform::devLog("For Partitioning.\nReturning measurements without averaging");
        measuredLab = regroupInto21Steps(measuredLab);
        return true;
    }
    const auto device = cgats::DeviceColumns::of(names);
    if (!cgats::keepGreyRampOfAChart(dataSets, device)) return false;
    if (lumIndex >= 0) cgats::sortByThirdFieldDescending(dataSets);
    labs = cgats::labRows(dataSets, labLIndex);
    finishWithCommonTail(std::move(*labs), cgats::devicePositions(dataSets, device));
    return true;
}

} // namespace curves
