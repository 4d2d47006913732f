// The correction as image editors apply it: the image-space curve shared by
// the .acv and .cube exports, the .acv points built from it, and both files
// read by ffmpeg.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "app/curves/exports/AcvCurveFit.h"
#include "app/curves/exports/CorrectionExport.h"
#include "app/curves/exports/PhotoshopCubeLUT.h"
#include "ffmpeg_filters.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/acv_wedges.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shared_test_data.h"
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

// An image curve's two exports (.cube and .acv, written in `dir`) as ffmpeg
// applies them to a grey ramp: the output level at each input level 0 to
// 255, none when ffmpeg fails (its message then in `output`).
struct FfmpegExports {
    PhotoshopCurve_UInt16 acv;
    std::vector<int> cube, curve;
};

FfmpegExports throughFfmpeg(const test_support::ScratchDirectory& dir, const std::vector<double>& image,
                            std::string& output) {
    FfmpegExports exports{makeAcvCurvePoints(image), {}, {}};
    test_support::writeBytes(dir.file("c.cube"), *PhotoshopCubeLUT(image).makeCube());
    const auto bytes = PhotoshopCurve_UInt16::acvFileData(exports.acv.makeAcvData());
    test_support::writeBytes(dir.file("c.acv"), std::string(bytes.begin(), bytes.end()));
    const auto levels = [&](const char* filter) {
        const auto pixels = curves_test::ffmpegOnGreyRamp(dir, filter, output);
        std::vector<int> result;
        for (std::size_t x = 0; x < 256 && pixels.size() == 768; ++x)
            result.push_back(static_cast<unsigned char>(pixels[3 * x + 1]));
        return result;
    };
    exports.cube = levels("lut1d=file=c.cube");
    if (!exports.cube.empty()) exports.curve = levels("curves=psfile=c.acv");
    return exports;
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
          {255, 255}}}, // 253 lies within 3 levels of the fixed end point
        // Flat at 50: after the first point taken no later one differs by more than 3.
        {"flat", std::vector<double>(256, 50), {{0, 0}, {127, 19}, {255, 255}}},
        {"too short to sample", std::vector<double>(10, 50), {{0, 0}, {255, 255}}},
        {"not finite", std::vector<double>(256, std::nan("")), {{0, 0}, {255, 255}}},
        // Held at 255, the one sample lies level with the fixed end point.
        {"beyond 100 %", std::vector<double>(256, 180), {{0, 0}, {255, 255}}},
    };
    for (const auto& c : cases) {
        const auto curve = makeAcvCurvePoints(c.image);
        EXPECT_EQ(curve.compCurvePoints, c.points) << c.name;
        EXPECT_EQ(curve.rCurvePoints, (Points{{0, 0}, {255, 255}})) << c.name;
        EXPECT_EQ(curve.nChannels, 5) << c.name;
    }
}

// Whatever the curve, the points run from (0, 0) to (255, 255), at most 16,
// each more than 3 levels from its neighbours in input and output: the end
// point too (a sample at 253 two levels below it made readers swing the
// curve back near the top).
TEST(CorrectionExport, AcvPointsKeepTheFormatsRulesUpToTheEnds) {
    const struct {
        const char* name;
        std::function<double(double)> percent; // of the input fraction
    } curves[] = {
        {"straight", [](double u) { return 100 * u; }},
        {"steep shadows", [](double u) { return 100 * (1 - std::pow(1 - u, 3)); }},
        {"a shoulder at 240", [](double u) { return 100 * std::min(1.0, u * 255 / 240); }},
        {"a late rise", [](double u) { return 100 * std::pow(u, 3); }},
        {"flat at the top from 204 on", [](double u) { return 100 * std::min(1.0, 0.2 + u); }},
        {"dark midtones", [](double u) { return 100 * std::pow(u, 0.6); }},
    };
    for (const auto& c : curves) {
        std::vector<double> image;
        for (int i = 0; i < 256; ++i) image.push_back(c.percent(i / 255.0));
        const auto points = makeAcvCurvePoints(image).compCurvePoints;
        ASSERT_GE(points.size(), 2u) << c.name;
        EXPECT_LE(points.size(), 16u) << c.name;
        EXPECT_EQ(points.front(), (PhotoshopCurve_UInt16::PointPair{0, 0})) << c.name;
        EXPECT_EQ(points.back(), (PhotoshopCurve_UInt16::PointPair{255, 255})) << c.name;
        for (std::size_t i = 1; i < points.size(); ++i) {
            EXPECT_GT(points[i].second - points[i - 1].second, 3) << c.name << " " << i;
            EXPECT_GT(std::abs(points[i].first - points[i - 1].first), 3) << c.name << " " << i;
        }
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
    test_support::ScratchDirectory dir;
    std::string output;
    const auto exports = throughFfmpeg(dir, imageSpaceCurve(correction), output);
    ASSERT_EQ(exports.curve.size(), 256u) << output;
    const auto& cube = exports.cube;
    const auto& curve = exports.curve;
    for (int x = 0; x < 256; ++x) EXPECT_NEAR(cube[x], 255 - 2.55 * correction[255 - x], 1.0) << x;
    // The correction lightens the midtones: mid-grey 128 goes up, not down.
    EXPECT_GT(cube[128], 140);
    for (const auto& [out, in] : exports.acv.compCurvePoints) EXPECT_NEAR(curve[in], cube[in], 3.0) << in;
    std::printf("ffmpeg: mid-grey 128 -> %d through the .cube, %d through the .acv\n", cube[128], curve[128]);
}

} // namespace curves

