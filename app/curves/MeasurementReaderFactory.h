#pragma once
#include <memory>
#include <string_view>

#include "app/curves/MeasurementData.h"
#include "app/curves/MeasurementFile.h"

namespace curves {

// The reader for a recognised kind, made over the file's lines for
// linearization (told whether the file is comma-separated where that matters).
// Nothing for kinds without a reader ("ColorMunki File", "QTR-Create-ICC
// File", "Density File", "Could not load file"): the caller loads nothing
// (the linearization model shows the load-failure alert for the recognised
// ones; recognition has shown it for the last). Call readMeasurements() on
// the result.
std::shared_ptr<MeasurementData> makeMeasurementReader(std::string_view kind, const MeasurementFile& file);

} // namespace curves
