// Colour characterisation charts are no step wedges: only their grey ramp is
// read, ordered by its device value, or the file is refused without one.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "measurement_helpers.h"
#include "tests/support/scratch_files.h"

namespace curves {

namespace {

const std::filesystem::path iccProfiles = "/usr/share/color/icc";

// How often a curve turns from rising to falling or back.
int reversals(const std::vector<double>& curve) {
    int turns = 0, direction = 0;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const int now = curve[i] > curve[i - 1] ? 1 : curve[i] < curve[i - 1] ? -1 : 0;
        if (now != 0 && direction != 0 && now != direction) ++turns;
        if (now != 0) direction = now;
    }
    return turns;
}

// A straight K ramp to 65535 in an 8-ink .quad file.
std::shared_ptr<QuadDataFile> straightKQuad() {
    std::string text = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\n# a straight K ramp";
    for (const char* ink : {"K", "C", "M", "Y", "LC", "LM", "LK", "LLK"}) {
        text += std::string("\n# ") + ink + " Curve";
        for (int i = 0; i < 256; ++i) text += "\n" + std::to_string(ink == std::string("K") ? i * 257 : 0);
    }
    auto quad = std::make_shared<QuadDataFile>();
    quad->rawQuadData = quadtext::linesFromText(text);
    EXPECT_TRUE(quad->load(quad->rawQuadData));
    return quad;
}

// The K curve written after linearizing a straight ramp by the file.
std::vector<double> linearizedK(const MeasurementFile& file) {
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    if (!model.loadMeasurements(file)) return {};
    model.resetTargets();
    model.avgWindowSize = 33;
    model.splinePercent = 0.67;
    model.updateCorrection();
    model.quadData = straightKQuad();
    const auto curves = model.linearizedQuadCurves();
    if (!curves) return {};
    QuadDataFile written;
    EXPECT_TRUE(written.load(quadtext::linesFromText(model.quadData->quadText(*curves))));
    return written.inputQuadCurveArray->front();
}

// A CGATS file of RGB patches, one row of fields (R, G, B, L*) each, as
// written; a field may be anything, even empty.
std::string rgbChartFields(const std::vector<std::array<std::string, 4>>& patches) {
    std::string text =
        "CGATS.17\nNUMBER_OF_FIELDS\t7\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tRGB_R\tRGB_G\tRGB_B\tLAB_L\tLAB_A\t"
        "LAB_B\nEND_DATA_FORMAT\nNUMBER_OF_SETS\t" +
        std::to_string(patches.size()) + "\nBEGIN_DATA\n";
    int id = 1;
    for (const auto& [r, g, b, L] : patches)
        text += std::to_string(id++) + "\t" + r + "\t" + g + "\t" + b + "\t" + L + "\t0\t0\n";
    return text + "END_DATA\n";
}

// A CGATS file of RGB patches with the given device values and L*.
std::string rgbChart(const std::vector<std::array<double, 4>>& patches) {
    std::vector<std::array<std::string, 4>> fields;
    for (const auto& [r, g, b, L] : patches)
        fields.push_back({std::to_string(r), std::to_string(g), std::to_string(b), std::to_string(L)});
    return rgbChartFields(fields);
}

// An Argyll CMYK file: SAMPLE_ID, C, M, Y, K, then L*, a*, b*; the fields
// C, M, Y, K and L* as written.
std::string cmykTi3Fields(const std::vector<std::array<std::string, 5>>& patches) {
    std::string text = "CTI3\n\nNUMBER_OF_FIELDS 8\nBEGIN_DATA_FORMAT\nSAMPLE_ID CMYK_C CMYK_M CMYK_Y CMYK_K LAB_L "
                       "LAB_A LAB_B\nEND_DATA_FORMAT\n\nNUMBER_OF_SETS " +
                       std::to_string(patches.size()) + "\nBEGIN_DATA\n";
    int id = 1;
    for (const auto& [c, m, y, k, L] : patches)
        text += std::to_string(id++) + " " + c + " " + m + " " + y + " " + k + " " + L + " 0.0 0.0\n";
    return text + "END_DATA\n";
}

// The same with numbers.
std::string cmykTi3(const std::vector<std::array<double, 5>>& patches) {
    std::vector<std::array<std::string, 5>> fields;
    for (const auto& [c, m, y, k, L] : patches)
        fields.push_back(
            {std::to_string(c), std::to_string(m), std::to_string(y), std::to_string(k), std::to_string(L)});
    return cmykTi3Fields(fields);
}

// The text with field `field` (0 = SAMPLE_ID) of the data row whose sample
// id is `sample` replaced; the fields of that row joined by single spaces.
std::string withSpoiledField(const std::string& text, const std::string& sample, std::size_t field,
                             const std::string& replacement) {
    std::istringstream in(text);
    std::string result, line;
    bool spoiled = false;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string f; fields >> f;) row.push_back(f);
        if (!spoiled && row.size() > field && row.front() == sample) {
            row[field] = replacement;
            line.clear();
            for (const auto& f : row) line += (line.empty() ? "" : " ") + f;
            spoiled = true;
        }
        result += line + "\n";
    }
    EXPECT_TRUE(spoiled) << "no data row " << sample;
    return result;
}

} // namespace

