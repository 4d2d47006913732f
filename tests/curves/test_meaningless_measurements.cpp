// Measurements that parse but cannot be linearized against are refused with
// the load-failure alert, the reason in the developer's log, and the model
// keeps what it had; a wedge listed from the black end loads turned round.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/curves/LinearizationDataModel.h"
#include "app/curves/MeasurementFile.h"
#include "app/curves/Resampling.h"
#include "measurement_helpers.h"
#include "tests/support/scratch_files.h"

namespace curves {

namespace {

// 21 steps from L* 95 to 15 with a gentle bow, lightest first.
std::vector<double> wedgeLightness() {
    std::vector<double> L;
    for (int i = 0; i < 21; ++i) L.push_back(95 - 80 * std::pow(i / 20.0, 0.8));
    return L;
}

std::string labList(const std::vector<double>& L) {
    std::string text = "L*\ta*\tb*\n";
    for (const double v : L) text += std::to_string(v) + "\t0.5\t-1.0\n";
    return text;
}

// The same list with row `row` (0-based data row) replaced.
std::string labListWithRow(std::size_t row, const std::string& replacement) {
    const auto L = wedgeLightness();
    std::string text = "L*\ta*\tb*\n";
    for (std::size_t i = 0; i < L.size(); ++i)
        text += (i == row ? replacement : std::to_string(L[i]) + "\t0.5\t-1.0") + "\n";
    return text;
}

std::string cgatsWith(const std::string& row) {
    std::string text = "CGATS.17\nNUMBER_OF_FIELDS\t4\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\tLAB_A\tLAB_B\n"
                       "END_DATA_FORMAT\nNUMBER_OF_SETS\t21\nBEGIN_DATA\n";
    const auto L = wedgeLightness();
    for (std::size_t i = 0; i < L.size(); ++i)
        text += (i == 4 ? row : std::to_string(i + 1) + "\t" + std::to_string(L[i]) + "\t0\t0") + "\n";
    return text + "END_DATA\n";
}

std::string flatList(double from, double to) {
    std::vector<double> L;
    for (int i = 0; i < 21; ++i) L.push_back(from + (to - from) * i / 20.0);
    return labList(L);
}

v2LinearizationDataModel loadedModel(const test_support::ScratchDirectory& dir) {
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    test_support::writeBytes(dir.file("good.txt"), labList(wedgeLightness()));
    const auto good = loadMeasurementFile(dir.file("good.txt"));
    EXPECT_TRUE(good && model.loadMeasurements(*good));
    model.resetTargets();
    model.avgWindowSize = 33;
    model.splinePercent = 0.67;
    model.updateCorrection();
    return model;
}

} // namespace

TEST(MeaninglessMeasurements, AreRefusedAndThePreviousMeasurementsKept) {
    struct Case {
        const char* name;
        const char* file;
        std::string text;
        const char* logged;
    };
    const Case cases[] = {
        {"NaN L*", "nan.txt", labListWithRow(3, "nan\t0\t0"), "not a finite number"},
        {"NaN a*", "nan-a.txt", labListWithRow(3, "60\tNaN\t0"), "not a finite number"},
        {"infinite b* in CGATS", "inf.txt", cgatsWith("5\t70\t0\t-inf"), "not a finite number"},
        {"L* beyond the range of doubles", "huge.txt", cgatsWith("5\t1e999\t0\t0"), "not a finite number"},
        {"NaN in a lightness column", "column.txt", "L*\n95\n80\nnan\n40\n20\n", "not a finite number"},
        {"L* above 100", "above.txt", labListWithRow(0, "104.5\t0\t0"), "outside 0 to 100"},
        {"L* below 0", "below.txt", labListWithRow(20, "-3\t0\t0"), "outside 0 to 100"},
        {"negative density", "density.txt", "Density\t10.50\n-0.1\n0.5\n1.0\n1.5\n2.0\n", "outside 0 to 100"},
        {"flat set", "flat.txt", flatList(52, 49), "too small to linearize against"},
        {"flat set listed black first", "flat-reversed.txt", flatList(48, 51.5), "too small to linearize against"},
        {"every step the same", "same.txt", flatList(50, 50), "too small to linearize against"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MeasurementTestEnvironment env;
        test_support::ScratchDirectory dir;
        auto model = loadedModel(dir);
        const auto raw = model.rawMeasurements;
        const auto stepped = model.interpolatedMeasurements;
        const auto correction = model.correctionCurve->correctionCurveArray;
        const double dmax = model.dmax;
        ASSERT_EQ(env.alertCount(), 0u);

        test_support::writeBytes(dir.file(c.file), c.text);
        const auto file = loadMeasurementFile(dir.file(c.file));
        ASSERT_TRUE(file);
        EXPECT_FALSE(model.loadMeasurements(*file));
        ASSERT_EQ(env.alertCount(), 1u);
        EXPECT_EQ(env.services.alerts->shown[0].messageText, "Failed to Load Measurement Data");
        EXPECT_TRUE(env.log.devLogContains(c.logged));
        EXPECT_EQ(model.rawMeasurements, raw);
        EXPECT_EQ(model.interpolatedMeasurements, stepped);
        EXPECT_EQ(model.correctionCurve->correctionCurveArray, correction);
        EXPECT_EQ(model.dmax, dmax);
    }
}

// Fields that hold no number at all keep the readers' defaults: only text
// that spells a number no measurement can have is refused.
TEST(MeaninglessMeasurements, FieldsWithoutANumberStillTakeTheDefaults) {
    MeasurementTestEnvironment env;
    const auto loaded = loadMeasurementText(labListWithRow(3, "n/a\t-\tinfo"));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.reader->measuredLab[3], (CIELab{50, 0, 0}));
    EXPECT_EQ(env.alertCount(), 0u);
}

TEST(MeaninglessMeasurements, AWedgeListedBlackFirstIsTurnedRound) {
    MeasurementTestEnvironment env;
    auto L = wedgeLightness();
    const auto lightFirst = loadMeasurementText(labList(L));
    std::reverse(L.begin(), L.end());
    const auto blackFirst = loadMeasurementText(labList(L));
    ASSERT_TRUE(lightFirst.ok && blackFirst.ok);
    // As read, in file order; as steps, white to black like the other.
    EXPECT_DOUBLE_EQ(blackFirst.reader->measuredLab.front().L, 15);
    EXPECT_EQ(blackFirst.reader->averagedMeasurements, lightFirst.reader->averagedMeasurements);
    EXPECT_EQ(blackFirst.reader->interpolatedMeasurements, lightFirst.reader->interpolatedMeasurements);
    EXPECT_EQ(env.alertCount(), 0u);
}

} // namespace curves
