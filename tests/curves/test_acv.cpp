#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/exports/PhotoshopCurve.h"
#include "app/curves/linearization/CorrectionCurve.h"
#include "ffmpeg_filters.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"

namespace curves {

using test_support::ScratchDirectory;

TEST(AcvExport, DefaultCurvesGiveFiveIdentityRecords) {
    platform::LogCapture log;
    PhotoshopCurve_UInt16 curve;
    const auto words = curve.makeAcvData();
    ASSERT_EQ(words.size(), 27u);
    EXPECT_EQ(words[0], 4);
    EXPECT_EQ(words[1], 5);
    for (int record = 0; record < 5; ++record) {
        const std::vector<std::uint16_t> expected{2, 0, 0, 255, 255};
        EXPECT_EQ(std::vector<std::uint16_t>(words.begin() + 2 + 5 * record, words.begin() + 7 + 5 * record), expected);
    }
    const auto bytes = PhotoshopCurve_UInt16::acvFileData(words);
    ASSERT_EQ(bytes.size(), 54u);
    const std::vector<std::uint8_t> start{0x00, 0x04, 0x00, 0x05, 0x00, 0x02};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 6), start);
    EXPECT_EQ(log.standardOutputLines().front(), "RGB Curve");
    EXPECT_EQ(log.standardOutputLines().back().substr(0, 16), "[4, 5, 2, 0, 0, ");
    EXPECT_EQ(curve.acvData, words);
}

TEST(AcvExport, CompositePointsComeFirstAsOutputThenInput) {
    platform::LogCapture log;
    PhotoshopCurve_UInt16 curve;
    curve.compCurvePoints = {{0, 0}, {140, 128}, {255, 255}};
    const auto words = curve.makeAcvData();
    const std::vector<std::uint16_t> head{4, 5, 3, 0, 0, 140, 128, 255, 255};
    ASSERT_EQ(words.size(), 29u);
    EXPECT_EQ(std::vector<std::uint16_t>(words.begin(), words.begin() + 9), head);
    const auto bytes = PhotoshopCurve_UInt16::acvFileData({0x1234, 0xFF01});
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x12, 0x34, 0xFF, 0x01}));
}

TEST(AcvExport, OtherCurveKindsCarryOnlyTheLeadingWords) {
    for (const auto& [channels, line] : std::vector<std::pair<std::uint16_t, std::string>>{
             {6, "CMYK Curve"}, {2, "Grayscale Curve"}, {3, "unknown curve type"}}) {
        platform::LogCapture log;
        PhotoshopCurve_UInt16 curve;
        curve.nChannels = channels;
        EXPECT_EQ(curve.makeAcvData(), (std::vector<std::uint16_t>{4, channels}));
        EXPECT_TRUE(log.standardOutputContains(line));
    }
}

TEST(AcvExport, OverlongPointListKeepsCountAndPointsInAgreement) {
    platform::LogCapture log;
    PhotoshopCurve_UInt16 curve;
    curve.compCurvePoints.assign(70000, {1, 2});
    const auto words = curve.curvesData();
    EXPECT_EQ(words[0], 65535);
    EXPECT_EQ(words.size(), 1 + 2 * 65535u + 3 * 5 + 5);
}

TEST(AcvExport, SaveWritesWholeFileOrShowsTheError) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    const auto target = dir.file("curve.acv");
    services.savePanel->answers.push_back(target);
    PhotoshopCurve_UInt16::saveAcvFile({0x00, 0x04, 0x00, 0x05});
    ASSERT_EQ(services.savePanel->requests.size(), 1u);
    EXPECT_EQ(services.savePanel->requests[0].allowedFileTypes, std::vector<std::string>{"acv"});
    EXPECT_EQ(test_support::readBytes(target), std::string("\x00\x04\x00\x05", 4));
    EXPECT_TRUE(services.alerts->shown.empty());

    services.savePanel->answers.push_back(dir.file("missing-folder") / "curve.acv");
    PhotoshopCurve_UInt16::saveAcvFile({0x00, 0x04});
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(services.alerts->shown[0].style, platform::AlertStyle::critical);
    EXPECT_EQ(services.alerts->shown[0].messageText, "Error Saving Quad File");
    EXPECT_FALSE(services.alerts->shown[0].informativeText.empty());
}

// ffmpeg's curves filter reads the file and must map a grey ramp through the
// correction's points.
TEST(AcvExport, FfmpegCurvesFilterMapsGreyRampThroughTheCorrection) {
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    platform::LogCapture log;

    // A correction from a print that is too dark in the midtones.
    CorrectionCurve correction;
    std::vector<double> lightness;
    for (int i = 0; i < 256; ++i) lightness.push_back(95 - 85 * std::pow(i / 255.0, 0.6));
    correction.densitiesToCorrect = lightness;
    correction.finalTargetArray = correction.makeLinearTarget(lightness);
    const auto curve = correction.makeCorrectionCurve();

    PhotoshopCurve_UInt16 acv;
    acv.compCurvePoints.clear();
    const std::vector<int> inputs{0, 64, 128, 192, 255};
    std::vector<int> outputs;
    for (const int x : inputs) {
        const int y = static_cast<int>(std::lround(curve[x] * 2.55));
        outputs.push_back(y);
        acv.compCurvePoints.push_back({static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(x)});
    }
    const auto bytes = PhotoshopCurve_UInt16::acvFileData(acv.makeAcvData());

    ScratchDirectory dir;
    test_support::writeBytes(dir.file("c.acv"), std::string(bytes.begin(), bytes.end()));
    std::string output;
    const std::string mapped = curves_test::ffmpegOnGreyRamp(dir, "curves=psfile=c.acv", output);
    ASSERT_EQ(mapped.size(), 768u) << output;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        const int value = static_cast<unsigned char>(mapped[3 * inputs[k]]);
        EXPECT_NEAR(value, outputs[k], 1) << "input " << inputs[k];
    }
    // The correction asks for less input in the midtones; the ramp keeps rising.
    EXPECT_LT(static_cast<unsigned char>(mapped[3 * 128]), 120);
    for (int x = 1; x < 256; ++x)
        EXPECT_GE(static_cast<unsigned char>(mapped[3 * x]), static_cast<unsigned char>(mapped[3 * (x - 1)]));
}

} // namespace curves