namespace acv_wedges {

void PrintTo(const Wedge& wedge, std::ostream* out) { *out << wedge.name; }

} // namespace acv_wedges

namespace curves {

namespace {

// The table of wedges, one test each, so that they run side by side.
class Wedges : public testing::TestWithParam<acv_wedges::Wedge> {};

std::string testName(const testing::TestParamInfo<acv_wedges::Wedge>& info) {
    std::string name;
    for (const char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

} // namespace

// The curve ffmpeg draws through the .acv points comes within a level of the
// closest any legal .acv came to the .cube of the same correction in a long
// search over the points (tools/acvsearch), judged at every level, and never
// falls where the .cube does not: on every real wedge and on made ones with
// steep shadows, late shoulders, noise, jumps at either end and bends in the
// midtones (the fit before missed the noisy one by 8 levels, a shoulder near
// white by 9). Our drawing of both files is ffmpeg's, level for level.
TEST_P(Wedges, FfmpegDrawsTheAcvWithinALevelOfTheBestCurve) {
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    platform::LogCapture log;
    platform::ScriptedServices services;
    test_support::ScratchDirectory dir;
    const auto& wedge = GetParam();
    if (!wedge.lightness) {
        SKIP_WITHOUT_SHARED_TEST_DATA();
    }
    const auto correction =
        acv_wedges::correctionOf(acv_wedges::wedgeFile(wedge, test_support::sharedTestDataFolder(), dir.path()));
    ASSERT_TRUE(correction);
    std::string output;
    const auto image = imageSpaceCurve(*correction);
    const auto exports = throughFfmpeg(dir, image, output);
    ASSERT_EQ(exports.curve.size(), 256u) << output;
    std::vector<acv::Knot> knots;
    for (const auto& [out, in] : exports.acv.compCurvePoints) knots.push_back({in, out});
    const auto drawn = acv::drawnLevels(knots);
    acv::Levels table{};
    int worst = 0, at = 0, falls = 0, modelMisses = 0;
    for (int x = 0; x < 256; ++x) {
        const int cube = exports.cube[x], curve = exports.curve[x];
        if (std::abs(curve - cube) > worst) {
            worst = std::abs(curve - cube);
            at = x;
        }
        if (x > 0 && curve < exports.curve[x - 1] && cube >= exports.cube[x - 1]) ++falls;
        const auto level = static_cast<std::size_t>(x);
        table[level] = acv::tableLevel(image[level] / 100);
        modelMisses += drawn[level] != curve || table[level] != cube;
    }
    // An inner point off the correction stays off only where either whole
    // level beside the correction at its input would break the rules, add a
    // fall or raise the worst difference.
    const auto fit = acv::fitOf(drawn, table);
    int offTheCorrection = 0;
    for (std::size_t i = 1; i + 1 < knots.size(); ++i) {
        const double onIt = image[static_cast<std::size_t>(knots[i].input)] / 100 * 255;
        if (std::fabs(knots[i].output - onIt) <= acv::pointTolerance) continue;
        ++offTheCorrection;
        for (const double level : {std::floor(onIt), std::ceil(onIt)}) {
            auto moved = knots;
            moved[i].output = static_cast<int>(level);
            const auto movedFit = acv::fitOf(acv::drawnLevels(moved), table);
            EXPECT_TRUE(!acv::keepsTheRules(moved) || movedFit.reversals > fit.reversals || movedFit.worst > fit.worst)
                << "the point at " << knots[i].input << " could lie at " << level;
        }
    }
    EXPECT_LE(worst, wedge.bestWorst + 1);
    EXPECT_EQ(falls, 0);
    EXPECT_EQ(modelMisses, 0);
    std::printf("%s: %zu points (%d off the correction), worst %d levels at %d, the best curve's %d\n",
                wedge.name.c_str(), knots.size(), offTheCorrection, worst, at, wedge.bestWorst);
}

INSTANTIATE_TEST_SUITE_P(CorrectionExport, Wedges, testing::ValuesIn(acv_wedges::allWedges()), testName);

} // namespace curves
