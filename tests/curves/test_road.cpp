// The whole road of a linearization, without a window: a measurement file and
// a .quad file through the scripted panels give the linearized curves and the
// written .quad, .acv and .cube files. On files the test makes, and on the
// shared real files when they are there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "app/curves/exports/CorrectionExport.h"
#include "app/curves/exports/PhotoshopCubeLUT.h"
#include "app/curves/exports/PhotoshopCurve.h"
#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "ffmpeg_filters.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shared_test_data.h"
#include "tests/support/shell_commands.h"

namespace curves {

using test_support::ScratchDirectory;
using test_support::sharedTestFile;

namespace {

const std::vector<std::string> measurementFiles{
    "measurements/gray-lab-list-25rows.txt", "measurements/argyll-grey21-coated-konly.ti3",
    "measurements/argyll-grey51-uncoated-konly.ti3", "measurements/i1profiler-gloss-neutral-52x5.txt",
    "measurements/i1profiler-matte-52x5-mixed-separators.txt"};
const std::vector<std::string> quadFiles{"quad/k-only-8ink-lowercase-labels.quad", "quad/mk-only-10ink.quad"};

// A 21-step K wedge of a printer that prints the midtones too dark, as a
// photographer's Lab list; the patch of step `misread`, when given, read
// 20 L* too dark, as an instrument placed off the patch reads it.
std::filesystem::path madeWedge(const ScratchDirectory& dir, int misread = -1) {
    std::string text = "GRAY\tLAB_L\tLAB_A\tLAB_B\n";
    for (int step = 0; step <= 20; ++step) {
        const double gray = step * 5.0;
        const double L = 95 - 80 * std::pow(gray / 100, 0.75) - (step == misread ? 20 : 0);
        text += std::to_string(gray) + "\t" + std::to_string(L) + "\t0.10\t-1.00\n";
    }
    const auto file = dir.file(misread < 0 ? "wedge.txt" : "misread.txt");
    test_support::writeBytes(file, text);
    return file;
}

// An eight-ink .quad with K a straight ramp to 13762 and the other inks unused.
std::filesystem::path madeQuad(const ScratchDirectory& dir) {
    std::string text = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\n# made by the test\n";
    for (const char* ink : {"K", "C", "M", "Y", "LC", "LM", "LK", "LLK"}) {
        text += std::string("# ") + ink + " Curve\n";
        for (int i = 0; i < 256; ++i) text += std::to_string(ink == std::string("K") ? i * 13762 / 255 : 0) + "\n";
    }
    const auto file = dir.file("ramp.quad");
    test_support::writeBytes(file, text);
    return file;
}

struct Road {
    v2LinearizationDataModel model;
    std::optional<QuadDataFile::Curves> linearized;
    std::string writtenQuad;
};

// What the linearization screen does: load (sliders at 33), open the quad,
// linearize, and export through the save panel.
Road travel(platform::ScriptedServices& services, const ScratchDirectory& dir, const std::filesystem::path& measurement,
            const std::filesystem::path& quadFile) {
    Road road;
    auto& model = road.model;
    model.stepArray = linspace(256, 0, 100);

    services.openPanel->answers.push_back(measurement);
    const auto file = chooseMeasurementFile();
    EXPECT_NE(file, nullptr) << measurement;
    if (!file) return road;
    EXPECT_TRUE(model.loadMeasurements(*file)) << measurement;
    model.resetTargets();
    model.avgWindowSize = 33;
    model.splinePercent = (100 - 33) / 100.0;
    model.updateCorrection();

    services.openPanel->answers.push_back(quadFile);
    model.quadData = QuadDataFile::chooseQuadFile();
    EXPECT_NE(model.quadData, nullptr);
    if (!model.quadData) return road;
    EXPECT_TRUE(model.quadData->load(model.quadData->rawQuadData));
    road.linearized = model.linearizedQuadCurves();

    if (model.correctionCurve->correctionCurveArray && road.linearized) {
        model.quadData->outputQuadCurveArray = road.linearized;
        const auto out = dir.file("linearized.quad");
        services.savePanel->answers.push_back(out);
        QuadDataFile::saveQuadText(model.quadData->quadText(*model.quadData->outputQuadCurveArray));
        road.writtenQuad = test_support::readBytes(out);
    } else {
        v2LinearizationDataModel::showLinearizeFailedAlert();
    }
    return road;
}

// Every linearized value is a quad value, unused inks stay unused, and the
// written file reads back to the written curves.
void expectValidCurvesThatReadBack(const Road& road) {
    ASSERT_TRUE(road.linearized);
    const auto& input = *road.model.quadData->inputQuadCurveArray;
    ASSERT_EQ(road.linearized->size(), input.size());
    for (std::size_t c = 0; c < input.size(); ++c) {
        ASSERT_EQ((*road.linearized)[c].size(), 256u);
        const bool unused = std::all_of(input[c].begin(), input[c].end(), [](double v) { return v == 0; });
        // A printer curve that falls while its input rises prints bands.
        if (std::is_sorted(input[c].begin(), input[c].end())) {
            EXPECT_TRUE(std::is_sorted((*road.linearized)[c].begin(), (*road.linearized)[c].end())) << "channel " << c;
        }
        for (const double v : (*road.linearized)[c]) {
            EXPECT_GE(v, 0);
            EXPECT_LE(v, 65535);
            if (unused) {
                EXPECT_EQ(v, 0);
            }
        }
    }
    ASSERT_FALSE(road.writtenQuad.empty());
    EXPECT_NE(road.writtenQuad.back(), '\n');
    QuadDataFile back;
    ASSERT_TRUE(back.load(quadtext::linesFromText(road.writtenQuad)));
    ASSERT_EQ(back.inputQuadCurveArray->size(), input.size());
    EXPECT_EQ(back.inkList, road.model.quadData->inkList);
    EXPECT_EQ(back.printerInfo, road.model.quadData->printerInfo);
    for (std::size_t c = 0; c < input.size(); ++c)
        for (std::size_t i = 0; i < 256; ++i) {
            const double v = (*back.inputQuadCurveArray)[c][i];
            EXPECT_GE(v, 0);
            EXPECT_LE(v, 65535);
            EXPECT_EQ(v, std::stod(quadtext::valueText((*road.linearized)[c][i])));
        }
}

// The printer's lightness at an ink amount from 0 (paper) to 1 (the limit of
// the straight K curve).
using Response = std::function<double(double)>;

// Straight between neighbouring points (x ascending), held at the ends.
double piecewiseLinear(const std::vector<double>& xs, const std::vector<double>& ys, double x) {
    if (x <= xs.front()) return ys.front();
    if (x >= xs.back()) return ys.back();
    const auto upper = static_cast<std::size_t>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin());
    const double f = (x - xs[upper - 1]) / (xs[upper] - xs[upper - 1]);
    return ys[upper - 1] + f * (ys[upper] - ys[upper - 1]);
}

// The measured wedge as the printer's response. A list that names where each
// patch was printed (its GRAY column, read here straight from the file) is
// taken at those positions, so that the result is judged against where the
// patches really lie; the other wedges, measured at even steps, through the
// model's 256 steps.
Response printerResponse(const std::filesystem::path& measurement, const v2LinearizationDataModel& model) {
    if (measurement.filename().string().find("gray-lab-list") != std::string::npos) {
        std::istringstream lines(test_support::readBytes(measurement));
        std::vector<double> positions, lightness;
        std::string line;
        std::getline(lines, line); // GRAY LAB_L LAB_A LAB_B
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            double gray = 0, L = 0;
            if (fields >> gray >> L) {
                positions.push_back(gray / 100);
                lightness.push_back(L);
            }
        }
        return [positions, lightness](double ink) { return piecewiseLinear(positions, lightness, ink); };
    }
    std::vector<double> positions, lightness;
    for (std::size_t i = 0; i < model.interpolatedMeasurements.size(); ++i) {
        positions.push_back(static_cast<double>(i) / 255);
        lightness.push_back(model.interpolatedMeasurements[i].L);
    }
    return [positions, lightness](double ink) { return piecewiseLinear(positions, lightness, ink); };
}

