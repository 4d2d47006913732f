// Fuzzes the reading of measurement files: the clean-up into lines,
// recognition of the first line, every reader and the step averaging. Any
// input must end in a clean load or a failure, never a crash, a sanitizer
// report, a hang or a huge allocation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/curves/measurements/CgatsReaders.h"
#include "app/curves/measurements/ColumnReaders.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "app/curves/measurements/MeasurementReaderFactory.h"
#include "app/curves/measurements/MeasurementValidity.h"
#include "platform/Log.h"

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

// What a successful read promises its caller.
void checkContract(curves::MeasurementData& reader, bool ok) {
    if (!ok) {
        check(reader.measuredLab.empty() && reader.averagedMeasurements.empty() &&
              reader.interpolatedMeasurements.empty());
        return;
    }
    for (const auto& lab : reader.measuredLab)
        check(std::isfinite(lab.L) && std::isfinite(lab.a) && std::isfinite(lab.b) && lab.L >= 0 && lab.L <= 100);
    if (reader.forLinearization) {
        const auto& steps = reader.averagedMeasurements;
        check(steps.size() >= 2);
        check(reader.interpolatedMeasurements.size() == 256);
        // Lightest first, with a range to linearize against.
        check(steps.front().L - steps.back().L >= curves::minimumLightnessRange);
        // Positions, when given, one per step and rising from the paper end.
        const auto& positions = reader.averagedPositions;
        check(positions.empty() || positions.size() == steps.size());
        for (std::size_t i = 1; i < positions.size(); ++i) check(positions[i] >= positions[i - 1]);
    } else {
        check(!reader.measuredLab.empty());
    }
}

template <typename Reader, typename... Extra>
void readWith(const curves::MeasurementFile& file, bool forLinearization, Extra... extra) {
    Reader reader(file.measurementData, forLinearization, extra...);
    checkContract(reader, reader.readMeasurements());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::setDevLogSink([](std::string_view) {});
    platform::setStandardOutputSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"m.txt", "m.csv", "m.ti3"}) {
        // Every byte sequence is text in some encoding: a file always results.
        const auto file = curves::measurementFileFromBytes(bytes, name);
        check(file && file->measurementData && !file->measurementData->empty());

        // The road of a load: the recognised kind's reader.
        const curves::MeasurementKind kind = file->detectKind();
        if (auto reader = curves::makeMeasurementReader(kind, *file))
            checkContract(*reader, reader->readMeasurements());
    }

    // Every reader over the same lines, whatever the first line says.
    const auto file = curves::measurementFileFromBytes(bytes, "m.txt");
    for (bool forLinearization : {true, false}) {
        readWith<curves::CgatsCIELab>(*file, forLinearization);
        readWith<curves::SpyderPrintCgatsCIELab>(*file, forLinearization);
        readWith<curves::ArgyllCIELab>(*file, forLinearization);
        readWith<curves::MiscMeasurementDataFile>(*file, forLinearization);
        readWith<curves::QTRLinearizeDataCIELabFile>(*file, forLinearization);
        readWith<curves::TSMCIELabFile>(*file, forLinearization);
        readWith<curves::StepWedgeToolCIELabFile>(*file, forLinearization);
        readWith<curves::DataToolCIELabFile>(*file, forLinearization, true);
        readWith<curves::DataToolCIELabFile>(*file, forLinearization, false);
    }
    return 0;
}
