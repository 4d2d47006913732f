#pragma once
#include <string>
#include <vector>

#include "Charts/drawing/RecordingContext.h"

namespace charts {

// The text form of a recording: one line per operation with every argument
// it was given and, for painting operations, the state and the number of
// clips in force, numbers in their shortest C-locale text. Two recordings
// with the same text drew the same; a changed line says which call differs
// and how. Fonts appear by pixel size and weight (not family), so the text
// does not depend on the fonts a machine has.
std::string recordingText(const std::vector<RecordedOperation>& operations);

} // namespace charts
