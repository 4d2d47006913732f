#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/measurements/ColumnReaders.h"
#include "measurement_helpers.h"

namespace curves {

namespace {

std::string labLines(int steps, const char* separator, const char* lineEnd = "\n") {
    std::string text;
    for (int s = 0; s < steps; ++s)
        text += std::to_string(95.0 - s * 4) + separator + "0.5" + separator + "-1.5" + lineEnd;
    return text;
}

} // namespace

TEST(ColumnReaderTest, HeaderlessLabKeepsTheLastRowWithOrWithoutFinalLineEnd) {
    MeasurementTestEnvironment env;
    const std::string withEnd = labLines(21, "\t");
    for (const std::string& text : {withEnd, withEnd.substr(0, withEnd.size() - 1)}) {
        const auto loaded = loadMeasurementText(text);
        EXPECT_EQ(loaded.kind, "SpyderPrint File");
        ASSERT_TRUE(loaded.ok);
        ASSERT_EQ(loaded.reader->measuredLab.size(), 21u);
        EXPECT_EQ(loaded.reader->measuredLab.back(), (CIELab{15, 0.5, -1.5}));
    }
    // Decimal commas in a headerless file read as points.
    const auto commas = loadMeasurementText("94,5\t0,1\t-0,5\n60\t0\t0\n20,25\t0\t0\n");
    ASSERT_TRUE(commas.ok);
    EXPECT_EQ(commas.reader->measuredLab.front(), (CIELab{94.5, 0.1, -0.5}));
    EXPECT_EQ(env.alertCount(), 0u);
}

TEST(ColumnReaderTest, LabHeaderWithSpaceSeparatedColumns) {
    MeasurementTestEnvironment env;
    const auto loaded = loadMeasurementText("L* a* b*\n" + labLines(21, " ") + "\n\n");
    EXPECT_EQ(loaded.kind, "miscWithHeader");
    ASSERT_TRUE(loaded.ok);
    ASSERT_EQ(loaded.reader->measuredLab.size(), 21u);
    EXPECT_EQ(loaded.reader->measuredLab.front(), (CIELab{95, 0.5, -1.5}));
    EXPECT_EQ(loaded.reader->measuredLab.back(), (CIELab{15, 0.5, -1.5}));
}

TEST(ColumnReaderTest, SingleLightnessColumnSkipsBlankLinesAndTrims) {
    MeasurementTestEnvironment env;
    std::string text = "L*\r\n";
    for (int s = 0; s < 21; ++s) text += std::to_string(95 - s * 4) + "\r\n";
    const auto loaded = loadMeasurementText(text);
    ASSERT_TRUE(loaded.ok);
    auto* reader = dynamic_cast<MiscMeasurementDataFile*>(loaded.reader.get());
    ASSERT_TRUE(reader);
    ASSERT_EQ(reader->temp.size(), 21u); // no 0.02 for the empty last line
    EXPECT_EQ(reader->temp.back(), 15);  // the carriage return is trimmed
    EXPECT_EQ(reader->measuredLab.front(), (CIELab{95, 0, 0}));
    // A value that is no number refuses the file (it read as 0.02).
    const auto bad = loadMeasurementText("L*\n95\nabc\n50\n");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(env.alertCount(), 1u);
    EXPECT_TRUE(env.log.devLogContains("Measurement 2 is \"abc\", which is no number"));
}

TEST(ColumnReaderTest, DensityColumnsBecomeLightness) {
    EXPECT_NEAR(MiscMeasurementDataFile::lightnessOfDensity(0.05), 95.63, 0.01);
    EXPECT_NEAR(MiscMeasurementDataFile::lightnessOfDensity(2.1), 7.17, 0.01);
    EXPECT_NEAR(MiscMeasurementDataFile::lightnessOfDensity(0), 100, 1e-12);

    MeasurementTestEnvironment env;
    // Headerless, spread below 4: densities; the first line counts as a value
    // (it starts with "1", so it is recognised).
    std::string densities;
    for (int s = 0; s < 21; ++s) densities += std::to_string(1.0 + s * 0.055) + "\n";
    const auto loaded = loadMeasurementText(densities);
    ASSERT_TRUE(loaded.ok);
    ASSERT_EQ(loaded.reader->measuredLab.size(), 21u);
    EXPECT_NEAR(loaded.reader->measuredLab.front().L, MiscMeasurementDataFile::lightnessOfDensity(1.0), 1e-9);
    // Headed "Density" with a two-digit value on the first line.
    const auto headed = loadMeasurementText("Density\t10.5\n0.05\n1.0\n2.1\n");
    EXPECT_EQ(headed.kind, "SpyderPrint File");
    ASSERT_TRUE(headed.ok);
    ASSERT_EQ(headed.reader->measuredLab.size(), 3u);
    EXPECT_NEAR(headed.reader->measuredLab.front().L, 95.63, 0.01);
    EXPECT_NEAR(headed.reader->measuredLab.back().L, 7.17, 0.01);
    // Headerless L* values: spread above 4.
    const auto lightness = loadMeasurementText("12.5\n50\n90\n");
    ASSERT_TRUE(lightness.ok);
    EXPECT_EQ(lightness.reader->measuredLab.back(), (CIELab{90, 0, 0}));
}

TEST(ColumnReaderTest, HeaderlessColumnWithSmallSpreadHoldsDensities) {
    MeasurementTestEnvironment env;
    // 0.05 to 2.1 in 21 steps; the first line counts as a value.
    std::vector<std::string> lines;
    for (int s = 0; s < 21; ++s) lines.push_back(std::to_string(0.05 + s * 0.1025));
    lines.push_back("");
    MiscMeasurementDataFile reader(lines, true);
    ASSERT_TRUE(reader.readMeasurements());
    ASSERT_EQ(reader.temp.size(), 21u);
    EXPECT_NEAR(reader.measuredLab.front().L, 95.63, 0.005);
    EXPECT_NEAR(reader.measuredLab.back().L, 7.18, 0.005); // below the cube-root threshold
    EXPECT_EQ(reader.measuredLab.back().a, 0);
    EXPECT_EQ(env.alertCount(), 0u);
}

TEST(ColumnReaderTest, QtrLinearizeDataSkipsThreeHeaderAndSixClosingLines) {
    MeasurementTestEnvironment env;
    std::string text = "QTR-Linearize-Data\nhead 2\nhead 3\n";
    for (int s = 0; s < 21; ++s) text += std::to_string(s) + "\tx\t" + std::to_string(95.0 - s * 4) + "\t0.25\t-0.75\n";
    text += "end1\nend2\nend3\nend4\nend5\n"; // with the empty piece after the final line end: six
    const auto loaded = loadMeasurementText(text);
    EXPECT_EQ(loaded.kind, "QTR-Linearize-Data-out file");
    ASSERT_TRUE(loaded.ok);
    ASSERT_EQ(loaded.reader->measuredLab.size(), 21u);
    EXPECT_EQ(loaded.reader->labLIndex, 2);
    EXPECT_EQ(loaded.reader->measuredLab.back(), (CIELab{15, 0.25, -0.75}));
    EXPECT_FALSE(loadMeasurementText("QTR-Linearize-Data\n1\n2\n").ok);
}

TEST(ColumnReaderTest, OwnExportIsNotAveraged) {
    MeasurementTestEnvironment env;
    std::string text = "Tintsmith CIELab\nStep\tL\ta\tb\n";
    for (int s = 0; s < 42; ++s) text += std::to_string(s) + "\t" + std::to_string(95.0 - s * 2) + "\t0,5\t0\n";
    text += "\n";
    const auto loaded = loadMeasurementText(text);
    EXPECT_EQ(loaded.kind, "TSMCIELab");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.reader->samplesPerStep, 1);
    EXPECT_TRUE(env.log.standardOutputLines().empty()); // no samples-per-step count is taken
    ASSERT_EQ(loaded.reader->averagedMeasurements.size(), 42u);
    EXPECT_EQ(loaded.reader->averagedMeasurements[1], (CIELab{93, 0.5, 0}));
}

