// The fast recomputation of a slider move gives the same doubles, bit for
// bit, as the straightforward form it replaced (tests/support/reference_recompute).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "app/curves/BinaryLinearization.h"
#include "app/curves/CorrectionCurve.h"
#include "app/curves/LinearizationDataModel.h"
#include "app/curves/MeasurementData.h"
#include "app/curves/MovingAverager.h"
#include "app/curves/Resampling.h"
#include "app/curves/SplineSmoother.h"
#include "tests/support/reference_recompute.h"

namespace curves {

namespace {

using reference::sameBits;

// A wedge of n steps from paper white towards black, with a wobble, an
// optional reversal (a step lighter than the one before) and a flat run.
std::vector<CIELab> wedge(int n, double wobble, bool reversal, bool flat) {
    std::vector<CIELab> lab;
    for (int i = 0; i < n; ++i) {
        const double f = static_cast<double>(i) / (n - 1);
        lab.push_back({95 - 85 * std::pow(f, 0.6) + wobble * std::sin(3.0 * i), 0.2 * f, -1.0 + 0.1 * f});
    }
    if (reversal) lab[static_cast<std::size_t>(n / 2)].L = lab[static_cast<std::size_t>(n / 2 - 2)].L + 1;
    if (flat)
        for (int i = n / 3; i < n / 3 + 4 && i < n; ++i)
            lab[static_cast<std::size_t>(i)].L = lab[static_cast<std::size_t>(n / 3)].L;
    return lab;
}

v2LinearizationDataModel modelOf(const std::vector<CIELab>& lab, int inks) {
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    model.rawMeasurements = lab;
    model.interpolatedMeasurements = MeasurementData::interpolateToSteps(lab);
    const auto channels = MeasurementData::separateLab(model.interpolatedMeasurements);
    model.separatedLABArrays.assign(channels.begin(), channels.end());
    model.resetTargets();
    auto quad = std::make_shared<QuadDataFile>();
    QuadDataFile::Curves curves;
    for (int c = 0; c < inks; ++c) {
        std::vector<double> curve;
        for (int i = 0; i < 256; ++i)
            curve.push_back(c % 3 == 2 ? 0.0 : 30000.0 * (c + 1) / inks * std::pow(i / 255.0, 1.0 + 0.1 * c));
        curves.push_back(curve);
    }
    quad->inputQuadCurveArray = curves;
    model.quadData = quad;
    return model;
}

} // namespace

TEST(RecomputeIdentity, EverySliderSettingGivesTheReferenceBits) {
    struct Wedge {
        int steps;
        double wobble;
        bool reversal;
        bool flat;
    };
    const Wedge wedges[] = {{21, 0.3, false, false},
                            {51, 0.8, true, false},
                            {129, 0.1, false, true},
                            {256, 0.5, true, true},
                            {101, 0, false, false}};
    for (const auto& w : wedges) {
        for (int inks : {4, 8, 10}) {
            auto model = modelOf(wedge(w.steps, w.wobble, w.reversal, w.flat), inks);
            for (int window : {0, 3, 21, 33, 64}) {
                for (int strength : {0, 33, 67, 100}) {
                    SCOPED_TRACE(testing::Message() << w.steps << " steps, " << inks << " inks, window " << window
                                                    << ", strength " << strength);
                    model.avgWindowSize = window;
                    model.splinePercent = (100.0 - strength) / 100;
                    const auto expected = reference::recompute(model);
                    const auto actual = reference::recomputeWithModel(model);
                    ASSERT_FALSE(actual.linearized.empty());
                    EXPECT_TRUE(sameBits(actual, expected));
                }
            }
        }
    }
}

TEST(RecomputeIdentity, AManualTargetGivesTheReferenceBits) {
    auto model = modelOf(wedge(21, 0.3, false, false), 8);
    model.avgWindowSize = 33;
    model.splinePercent = 0.67;
    for (double gamma : {0.5, 1.0, 2.2}) {
        model.manualCurve.clear();
        for (int i = 0; i < 256; ++i) model.manualCurve.push_back(100 * std::pow(i / 255.0, gamma));
        EXPECT_TRUE(sameBits(reference::recomputeWithModel(model), reference::recompute(model))) << gamma;
    }
}

TEST(RecomputeIdentity, TheCorrectionOfAnyDensityListMatchesTheScans) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> lightness(0, 100);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::vector<double>> lists;
    // Falling, rising, with plateaus, with equal neighbours at both ends,
    // unordered, and with a value that is not finite (the scans serve those).
    lists.push_back(linspace(256, 95, 5));
    lists.push_back(linspace(256, 5, 95));
    auto plateaus = linspace(64, 90, 10);
    for (std::size_t i = 10; i < 20; ++i) plateaus[i] = plateaus[10];
    plateaus[0] = plateaus[1];
    plateaus.back() = plateaus[plateaus.size() - 2];
    lists.push_back(plateaus);
    std::vector<double> unordered;
    for (int i = 0; i < 100; ++i) unordered.push_back(lightness(random));
    lists.push_back(unordered);
    auto withNaN = linspace(50, 90, 10);
    withNaN[7] = nan;
    lists.push_back(withNaN);
    lists.push_back({50, 50});
    lists.push_back({80, 20});
    // Targets beyond both ends, on the values and exactly between two.
    std::vector<std::vector<double>> targets{linspace(256, 100, 0), linspace(256, 95, 5), linspace(256, 0, 100)};
    std::vector<double> between{0};
    for (std::size_t i = 0; i + 1 < plateaus.size(); ++i) between.push_back((plateaus[i] + plateaus[i + 1]) / 2);
    between.push_back(0);
    targets.push_back(between);
    for (std::size_t l = 0; l < lists.size(); ++l) {
        for (std::size_t t = 0; t < targets.size(); ++t) {
            CorrectionCurve curve;
            curve.densitiesToCorrect = lists[l];
            curve.finalTargetArray = targets[t];
            EXPECT_TRUE(sameBits(curve.makeCorrectionCurve(), reference::makeCorrectionCurve(curve)))
                << "list " << l << ", target " << t;
        }
    }
}

