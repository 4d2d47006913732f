#pragma once
// Whole chart frames as golden text: the recording's text form of one frame
// (see Charts/drawing/RecordingText.h), then one line per accessibility
// element the frame made, compared with the file kept under the kind's
// golden/ folder (see tests/support/golden_text.h for rewriting them after
// an intended change).
#include <string>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/RecordingText.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/views/ChartViewBase.h"
#include "platform/NumberText.h"
#include "tests/support/golden_text.h"

namespace charts::testing {

// One frame of the view: its drawing, then its elements as
// "element <header|item> [x, y, width, height] <label>".
inline std::string frameText(ChartViewBase& view) {
    RecordingContext context;
    view.draw(context);
    std::string text = recordingText(context.operations());
    const auto number = [](double value) { return platform::shortestDecimalText(value); };
    for (const std::shared_ptr<AccessibilityElement>& element : view.accessibilityChildren()) {
        const Rect& f = element->frame();
        text += "element " + std::string(element->isHeader() ? "header" : "item") + " [" + number(f.x()) + ", " +
                number(f.y()) + ", " + number(f.width()) + ", " + number(f.height()) + "] " +
                element->label().toStdString() + "\n";
    }
    return text;
}

// The frame against tests/charts/<folder>/golden/<name>.txt.
inline ::testing::AssertionResult frameMatchesGoldenIn(ChartViewBase& view, const std::string& folder,
                                                       const std::string& name) {
    return test_support::matchesGoldenFile(frameText(view), std::string(TINTSMITH_SOURCE_DIR) + "/tests/charts/" +
                                                                folder + "/golden/" + name + ".txt");
}

// The frame against tests/charts/types/<kind>/golden/<name>.txt.
inline ::testing::AssertionResult frameMatchesGolden(ChartViewBase& view, const std::string& kind,
                                                     const std::string& name) {
    return frameMatchesGoldenIn(view, "types/" + kind, name);
}

} // namespace charts::testing
