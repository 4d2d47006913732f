// The fast recomputation of a slider move gives the same doubles, bit for
// bit, as the straightforward form it replaced (tests/support/reference_recompute).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>

#include "Numerics/Numerics.h"
#include "app/curves/linearization/BinaryLinearization.h"
#include "app/curves/linearization/CorrectionCurve.h"
#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/MovingAverager.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/math/RunMean.h"
#include "app/curves/math/SplineSmoother.h"
#include "app/curves/measurements/MeasurementData.h"
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

const double nan = std::numeric_limits<double>::quiet_NaN();
const double infinity = std::numeric_limits<double>::infinity();

// A bump of ink between keyframes `from` and `to` of a 256-value curve,
// zero elsewhere; `zero` fills the rest (0.0 or -0.0).
std::vector<double> inkBetween(int from, int to, double height, double zero = 0.0) {
    std::vector<double> curve(256, zero);
    for (int i = from + 1; i < to; ++i)
        curve[static_cast<std::size_t>(i)] =
            std::round(height * std::pow(std::sin(std::numbers::pi * (i - from) / (to - from)), 2));
    return curve;
}

std::vector<double> powerCurve(std::size_t count, double top, double exponent) {
    std::vector<double> curve;
    for (std::size_t i = 0; i < count; ++i)
        curve.push_back(top * std::pow(static_cast<double>(i) / static_cast<double>(count - 1), exponent));
    return curve;
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
    // Targets far apart from one to the next as well: at random, and
    // swinging from one end to the other.
    std::vector<std::vector<double>> targets{linspace(256, 100, 0), linspace(256, 95, 5), linspace(256, 0, 100)};
    std::vector<double> scattered;
    std::vector<double> swinging;
    for (int i = 0; i < 256; ++i) {
        scattered.push_back(lightness(random));
        swinging.push_back(i % 2 == 0 ? 92.0 - i / 10.0 : 8.0 + i / 10.0);
    }
    targets.push_back(scattered);
    targets.push_back(swinging);
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

// Channels of every kind a .quad may hold, beside one another in any order,
// linearized by corrections of every shape: curves on the 256 grid go two by
// two through shared samples and skip the readings where neither carries
// ink; the others go one by one.
TEST(RecomputeIdentity, EveryKindOfChannelGivesTheReferenceBits) {
    auto withNaN = powerCurve(256, 30000, 1.3);
    withNaN[100] = nan;
    auto withInfinity = powerCurve(256, 30000, 1.3);
    withInfinity[200] = infinity;
    std::vector<double> lastOnly(256, 0.0);
    lastOnly.back() = 65535;
    std::vector<double> firstOnly(256, 0.0);
    firstOnly.front() = 500;
    std::vector<double> startOnly(256, 0.0);
    startOnly[1] = 800;
    startOnly[2] = 300;
    const std::vector<std::vector<double>> channels{
        powerCurve(256, 30000, 1.3),
        inkBetween(80, 150, 20000),
        inkBetween(20, 60, 15000),
        inkBetween(180, 255, 40000),
        inkBetween(120, 200, 9000, -0.0),
        std::vector<double>(256, 0.0),
        std::vector<double>(256, -0.0),
        std::vector<double>(256, 1000),
        lastOnly,
        firstOnly,
        startOnly,
        withNaN,
        withInfinity,
        powerCurve(255, 30000, 1.1),
        powerCurve(257, 30000, 1.1),
        powerCurve(100, 30000, 0.9),
        {12345},
        {},
    };
    // Every channel alone (an odd one out of the pairs), with a bump of ink
    // before and after it, and all of them in one quad.
    std::vector<QuadDataFile::Curves> quads{channels};
    for (const auto& channel : channels) {
        quads.push_back({channel});
        quads.push_back({inkBetween(60, 120, 12000), channel});
        quads.push_back({channel, inkBetween(150, 230, 25000)});
    }

    std::vector<std::vector<double>> corrections{linspace(256, 0, 100),          linspace(256, 100, 0),
                                                 std::vector<double>(256, 50),   std::vector<double>(256, 100),
                                                 std::vector<double>(256, -0.0), linspace(256, -5, 105),
                                                 linspace(100, 0, 100),          {}};
    for (const double gamma : {0.45, 2.2}) corrections.push_back(powerCurve(256, 100, gamma));
    std::vector<double> swinging;
    for (int i = 0; i < 256; ++i) swinging.push_back(50 + 40 * std::sin(i / 7.0));
    corrections.push_back(swinging);
    auto correctionWithNaN = linspace(256, 0, 100);
    correctionWithNaN[128] = nan;
    corrections.push_back(correctionWithNaN);

    for (std::size_t q = 0; q < quads.size(); ++q) {
        for (std::size_t c = 0; c < corrections.size(); ++c) {
            SCOPED_TRACE(testing::Message() << "quad " << q << ", correction " << c);
            const auto expected = reference::linearize(corrections[c], quads[q]);
            EXPECT_TRUE(sameBits(BinaryLinearization::linearizeTo256(quads[q], corrections[c]), expected));
            EXPECT_TRUE(sameBits(BinaryLinearization(corrections[c], quads[q]).linearizedOutputQuadArray, expected));
        }
    }
}

// Measurements with values that are not numbers, wedges of only a few
// steps, step grids with repeated steps, and manual targets that rise and
// fall: the smoothing, the correction and the corrected samples leave their
// short ways and still give the reference bits.
TEST(RecomputeIdentity, UnusualMeasurementsAndTargetsGiveTheReferenceBits) {
    struct Case {
        const char* name;
        std::vector<std::vector<double>> channels; // L*, a*, b*
        std::vector<double> steps;
    };
    auto lightness = linspace(256, 95, 10);
    auto lightnessWithNaN = lightness;
    lightnessWithNaN[40] = nan;
    auto blueWithNaN = linspace(256, -1, 1);
    blueWithNaN[200] = nan;
    auto repeatedSteps = linspace(256, 0, 100);
    repeatedSteps[101] = repeatedSteps[100];
    const Case cases[] = {
        {"a* with a gap", {lightness, linspace(256, 0, 1), blueWithNaN}, linspace(256, 0, 100)},
        {"L* with a gap", {lightnessWithNaN, linspace(256, 0, 1), linspace(256, -1, 1)}, linspace(256, 0, 100)},
        {"three steps", {{95, 50, 10}, {0, 0.5, 1}, {-1, 0, 1}}, linspace(256, 0, 100)},
        {"five steps", {linspace(5, 95, 10), linspace(5, 0, 1), linspace(5, -1, 1)}, linspace(256, 0, 100)},
        {"seventeen steps", {linspace(17, 95, 10), linspace(17, 0, 1), linspace(17, -1, 1)}, linspace(17, 0, 100)},
        {"repeated step", {lightness, linspace(256, 0, 1), linspace(256, -1, 1)}, repeatedSteps},
        {"falling steps", {lightness, linspace(256, 0, 1), linspace(256, -1, 1)}, linspace(256, 100, 0)},
    };
    std::vector<std::vector<double>> manualCurves{linspace(256, 0, 100), linspace(256, 100, 0)};
    std::vector<double> swinging;
    for (int i = 0; i < 256; ++i) swinging.push_back(50 + 45 * std::sin(i / 5.0));
    manualCurves.push_back(swinging);
    for (const auto& c : cases) {
        auto model = modelOf(wedge(21, 0.3, false, false), 6);
        model.separatedLABArrays = c.channels;
        model.stepArray = c.steps;
        for (const auto& manual : manualCurves) {
            for (int window : {0, 5, 33}) {
                for (double fraction : {0.0, 0.5, 1.0}) {
                    SCOPED_TRACE(testing::Message() << c.name << ", window " << window << ", fraction " << fraction);
                    model.manualCurve = manual;
                    model.avgWindowSize = window;
                    model.splinePercent = fraction;
                    EXPECT_TRUE(sameBits(reference::recomputeWithModel(model), reference::recompute(model)));
                }
            }
        }
    }
}

TEST(RecomputeIdentity, CorrectedSamplesMatchTheSearchedSteps) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> position(-10, 110);
    auto repeated = linspace(256, 0, 100);
    repeated[50] = repeated[51];
    auto withNaN = linspace(256, 0, 100);
    withNaN[77] = nan;
    const std::vector<std::vector<double>> grids{
        linspace(256, 0, 100), repeated, linspace(256, 100, 0), withNaN, {0, 100}, linspace(10, 0, 100)};
    std::vector<double> scattered;
    for (int i = 0; i < 256; ++i) scattered.push_back(position(random));
    auto correctionWithNaN = linspace(256, 0, 100);
    correctionWithNaN[3] = nan;
    const std::vector<std::vector<double>> corrections{linspace(256, 0, 100), linspace(256, 100, 0), scattered,
                                                       correctionWithNaN, linspace(256, -20, 120)};
    const auto smoothed = MeasurementData::interpolateToSteps(wedge(21, 0.3, false, false));
    for (std::size_t g = 0; g < grids.size(); ++g) {
        v2LinearizationDataModel model;
        model.stepArray = grids[g];
        for (std::size_t c = 0; c < corrections.size(); ++c)
            EXPECT_TRUE(sameBits(model.correctMeasurements(corrections[c], smoothed),
                                 reference::correctMeasurements(grids[g], corrections[c], smoothed)))
                << "grid " << g << ", correction " << c;
    }
}