TEST(ColumnReaderTest, StepWedgeToolSkipsBlankLinesInTheData) {
    MeasurementTestEnvironment env;
    std::string text = "Patch\tStep\tL\ta\tb\n";
    for (int s = 0; s < 21; ++s) {
        text += "P" + std::to_string(s) + "\t" + std::to_string(s) + "\t" + std::to_string(95.0 - s * 4) + "\t0\t1\n";
        if (s == 10) text += "\n";
    }
    const auto loaded = loadMeasurementText(text);
    EXPECT_EQ(loaded.kind, "StepWedgeTool File");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.reader->measuredLab.size(), 21u);
    EXPECT_EQ(loaded.reader->measuredLab.back(), (CIELab{15, 0, 1}));

    StepWedgeToolCIELabFile partition(measurementFileFromBytes(text, "s.txt")->measurementData, false);
    ASSERT_TRUE(partition.readMeasurements());
    EXPECT_EQ(partition.measuredLab.size(), 21u);
    EXPECT_TRUE(partition.averagedMeasurements.empty());
}

TEST(ColumnReaderTest, DataToolCommaAndTabFilesReadAlike) {
    MeasurementTestEnvironment env;
    std::string csv = "GRAY,LAB_L,LAB_A,LAB_B\n";
    std::string tabs = "GRAY\tLAB_L\tLAB_A\tLAB_B\n";
    for (int s = 0; s < 21; ++s) {
        const std::string L = std::to_string(95.0 - s * 4);
        csv += std::to_string(s * 5) + ", " + L + ",0.5,-0.5\n";
        tabs += std::to_string(s * 5) + "\t" + L + "\t0.5\t-0.5\n";
    }
    const auto fromCsv = loadMeasurementText(csv, "wedge.csv");
    const auto fromTabs = loadMeasurementText(tabs, "wedge.txt");
    EXPECT_EQ(fromCsv.kind, "dataTool");
    ASSERT_TRUE(fromCsv.ok);
    ASSERT_TRUE(fromTabs.ok);
    EXPECT_EQ(fromCsv.reader->measuredLab, fromTabs.reader->measuredLab);
    ASSERT_EQ(fromCsv.reader->measuredLab.size(), 21u); // the last row is kept
    EXPECT_EQ(fromCsv.reader->measuredLab.back(), (CIELab{15, 0.5, -0.5}));
}

