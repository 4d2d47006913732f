#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/curves/measurements/StepPositions.h"
#include "app/ui/linearization/LinearizationScreenRules.h"

namespace appui::linearization {

namespace {
std::vector<curves::CIELab> lightness(std::initializer_list<double> values) {
    std::vector<curves::CIELab> lab;
    for (double L : values) lab.push_back({L, 0, 0});
    return lab;
}
} // namespace

TEST(LinearizationRules, ThePlaceholderIsTwentyOneNeutralStepsFromNearWhiteToNearBlack) {
    const auto& steps = placeholderMeasurements();
    ASSERT_EQ(steps.size(), 21u);
    EXPECT_EQ(steps.front().L, 99.99);
    EXPECT_EQ(steps[1].L, 95);
    EXPECT_EQ(steps[19].L, 5);
    EXPECT_EQ(steps.back().L, 0.01);
    for (const auto& s : steps) EXPECT_EQ(s.a + s.b, 0);
}

TEST(LinearizationRules, SmoothingControlsTranslateIntoModelSettings) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Window {
        double value;
        int window;
    };
    for (const auto& c : {Window{50, 32}, Window{51, 32}, Window{33, 21}, Window{0, 0}, Window{100, 64}, Window{-3, -1},
                          Window{nan, 0}, Window{inf, 0}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(movingAverageWindowOf(c.value), c.window);
    }
    struct Strength {
        double typed;
        double kept;
        double percent;
    };
    for (const auto& c :
         {Strength{150, 100, 0.0}, Strength{-5, 0, 1.0}, Strength{33, 33, 0.67}, Strength{nan, 0, 1.0}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(clampedSplineStrength(c.typed), c.kept);
        EXPECT_DOUBLE_EQ(splinePercentOf(clampedSplineStrength(c.typed)), c.percent);
    }
}

TEST(LinearizationRules, LongLabListsAreCutToTwentyOneEntriesShortOnesPass) {
    std::vector<curves::CIELab> steps129;
    for (int i = 0; i < 129; ++i) steps129.push_back({static_cast<double>(i), 0, 0});
    std::vector<double> taken;
    for (const auto& s : resampleLabTo21(steps129)) taken.push_back(s.L);
    EXPECT_EQ(taken, (std::vector<double>{0,  6,  12, 18, 24, 30, 36,  43,  49,  55, 61,
                                          67, 73, 79, 86, 92, 98, 104, 110, 116, 128}));

    for (std::size_t n : {0u, 1u, 21u}) {
        const std::vector<curves::CIELab> lab(n, {50, 1, 2});
        EXPECT_EQ(resampleLabTo21(lab), lab);
    }
    EXPECT_EQ(resampleLabTo21(std::vector<curves::CIELab>(22)).size(), 21u);
}

TEST(LinearizationRules, FindErrorsFlagsTheRowBeforeARiseOfMoreThanHalfAUnit) {
    struct Case {
        std::vector<curves::CIELab> lab;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {lightness({90, 80, 80.4, 70}), {}},
        {lightness({90, 80, 81, 70}), {1}},
        {lightness({90, 80, 80.5, 70}), {}},
        {lightness({70, 80, 60, 61}), {0, 2}},
        {lightness({50}), {}},
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(findMeasurementErrors(c.lab), c.rows);
}

TEST(LinearizationRules, TheStepColumnShowsTheInputPercentageOfEachRow) {
    for (int r = 0; r < 21; ++r) EXPECT_DOUBLE_EQ(curves::stepInputPercentage(r, 21), r * 5.0);
    EXPECT_EQ(curves::stepInputPercentage(0, 1), 0);
    EXPECT_EQ(curves::stepInputPercentage(0, 0), 0);
    EXPECT_DOUBLE_EQ(curves::stepInputPercentage(1, 2), 100);
}

TEST(LinearizationRules, TheStepColumnShowsWhereUnevenlyPrintedRowsLie) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::vector<double> positions;
        int row;
        int rows;
        double percent;
    };
    const Case cases[] = {
        {{0, 2.5, 5, 10, 20, 100}, 1, 6, 2.5}, // a GRAY column in percent
        {{0, 2.5, 5, 10, 20, 100}, 5, 6, 100}, //
        {{10, 20, 60, 210}, 2, 4, 25},         // another scale: between the ends
        {{0, 2.5, 5, 10}, 1, 5, 25},           // not one position per row: even steps
        {{}, 1, 5, 25},                        // even wedges give no positions
        {{3, 3, 3}, 1, 3, 50},                 // no spread to place the rows in
        {{0, nan, 100}, 1, 3, 50},             // a position that is no number
        {{0, 50, 100}, 1, 1, 0},               //
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_DOUBLE_EQ(curves::stepInputPercentage(c.row, c.rows, c.positions), c.percent);
    }
}

// The dialog's 256 values are the target as they stand (a second spline
// stopped at 99.61 and dipped where the curve bends); another length is read
// along straight lines up to its end.
TEST(LinearizationRules, AManualTargetIsTheDialogCurveAsItStands) {
    std::vector<double> diagonal;
    for (int i = 0; i < 256; ++i) diagonal.push_back(i * 100.0 / 255);
    EXPECT_EQ(manualTargetOfCurve(diagonal), diagonal);

    const auto fromTwo = manualTargetOfCurve({0, 100});
    ASSERT_TRUE(fromTwo);
    ASSERT_EQ(fromTwo->size(), 256u);
    EXPECT_NEAR((*fromTwo)[64], 6400.0 / 255, 1e-9);
    EXPECT_EQ(fromTwo->back(), 100);

    EXPECT_FALSE(manualTargetOfCurve({}));
    EXPECT_FALSE(manualTargetOfCurve({42}));
}

TEST(LinearizationRules, HiddenChannelsAreZeroedWithinTheCurvesThereAre) {
    ChannelVisibility shown;
    shown.fill(true);
    shown[0] = false;
    shown[9] = false;
    for (std::size_t inks : {0u, 4u, 6u, 8u, 10u}) {
        SCOPED_TRACE(inks);
        const Curves output(inks, std::vector<double>(256, 1000));
        const auto graph = curvesForGraph(output, shown);
        ASSERT_EQ(graph.size(), inks);
        for (std::size_t k = 0; k < inks; ++k) {
            const bool hidden = k == 0 || k == 9;
            EXPECT_EQ(graph[k], std::vector<double>(256, hidden ? 0.0 : 1000.0));
        }
    }
    // Channels past the ten switches are left as they are.
    const auto eleven = curvesForGraph(Curves(11, std::vector<double>(256, 7)), shown);
    EXPECT_EQ(eleven[10], std::vector<double>(256, 7));
}

TEST(LinearizationRules, TheLastTwoChannelButtonsFollowTheFilesNinthInk) {
    const std::vector<std::string> eight{"# K Curve",  "# C Curve",  "# M Curve",  "# Y Curve",
                                         "# LC Curve", "# LM Curve", "# LK Curve", "# LLK Curve"};
    EXPECT_FALSE(lastChannelButtonTitles(eight));
    EXPECT_FALSE(lastChannelButtonTitles({}));
    auto orange = eight;
    orange.insert(orange.end(), {"# OR Curve", "# GR Curve"});
    EXPECT_EQ(lastChannelButtonTitles(orange), (std::pair{QStringLiteral("OR"), QStringLiteral("GR")}));
    auto violet = eight;
    violet.insert(violet.end(), {"# V Curve", "# MK Curve"});
    EXPECT_EQ(lastChannelButtonTitles(violet), (std::pair{QStringLiteral("V"), QStringLiteral("MK")}));
}

TEST(LinearizationRules, TheExportPopupChoosesTheKind) {
    using curves::ExportType;
    const std::pair<int, ExportType> cases[] = {{0, ExportType::quad}, {1, ExportType::acv},  {2, ExportType::lut},
                                                {3, ExportType::quad}, {7, ExportType::quad}, {-1, ExportType::quad}};
    for (const auto& [index, kind] : cases) EXPECT_EQ(exportTypeOfPopupIndex(index), kind) << index;
}

} // namespace appui::linearization