// Every chart of icc-profiles-free loads its K ramp (C = M = Y = 0), repeats
// of a K value averaged, and linearizes into a K curve that never turns back.
TEST(ColourCharts, ChartsOfIccProfilesFreeLoadTheirKRamp) {
    struct Case {
        const char* file;
        std::size_t greyPatches;
        std::size_t steps;
    };
    const Case cases[] = {
        {"FOGRA28L.ti3", 27, 21}, {"FOGRA29L.ti3", 27, 21}, {"FOGRA30L.ti3", 27, 21},
        {"FOGRA39L.ti3", 28, 21}, {"FOGRA40L.ti3", 28, 21}, {"TR002.ti3", 20, 15},
        {"TR003.ti3", 28, 21},    {"TR005.ti3", 28, 21},    {"TR006.ti3", 28, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        if (!std::filesystem::exists(iccProfiles / c.file)) GTEST_SKIP() << "icc-profiles-free is not installed";
        MeasurementTestEnvironment env;
        const auto file = loadMeasurementFile(iccProfiles / c.file);
        ASSERT_TRUE(file);
        const auto reader = makeMeasurementReader(file->detectKind(), *file);
        ASSERT_TRUE(reader && reader->readMeasurements());
        EXPECT_EQ(reader->measuredLab.size(), c.greyPatches);
        ASSERT_EQ(reader->averagedMeasurements.size(), c.steps);
        ASSERT_EQ(reader->averagedPositions.size(), c.steps);
        EXPECT_EQ(reader->averagedPositions.front(), 0);
        EXPECT_EQ(reader->averagedPositions.back(), 100);
        for (std::size_t s = 1; s < c.steps; ++s)
            EXPECT_LT(reader->averagedMeasurements[s].L, reader->averagedMeasurements[s - 1].L) << s;
        EXPECT_TRUE(env.log.devLogContains("grey patches (C = M = Y = 0)"));

        const auto k = linearizedK(*file);
        ASSERT_EQ(k.size(), 256u);
        EXPECT_EQ(reversals(k), 0);
        EXPECT_EQ(k.front(), 0);
        EXPECT_GT(k.back(), 60000);
        EXPECT_EQ(env.alertCount(), 0u);
    }
}

TEST(ColourCharts, Fogra39KRampAtItsOwnPositions) {
    if (!std::filesystem::exists(iccProfiles / "FOGRA39L.ti3")) GTEST_SKIP() << "icc-profiles-free is not installed";
    MeasurementTestEnvironment env;
    const auto file = loadMeasurementFile(iccProfiles / "FOGRA39L.ti3");
    ASSERT_TRUE(file);
    const auto reader = makeMeasurementReader(file->detectKind(), *file);
    ASSERT_TRUE(reader && reader->readMeasurements());
    EXPECT_EQ(reader->averagedPositions,
              (std::vector<double>{0, 2, 3, 5, 7, 10, 15, 20, 25, 30, 40, 50, 60, 70, 75, 80, 85, 90, 95, 98, 100}));
    // K 0 and K 100 are each measured twice with the same values.
    EXPECT_EQ(reader->averagedMeasurements.front(), (CIELab{95.0, 0.0, -2.0}));
    EXPECT_EQ(reader->averagedMeasurements.back(), (CIELab{16.0, 0.0, 0.0}));
    // K 50 lies at the middle of the grid: L* 61.82 measured there.
    EXPECT_NEAR(reader->interpolatedMeasurements[128].L, 61.82, 1e-9);
}

TEST(ColourCharts, CraftedCharts) {
    struct Case {
        const char* name;
        std::string text;
        std::string fileName;
        bool loads;
        std::vector<double> stepLightness; // when it loads
        const char* logged;
    };
    const Case cases[] = {
        {"RGB chart with a grey ramp in it",
         rgbChart({{255, 0, 0, 54},
                   {64, 64, 64, 30},
                   {0, 255, 0, 88},
                   {255, 255, 255, 95},
                   {128, 128, 128, 60},
                   {0, 0, 255, 30},
                   {0, 0, 0, 8}}),
         "chart.txt",
         true,
         {95, 60, 30, 8},
         "4 grey patches (R = G = B) of 7"},
        {"RGB chart with one grey patch",
         rgbChart({{255, 0, 0, 54}, {0, 255, 0, 88}, {128, 128, 128, 60}}),
         "chart.txt",
         false,
         {},
         "1 of its 3 patches are grey"},
        {"CMYK chart without a K ramp",
         cmykTi3({{100, 0, 0, 0, 55}, {0, 100, 0, 0, 48}, {0, 0, 100, 0, 89}, {50, 50, 50, 0, 40}}),
         "chart.ti3",
         false,
         {},
         "0 of its 4 patches are grey"},
        {"CMYK chart, K ramp listed out of order",
         cmykTi3({{0, 0, 0, 100, 16}, {100, 0, 0, 0, 55}, {0, 0, 0, 0, 95}, {0, 0, 0, 50, 62}, {0, 40, 0, 0, 70}}),
         "chart.ti3",
         true,
         {95, 62, 16},
         "3 grey patches (C = M = Y = 0) of 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MeasurementTestEnvironment env;
        const auto loaded = loadMeasurementText(c.text, c.fileName);
        ASSERT_TRUE(loaded.reader);
        EXPECT_EQ(loaded.ok, c.loads);
        EXPECT_EQ(env.alertCount(), c.loads ? 0u : 1u);
        EXPECT_TRUE(env.log.devLogContains(c.logged));
        std::vector<double> lightness;
        for (const auto& lab : loaded.reader->averagedMeasurements) lightness.push_back(lab.L);
        EXPECT_EQ(lightness, c.stepLightness);
    }
}

// A K-only wedge (every patch grey) and a grey RGB wedge read as before.
TEST(ColourCharts, WedgesThatAreAllGreyAreNoCharts) {
    MeasurementTestEnvironment env;
    std::vector<std::array<double, 5>> kOnly;
    std::vector<std::array<double, 4>> greyRgb;
    for (int s = 0; s < 21; ++s) {
        kOnly.push_back({0, 0, 0, s * 5.0, 95 - s * 4.0});
        greyRgb.push_back({255 - s * 12.75, 255 - s * 12.75, 255 - s * 12.75, 95 - s * 4.0});
    }
    for (const auto& loaded :
         {loadMeasurementText(cmykTi3(kOnly), "k.ti3"), loadMeasurementText(rgbChart(greyRgb), "rgb.txt")}) {
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.reader->averagedMeasurements.size(), 21u);
        EXPECT_TRUE(loaded.reader->averagedPositions.empty()); // even steps
        EXPECT_DOUBLE_EQ(loaded.reader->averagedMeasurements.front().L, 95);
        EXPECT_DOUBLE_EQ(loaded.reader->averagedMeasurements.back().L, 15);
    }
    EXPECT_FALSE(env.log.devLogContains("colour chart"));
    EXPECT_EQ(env.alertCount(), 0u);
}

// A patch whose device values do not read is no part of the grey ramp, in a
// chart or in a wedge: it is left out, and the rest is read as it would be
// without it. Before, one such field made the whole file read as a wedge.
TEST(ColourCharts, PatchesWhoseDeviceValuesDoNotReadAreLeftOut) {
    std::vector<std::array<std::string, 5>> kWedge;
    std::vector<double> kWedgeLightness, kWedgePositions;
    for (int s = 0; s <= 20; ++s) {
        kWedge.push_back({"0", "0", "0", s == 10 ? "n/a" : std::to_string(s * 5), std::to_string(95 - s * 4)});
        if (s == 10) continue;
        kWedgeLightness.push_back(95 - s * 4);
        kWedgePositions.push_back(s * 5);
    }
    struct Case {
        const char* name;
        std::string text;
        std::string fileName;
        bool loads;
        std::vector<double> stepLightness; // when it loads
        std::vector<double> positions;     // empty for even steps
        const char* logged;
    };
    const Case cases[] = {
        {"CMYK chart, C of a colour patch n/a",
         cmykTi3Fields({{"0", "0", "0", "100", "16"},
                        {"n/a", "0", "0", "0", "55"},
                        {"0", "0", "0", "0", "95"},
                        {"0", "0", "0", "30", "62"},
                        {"0", "40", "0", "0", "70"}}),
         "chart.ti3",
         true,
         {95, 62, 16},
         {0, 30, 100},
         "1 of its 5 patches do not read"},
        {"CMYK chart, K of a grey patch n/a",
         cmykTi3Fields({{"0", "0", "0", "0", "95"},
                        {"0", "0", "0", "n/a", "80"},
                        {"0", "0", "0", "30", "62"},
                        {"0", "0", "0", "100", "16"},
                        {"100", "0", "0", "0", "55"}}),
         "chart.ti3",
         true,
         {95, 62, 16},
         {0, 30, 100},
         "3 grey patches (C = M = Y = 0) of 5"},
        {"CMYK chart whose other grey patch does not read",
         cmykTi3Fields({{"0", "0", "0", "0", "95"},
                        {"0", "0", "-", "100", "16"},
                        {"100", "0", "0", "0", "55"},
                        {"0", "100", "0", "0", "48"}}),
         "chart.ti3",
         false,
         {},
         {},
         "1 of its 4 patches are grey"},
        {"K wedge, the K of its middle step n/a", cmykTi3Fields(kWedge), "wedge.ti3", true, kWedgeLightness,
         kWedgePositions, "20 of its 21 patches are read as the wedge"},
        {"RGB chart, G of a colour patch empty",
         rgbChartFields({{"255", "", "0", "54"},
                         {"255", "255", "255", "95"},
                         {"128", "128", "128", "60"},
                         {"0", "0", "0", "8"},
                         {"0", "0", "255", "30"}}),
         "chart.txt",
         true,
         {95, 60, 8},
         {},
         "3 grey patches (R = G = B) of 5"},
        {"RGB wedge, R of a step empty",
         rgbChartFields({{"255", "255", "255", "95"},
                         {"", "200", "200", "80"},
                         {"128", "128", "128", "60"},
                         {"0", "0", "0", "8"}}),
         "wedge.txt",
         true,
         {95, 60, 8},
         {},
         "3 of its 4 patches are read as the wedge"},
        {"no device value reads",
         cmykTi3Fields({{"n/a", "0", "0", "0", "95"}, {"n/a", "0", "0", "50", "60"}, {"n/a", "0", "0", "100", "16"}}),
         "wedge.ti3",
         false,
         {},
         {},
         "0 of its 3 patches have device values that read"},
        {"a K column alone, one K n/a",
         "CTI3\n\nNUMBER_OF_FIELDS 5\nBEGIN_DATA_FORMAT\nSAMPLE_ID CMYK_K LAB_L LAB_A LAB_B\nEND_DATA_FORMAT\n\n"
         "NUMBER_OF_SETS 4\nBEGIN_DATA\n1 0 95 0 0\n2 n/a 80 0 0\n3 30 62 0 0\n4 100 16 0 0\nEND_DATA\n",
         "k.ti3",
         true,
         {95, 62, 16},
         {0, 30, 100},
         "3 of its 4 patches are read as the wedge"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MeasurementTestEnvironment env;
        const auto loaded = loadMeasurementText(c.text, c.fileName);
        ASSERT_TRUE(loaded.reader);
        EXPECT_EQ(loaded.ok, c.loads);
        EXPECT_EQ(env.alertCount(), c.loads ? 0u : 1u);
        EXPECT_TRUE(env.log.devLogContains(c.logged));
        std::vector<double> lightness;
        for (const auto& lab : loaded.reader->averagedMeasurements) lightness.push_back(lab.L);
        EXPECT_EQ(lightness, c.stepLightness);
        EXPECT_EQ(loaded.reader->averagedPositions, c.positions);
    }
}

// FOGRA39L with one field spoiled, written to a scratch folder: the chart
// still loads its K ramp, less the spoiled patch when it was part of it.
TEST(ColourCharts, Fogra39WithOneSpoiledFieldLoadsItsKRamp) {
    const auto original = iccProfiles / "FOGRA39L.ti3";
    if (!std::filesystem::exists(original)) GTEST_SKIP() << "icc-profiles-free is not installed";
    const std::string text = test_support::readBytes(original);
    const std::vector<double> positions{0, 2, 3, 5, 7, 10, 15, 20, 25, 30, 40, 50, 60, 70, 75, 80, 85, 90, 95, 98, 100};
    std::vector<double> withoutK5 = positions;
    withoutK5.erase(std::find(withoutK5.begin(), withoutK5.end(), 5.0));

    std::vector<CIELab> unspoiledSteps;
    {
        MeasurementTestEnvironment env;
        const auto file = loadMeasurementFile(original);
        ASSERT_TRUE(file);
        const auto reader = makeMeasurementReader(file->detectKind(), *file);
        ASSERT_TRUE(reader && reader->readMeasurements());
        unspoiledSteps = reader->averagedMeasurements;
    }

    struct Case {
        const char* name;
        const char* sample; // SAMPLE_ID of the spoiled row
        std::size_t field;  // 1 ... 4: C, M, Y, K
        const char* spoiled;
        std::size_t greyPatches;
        std::vector<double> positions;
        bool stepsAsUnspoiled;
    };
    const Case cases[] = {
        {"C of a colour patch n/a", "2", 1, "n/a", 28, positions, true},
        {"M of a colour patch nan", "500", 2, "nan", 28, positions, true},
        {"K of a repeated K 0 patch n/a", "1367", 4, "n/a", 27, positions, true},
        {"Y of the one K 5 patch a dash", "1364", 3, "-", 27, withoutK5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test_support::ScratchDirectory scratch;
        const auto spoiledFile = scratch.file("FOGRA39L-spoiled.ti3");
        test_support::writeBytes(spoiledFile, withSpoiledField(text, c.sample, c.field, c.spoiled));
        MeasurementTestEnvironment env;
        const auto file = loadMeasurementFile(spoiledFile);
        ASSERT_TRUE(file);
        const auto reader = makeMeasurementReader(file->detectKind(), *file);
        ASSERT_TRUE(reader && reader->readMeasurements());
        EXPECT_TRUE(env.log.devLogContains("1 of its 1617 patches do not read"));
        EXPECT_EQ(reader->measuredLab.size(), c.greyPatches);
        EXPECT_EQ(reader->averagedPositions, c.positions);
        if (c.stepsAsUnspoiled) {
            EXPECT_EQ(reader->averagedMeasurements, unspoiledSteps);
        }
        for (std::size_t s = 1; s < reader->averagedMeasurements.size(); ++s)
            EXPECT_LT(reader->averagedMeasurements[s].L, reader->averagedMeasurements[s - 1].L) << s;

        const auto k = linearizedK(*file);
        ASSERT_EQ(k.size(), 256u);
        EXPECT_EQ(reversals(k), 0);
        EXPECT_EQ(env.alertCount(), 0u);
    }
}

} // namespace curves
