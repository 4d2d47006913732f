// Wedges whose files give the input position of each patch: unevenly spaced
// positions are resampled by where they lie, evenly spaced ones read exactly
// as before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "app/curves/measurements/StepPositions.h"
#include "measurement_helpers.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shared_test_data.h"

namespace curves {

namespace {

// A printer's response: L* falling faster in the shadows.
double lightnessAt(double position) {
    const double x = position / 100;
    return 95 - 80 * x * (0.4 + 0.6 * x);
}

struct Row {
    double gray;
    double L;
};

std::vector<Row> rowsAt(const std::vector<double>& positions) {
    std::vector<Row> rows;
    for (const double p : positions) rows.push_back({p, lightnessAt(p)});
    return rows;
}

std::string dataToolText(const std::vector<Row>& rows) {
    std::string text = "GRAY\tLAB_L\tLAB_A\tLAB_B\n";
    for (const auto& row : rows) text += std::to_string(row.gray) + "\t" + std::to_string(row.L) + "\t0.25\t-0.5\n";
    return text;
}

std::string labListText(const std::vector<Row>& rows) {
    std::string text = "L*\ta*\tb*\n";
    for (const auto& row : rows) text += std::to_string(row.L) + "\t0.25\t-0.5\n";
    return text;
}

// The positions of the photographer's list: fine steps at both ends.
std::vector<double> finerAtTheEnds() {
    std::vector<double> p{0, 2.5, 5, 7.5};
    for (double g = 10; g <= 90; g += 5) p.push_back(g);
    for (const double g : {92.5, 95.0, 97.5, 100.0}) p.push_back(g);
    return p;
}

std::vector<double> evenly(int steps) {
    std::vector<double> p;
    for (int i = 0; i < steps; ++i) p.push_back(100.0 * i / (steps - 1));
    return p;
}

} // namespace

TEST(StepPositions, WhichPositionsRunEvenly) {
    struct Case {
        const char* name;
        std::vector<double> positions;
        bool even;
    };
    const Case cases[] = {
        {"21 even steps", evenly(21), true},
        {"falling", {100, 75, 50, 25, 0}, true},
        {"each repeated twice in a row", {0, 0, 50, 50, 100, 100}, true},
        {"rounded percentages of 256 steps", {0, 0.39, 0.78, 1.18, 1.57, 1.96}, true},
        {"finer at the ends", finerAtTheEnds(), false},
        {"one step missing", {0, 10, 20, 40, 50}, false},
        {"scrambled", {50, 0, 100, 25, 75}, false},
        {"repeated unequally", {0, 0, 0, 50, 100}, false},
        {"one position only", {5, 5, 5}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(positionsRunEvenly(c.positions), c.even) << c.name;
    EXPECT_FALSE(positionsAreUsable({0, 50, std::nan("")}));
    EXPECT_FALSE(positionsAreUsable({7, 7}));
    EXPECT_TRUE(positionsAreUsable({0, 100}));
}

TEST(StepPositions, RepeatsOfAPositionAreAveragedInOrderOfPosition) {
    const auto grouped =
        averageByPosition({{90, 1, 0}, {20, 0, 2}, {88, 3, 0}, {50, 0, 0}, {22, 0, 4}}, {0, 100, 0, 40, 100});
    EXPECT_EQ(grouped.positions, (std::vector<double>{0, 40, 100}));
    EXPECT_EQ(grouped.steps, (std::vector<CIELab>{{89, 2, 0}, {50, 0, 0}, {21, 0, 3}}));
}

// The list of fine and coarse steps lands each measurement at its real
// position on the 256-step grid: GRAY 25 is step 64, not the eighth of 25
// even steps.
TEST(StepPositions, UnevenGrayValuesAreResampledByPosition) {
    MeasurementTestEnvironment env;
    const auto rows = rowsAt(finerAtTheEnds());
    const auto loaded = loadMeasurementText(dataToolText(rows));
    ASSERT_TRUE(loaded.ok);
    const auto& reader = *loaded.reader;
    EXPECT_EQ(reader.averagedMeasurements.size(), rows.size());
    EXPECT_EQ(reader.averagedPositions, finerAtTheEnds());
    ASSERT_EQ(reader.interpolatedMeasurements.size(), 256u);
    for (const int step : {0, 64, 128, 192}) {
        const double position = step / 2.56; // sampled at x = step / 256
        EXPECT_NEAR(reader.interpolatedMeasurements[step].L, lightnessAt(position), 0.25) << step;
    }
    // Between the measured points the resampled wedge follows the response.
    for (int step = 0; step < 256; ++step)
        EXPECT_NEAR(reader.interpolatedMeasurements[step].L, lightnessAt(step / 2.56), 1.0) << step;
    EXPECT_EQ(env.alertCount(), 0u);
}

// Evenly spaced GRAY values change nothing: the steps, the grid and the
// correction are exactly those of the same list without positions.
TEST(StepPositions, EvenlySpacedGrayValuesGiveExactlyTheEvenStepResult) {
    MeasurementTestEnvironment env;
    for (const int steps : {11, 21, 51}) {
        const auto rows = rowsAt(evenly(steps));
        const auto withGray = loadMeasurementText(dataToolText(rows));
        const auto without = loadMeasurementText(labListText(rows));
        ASSERT_TRUE(withGray.ok && without.ok) << steps;
        EXPECT_TRUE(withGray.reader->averagedPositions.empty()) << steps;
        EXPECT_EQ(withGray.reader->averagedMeasurements, without.reader->averagedMeasurements) << steps;
        EXPECT_EQ(withGray.reader->interpolatedMeasurements, without.reader->interpolatedMeasurements) << steps;
    }
}

// However the rows are listed, the same patches give the same wedge.
TEST(StepPositions, ListingOrderDoesNotChangeTheWedge) {
    MeasurementTestEnvironment env;
    const auto rows = rowsAt(finerAtTheEnds());
    const auto reference = loadMeasurementText(dataToolText(rows));
    ASSERT_TRUE(reference.ok);

    auto blackFirst = rows;
    std::reverse(blackFirst.begin(), blackFirst.end());
    auto scrambled = rows;
    std::rotate(scrambled.begin(), scrambled.begin() + 9, scrambled.end());
    std::swap(scrambled[2], scrambled[17]);
    // GRAY as a pixel value, 100 = paper white, listed white first.
    auto asPixelValue = rows;
    for (auto& row : asPixelValue) row.gray = 100 - row.gray;

    for (const auto& [name, listed] : {std::pair{"black first", blackFirst}, std::pair{"scrambled", scrambled},
                                       std::pair{"pixel values", asPixelValue}}) {
        const auto loaded = loadMeasurementText(dataToolText(listed));
        ASSERT_TRUE(loaded.ok) << name;
        EXPECT_EQ(loaded.reader->averagedMeasurements, reference.reader->averagedMeasurements) << name;
        EXPECT_EQ(loaded.reader->averagedPositions, reference.reader->averagedPositions) << name;
        for (std::size_t i = 0; i < 256; ++i)
            EXPECT_NEAR(loaded.reader->interpolatedMeasurements[i].L, reference.reader->interpolatedMeasurements[i].L,
                        1e-9)
                << name << " " << i;
    }
}

// A table edit keeps the steps where they were printed.
TEST(StepPositions, ReloadAfterAnEditResamplesByThePositions) {
    MeasurementTestEnvironment env;
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    ASSERT_TRUE(model.loadMeasurements(*measurementFileFromBytes(dataToolText(rowsAt(finerAtTheEnds())), "w.txt")));
    EXPECT_EQ(model.rawMeasurementPositions, finerAtTheEnds());
    const auto loaded = model.interpolatedMeasurements;
    model.reloadMeasurements();
    EXPECT_EQ(model.interpolatedMeasurements, loaded);

    // A table of another length has no positions any more: even steps.
    model.rawMeasurements.pop_back();
    model.reloadMeasurements();
    EXPECT_EQ(model.interpolatedMeasurements,
              MeasurementData::interpolateToSteps(model.rawMeasurements, std::vector<double>{}));
}

// A row whose GRAY value does not read cannot be placed: it is left out,
// named in the log, and the others keep their positions (the whole list had
// gone back to even steps). The photographer's list and the real one alike.
TEST(StepPositions, AnUnreadableGrayValueLeavesItsRowOut) {
    struct Base {
        const char* name;
        std::string text;
        std::string grayOfRow2; // the GRAY text of the 2.5 row
    };
    std::vector<Base> bases{{"made", dataToolText(rowsAt(finerAtTheEnds())), "2.500000"}};
    const auto real = test_support::sharedTestFile("measurements/gray-lab-list-25rows.txt");
    if (std::filesystem::exists(real))
        bases.push_back({"gray-lab-list-25rows.txt", test_support::readBytes(real), "2.50"});
    auto positions = finerAtTheEnds();
    positions.erase(positions.begin() + 1);
    for (const auto& base : bases) {
        for (const std::string spoiler : {"A2", "n/a", "", "2.5.0"}) {
            SCOPED_TRACE(std::string(base.name) + ": \"" + spoiler + "\"");
            MeasurementTestEnvironment env;
            const auto at = base.text.find("\n" + base.grayOfRow2 + "\t") + 1;
            auto spoilt = base.text;
            spoilt.replace(at, base.grayOfRow2.size(), spoiler);
            const auto loaded = loadMeasurementText(spoilt);
            ASSERT_TRUE(loaded.ok);
            EXPECT_EQ(loaded.reader->averagedPositions, positions);
            EXPECT_TRUE(env.log.devLogContains("The GRAY value of 1 of the 25 rows does not read as a number; those "
                                               "rows are left out: measurement 2 (\"" +
                                               spoiler + "\")."));
            // The same as the list without that row.
            auto without = base.text;
            without.erase(at, base.text.find('\n', at) + 1 - at);
            const auto shorter = loadMeasurementText(without);
            ASSERT_TRUE(shorter.ok);
            EXPECT_EQ(loaded.reader->interpolatedMeasurements, shorter.reader->interpolatedMeasurements);
            EXPECT_EQ(env.alertCount(), 0u);
        }
    }
    // With fewer than two readable GRAY values nothing can be placed: refused.
    MeasurementTestEnvironment env;
    const auto none = loadMeasurementText("GRAY\tLAB_L\tLAB_A\tLAB_B\nx\t95\t0\t0\n50\t50\t0\t0\n-\t10\t0\t0\n");
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(env.alertCount(), 1u);
    EXPECT_TRUE(env.log.devLogContains("1 of the 3 rows have a GRAY value that reads; at least two are needed."));
}

TEST(StepPositions, RealLabListIsResampledByItsGrayPositions) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    const auto path = test_support::sharedTestFile("measurements/gray-lab-list-25rows.txt");
    MeasurementTestEnvironment env;
    const auto file = loadMeasurementFile(path);
    ASSERT_TRUE(file);
    const auto reader = makeMeasurementReader(file->detectKind(), *file);
    ASSERT_TRUE(reader && reader->readMeasurements());
    EXPECT_EQ(reader->averagedPositions, finerAtTheEnds());
    // GRAY 25 and 75 (rows 8 and 18 of the file) are steps 64 and 192.
    EXPECT_DOUBLE_EQ(reader->interpolatedMeasurements[64].L, 88.47);
    EXPECT_DOUBLE_EQ(reader->interpolatedMeasurements[192].L, 34.45);
    EXPECT_DOUBLE_EQ(reader->interpolatedMeasurements[128].L, 64.48);
}

// The step column of the measurement table: each row's input percentage as
// the model resamples it, the real position of an unevenly spaced wedge.
TEST(StepPositions, EachRowsInputPercentage) {
    std::vector<Row> blackFirst = rowsAt(finerAtTheEnds());
    std::reverse(blackFirst.begin(), blackFirst.end());
    std::vector<Row> onAScaleOf255 = rowsAt(finerAtTheEnds());
    for (auto& row : onAScaleOf255) row.gray *= 2.55;
    struct Case {
        const char* name;
        std::string text;
        std::vector<double> percentages;
    };
    const Case cases[] = {
        {"uneven GRAY positions", dataToolText(rowsAt(finerAtTheEnds())), finerAtTheEnds()},
        {"the same listed black first", dataToolText(blackFirst), finerAtTheEnds()},
        {"the same on a scale of 255", dataToolText(onAScaleOf255), finerAtTheEnds()},
        {"even GRAY positions", dataToolText(rowsAt(evenly(21))), evenly(21)},
        {"no positions", labListText(rowsAt(evenly(11))), evenly(11)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MeasurementTestEnvironment env;
        v2LinearizationDataModel model;
        model.stepArray = linspace(256, 0, 100);
        ASSERT_TRUE(model.loadMeasurements(*measurementFileFromBytes(c.text, "w.txt")));
        ASSERT_EQ(model.rawMeasurements.size(), c.percentages.size());
        for (std::size_t r = 0; r < c.percentages.size(); ++r)
            EXPECT_NEAR(model.stepInputPercentage(r), c.percentages[r], 1e-12) << r;
    }

    // A table edited to another length has lost its positions (as the
    // reload has): even steps, and a single row at 0.
    MeasurementTestEnvironment env;
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    ASSERT_TRUE(model.loadMeasurements(*measurementFileFromBytes(dataToolText(rowsAt(finerAtTheEnds())), "w.txt")));
    model.rawMeasurements.resize(5);
    for (std::size_t r = 0; r < 5; ++r) EXPECT_EQ(model.stepInputPercentage(r), r * 25.0);
    model.rawMeasurements.resize(1);
    EXPECT_EQ(model.stepInputPercentage(0), 0);
}

} // namespace curves
