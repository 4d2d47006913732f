#pragma once
#include <memory>

#include "app/curves/measurements/MeasurementData.h"
#include "app/curves/measurements/MeasurementFile.h"

namespace curves {

// The reader for a recognised kind, made over the file's lines for
// linearization (told whether the file is comma-separated where that matters).
// Nothing for kinds without a reader (colorMunki, qtrCreateICC, density,
// unrecognised): the caller loads nothing (the linearization model shows the
// load-failure alert for the recognised ones; recognition has shown it for
// the last). Call readMeasurements() on the result.
std::shared_ptr<MeasurementData> makeMeasurementReader(MeasurementKind kind, const MeasurementFile& file);

} // namespace curves