struct Deviation {
    double mean = 0;
    double worst = 0;
};

// How far the print of every input level, at the ink amount `inkAt` gives it,
// lies from the straight line between the response's paper and full-ink ends.
Deviation fromLinearTarget(const Response& response, const std::function<double(int)>& inkAt) {
    const double first = response(0);
    const double last = response(1);
    Deviation d;
    for (int level = 0; level < 256; ++level) {
        const double target = first + (last - first) * level / 255;
        const double off = std::fabs(response(inkAt(level)) - target);
        d.mean += off / 256;
        d.worst = std::max(d.worst, off);
    }
    return d;
}

// Printing the linearized K curve (K a straight ramp in the .quad) through
// the measured response must bring the print closer to the linear target than
// the straight K curve did.
void expectCloserToTheLinearTarget(const Road& road, const std::filesystem::path& measurement) {
    ASSERT_TRUE(road.linearized);
    const auto response = printerResponse(measurement, road.model);
    const auto& k = (*road.model.quadData->inputQuadCurveArray)[0]; // K: straight ramp to its limit
    const auto& linearizedK = (*road.linearized)[0];
    const auto before = fromLinearTarget(response, [](int level) { return level / 255.0; });
    const auto after = fromLinearTarget(response, [&](int level) { return linearizedK[level] / k[255]; });
    EXPECT_LT(after.mean, before.mean);
    EXPECT_LT(after.worst, before.worst);
    // A correction worth the name: within a step of the wedge's 21 to 51.
    EXPECT_LT(after.mean, 1.0);
    std::printf("%s: mean %.2f -> %.2f, worst %.2f -> %.2f L*\n", measurement.filename().c_str(), before.mean,
                after.mean, before.worst, after.worst);
}

} // namespace

