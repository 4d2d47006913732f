#include <gtest/gtest.h>

#include "app/curves/measurements/MeasurementAverager.h"
#include "app/curves/measurements/MeasurementData.h"
#include "measurement_helpers.h"
#include "platform/testing/LogCapture.h"

namespace curves {

namespace {

std::vector<CIELab> wedge(std::size_t steps, double from = 95, double to = 5) {
    std::vector<CIELab> labs;
    for (std::size_t s = 0; s < steps; ++s)
        labs.push_back(CIELab{from + (to - from) * static_cast<double>(s) / static_cast<double>(steps - 1),
                              0.1 * static_cast<double>(s), -0.2});
    return labs;
}

// Exposes the samples-per-step rule on a given count.
class CountingReader : public MeasurementData {
public:
    CountingReader() : MeasurementData(std::vector<std::string>{}, true) {}
    int samplesFor(std::size_t count) {
        measuredLab.assign(count, CIELab{50, 0, 0});
        return computeSamplesPerStep();
    }

private:
    bool parseMeasurements() override { return false; }
};

} // namespace

TEST(AveragingTest, SamplesPerStepFromTheCount) {
    platform::LogCapture log;
    CountingReader reader;
    EXPECT_EQ(reader.samplesFor(21), 1);
    EXPECT_EQ(reader.samplesFor(42), 2);
    EXPECT_EQ(reader.samplesFor(256), 1);
    EXPECT_EQ(reader.samplesFor(512), 2);
    EXPECT_EQ(reader.samplesFor(384), 1); // a multiple of 128 only
    EXPECT_EQ(reader.samplesFor(258), 2); // 129 x 2
    EXPECT_EQ(reader.samplesFor(22), 2);  // 11 x 2
    EXPECT_EQ(reader.samplesFor(260), 0);
    EXPECT_EQ(reader.samplesFor(0), 0);
    EXPECT_EQ(log.standardOutputLines().back(), "0");
    EXPECT_EQ(log.standardOutputLines().front(), "1");
}

TEST(AveragingTest, PassesOneAfterTheOtherAreRegroupedPerStep) {
    const auto pass = wedge(21);
    std::vector<CIELab> twoPasses = pass;
    for (auto lab : pass) {
        lab.L += 1;
        twoPasses.push_back(lab);
    }
    const MeasurementAverager averager(twoPasses);
    EXPECT_EQ(averager.targetSize, 21);
    EXPECT_EQ(averager.samplesPerStep, 2);
    ASSERT_EQ(averager.averagedMeasurements.size(), 21u);
    for (std::size_t s = 0; s < 21; ++s) EXPECT_DOUBLE_EQ(averager.averagedMeasurements[s].L, pass[s].L + 0.5);
}

TEST(AveragingTest, SamplesAlreadyTogetherAreAveragedInPlace) {
    std::vector<CIELab> grouped;
    for (const auto& lab : wedge(21)) {
        grouped.push_back(lab);
        grouped.push_back(CIELab{lab.L + 0.4, lab.a + 1, lab.b});
    }
    const MeasurementAverager averager(grouped);
    ASSERT_EQ(averager.averagedMeasurements.size(), 21u);
    EXPECT_DOUBLE_EQ(averager.averagedMeasurements[0].L, 95.2);
    EXPECT_DOUBLE_EQ(averager.averagedMeasurements[0].a, 0.5);
    EXPECT_DOUBLE_EQ(averager.averagedMeasurements[20].L, 5.2);
}

TEST(AveragingTest, StepGridKeepsEverySample) {
    // 258 samples: the smaller grid first, 86 steps of 3.
    const MeasurementAverager small(wedge(258));
    EXPECT_EQ(small.targetSize, 86);
    EXPECT_EQ(small.samplesPerStep, 3);

    // 512 samples: 256 steps of 2, not the first 128 samples alone.
    std::vector<CIELab> doubled;
    for (const auto& lab : wedge(256)) doubled.insert(doubled.end(), {lab, lab});
    const MeasurementAverager twice(doubled);
    EXPECT_EQ(twice.targetSize, 256);
    EXPECT_EQ(twice.samplesPerStep, 2);
    ASSERT_EQ(twice.averagedMeasurements.size(), 256u);
    EXPECT_DOUBLE_EQ(twice.averagedMeasurements.back().L, 5);

    // 640 samples: 128 steps of 5.
    const MeasurementAverager many(wedge(640));
    EXPECT_EQ(many.targetSize, 128);
    EXPECT_EQ(many.samplesPerStep, 5);
    EXPECT_EQ(many.averagedMeasurements.size(), 128u);

    // 22 samples fit no grid here: kept unaveraged rather than dropped.
    const MeasurementAverager none(wedge(22));
    EXPECT_EQ(none.targetSize, 0);
    EXPECT_EQ(none.averagedMeasurements, wedge(22));
    EXPECT_TRUE(MeasurementAverager({}).averagedMeasurements.empty());
}

TEST(AveragingTest, CommonTailAveragesOnlyWhenTheCountShowsRepeats) {
    // Headerless Lab rows, read through recognition and the reader.
    auto rowsOf = [](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += std::to_string(95.0 - 90.0 * static_cast<double>(i) / static_cast<double>(count - 1)) + "\t0\t0\n";
        return text;
    };
    struct Case {
        std::size_t count;
        int samplesPerStep;
        std::size_t averaged;
    };
    // 256: one sample per step; 384: a multiple of 128 only, not averaged;
    // 22: 11 x 2, but no step grid fits, so every sample is kept.
    for (const Case c : {Case{21, 1, 21}, Case{256, 1, 256}, Case{384, 1, 384}, Case{22, 2, 22}, Case{42, 2, 21}}) {
        MeasurementTestEnvironment env;
        const auto loaded = loadMeasurementText(rowsOf(c.count));
        ASSERT_TRUE(loaded.ok) << c.count;
        EXPECT_EQ(loaded.reader->samplesPerStep, c.samplesPerStep) << c.count;
        EXPECT_EQ(loaded.reader->averagedMeasurements.size(), c.averaged) << c.count;
        EXPECT_EQ(loaded.reader->interpolatedMeasurements.size(), 256u) << c.count;
        EXPECT_EQ(env.log.standardOutputLines(), (std::vector<std::string>{std::to_string(c.samplesPerStep)}));
    }
}

TEST(AveragingTest, InterpolateToStepsResamplesOntoTheGrid) {
    const auto steps = MeasurementData::interpolateToSteps(wedge(21));
    ASSERT_EQ(steps.size(), 256u);
    EXPECT_DOUBLE_EQ(steps.front().L, 95);
    // Sampled at 255/256, not at the last step itself; a straight wedge stays straight.
    EXPECT_NEAR(steps.back().L, 95 - 90 * 255.0 / 256, 1e-9);
    EXPECT_NEAR(steps[128].a, 1.0, 1e-9);
    EXPECT_TRUE(MeasurementData::interpolateToSteps({}).empty());
    EXPECT_TRUE(MeasurementData::interpolateToSteps({CIELab{50, 0, 0}}).empty());
}

TEST(AveragingTest, RegroupingInto21StepsForPartitioning) {
    std::vector<CIELab> values;
    for (int i = 0; i < 44; ++i) values.push_back(CIELab{static_cast<double>(i), 0, 0});
    const auto grouped = MeasurementData::regroupInto21Steps(values);
    ASSERT_EQ(grouped.size(), 42u);
    EXPECT_EQ(grouped[0].L, 0);
    EXPECT_EQ(grouped[1].L, 21);
    EXPECT_EQ(grouped[2].L, 1);
    EXPECT_TRUE(MeasurementData::regroupInto21Steps(wedge(20)).empty());
}

} // namespace curves
