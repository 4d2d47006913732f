// The curve a reader draws through .acv points, and the placing of points
// that keeps that curve on a target.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/curves/AcvCurveFit.h"

namespace curves::acv {

namespace {

using Knots = std::vector<Knot>;

std::vector<double> levelsOf(const std::function<double(double)>& shape) {
    std::vector<double> levels;
    for (int x = 0; x <= topLevel; ++x) levels.push_back(topLevel * shape(x / double(topLevel)));
    return levels;
}

} // namespace

// Its shape between the points is checked against ffmpeg, a real reader
// (test_correction_export.cpp).
TEST(AcvCurveFit, TheDrawnCurvePassesThroughItsPointsAndHoldsBeyondThem) {
    const struct {
        const char* name;
        Knots knots;
    } cases[] = {
        {"the ends only", {{0, 0}, {255, 255}}},
        {"a lifted midtone", {{0, 0}, {100, 150}, {255, 255}}},
        {"a correction", {{0, 0}, {19, 57}, {73, 128}, {145, 187}, {217, 233}, {255, 255}}},
        {"points inside the ends", {{20, 10}, {128, 100}, {230, 240}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto curve = drawnCurve(c.knots);
        ASSERT_EQ(curve.size(), levelCount);
        for (const auto& k : c.knots) EXPECT_NEAR(curve[k.input], k.output, 1e-9) << k.input;
        for (int x = 0; x < c.knots.front().input; ++x) EXPECT_EQ(curve[x], c.knots.front().output);
        for (int x = c.knots.back().input; x <= topLevel; ++x) EXPECT_EQ(curve[x], c.knots.back().output);
    }
    // Points on a line draw the line; one point draws nothing.
    const auto straight = drawnCurve({{0, 0}, {51, 51}, {204, 204}, {255, 255}});
    for (int x = 0; x <= topLevel; ++x) EXPECT_NEAR(straight[x], x, 1e-9);
    EXPECT_TRUE(drawnCurve({{0, 0}}).empty());
    // A swing past the top or bottom is held there, as readers keep levels.
    const auto swing = drawnCurve({{0, 0}, {10, 250}, {255, 255}});
    EXPECT_EQ(*std::max_element(swing.begin(), swing.end()), 255);
    EXPECT_GE(*std::min_element(swing.begin(), swing.end()), 0);
}

// Written as a six-decimal fraction of 255 and read back, a level is kept
// exactly when it is not cut to the level below: checked against the text
// itself for every level.
TEST(AcvCurveFit, LevelsKeepThemselvesWhenTheirSixDecimalFractionDoesNotFallShort) {
    const struct {
        int input;
        bool kept;
    } cases[] = {{0, true}, {4, false}, {19, true}, {37, false}, {51, true}, {239, true}, {247, false}, {255, true}};
    for (const auto& c : cases) EXPECT_EQ(keepsItsLevel(c.input), c.kept) << c.input;
    int kept = 0;
    for (int x = 0; x <= topLevel; ++x) {
        char text[32];
        std::snprintf(text, sizeof text, "%f", x / 255.0);
        const bool readBack = static_cast<int>(std::strtod(text, nullptr) * 255) >= x;
        EXPECT_EQ(keepsItsLevel(x), readBack) << x << " " << text;
        kept += readBack;
    }
    EXPECT_GT(kept, 100); // about every other level: room enough to place points
}

TEST(AcvCurveFit, AFitCountsFallsOnlyWhereTheTargetDoesNotFall) {
    const struct {
        const char* name;
        std::vector<double> drawn, target;
        int reversals;
        double worst;
    } cases[] = {
        {"the same", {0, 1, 2, 3}, {0, 1, 2, 3}, 0, 0},
        {"falls where the target rises", {0, 2, 1, 3}, {0, 1, 2, 3}, 1, 1},
        {"falls with the target", {0, 2, 1, 3}, {0, 2, 1, 3}, 0, 0},
        {"falls where the target is flat", {2, 1.5, 1, 1}, {1, 1, 1, 1}, 2, 1},
        {"a rounding wobble is no fall", {0, 1, 1 - 1e-12, 3}, {0, 1, 1, 3}, 0, 1e-12},
    };
    for (const auto& c : cases) {
        const auto fit = fitOf(c.drawn, c.target);
        EXPECT_EQ(fit.reversals, c.reversals) << c.name;
        EXPECT_NEAR(fit.worstDifference, c.worst, 1e-15) << c.name;
    }
    EXPECT_TRUE(std::isinf(fitOf({0, 1}, {0, 1, 2, 3}).worstDifference)); // a curve too short
    EXPECT_TRUE((Fit{0, 1.0}).betterThan(Fit{1, 0.0}));
    EXPECT_TRUE((Fit{1, 1.0}).betterThan(Fit{1, 2.0}));
    EXPECT_FALSE((Fit{0, 2.0}).within(1.9));
    EXPECT_FALSE((Fit{1, 0.0}).within(3));
}

// Placed points keep every rule of the file, lie within a level of the
// target, and bring the drawn curve within the tolerance of targets the even
// samples miss, wherever points can reach.
TEST(AcvCurveFit, PlacedPointsKeepTheRulesAndFollowTheTarget) {
    const struct {
        const char* name;
        std::function<double(double)> shape;
    } targets[] = {
        {"steep shadows", [](double u) { return 1 - std::pow(1 - u, 4); }},
        {"a late shoulder", [](double u) { return std::pow(u, 4); }},
        {"an S", [](double u) { return u * u * (3 - 2 * u); }},
        {"a knee", [](double u) { return u < 0.5 ? 0.5 * u : 1.5 * u - 0.5; }},
        {"a straight line", [](double u) { return u; }},
        {"a jump, followed on either side", [](double u) { return u < 0.75 ? 0.6 * u : 0.8 + 0.8 * (u - 0.75); }},
    };
    constexpr double tolerance = 2.5;
    for (const auto& t : targets) {
        SCOPED_TRACE(t.name);
        const auto target = levelsOf(t.shape);
        const auto knots = placeKnots(target, tolerance);
        ASSERT_GE(knots.size(), 2u);
        EXPECT_LE(knots.size(), maximumKnots);
        EXPECT_EQ(knots.front(), (Knot{0, 0}));
        EXPECT_EQ(knots.back(), (Knot{topLevel, topLevel}));
        for (std::size_t i = 1; i < knots.size(); ++i) EXPECT_TRUE(keepsApart(knots[i - 1], knots[i])) << i;
        for (std::size_t i = 1; i + 1 < knots.size(); ++i) EXPECT_TRUE(keepsItsLevel(knots[i].input)) << i;
        for (const auto& k : knots) EXPECT_LE(std::fabs(k.output - target[k.input]), pointTolerance) << k.input;
        const auto fit = fitOf(drawnCurve(knots), target, reachableLevels(target, tolerance));
        EXPECT_TRUE(fit.within(tolerance)) << fit.worstDifference << " with " << fit.reversals << " reversals";
    }
}

} // namespace curves::acv
