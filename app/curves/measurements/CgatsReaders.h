#pragma once
#include <string>
#include <vector>

#include "app/curves/measurements/MeasurementData.h"

namespace curves {

// Readers of keyword-structured (CGATS-family) measurement files. The data
// rows lie between BEGIN_DATA and END_DATA, and NUMBER_OF_SETS must count
// them; L*, a*, b* come from the LAB_L column and the two after it. A file
// without LAB_L, whose NUMBER_OF_SETS disagrees with its rows, with rows too
// short for the Lab columns, or with a Lab field that is no number fails to
// load, the reason in the developer's log.
//
// For linearization every reader looks at the device values (RGB or CMYK
// columns, DeviceColumns.h): a colour characterisation chart loads only its
// grey ramp, or is refused without one, and the device values are the input
// positions of the patches (MeasurementData::finishWithCommonTail).

// Plain CGATS text (kind "CGATS"). With an RGB_R column the rows are ordered
// by their third field, greatest first, so a wedge reads from light to dark.
class CgatsCIELab : public MeasurementData {
public:
    using MeasurementData::MeasurementData;

    std::string numOfFields;
    long long totalSamples = 0;
    std::vector<std::vector<std::string>> dataSets;
    int lumIndex = -1;

protected:
    bool parseMeasurements() override;
};

// CGATS whose first line is BEGIN_DATA_FORMAT (kind "SpyderPrintCGATS"); read
// in file order.
class SpyderPrintCgatsCIELab : public MeasurementData {
public:
    using MeasurementData::MeasurementData;

    int numOfFields = 5;
    long long totalSamples = 0;

protected:
    bool parseMeasurements() override;
};

// Argyll CTI3 files (kind "TI3"). Fields are separated by runs of spaces, as
// the files pad their columns with them.
class ArgyllCIELab : public MeasurementData {
public:
    using MeasurementData::MeasurementData;

    std::string numOfFields;
    long long totalSamples = 0;
    int lumIndex = -1;
    int beginDataRowIndex = 0;
    std::vector<std::vector<std::string>> dataSets;

protected:
    bool parseMeasurements() override;
};

} // namespace curves
