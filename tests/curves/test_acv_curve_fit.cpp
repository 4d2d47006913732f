// The curve a reader draws through .acv points, and the placing of points
// that keeps that curve on a target.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/curves/exports/AcvCurveFit.h"

namespace curves::acv {

namespace {

using Knots = std::vector<Knot>;

} // namespace

// Its levels are checked against ffmpeg, a real reader, level for level
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
        const auto curve = drawnLevels(c.knots);
        // A point's level is read back a hair short of itself at most, and
        // the reader truncates.
        for (const auto& k : c.knots) {
            EXPECT_LE(curve[k.input], k.output) << k.input;
            EXPECT_GE(curve[k.input], k.output - 1) << k.input;
        }
        for (int x = 0; x < c.knots.front().input; ++x) EXPECT_EQ(curve[x], curve[c.knots.front().input]);
        for (int x = c.knots.back().input; x <= topLevel; ++x) EXPECT_EQ(curve[x], curve[c.knots.back().input]);
    }
    // Points on a line draw the line, truncated; no points leave every level
    // as it is.
    const auto straight = drawnLevels(Knots{{0, 0}, {51, 51}, {204, 204}, {255, 255}});
    const auto unchanged = drawnLevels(Knots{});
    for (int x = 0; x <= topLevel; ++x) {
        EXPECT_LE(straight[x], x);
        EXPECT_GE(straight[x], x - 1);
        EXPECT_EQ(unchanged[x], x);
    }
    // A swing past the top or bottom is held there, as readers keep levels.
    const auto swing = drawnLevels(Knots{{0, 0}, {10, 250}, {255, 255}});
    EXPECT_EQ(*std::max_element(swing.begin(), swing.end()), 255);
    EXPECT_GE(*std::min_element(swing.begin(), swing.end()), 0);
}

// Written as a six-decimal fraction of 255 and read back: checked against the
// C library's own printing and reading for every level.
TEST(AcvCurveFit, TheReaderTakesEachLevelForItsSixDecimalFraction) {
    const struct {
        int level;
        double fraction;
    } cases[] = {{0, 0.0}, {4, 0.015686}, {37, 0.145098}, {51, 0.2}, {255, 1.0}};
    for (const auto& c : cases) EXPECT_EQ(readFraction(c.level), c.fraction) << c.level;
    for (int x = 0; x <= topLevel; ++x) {
        char text[32];
        std::snprintf(text, sizeof text, "%f", x / 255.0);
        EXPECT_EQ(readFraction(x), std::strtod(text, nullptr)) << x << " " << text;
    }
    // The piece from a level that reads short starts a level early: a point
    // at 4 already draws its output at 3; one at 5 draws it at 5.
    EXPECT_EQ(drawnLevels(Knots{{0, 0}, {4, 40}, {255, 255}})[3], 40);
    const auto kept = drawnLevels(Knots{{0, 0}, {5, 40}, {255, 255}});
    EXPECT_LT(kept[4], 40);
    EXPECT_EQ(kept[5], 40);
}

// The .cube's values as a reader draws them: single precision, truncated.
TEST(AcvCurveFit, TableLevelsAreTruncatedInSinglePrecisionAndKeptToTheRange) {
    const struct {
        double fraction;
        int level;
    } cases[] = {{0.0, 0},    {0.5, 127}, {1.0, 255},   {1 / 255.0, 1}, {0.999, 254},
                 {-0.002, 0}, {1.5, 255}, {1e300, 255}, {-1e300, 0},    {std::nan(""), 0}};
    for (const auto& c : cases) EXPECT_EQ(tableLevel(c.fraction), c.level) << c.fraction;
}

TEST(AcvCurveFit, AFitCountsFallsOnlyWhereTheTargetDoesNotFall) {
    // The levels given, then the last one held.
    const auto levels = [](std::vector<int> start) {
        Levels l{};
        for (std::size_t x = 0; x < levelCount; ++x) l[x] = x < start.size() ? start[x] : start.back();
        return l;
    };
    const struct {
        const char* name;
        std::vector<int> drawn, target;
        int reversals, worst, atWorst;
    } cases[] = {
        {"the same", {0, 1, 2, 3}, {0, 1, 2, 3}, 0, 0, 256},
        {"falls where the target rises", {0, 2, 1, 3}, {0, 1, 2, 3}, 1, 1, 2},
        {"falls with the target", {0, 2, 1, 3}, {0, 2, 1, 3}, 0, 0, 256},
        {"falls where the target is flat", {2, 1, 0, 0}, {1, 1, 1, 1}, 2, 1, 255},
        {"one level far off", {0, 5, 2, 3}, {0, 1, 2, 3}, 1, 4, 1},
    };
    for (const auto& c : cases) {
        const auto fit = fitOf(levels(c.drawn), levels(c.target));
        EXPECT_EQ(fit.reversals, c.reversals) << c.name;
        EXPECT_EQ(fit.worst, c.worst) << c.name;
        EXPECT_EQ(fit.atWorst, c.atWorst) << c.name;
    }
    EXPECT_TRUE((Fit{0, 9, 9, 9}).betterThan(Fit{1, 0, 0, 0}));
    EXPECT_TRUE((Fit{0, 1, 9, 9}).betterThan(Fit{0, 2, 1, 0}));
    EXPECT_TRUE((Fit{0, 1, 2, 9}).betterThan(Fit{0, 1, 3, 0}));
    EXPECT_TRUE((Fit{0, 1, 2, 3}).betterThan(Fit{0, 1, 2, 4}));
}

// Placed points keep every rule of the file, never fall where the target
// rises, and come within a level of the closest curve a long search over
// legal points found (tools/acvsearch), at every level.
TEST(AcvCurveFit, PlacedPointsKeepTheRulesAndComeWithinALevelOfTheBestCurve) {
    const struct {
        const char* name;
        std::function<double(double)> shape;
        int bestWorst;
    } targets[] = {
        {"steep shadows", [](double u) { return 1 - std::pow(1 - u, 4); }, 1},
        {"a late shoulder", [](double u) { return std::pow(u, 4); }, 1},
        {"an S", [](double u) { return u * u * (3 - 2 * u); }, 1},
        {"a knee", [](double u) { return u < 0.5 ? 0.5 * u : 1.5 * u - 0.5; }, 1},
        {"a jump in the midtones", [](double u) { return u < 0.75 ? 0.6 * u : 0.8 + 0.8 * (u - 0.75); }, 32},
    };
    for (const auto& t : targets) {
        SCOPED_TRACE(t.name);
        std::vector<double> fractions;
        Levels table{};
        for (int x = 0; x <= topLevel; ++x) {
            fractions.push_back(t.shape(x / double(topLevel)));
            table[x] = tableLevel(fractions.back());
        }
        const auto knots = placeKnots(fractions);
        ASSERT_GE(knots.size(), 2u);
        EXPECT_LE(knots.size(), maximumKnots);
        EXPECT_EQ(knots.front(), (Knot{0, 0}));
        EXPECT_EQ(knots.back(), (Knot{topLevel, topLevel}));
        for (std::size_t i = 1; i < knots.size(); ++i) EXPECT_TRUE(keepsApart(knots[i - 1], knots[i])) << i;
        const auto fit = fitOf(drawnLevels(knots), table);
        EXPECT_EQ(fit.reversals, 0);
        EXPECT_LE(fit.worst, t.bestWorst + 1);
    }
}

} // namespace curves::acv
