#include "app/curves/measurements/ColumnReaders.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/curves/core/FieldSplitting.h"
#include "app/curves/core/MessageText.h"
#include "app/curves/measurements/CgatsKeywords.h"
#include "platform/Log.h"

namespace curves {

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Rows [first, end) without the blank ones.
Rows nonBlankRows(const Rows& rows, std::size_t first, std::size_t end) {
    Rows kept;
    for (std::size_t r = first; r < end && r < rows.size(); ++r)
        if (!isBlankRow(rows[r])) kept.push_back(rows[r]);
    return kept;
}

// The Lab values of rows [first, end), blank rows skipped. Nothing when a row
// is too short for the Lab columns or a Lab field is no number (the reason
// in the developer's log).
std::optional<std::vector<CIELab>> labColumns(const Rows& rows, std::size_t first, std::size_t end, int labLIndex,
                                              bool commaIsDecimalPoint) {
    return cgats::labValues(nonBlankRows(rows, first, end), labLIndex, commaIsDecimalPoint);
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

std::optional<std::vector<double>> MiscMeasurementDataFile::singleColumnValues(std::size_t firstRow) const {
    std::vector<double> values;
    const auto rows = nonBlankRows(measurementData2DArray, firstRow, measurementData2DArray.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto value = cgats::measuredValue(rows[r][0], true);
        if (!value) {
            platform::devLog("Measurement " + std::to_string(r + 1) + " is " + quotedForMessage(rows[r][0]) +
                             ", which is no number; the file is not read.");
            return std::nullopt;
        }
        values.push_back(*value);
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
    } else if (labHeader || densityHeader) {
        auto values = singleColumnValues(1);
        if (!values) return false;
        temp = std::move(*values);
        parsed = labHeader ? lightnessList(temp) : densityList(temp);
    } else if (severalColumns) {
        auto labs = labColumns(rows, 0, rows.size(), 0, true);
        if (!labs) return false;
        parsed = std::move(*labs);
    } else {
        // A headerless column: its first line is a value too. A spread of more
        // than 4 between the first and last value means L*, else densities.
        auto values = singleColumnValues(0);
        if (!values || values->empty()) return false;
        temp = std::move(*values);
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
    auto rows = rowsWithField(measurementData2DArray, 1, 1);
    const auto positions = grayPositions(rows);
    if (!positions) return false;
    auto labs = labColumns(rows, 0, rows.size(), labLIndex, false);
    if (!labs) return false;
    finishWithCommonTail(std::move(*labs), *positions);
    return true;
}

std::optional<std::vector<double>> DataToolCIELabFile::grayPositions(Rows& rows) const {
    // The GRAY column is the input value each patch was printed at; a tab-
    // separated file may write it with a decimal comma. A row whose GRAY
    // value does not read cannot be placed on the wedge, so it is left out,
    // as an unreadable patch of a colour chart is: counting every row as an
    // even step instead would misplace all the others.
    std::vector<double> positions;
    Rows placed;
    std::string unplaced;
    std::size_t unplacedCount = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (const auto value = cgats::realValue(rows[r][0], !isCSV)) {
            positions.push_back(*value);
            placed.push_back(std::move(rows[r]));
            continue;
        }
        constexpr std::size_t named = 10;
        if (++unplacedCount <= named)
            unplaced += std::string(unplacedCount > 1 ? ", " : "") + "measurement " + std::to_string(r + 1) + " (" +
                        quotedForMessage(rows[r][0]) + ")";
        else if (unplacedCount == named + 1)
            unplaced += ", ...";
    }
    if (unplacedCount > 0)
        platform::devLog("The GRAY value of " + std::to_string(unplacedCount) + " of the " +
                         std::to_string(rows.size()) +
                         " rows does not read as a number; those rows are left out: " + unplaced + ".");
    if (placed.size() < 2) {
        platform::devLog(std::to_string(placed.size()) + " of the " + std::to_string(rows.size()) +
                         " rows have a GRAY value that reads; at least two are needed.");
        return std::nullopt;
    }
    rows = std::move(placed);
    return positions;
}

std::vector<std::vector<std::string>> ColorMunkiCIELabFile::splitRows(const std::vector<std::string>& lines) const {
    return splitEach(lines, splitAtCommas);
}

} // namespace curves