TEST(Road, MadeWedgeAndQuadGiveCurvesThatReadBackAndLinearize) {
    platform::LogCapture log;
    ScratchDirectory dir;
    platform::ScriptedServices services;
    const auto wedge = madeWedge(dir);
    const auto road = travel(services, dir, wedge, madeQuad(dir));
    EXPECT_TRUE(services.alerts->shown.empty());
    expectValidCurvesThatReadBack(road);
    expectCloserToTheLinearTarget(road, wedge);
}

TEST(Road, EveryMeasurementWithEveryQuadGivesValidCurvesThatReadBack) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    platform::LogCapture log;
    for (const auto& measurement : measurementFiles)
        for (const auto& quadFile : quadFiles) {
            SCOPED_TRACE(measurement + " + " + quadFile);
            ScratchDirectory dir;
            platform::ScriptedServices services;
            const auto road = travel(services, dir, sharedTestFile(measurement), sharedTestFile(quadFile));
            EXPECT_TRUE(services.alerts->shown.empty());
            expectValidCurvesThatReadBack(road);
        }
}

TEST(Road, LinearizationBringsTheWedgeCloserToTheLinearTarget) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    platform::LogCapture log;
    for (const auto& measurement : measurementFiles) {
        SCOPED_TRACE(measurement);
        ScratchDirectory dir;
        platform::ScriptedServices services;
        const auto file = sharedTestFile(measurement);
        expectCloserToTheLinearTarget(travel(services, dir, file, sharedTestFile(quadFiles[0])), file);
    }
}

