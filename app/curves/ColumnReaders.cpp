#include "app/curves/ColumnReaders.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/curves/CgatsKeywords.h"
#include "app/curves/FieldSplitting.h"

namespace curves {

namespace {

using Rows = std::vector<std::vector<std::string>>;

const CIELab columnDefaults{50.0, 0.0, 0.0};

// The Lab values of rows [first, end), blank rows skipped. Nothing when a row
// is too short for the Lab columns.
std::optional<std::vector<CIELab>> labColumns(const Rows& rows, std::size_t first, std::size_t end, int labLIndex,
                                              bool commaIsDecimalPoint) {
    std::vector<CIELab> labs;
    for (std::size_t r = first; r < end && r < rows.size(); ++r) {
        if (isBlankRow(rows[r])) continue;
        auto lab = cgats::labRow(rows[r], labLIndex, columnDefaults, commaIsDecimalPoint);
        if (!lab) return std::nullopt;
        labs.push_back(*lab);
    }
    return labs;
}

Rows splitEach(const std::vector<std::string>& lines, std::vector<std::string> (*split)(std::string_view)) {
    Rows rows;
    rows.reserve(lines.size());
    for (const auto& line : lines) rows.push_back(split(line));
    return rows;
}

} // namespace

double MiscMeasurementDataFile::lightnessOfDensity(double density) {
    const double Y = std::pow(10.0, -density);
    if (Y > 0.008856) return 116 * std::cbrt(Y) - 16;
    return (841.0 / 108.0 * Y + 4.0 / 29.0) * 116 - 16;
}

std::vector<double> MiscMeasurementDataFile::singleColumnValues(std::size_t firstRow) const {
    std::vector<double> values;
    const auto& rows = measurementData2DArray;
    for (std::size_t r = firstRow; r < rows.size(); ++r) {
        if (isBlankRow(rows[r])) continue;
        values.push_back(cgats::measuredValue(rows[r][0], true, 0.02));
    }
    return values;
}

bool MiscMeasurementDataFile::parseMeasurements() {
    const auto& rows = measurementData2DArray;
    if (rows.empty()) return false;
    const auto& firstRow = rows.front();
    std::string header = firstRow.front();
    std::transform(header.begin(), header.end(), header.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool labHeader = header.starts_with("l");
    const bool densityHeader = !labHeader && header.starts_with("d");
    const bool severalColumns = firstRow.size() >= 2;
    if (labHeader || densityHeader) labLIndex = 0;

    auto lightnessList = [](const std::vector<double>& values) {
        std::vector<CIELab> labs;
        for (double v : values) labs.push_back(CIELab{v, 0, 0});
        return labs;
    };
    auto densityList = [](const std::vector<double>& values) {
        std::vector<CIELab> labs;
        for (double d : values) labs.push_back(CIELab{lightnessOfDensity(d), 0, 0});
        return labs;
    };

    std::vector<CIELab> parsed;
    if (labHeader && severalColumns) {
        auto labs = labColumns(rows, 1, rows.size(), 0, false);
        if (!labs) return false;
        parsed = std::move(*labs);
    } else if (labHeader) {
        temp = singleColumnValues(1);
        parsed = lightnessList(temp);
    } else if (densityHeader) {
        temp = singleColumnValues(1);
        parsed = densityList(temp);
    } else if (severalColumns) {
        auto labs = labColumns(rows, 0, rows.size(), 0, true);
        if (!labs) return false;
        parsed = std::move(*labs);
    } else {
        // A headerless column: its first line is a value too. A spread of more
        // than 4 between the first and last value means L*, else densities.
        temp = singleColumnValues(0);
        if (temp.empty()) return false;
        parsed = std::fabs(temp.front() - temp.back()) > 4 ? lightnessList(temp) : densityList(temp);
    }
    finishWithCommonTail(std::move(parsed));
    return true;
}

bool QTRLinearizeDataCIELabFile::parseMeasurements() {
    labLIndex = 2;
    const auto& rows = measurementData2DArray;
    std::vector<CIELab> parsed;
    if (rows.size() >= 10) {
        auto labs = labColumns(rows, 3, rows.size() - 6, labLIndex, false);
        if (!labs) return false;
        parsed = std::move(*labs);
    }
    finishWithCommonTail(std::move(parsed));
    return true;
}

namespace {

// Rows from `first` on that hold a value in the field at `required`, shorter
// and blank rows skipped.
Rows rowsWithField(const Rows& rows, std::size_t first, std::size_t required) {
    Rows kept;
    for (std::size_t r = first; r < rows.size(); ++r)
        if (rows[r].size() > required && !isBlankLine(rows[r][required])) kept.push_back(rows[r]);
    return kept;
}

} // namespace

bool TSMCIELabFile::parseMeasurements() {
    labLIndex = 1;
    const auto rows = rowsWithField(measurementData2DArray, 2, 1);
    auto labs = labColumns(rows, 0, rows.size(), labLIndex, true);
    if (!labs) return false;
    finishWithoutAveraging(std::move(*labs));
    return true;
}

bool StepWedgeToolCIELabFile::parseMeasurements() {
    labLIndex = 2;
    const auto rows = rowsWithField(measurementData2DArray, 1, 2);
    auto labs = labColumns(rows, 0, rows.size(), labLIndex, false);
    if (!labs) return false;
    if (!forLinearization) {
        measuredLab = regroupInto21Steps(*labs);
        return true;
    }
    finishWithCommonTail(std::move(*labs));
    return true;
}

std::vector<std::vector<std::string>> DataToolCIELabFile::splitRows(const std::vector<std::string>& lines) const {
    if (isCSV) return splitEach(lines, splitAtCommas);
    return MeasurementData::splitRows(lines);
}

bool DataToolCIELabFile::parseMeasurements() {
    labLIndex = 1;
    const auto rows = rowsWithField(measurementData2DArray, 1, 1);
    auto labs = labColumns(rows, 0, rows.size(), labLIndex, false);
    if (!labs) return false;
    finishWithCommonTail(std::move(*labs), grayPositions(rows));
    return true;
}

std::vector<double> DataToolCIELabFile::grayPositions(const std::vector<std::vector<std::string>>& rows) const {
    // The GRAY column is the input value each patch was printed at; a tab-
    // separated file may write it with a decimal comma. One value that does
    // not read makes the column no guide, and the steps count as even.
    std::vector<double> positions;
    for (const auto& row : rows) {
        if (isBlankRow(row)) continue;
        const auto value = cgats::realValue(row[0], !isCSV);
        if (!value) return {};
        positions.push_back(*value);
    }
    return positions;
}

std::vector<std::vector<std::string>> ColorMunkiCIELabFile::splitRows(const std::vector<std::string>& lines) const {
    return splitEach(lines, splitAtCommas);
}

} // namespace curves