TEST(ColumnReaderTest, ShortRowsAndTooFewSamplesFailOnce) {
    for (const char* text : {"GRAY\tL\ta\tb\n1\t95\n2\t50\t0\t0\n", "GRAY\tL\ta\tb\n1\t95\t0\t0\n", "L*\ta*\tb*\n",
                             "Patch\n", "Tintsmith\n\n"}) {
        MeasurementTestEnvironment env;
        const auto loaded = loadMeasurementText(text);
        ASSERT_TRUE(loaded.reader) << text;
        EXPECT_FALSE(loaded.ok) << text;
        EXPECT_EQ(env.alertCount(), 1u) << text;
        EXPECT_TRUE(loaded.reader->interpolatedMeasurements.empty());
    }
}

TEST(ColumnReaderTest, DecimalCommasAreReadOnlyWhereTheFormatHasThem) {
    // Each file: a first row of 94,5 / 0,5 / -0,5 in the Lab columns, then 20
    // plain rows. Where commas are not decimal points the field is no number
    // and the file is refused.
    struct Case {
        const char* name;
        std::string header;
        std::string prefix; // the fields before L*
        std::string closing;
        bool commaIsPoint;
    };
    const Case cases[] = {
        {"headerless Lab", "", "", "", true},
        {"L* header", "L*\ta*\tb*\n", "", "", false},
        {"own export", "Tintsmith\nStep\tL\ta\tb\n", "1\t", "", true},
        {"step-wedge tool", "Patch\tStep\tL\ta\tb\n", "P1\t1\t", "", false},
        {"data tool", "GRAY\tLAB_L\tLAB_A\tLAB_B\n", "0\t", "", false},
        {"QTR", "QTR-Linearize-Data\nh\nh\n", "0\tx\t", "e\ne\ne\ne\ne\n", false},
    };
    for (const auto& c : cases) {
        MeasurementTestEnvironment env;
        std::string text = c.header + c.prefix + "94,5\t0,5\t-0,5\n";
        for (int s = 1; s < 21; ++s) text += c.prefix + std::to_string(90 - s * 4) + "\t0\t0\n";
        const auto loaded = loadMeasurementText(text + c.closing);
        ASSERT_EQ(loaded.ok, c.commaIsPoint) << c.name;
        if (!c.commaIsPoint) {
            EXPECT_TRUE(env.log.devLogContains("Measurement 1 has the L* field \"94,5\", which is no number"))
                << c.name;
            continue;
        }
        ASSERT_EQ(loaded.reader->measuredLab.size(), 21u) << c.name;
        EXPECT_EQ(loaded.reader->measuredLab.front(), (CIELab{94.5, 0.5, -0.5})) << c.name;
    }
}

TEST(ColumnReaderTest, ColorMunkiSplitsAtCommas) {
    ColorMunkiCIELabFile reader(std::vector<std::string>{}, true);
    EXPECT_EQ(reader.splitRows({"A1, 95.5,,0\r"}), (std::vector<std::vector<std::string>>{{"A1", "95.5", "", "0"}}));
}

} // namespace curves