TEST(Road, QuadWithoutChannelsShowsFailedToLinearize) {
    platform::LogCapture log;
    ScratchDirectory dir;
    const auto broken = dir.file("broken.quad");
    test_support::writeBytes(broken, "## QuadToneRIP K,C,M,Y,Q\n# K Curve\n0\n");
    platform::ScriptedServices services;
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    services.openPanel->answers.push_back(madeWedge(dir));
    ASSERT_TRUE(model.loadMeasurements(*chooseMeasurementFile()));
    model.resetTargets();
    model.updateCorrection();
    model.quadData = QuadDataFile::openQuadFile(broken);
    ASSERT_NE(model.quadData, nullptr);
    EXPECT_FALSE(model.quadData->load(model.quadData->rawQuadData));
    EXPECT_FALSE(model.linearizedQuadCurves());
    v2LinearizationDataModel::showLinearizeFailedAlert();
    ASSERT_EQ(services.alerts->shown.size(), 2u);
    EXPECT_EQ(services.alerts->shown[0].messageText, "Failed to Load Quad File");
    EXPECT_EQ(services.alerts->shown[1].messageText, "Failed to Linearize");
    EXPECT_TRUE(services.savePanel->requests.empty());
}

// The screen's two image exports, as it makes them: the image-space curve of
// the correction, as a .cube table and as .acv points, through the save
// panel.
struct ImageExports {
    std::filesystem::path cube, acv;
    PhotoshopCurve_UInt16 acvCurve;
};

ImageExports exportForImages(platform::ScriptedServices& services, const ScratchDirectory& dir,
                             const std::vector<double>& correction) {
    ImageExports files{dir.file("c.cube"), dir.file("c.acv"), {}};
    const auto image = imageSpaceCurve(correction);
    PhotoshopCubeLUT lut(image);
    lut.outputCube = lut.makeCube();
    services.savePanel->answers.push_back(files.cube);
    lut.showSavePanel();
    files.acvCurve = makeAcvCurvePoints(image);
    services.savePanel->answers.push_back(files.acv);
    PhotoshopCurve_UInt16::saveAcvFile(PhotoshopCurve_UInt16::acvFileData(files.acvCurve.makeAcvData()));
    return files;
}

// The 50 % patch read 20 L* too dark: the curves and the .cube never go back
// (they did, by 6 % of the channel), and away from the step and the reach of
// the smoothing they are those of the wedge read right.
TEST(Road, AMisreadPatchNeitherTurnsTheCurvesBackNorMovesThemAwayFromIt) {
    platform::LogCapture log;
    ScratchDirectory dir;
    platform::ScriptedServices services;
    const auto right = travel(services, dir, madeWedge(dir), madeQuad(dir));
    const auto misread = travel(services, dir, madeWedge(dir, 10), madeQuad(dir));
    expectValidCurvesThatReadBack(misread);
    const auto& k = (*misread.linearized)[0];
    const auto& kRight = (*right.linearized)[0];
    for (std::size_t i = 0; i < 256; ++i)
        if (kRight[i] < 0.3 * kRight[255] || kRight[i] > 0.7 * kRight[255]) {
            EXPECT_NEAR(k[i], kRight[i], 0.005 * kRight[255]) << i;
        }
    const auto cubeRows = imageSpaceCurve(*misread.model.correctionCurve->correctionCurveArray);
    EXPECT_TRUE(std::is_sorted(cubeRows.begin(), cubeRows.end()));
}

TEST(Road, CorrectionExportsAsAcvAndCube) {
    platform::LogCapture log;
    ScratchDirectory dir;
    platform::ScriptedServices services;
    const auto road = travel(services, dir, madeWedge(dir), madeQuad(dir));
    ASSERT_TRUE(road.model.correctionCurve->correctionCurveArray);
    const auto files = exportForImages(services, dir, *road.model.correctionCurve->correctionCurveArray);
    const auto cube = test_support::readBytes(files.cube);
    EXPECT_NE(cube.find("LUT_1D_SIZE 256\n"), std::string::npos);
    EXPECT_EQ(std::count(cube.begin(), cube.end(), '\n'), 5 + 256);
    const auto points = files.acvCurve.compCurvePoints.size();
    EXPECT_GE(points, 3u);
    EXPECT_LE(points, 16u);
    EXPECT_EQ(test_support::readBytes(files.acv).size(), 2u * (2 + (1 + 2 * points) + 3 * 5 + 5));
    EXPECT_TRUE(services.alerts->shown.empty());
}

