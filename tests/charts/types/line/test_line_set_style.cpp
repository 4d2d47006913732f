// A line set's style as the renderer reads it once per frame.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Charts/drawing/NamedColors.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineSetStyle.h"

namespace charts {
namespace {

TEST(LineSetStyle, ReadsTheLineAndItsStrokeState) {
    LineChartDataSet set(LineChartDataSet::Entries{}, QStringLiteral("K"));
    set.setMode(LineChartMode::stepped);
    set.setColors({Qt::red, Qt::blue});
    set.setLineWidth(2.5);
    set.setLineDashLengths(std::vector<double>{4, 2});
    set.setLineCapType(Qt::RoundCap);
    set.setCubicIntensity(0.5);
    const LineSetStyle style = LineSetStyle::of(set);
    EXPECT_EQ(style.mode, LineChartMode::stepped);
    EXPECT_EQ(style.colors.at(3), QColor(Qt::blue));
    EXPECT_EQ(style.cubicIntensity, 0.5);

    RecordingContext context;
    style.applyStrokeTo(context);
    EXPECT_EQ(context.graphicsState().stroke.lineWidth, 2.5);
    EXPECT_EQ(context.graphicsState().stroke.dashLengths, (std::vector<double>{4, 2}));
    EXPECT_EQ(context.graphicsState().stroke.cap, LineCap::round);
    // No dash lengths: solid.
    set.setLineDashLengths(std::nullopt);
    LineSetStyle::of(set).applyStrokeTo(context);
    EXPECT_TRUE(context.graphicsState().stroke.dashLengths.empty());
}

TEST(LineSetStyle, CirclesAndTheirHoles) {
    struct Case {
        std::string name;
        double radius;
        double holeRadius;
        bool holeEnabled;
        std::optional<QColor> holeColor;
        bool drawHole;
        bool transparentHole;
    };
    const std::vector<Case> cases{
        {"a coloured hole inside", 8, 4, true, QColor(Qt::white), true, false},
        {"a hole as large as the circle", 8, 8, true, QColor(Qt::white), false, false},
        {"a hole of no size", 8, 0, true, QColor(Qt::white), false, false},
        {"holes switched off", 8, 4, false, QColor(Qt::white), false, false},
        {"a hole without colour is see-through", 8, 4, true, std::nullopt, true, true},
        {"a hole in the clear colour is see-through", 8, 4, true, named::clear(), true, true},
    };
    for (const Case& c : cases) {
        LineChartDataSet set(LineChartDataSet::Entries{}, QStringLiteral("K"));
        set.setCircleRadius(c.radius);
        set.setCircleHoleRadius(c.holeRadius);
        set.setDrawCircleHoleEnabled(c.holeEnabled);
        set.setCircleHoleColor(c.holeColor);
        const LineCircleStyle style = LineSetStyle::of(set).circles;
        EXPECT_EQ(style.drawHole, c.drawHole) << c.name;
        EXPECT_EQ(style.transparentHole, c.transparentHole) << c.name;
        EXPECT_EQ(style.radius, c.radius) << c.name;
    }

    LineChartDataSet set(LineChartDataSet::Entries{}, QStringLiteral("K"));
    set.setCircleColors({Qt::red, Qt::green});
    EXPECT_EQ(LineSetStyle::of(set).circles.colorAt(3), QColor(Qt::green));
    set.setCircleColors({});
    EXPECT_EQ(LineSetStyle::of(set).circles.colorAt(0), std::nullopt);
}

} // namespace
} // namespace charts
