#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

#include "app/curves/exports/PhotoshopCubeLUT.h"
#include "ffmpeg_filters.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"

namespace curves {

using test_support::ScratchDirectory;

namespace {

const std::string expectedHeader = "#Color Lookup Table \n"
                                   "TITLE \"Tintsmith Color Lookup Table for 21-step Linearity Correction\"\n"
                                   "LUT_1D_SIZE 3\n"
                                   "DOMAIN_MIN 0.0 0.0 0.0\n"
                                   "DOMAIN_MAX 1.0 1.0 1.0\n";

// A correction-like curve of 256 percentages that is not a straight line.
std::vector<double> sampleCurve() {
    std::vector<double> curve;
    for (int i = 0; i < 256; ++i) curve.push_back(100 * std::pow(i / 255.0, 1.4));
    return curve;
}

} // namespace

TEST(CubeExport, WritesHeaderAndOneRowPerValue) {
    platform::LogCapture log;
    const PhotoshopCubeLUT lut({0, 50, 100});
    EXPECT_EQ(lut.header(), expectedHeader);
    const auto text = lut.makeCube();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, expectedHeader + "0.0 0.0 0.0\n0.5 0.5 0.5\n1.0 1.0 1.0\n");
    EXPECT_TRUE(log.standardOutputContains("LUT_1D_SIZE 3"));
}

TEST(CubeExport, NumbersAreShortestFixedFormThatReadsBack) {
    EXPECT_EQ(cubeNumberText(0.0), "0.0");
    EXPECT_EQ(cubeNumberText(1.0), "1.0");
    EXPECT_EQ(cubeNumberText(-0.02), "-0.02");
    EXPECT_EQ(cubeNumberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(cubeNumberText(1e-7), "0.0000001");
    EXPECT_EQ(cubeNumberText(123456789.0), "123456789.0");
    for (const double v : sampleCurve()) {
        const std::string text = cubeNumberText(v / 100);
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, v / 100);
    }
    const PhotoshopCubeLUT outside({-2});
    platform::LogCapture log;
    EXPECT_NE(outside.makeCube()->find("\n-0.02 -0.02 -0.02\n"), std::string::npos);
}

TEST(CubeExport, EmptyCurveGivesNoTextAndNoPanel) {
    platform::ScriptedServices services;
    PhotoshopCubeLUT lut;
    EXPECT_FALSE(lut.header());
    EXPECT_FALSE(lut.makeCube());
    lut.outputCube = lut.makeCube();
    lut.showSavePanel();
    EXPECT_TRUE(services.savePanel->requests.empty());
}

TEST(CubeExport, SaveWritesTheTextOrShowsTheError) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    PhotoshopCubeLUT lut({0, 100});
    lut.outputCube = lut.makeCube();
    services.savePanel->answers.push_back(dir.file("lut.cube"));
    lut.showSavePanel();
    ASSERT_EQ(services.savePanel->requests.size(), 1u);
    EXPECT_EQ(services.savePanel->requests[0].allowedFileTypes, std::vector<std::string>{"cube"});
    EXPECT_TRUE(services.savePanel->requests[0].canCreateDirectories);
    EXPECT_EQ(test_support::readBytes(dir.file("lut.cube")), *lut.outputCube);

    // A write into a missing folder fails: the user is told, nothing is left.
    const auto bad = dir.file("no-such-folder") / "lut.cube";
    services.savePanel->answers.push_back(bad);
    lut.showSavePanel();
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(services.alerts->shown[0].style, platform::AlertStyle::critical);
    EXPECT_EQ(services.alerts->shown[0].messageText, "Error Saving Quad File");
    EXPECT_FALSE(services.alerts->shown[0].informativeText.empty());
    EXPECT_FALSE(std::filesystem::exists(bad));
}

// ffmpeg's lut1d filter must read the table and give its values (linear
// interpolation between entries) within one 8-bit step.
TEST(CubeExport, FfmpegLut1dAppliesTheTable) {
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    platform::LogCapture log;
    const auto curve = sampleCurve();
    ScratchDirectory dir;
    test_support::writeBytes(dir.file("c.cube"), *PhotoshopCubeLUT(curve).makeCube());
    std::string output;
    const std::string mapped = curves_test::ffmpegOnGreyRamp(dir, "lut1d=file=c.cube", output);
    ASSERT_EQ(mapped.size(), 768u) << output;
    for (int x = 0; x < 256; ++x)
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(static_cast<unsigned char>(mapped[3 * x + channel]), curve[x] * 2.55, 1.0) << x;
}

TEST(CubeExport, OpenColorIOReadsTheTable) {
    if (!test_support::toolInstalled("ociochecklut")) GTEST_SKIP() << "ociochecklut is not installed";
    platform::LogCapture log;
    const auto curve = sampleCurve();
    ScratchDirectory dir;
    const auto file = dir.file("c.cube");
    test_support::writeBytes(file, *PhotoshopCubeLUT(curve).makeCube());
    for (const int index : {0, 37, 128, 200, 255}) {
        const double in = index / 255.0;
        std::string output;
        std::ostringstream command;
        command.precision(17);
        command << "ociochecklut " << test_support::quoted(file) << " " << in << " " << in << " " << in << " 2>&1";
        ASSERT_EQ(test_support::runCommand(command.str(), output), 0) << output;
        // The last three numbers printed are the output R, G, B.
        std::istringstream words(output);
        std::vector<double> numbers;
        for (std::string word; words >> word;) {
            double v = 0;
            const auto result = std::from_chars(word.data(), word.data() + word.size(), v);
            if (result.ec == std::errc() && result.ptr == word.data() + word.size()) numbers.push_back(v);
        }
        ASSERT_GE(numbers.size(), 3u) << output;
        for (std::size_t c = numbers.size() - 3; c < numbers.size(); ++c)
            EXPECT_NEAR(numbers[c], curve[index] / 100, 1e-4) << output;
    }
}

} // namespace curves
