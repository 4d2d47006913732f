#pragma once
#include <vector>

#include "app/curves/core/CIELab.h"

namespace appui {

// The 21-step neutral ramp the sample views and panels show while no samples
// are known: L* 99.9, 95.9, 90, 85, ..., 10, 5, 0.1, with a* = b* = 0.
const std::vector<curves::CIELab>& moclLab();

} // namespace appui