// The image exports correct the print as the linearized .quad does: a grey
// ramp mapped through each (by ffmpeg, as an image editor would) and printed
// with the straight K curve through the measured response comes closer to
// the linear target than the ramp printed as it is.
void expectImageExportsCloserToTheLinearTarget(const std::filesystem::path& measurement,
                                               const std::filesystem::path& quadFile) {
    SCOPED_TRACE(measurement.filename().string());
    ScratchDirectory dir;
    platform::ScriptedServices services;
    const auto road = travel(services, dir, measurement, quadFile);
    ASSERT_TRUE(road.model.correctionCurve->correctionCurveArray);
    const auto response = printerResponse(measurement, road.model);
    const auto& correction = *road.model.correctionCurve->correctionCurveArray;
    const auto files = exportForImages(services, dir, correction);
    std::map<std::string, std::string> mappedBy;

    // Pixel level p asks for the ink fraction (255 - p) / 255; the
    // target of that ink amount is the same as for the .quad.
    const auto asked = [](int level) { return level / 255.0; }; // level counted from white
    const auto before = fromLinearTarget(response, asked);
    std::printf("%s: mean %.2f, worst %.2f L* uncorrected", measurement.filename().c_str(), before.mean, before.worst);
    for (const char* filter : {"lut1d=file=c.cube", "curves=psfile=c.acv"}) {
        std::string output;
        const auto mapped = curves_test::ffmpegOnGreyRamp(dir, filter, output);
        ASSERT_EQ(mapped.size(), 768u) << output;
        const auto after = fromLinearTarget(response, [&](int level) {
            const int pixel = 255 - level;
            return (255 - static_cast<unsigned char>(mapped[3 * pixel + 1])) / 255.0;
        });
        mappedBy[filter] = mapped;
        EXPECT_LT(after.mean, before.mean) << filter;
        EXPECT_LT(after.worst, before.worst) << filter;
        std::printf("; %s: mean %.2f, worst %.2f (128 -> %d)", filter, after.mean, after.worst,
                    static_cast<unsigned char>(mapped[3 * 128 + 1]));
    }
    std::printf("\n");

    // The .cube maps pixel x to 255 - 2.55 c[255 - x]; the .acv agrees
    // with it at its own points.
    const auto level = [&](const char* filter, int x) {
        return static_cast<unsigned char>(mappedBy[filter][3 * static_cast<std::size_t>(x) + 1]);
    };
    for (int x = 0; x < 256; ++x)
        EXPECT_NEAR(level("lut1d=file=c.cube", x), 255 - 2.55 * correction[255 - x], 1.0) << x;
    for (const auto& point : files.acvCurve.compCurvePoints)
        EXPECT_NEAR(level("curves=psfile=c.acv", point.second), level("lut1d=file=c.cube", point.second), 3.0)
            << point.second;
}

TEST(Road, ImageExportsBringThePrintCloserToTheLinearTarget) {
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    platform::LogCapture log;
    ScratchDirectory dir;
    expectImageExportsCloserToTheLinearTarget(madeWedge(dir), madeQuad(dir));
}

TEST(Road, ImageExportsBringThePrintOfRealWedgesCloserToTheLinearTarget) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    platform::LogCapture log;
    for (const auto& measurement : measurementFiles)
        expectImageExportsCloserToTheLinearTarget(sharedTestFile(measurement), sharedTestFile(quadFiles[0]));
}

} // namespace curves
