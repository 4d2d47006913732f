// The correction as image editors apply it: the image-space curve shared by
// the .acv and .cube exports, the .acv points built from it, and both files
// read by ffmpeg.
#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/CorrectionExport.h"
#include "app/curves/PhotoshopCubeLUT.h"
#include "ffmpeg_filters.h"
#include "platform/testing/LogCapture.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shell_commands.h"

namespace curves {

namespace {

using Points = std::vector<PhotoshopCurve_UInt16::PointPair>;

// A correction of a printer that prints too dark in the midtones: it asks
// for less ink than the straight line (a correction curve below the
// diagonal), as the real wedges do.
std::vector<double> darkMidtoneCorrection() {
    std::vector<double> c;
    for (int k = 0; k < 256; ++k) c.push_back(100 * std::pow(k / 255.0, 1.6));
    return c;
}

std::vector<double> ramp256() {
    std::vector<double> c;
    for (int k = 0; k < 256; ++k) c.push_back(100.0 * k / 255);
    return c;
}

} // namespace

TEST(CorrectionExport, ImageSpaceCurveIsTheCorrectionUpsideDownAndReversed) {
    struct Case {
        std::vector<double> correction;
        std::vector<double> image;
    };
    const Case cases[] = {
        {{0, 50, 100}, {0, 50, 100}},
        {{0, 30, 100}, {0, 70, 100}},
        {{0, 10, 20, 100}, {0, 80, 90, 100}},
        {{0, 104}, {4, 100}}, // beyond 100 the distance stays positive
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(imageSpaceCurve(c.correction), c.image);

    const auto correction = darkMidtoneCorrection();
    const auto image = imageSpaceCurve(correction);
    ASSERT_EQ(image.size(), 256u);
    for (int i = 0; i < 256; ++i) EXPECT_DOUBLE_EQ(image[i], 100 - correction[255 - i]) << i;
    // Less ink in the midtones is a lighter pixel: the curve lies above the diagonal.
    EXPECT_GT(image[128], 100.0 * 128 / 255);
}

TEST(CorrectionExport, AcvPointsOfTheImageCurve) {
    struct Case {
        const char* name;
        std::vector<double> image;
        Points points;
    };
    const Case cases[] = {
        // A straight correction: outputs are truncated, so 54.99... is 54.
        {"straight",
         imageSpaceCurve(ramp256()),
         {{0, 0},
          {19, 19},
          {37, 37},
          {54, 55},
          {73, 73},
          {91, 91},
          {109, 109},
          {127, 127},
          {145, 145},
          {163, 163},
          {181, 181},
          {198, 199},
          {217, 217},
          {235, 235},
          {253, 253},
          {255, 255}}},
        // Flat at 50: after the first point taken no later one differs by more than 3.
        {"flat", std::vector<double>(256, 50), {{0, 0}, {127, 19}, {255, 255}}},
        {"too short to sample", std::vector<double>(10, 50), {{0, 0}, {255, 255}}},
        {"not finite", std::vector<double>(256, std::nan("")), {{0, 0}, {255, 255}}},
        {"beyond 100 %", std::vector<double>(256, 180), {{0, 0}, {255, 19}, {255, 255}}},
    };
    for (const auto& c : cases) {
        const auto curve = makeAcvCurvePoints(c.image);
        EXPECT_EQ(curve.compCurvePoints, c.points) << c.name;
        EXPECT_EQ(curve.rCurvePoints, (Points{{0, 0}, {255, 255}})) << c.name;
        EXPECT_EQ(curve.nChannels, 5) << c.name;
    }
}

TEST(CorrectionExport, CubeRowsAreOneMinusTheReversedCorrection) {
    platform::LogCapture log;
    const auto correction = darkMidtoneCorrection();
    const auto text = PhotoshopCubeLUT(imageSpaceCurve(correction)).makeCube();
    ASSERT_TRUE(text);
    std::istringstream lines(*text);
    std::string line;
    for (int header = 0; header < 5; ++header) std::getline(lines, line);
    for (int i = 0; i < 256; ++i) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_NEAR(std::stod(line), 1 - correction[255 - i] / 100, 1e-15) << i;
    }
}

// Through ffmpeg, as an image editor applies them: the .cube (lut1d) maps
// pixel x to 255 - 2.55 c[255 - x] within one level, and the .acv (curves
// from a Photoshop file) agrees with it within 3 levels at its own points.
TEST(CorrectionExport, FfmpegAppliesBothExportsTheSameWay) {
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    platform::LogCapture log;
    const auto correction = darkMidtoneCorrection();
    const auto image = imageSpaceCurve(correction);
    test_support::ScratchDirectory dir;
    test_support::writeBytes(dir.file("c.cube"), *PhotoshopCubeLUT(image).makeCube());
    auto acv = makeAcvCurvePoints(image);
    const auto bytes = PhotoshopCurve_UInt16::acvFileData(acv.makeAcvData());
    test_support::writeBytes(dir.file("c.acv"), std::string(bytes.begin(), bytes.end()));

    std::string output;
    const auto cube = curves_test::ffmpegOnGreyRamp(dir, "lut1d=file=c.cube", output);
    ASSERT_EQ(cube.size(), 768u) << output;
    const auto curve = curves_test::ffmpegOnGreyRamp(dir, "curves=psfile=c.acv", output);
    ASSERT_EQ(curve.size(), 768u) << output;
    auto level = [](const std::string& pixels, int x) { return static_cast<unsigned char>(pixels[3 * x + 1]); };
    for (int x = 0; x < 256; ++x) EXPECT_NEAR(level(cube, x), 255 - 2.55 * correction[255 - x], 1.0) << x;
    // The correction lightens the midtones: mid-grey 128 goes up, not down.
    EXPECT_GT(level(cube, 128), 140);
    for (const auto& [out, in] : acv.compCurvePoints) EXPECT_NEAR(level(curve, in), level(cube, in), 3.0) << in;
    std::printf("ffmpeg: mid-grey 128 -> %d through the .cube, %d through the .acv\n", level(cube, 128),
                level(curve, 128));
}

} // namespace curves
