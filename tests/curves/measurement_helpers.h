#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "app/curves/measurements/MeasurementFile.h"
#include "app/curves/measurements/MeasurementReaderFactory.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"

namespace curves {

// Measurement text in memory, loaded the way the linearization model loads a
// file: recognition, the kind's reader, readMeasurements.
struct LoadedMeasurements {
    std::string kind;
    std::shared_ptr<MeasurementData> reader;
    bool ok = false;
};

inline LoadedMeasurements loadMeasurementText(std::string_view text, const std::string& name = "wedge.txt") {
    LoadedMeasurements result;
    auto file = measurementFileFromBytes(text, name);
    if (!file) return result;
    const MeasurementKind kind = file->detectKind();
    result.kind = kindText(kind);
    result.reader = makeMeasurementReader(kind, *file);
    if (result.reader) result.ok = result.reader->readMeasurements();
    return result;
}

// Quiet logs and scripted services for the duration of a test.
struct MeasurementTestEnvironment {
    platform::ScriptedServices services;
    platform::LogCapture log;
    std::size_t alertCount() const { return services.alerts->shown.size(); }
};

} // namespace curves
