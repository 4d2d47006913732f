#include <gtest/gtest.h>

#include "app/curves/core/RegularExpressionChecks.h"
#include "measurement_helpers.h"

namespace curves {

namespace {

std::string kindOf(const std::string& text, const std::string& name = "m.txt") {
    return measurementFileFromBytes(text, name)->detectFileType();
}

} // namespace

TEST(RecognitionTest, EachPatternInTableOrder) {
    MeasurementTestEnvironment env;
    EXPECT_EQ(kindOf("CGATS.17\nx"), "CGATS");
    EXPECT_EQ(kindOf("CGATS.17\n", "m.ti3"), "CGATS"); // before the CTI3 pattern
    EXPECT_EQ(kindOf("LGOROWLENGTH\t6\n"), "CGATS");
    EXPECT_EQ(kindOf("BEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L"), "SpyderPrintCGATS");
    EXPECT_EQ(kindOf("CTI3   \n", "m.ti3"), "TI3");
    EXPECT_EQ(kindOf("GRAY\tLAB_L\tLAB_A\tLAB_B\n"), "dataTool");
    EXPECT_EQ(kindOf("Name\tL\ta\tb\n"), "ColorMunki File");
    EXPECT_EQ(kindOf("QTR-Linearize-Data 2.7\n"), "QTR-Linearize-Data-out file");
    EXPECT_EQ(kindOf("QTR-Create-ICC\n"), "QTR-Create-ICC File");
    EXPECT_EQ(kindOf("92.5\t0.1\t-0.3\n"), "SpyderPrint File");
    EXPECT_EQ(kindOf("5\t92.5\n"), "SpyderPrint File"); // two digits and a point anywhere
    EXPECT_EQ(kindOf("1\n"), "SpyderPrint File");       // "^" binds to "1" only
    EXPECT_EQ(kindOf("x94,1\n"), "SpyderPrint File");
    EXPECT_EQ(kindOf("L* a* b*\n"), "miscWithHeader"); // spaces do not count
    EXPECT_EQ(kindOf("Patch\tStep\tL\ta\tb\n"), "StepWedgeTool File");
    EXPECT_EQ(kindOf("Tintsmith CIELab export\n"), "TSMCIELab");
    EXPECT_EQ(kindOf("Density\t1.5\n"), "Density File");
    EXPECT_EQ(kindOf("Density\t12.5\n"), "SpyderPrint File");
    EXPECT_EQ(env.alertCount(), 0u);
}

TEST(RecognitionTest, PatternsAreCaseSensitiveAndAnchoredAtTheLineStart) {
    MeasurementTestEnvironment env;
    EXPECT_EQ(kindOf("density\t1.5\n"), "Could not load file");
    EXPECT_EQ(env.alertCount(), 1u);
    EXPECT_EQ(kindOf("xCGATS\n"), "Could not load file");
    EXPECT_EQ(env.alertCount(), 2u);
    // Only the first line is looked at.
    EXPECT_EQ(kindOf("comment\nCGATS\n"), "Could not load file");
    EXPECT_EQ(env.alertCount(), 3u);
    // A byte-order mark is not part of the first line.
    EXPECT_EQ(kindOf("\xEF\xBB\xBF"
                     "CGATS.17\n"),
              "CGATS");
}

TEST(RecognitionTest, HugeFirstLineIsRecognisedByItsBeginning) {
    MeasurementTestEnvironment env;
    std::string line(3u << 20, 'x');
    EXPECT_EQ(kindOf(line), "Could not load file");
    line.replace(0, 5, "CGATS");
    EXPECT_EQ(kindOf(line), "CGATS");
    // Spaces are removed before the line is cut.
    EXPECT_EQ(kindOf(std::string(10000, ' ') + "Patch\tL\n"), "StepWedgeTool File");
}

TEST(RecognitionTest, EmptyFileMatchesNothing) {
    MeasurementTestEnvironment env;
    EXPECT_EQ(kindOf(""), "Could not load file");
    EXPECT_EQ(env.alertCount(), 1u);
}

// Recognition and the reader factory stay silent for the kinds without a
// reader; the linearization model shows the load-failure alert for them.
TEST(RecognitionTest, KindsWithoutReaderLoadNothingAndShowNothing) {
    MeasurementTestEnvironment env;
    for (const char* text : {"Name\tL\ta\tb\n1\t2\t3\t4\n", "QTR-Create-ICC\n", "Density\t1.5\n0.5\n"}) {
        const auto loaded = loadMeasurementText(text);
        EXPECT_FALSE(loaded.reader) << text;
    }
    EXPECT_EQ(env.alertCount(), 0u);
    // The unrecognised file has shown its alert in recognition, once.
    EXPECT_FALSE(loadMeasurementText("nothing\n").reader);
    EXPECT_EQ(env.alertCount(), 1u);
}

// Each kind, its kind string and whether a reader (of which class) reads it.
TEST(RecognitionTest, EveryKindHasItsTextAndAtMostOneReader) {
    struct Kind {
        MeasurementKind kind;
        const char* text;
        bool read;
    };
    const Kind kinds[] = {
        {MeasurementKind::cgats, "CGATS", true},
        {MeasurementKind::spyderPrintCgats, "SpyderPrintCGATS", true},
        {MeasurementKind::ti3, "TI3", true},
        {MeasurementKind::dataTool, "dataTool", true},
        {MeasurementKind::colorMunki, "ColorMunki File", false},
        {MeasurementKind::qtrLinearizeData, "QTR-Linearize-Data-out file", true},
        {MeasurementKind::qtrCreateICC, "QTR-Create-ICC File", false},
        {MeasurementKind::spyderPrint, "SpyderPrint File", true},
        {MeasurementKind::miscWithHeader, "miscWithHeader", true},
        {MeasurementKind::stepWedgeTool, "StepWedgeTool File", true},
        {MeasurementKind::tsmCIELab, "TSMCIELab", true},
        {MeasurementKind::density, "Density File", false},
        {MeasurementKind::unrecognised, "Could not load file", false},
    };
    MeasurementFile file;
    file.measurementData = std::vector<std::string>{"1\t2\t3"};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.text);
        EXPECT_EQ(kindText(k.kind), k.text);
        EXPECT_EQ(measurementKindOfText(k.text), k.kind);
        const auto reader = makeMeasurementReader(k.kind, file);
        EXPECT_EQ(reader != nullptr, k.read);
        if (reader) {
            EXPECT_TRUE(reader->forLinearization);
        }
    }
    EXPECT_FALSE(measurementKindOfText("cgats")) << "kind strings are matched exactly";
    EXPECT_FALSE(measurementKindOfText(""));
}

TEST(RecognitionTest, InvalidPatternFallsBackToMatchEverything) {
    platform::LogCapture log;
    const auto pattern = RegularExpressionChecks::compileOrMatchAll("([unclosed");
    EXPECT_TRUE(log.devLogContains("Failed to parse ([unclosed as a regular expression"));
    EXPECT_TRUE(RegularExpressionChecks::finds(pattern, "any line"));
}

} // namespace curves
