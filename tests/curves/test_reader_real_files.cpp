#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/curves/measurements/MeasurementFile.h"
#include "app/curves/measurements/MeasurementReaderFactory.h"
#include "measurement_helpers.h"
#include "tests/support/shared_test_data.h"

namespace curves {

namespace {

struct Expected {
    const char* file;
    const char* kind;
    std::size_t samples;
    std::size_t steps;
    double firstL;
    double lastL;
};

LoadedMeasurements loadFile(const std::filesystem::path& path) {
    LoadedMeasurements result;
    auto file = loadMeasurementFile(path);
    if (!file) return result;
    const MeasurementKind kind = file->detectKind();
    result.kind = kindText(kind);
    result.reader = makeMeasurementReader(kind, *file);
    if (result.reader) result.ok = result.reader->readMeasurements();
    return result;
}

void expectPlausibleLab(const std::vector<CIELab>& list, const std::string& name) {
    for (const auto& lab : list) {
        EXPECT_TRUE(lab.L >= 0 && lab.L <= 100) << name << " " << lab.debugDescription();
        EXPECT_TRUE(std::fabs(lab.a) < 128 && std::fabs(lab.b) < 128) << name << " " << lab.debugDescription();
    }
}

} // namespace

TEST(RealMeasurementFilesTest, EveryTestFileLoads) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    const std::filesystem::path dir = test_support::sharedTestFile("measurements");
    const Expected expected[] = {
        {"argyll-grey21-coated-konly.ti3", "TI3", 21, 21, 95.0029, 15.9879},
        {"argyll-grey51-uncoated-konly.ti3", "TI3", 51, 51, 95.7612, 31.8089},
        {"gray-lab-list-25rows.txt", "dataTool", 25, 25, 95.20, 19.65},
        // 52 levels x 5 fit no step grid: every sample is kept, lightest first.
        {"i1profiler-gloss-neutral-52x5.txt", "CGATS", 260, 260, 94.79, 2.43},
        {"i1profiler-matte-52x5-mixed-separators.txt", "CGATS", 260, 260, 92.89, 24.31},
    };
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, std::size(expected)) << "a new test file needs its expectations here";
    for (const auto& e : expected) {
        MeasurementTestEnvironment env;
        const auto loaded = loadFile(dir / e.file);
        EXPECT_EQ(loaded.kind, e.kind) << e.file;
        ASSERT_TRUE(loaded.ok) << e.file;
        const auto& reader = *loaded.reader;
        EXPECT_EQ(reader.measuredLab.size(), e.samples) << e.file;
        EXPECT_EQ(reader.averagedMeasurements.size(), e.steps) << e.file;
        EXPECT_EQ(reader.interpolatedMeasurements.size(), 256u) << e.file;
        EXPECT_DOUBLE_EQ(reader.averagedMeasurements.front().L, e.firstL) << e.file;
        EXPECT_DOUBLE_EQ(reader.averagedMeasurements.back().L, e.lastL) << e.file;
        expectPlausibleLab(reader.averagedMeasurements, e.file);
        EXPECT_EQ(env.alertCount(), 0u) << e.file;
    }
}

TEST(RealMeasurementFilesTest, MatteFileWithMixedSeparatorsReadsItsLabColumns) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    MeasurementTestEnvironment env;
    const auto loaded =
        loadFile(test_support::sharedTestFile("measurements/i1profiler-matte-52x5-mixed-separators.txt"));
    ASSERT_TRUE(loaded.ok);
    // Sorted by RGB, each level's five repeats lie together and fall step by step.
    const auto& labs = loaded.reader->averagedMeasurements;
    for (std::size_t i = 5; i < labs.size(); i += 5) EXPECT_LT(labs[i].L, labs[i - 5].L + 1.0) << i;
}

TEST(RealMeasurementFilesTest, CharacterisationTi3FilesLoadWithoutGarbage) {
    const std::filesystem::path dir = "/usr/share/color/icc";
    std::size_t readFiles = 0;
    for (const char* name : {"FOGRA28L.ti3", "FOGRA29L.ti3", "FOGRA30L.ti3", "FOGRA39L.ti3", "FOGRA40L.ti3",
                             "TR003.ti3", "TR005.ti3", "TR006.ti3"}) {
        if (!std::filesystem::exists(dir / name)) continue;
        MeasurementTestEnvironment env;
        const auto loaded = loadFile(dir / name);
        EXPECT_EQ(loaded.kind, "TI3") << name;
        ASSERT_TRUE(loaded.ok) << name;
        // Only the chart's grey ramp is read (test_colour_charts.cpp).
        EXPECT_LT(loaded.reader->measuredLab.size(), 30u) << name;
        EXPECT_EQ(loaded.reader->labLIndex, 8) << name;
        expectPlausibleLab(loaded.reader->measuredLab, name);
        expectPlausibleLab(loaded.reader->interpolatedMeasurements, name);
        EXPECT_EQ(env.alertCount(), 0u) << name;
        ++readFiles;
    }
    EXPECT_EQ(readFiles, 8u) << "icc-profiles-free is a test dependency";

    // TR002.ti3 is Latin-1 text, not UTF-8: it is read as Latin-1.
    if (std::filesystem::exists(dir / "TR002.ti3")) {
        MeasurementTestEnvironment env;
        const auto file = loadMeasurementFile(dir / "TR002.ti3");
        ASSERT_TRUE(file);
        EXPECT_EQ(file->detectFileType(), "TI3");
        EXPECT_TRUE(env.log.devLogContains("TR002.ti3 is not UTF-8; read as Latin-1"));
        bool dashFound = false;
        for (const auto& line : *file->measurementData)
            dashFound = dashFound || line.find("\u0097") != std::string::npos;
        EXPECT_TRUE(dashFound) << "the Latin-1 byte 0x97 of the comment line becomes U+0097";
        EXPECT_EQ(env.alertCount(), 0u);
    }
}

} // namespace curves
