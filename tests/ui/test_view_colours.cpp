// The greys the curve editors and the Lab view draw their grids in: the
// desktop's light grey, a white level of two thirds (not Qt's lighter one).
#include <gtest/gtest.h>

#include <functional>

#include "Charts/drawing/NamedColors.h"
#include "app/ui/editors/ManualCurveEditorView.h"
#include "app/ui/editors/v2CurveEditorView.h"
#include "app/ui/widgets/LabView.h"

namespace appui {
namespace {

TEST(ViewColours, GridsAreLightGreyOfTwoThirdsWhite) {
    struct Case {
        const char* name;
        std::function<QColor()> gridColor;
    };
    const Case cases[] = {
        {"ManualCurveEditorView", [] { return ManualCurveEditorView().gridColor; }},
        {"v2CurveEditorView", [] { return v2CurveEditorView().gridColor; }},
        {"LabView", [] { return LabView().gridColor; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QColor grid = c.gridColor();
        EXPECT_EQ(grid, charts::named::lightGray());
        EXPECT_NEAR(grid.redF(), 2.0 / 3, 1e-6);
        EXPECT_EQ(grid.red(), grid.green());
        EXPECT_EQ(grid.red(), grid.blue());
    }
}

} // namespace
} // namespace appui