// The smoothers' in-line mean sums as the numeric library does, for every
// length around its blocks of eight and for values that round, cancel, are
// negative zeros or are not finite.
TEST(RecomputeIdentity, RunMeansAreTheLibraryMeans) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    std::vector<std::vector<double>> lists;
    for (std::size_t n = 0; n <= 40; ++n) {
        std::vector<double> values;
        for (std::size_t i = 0; i < n; ++i)
            values.push_back(value(random) * std::pow(10.0, static_cast<double>(i % 7) - 3));
        lists.push_back(values);
    }
    lists.push_back(std::vector<double>(9, -0.0));
    lists.push_back({1e308, 1e308, -1e308, 1});
    lists.push_back({1, 2, infinity, 4, 5, 6, 7, 8, 9});
    lists.push_back({1, nan, 3});
    for (const auto& values : lists) {
        const double library = numerics::mean(values);
        const double inLine = runMean(values.data(), values.size());
        EXPECT_EQ(std::memcmp(&library, &inLine, sizeof library), 0) << values.size() << " values";
    }
}

TEST(RecomputeIdentity, RampsAreTheStartPlusMultiplesOfTheStep) {
    struct Case {
        int count;
        double start, step;
    };
    const Case cases[] = {{256, 0, 0.3921568627}, {1024, 0, 100.0 / 1023}, {7, -0.0, 0.1}, {1, 5, 1}, {33, 95, -0.3}};
    for (const auto& c : cases) {
        std::vector<double> expected{c.start};
        for (int k = 1; k < c.count; ++k) expected.push_back(c.start + k * c.step);
        EXPECT_TRUE(sameBits(ramp(c.count, c.start, c.step), expected)) << c.count;
    }
    EXPECT_TRUE(ramp(0, 1, 1).empty());
}

