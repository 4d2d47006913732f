#pragma once
#include <vector>

#include "app/curves/measurements/MeasurementData.h"

namespace curves {

// Readers of measurement files without keyword structure: the Lab values
// stand in fixed columns (labLIndex, +1, +2) after a fixed number of header
// lines. Fields are trimmed and blank lines are skipped. A row too short for
// the Lab columns, or a Lab field that is no number, fails the load with the
// reason in the developer's log: no value is made up for a field.

// Headerless Lab or density columns, or a column file headed "L*" or
// "Density" (kinds "SpyderPrint File" and "miscWithHeader").
class MiscMeasurementDataFile : public MeasurementData {
public:
    using MeasurementData::MeasurementData;
    std::vector<double> temp;

    // CIE 1976 lightness of the reflectance 10^-density.
    static double lightnessOfDensity(double density);

protected:
    bool parseMeasurements() override;

private:
    // The first field of every non-blank row from firstRow on; nothing when
    // one is no number (the reason in the developer's log).
    std::optional<std::vector<double>> singleColumnValues(std::size_t firstRow) const;
};

// "QTR-Linearize-Data" output: three header lines and six closing lines
// around rows whose fields 2, 3, 4 hold L*, a*, b*.
class QTRLinearizeDataCIELabFile : public MeasurementData {
public:
    using MeasurementData::MeasurementData;

protected:
    bool parseMeasurements() override;
};

// This program's own Lab export: two header lines, then step and L*, a*, b*.
// One sample per step: no averaging.
class TSMCIELabFile : public MeasurementData {
public:
    using MeasurementData::MeasurementData;

protected:
    bool parseMeasurements() override;
};

// Step-wedge tool export headed "Patch": fields 2, 3, 4 hold L*, a*, b*.
class StepWedgeToolCIELabFile : public MeasurementData {
public:
    using MeasurementData::MeasurementData;

protected:
    bool parseMeasurements() override;
};

// Data-tool export headed "GRAY": fields 1, 2, 3 hold L*, a*, b*; split at
// commas when the file is comma-separated. Field 0, the GRAY value, is the
// input position of each patch: unevenly spaced positions are resampled by
// where they lie (MeasurementData::finishWithCommonTail). A row whose GRAY
// value does not read is left out.
class DataToolCIELabFile : public MeasurementData {
public:
    DataToolCIELabFile(std::optional<std::vector<std::string>> lines, bool linearizing, bool commaSeparated)
        : MeasurementData(std::move(lines), linearizing),
          isCSV(commaSeparated) {}
    bool isCSV;

    std::vector<std::vector<std::string>> splitRows(const std::vector<std::string>& lines) const override;

protected:
    bool parseMeasurements() override;

private:
    // The GRAY value of each row, the rows whose value does not read left
    // out of `rows` (and named in the developer's log). Nothing when fewer
    // than two rows are left.
    std::optional<std::vector<double>> grayPositions(std::vector<std::vector<std::string>>& rows) const;
};

// Comma-separated ColorMunki export: recognised, but no reading is defined
// for it; only its splitting.
class ColorMunkiCIELabFile : public MeasurementData {
public:
    using MeasurementData::MeasurementData;
    std::vector<std::vector<std::string>> splitRows(const std::vector<std::string>& lines) const override;

protected:
    // No reading is defined for its rows: a read finds nothing.
    bool parseMeasurements() override { return false; }
};

} // namespace curves