TEST(RecomputeIdentity, ResampledCurvesMatchTheSearchedSamples) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::vector<double> xs;
        std::vector<double> ys;
    };
    std::mt19937 random(11);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> randomXs;
    std::vector<double> randomYs;
    for (int i = 0; i < 40; ++i) {
        randomXs.push_back(unit(random));
        randomYs.push_back(unit(random) * 100);
    }
    const Case cases[] = {
        {normalizeToUnit(ramp(256, 0, 0.3921568627)), linspace(256, 0, 65535)},
        {randomXs, randomYs},
        {{0, 0.25, 0.25, 0.5, 1}, {0, 10, 20, 30, 40}},
        {{0.1, 0.2, nan, 0.9}, {1, nan, 3, 4}},
        {{0.5}, {7}},
        {{0.2, 0.7}, {3, 9}},
    };
    for (const auto& c : cases) {
        for (bool spline : {true, false}) {
            for (double step : {1.0 / 256, 1.0 / 1024, 0.3}) {
                ZWInterpolateD interpolator;
                interpolator.interpolationStepValue = step;
                interpolator.interpolate(c.xs, c.ys, spline ? "Spline" : "Linear");
                EXPECT_TRUE(sameBits(interpolator.outputArray, reference::interpolate(c.xs, c.ys, spline, step)))
                    << c.xs.size() << " keys, spline " << spline << ", step " << step;
            }
        }
    }
}

TEST(RecomputeIdentity, TheReducedLinearizationIsThe256PointsOfTheFullOne) {
    std::vector<std::vector<double>> quad{
        linspace(256, 0, 65535), std::vector<double>(256, 0.0), {}, {12345}, linspace(100, 0, 30000)};
    const std::vector<std::vector<double>> corrections{
        linspace(256, 0, 100), linspace(256, 100, 0), std::vector<double>(256, 50), {}};
    for (const auto& correction : corrections) {
        const BinaryLinearization linearization(correction, quad);
        EXPECT_TRUE(sameBits(linearization.linearizedOutputQuadArray,
                             BinaryLinearization::reduceTo256(linearization.linearize(quad, correction))));
        EXPECT_TRUE(sameBits(linearization.linearizedOutputQuadArray, reference::linearize(correction, quad)));
    }
}

TEST(RecomputeIdentity, GridIndicesMatchTheBinarySearch) {
    const BinaryLinearization linearization(linspace(256, 0, 100), {});
    const auto& grid = linearization.stepArray1024;
    std::vector<double> positions{0, 100, 50, 1e-300, 99.99999999999999};
    for (const double g : grid) {
        positions.push_back(g);
        positions.push_back(std::nextafter(g, -1.0));
        positions.push_back(std::nextafter(g, 200.0));
    }
    for (const double p : positions)
        if (p >= 0 && p <= 100) {
            EXPECT_EQ(linearization.gridIndexOf(p), binarySearchIndex(grid, p)) << p;
        }
}

TEST(RecomputeIdentity, SmoothingReadInPlaceMatchesTheCopies) {
    const auto lab = MeasurementData::interpolateToSteps(wedge(21, 0.4, true, false));
    std::vector<double> L;
    for (const auto& s : lab) L.push_back(s.L);
    for (int window : {0, 2, 3, 9, 33, 255, 300})
        EXPECT_TRUE(sameBits(v2MovingAverager(L, window).average(), reference::movingAverage(L, window))) << window;
    for (double fraction : {0.0, 0.01, 0.33, 0.67, 1.0})
        EXPECT_TRUE(sameBits(v2SplineSmoother(L, fraction).smoothedValues, reference::splineSmooth(L, fraction)))
            << fraction;
}

} // namespace curves