// Samples shared by curves with the same keyframe times are the values of
// each curve's own keyframes: at and beyond both ends, on keyframes, across
// keyframes at the same time, and between them.
TEST(RecomputeIdentity, SharedSamplesAreEachCurvesOwnValues) {
    std::mt19937 random(13);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> randomTimes;
    for (int i = 0; i < 30; ++i) randomTimes.push_back(unit(random));
    std::sort(randomTimes.begin(), randomTimes.end());
    const std::vector<std::vector<double>> keyTimes{normalizeToUnit(ramp(256, 0, 0.3921568627)),
                                                    normalizeToUnit(linspace(171, 0, 1)),
                                                    randomTimes,
                                                    {0.1, 0.25, 0.25, 0.25, 0.6, 0.9},
                                                    {0.5},
                                                    {0.2, 0.7}};
    for (std::size_t k = 0; k < keyTimes.size(); ++k) {
        const auto& times = keyTimes[k];
        auto sampleTimes = SharedTimesSampler::stepTimes(1.0 / 1024);
        sampleTimes.insert(sampleTimes.end(), times.begin(), times.end());
        sampleTimes.insert(sampleTimes.end(), {-1.0, 0.0, 1.0, 2.0});
        const SharedTimesSampler sampler(times, sampleTimes);
        for (int curve = 0; curve < 3; ++curve) {
            std::vector<double> ys;
            for (std::size_t i = 0; i < times.size(); ++i) ys.push_back(curve == 2 ? 0.0 : unit(random) * 65535);
            ASSERT_TRUE(sampler.fits(ys));
            std::vector<double> tangents;
            sampler.tangentsOf(ys.data(), tangents);
            const KeyframeCurve own(times, ys, true);
            for (std::size_t s = 0; s < sampleTimes.size(); ++s) {
                const double shared = sampler.sample(s, ys.data(), tangents.data());
                const double alone = own.valueAt(sampleTimes[s]);
                EXPECT_EQ(std::memcmp(&shared, &alone, sizeof shared), 0)
                    << "times " << k << ", curve " << curve << ", t = " << sampleTimes[s];
            }
        }
    }
    // Times out of order, or a value that is not a number, fit no sampler.
    const SharedTimesSampler unordered({0.5, 0.2}, {0.3});
    EXPECT_FALSE(unordered.fits({1, 2}));
    const SharedTimesSampler ordered({0.2, 0.5}, {0.3});
    EXPECT_FALSE(ordered.fits({1, nan}));
    EXPECT_FALSE(ordered.fits({1, 2, 3}));
}

// A sample reads no keyframe outside keyframesRead: a curve with ink only
// there samples a zero, which is what lets the linearization skip it.
TEST(RecomputeIdentity, ASampleReadsOnlyItsKeyframes) {
    for (const auto& times : {normalizeToUnit(ramp(256, 0, 0.3921568627)), std::vector<double>{0.1, 0.3, 0.3, 0.8}}) {
        const SharedTimesSampler sampler(times, SharedTimesSampler::stepTimes(1.0 / 1024));
        std::vector<double> tangents;
        for (std::size_t s = 0; s < sampler.sampleCount(); ++s) {
            const auto read = sampler.keyframesRead(s);
            std::vector<double> ys(times.size(), 1000.0);
            for (std::size_t k = read.first; k <= read.last; ++k) ys[k] = 0;
            sampler.tangentsOf(ys.data(), tangents);
            EXPECT_EQ(sampler.sample(s, ys.data(), tangents.data()), 0.0) << "sample " << s;
        }
    }
}

} // namespace curves
