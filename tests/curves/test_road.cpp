// The whole road of a linearization on real files, without a window: a
// measurement file and a .quad file through the scripted panels give the
// linearized curves and the written .quad, .acv and .cube files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/curves/LinearizationDataModel.h"
#include "app/curves/MeasurementFile.h"
#include "app/curves/PhotoshopCubeLUT.h"
#include "app/curves/PhotoshopCurve.h"
#include "app/curves/Resampling.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "test_road_support.h"

namespace curves {

using curves_test::ScratchDirectory;
using curves_test::testData;

namespace {

const std::vector<std::string> measurementFiles{
    "measurements/gray-lab-list-25rows.txt", "measurements/argyll-grey21-coated-konly.ti3",
    "measurements/argyll-grey51-uncoated-konly.ti3", "measurements/i1profiler-gloss-neutral-52x5.txt",
    "measurements/i1profiler-matte-52x5-mixed-separators.txt"};
const std::vector<std::string> quadFiles{"quad/k-only-8ink-lowercase-labels.quad", "quad/mk-only-10ink.quad"};

struct Road {
    v2LinearizationDataModel model;
    std::optional<QuadDataFile::Curves> linearized;
    std::string writtenQuad;
};

// What the linearization screen does: load (sliders at 33), open the quad,
// linearize, and export through the save panel.
Road travel(platform::ScriptedServices& services, const ScratchDirectory& dir, const std::string& measurement,
            const std::string& quadFile) {
    Road road;
    auto& model = road.model;
    model.stepArray = linspace(256, 0, 100);

    services.openPanel->answers.push_back(testData(measurement));
    const auto file = chooseMeasurementFile();
    EXPECT_NE(file, nullptr) << measurement;
    if (!file) return road;
    EXPECT_TRUE(model.loadMeasurements(*file)) << measurement;
    model.resetTargets();
    model.avgWindowSize = 33;
    model.splinePercent = (100 - 33) / 100.0;
    model.updateCorrection();

    services.openPanel->answers.push_back(testData(quadFile));
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
        road.writtenQuad = curves_test::readBytes(out);
    } else {
        v2LinearizationDataModel::showLinearizeFailedAlert();
    }
    return road;
}

// Linear interpolation of a 256-step response at a position 0 to 255.
double responseAt(const std::vector<CIELab>& response, double position) {
    position = std::clamp(position, 0.0, 255.0);
    const auto i = std::min<std::size_t>(static_cast<std::size_t>(position), 254);
    const double f = position - static_cast<double>(i);
    return response[i].L + f * (response[i + 1].L - response[i].L);
}

} // namespace

TEST(Road, EveryMeasurementWithEveryQuadGivesValidCurvesThatReadBack) {
    platform::LogCapture log;
    for (const auto& measurement : measurementFiles)
        for (const auto& quadFile : quadFiles) {
            SCOPED_TRACE(measurement + " + " + quadFile);
            ScratchDirectory dir;
            platform::ScriptedServices services;
            const auto road = travel(services, dir, measurement, quadFile);
            EXPECT_TRUE(services.alerts->shown.empty());
            ASSERT_TRUE(road.linearized);
            const auto& input = *road.model.quadData->inputQuadCurveArray;
            ASSERT_EQ(road.linearized->size(), input.size());
            for (std::size_t c = 0; c < input.size(); ++c) {
                ASSERT_EQ((*road.linearized)[c].size(), 256u);
                const bool unused = std::all_of(input[c].begin(), input[c].end(), [](double v) { return v == 0; });
                for (const double v : (*road.linearized)[c]) {
                    EXPECT_GE(v, 0);
                    EXPECT_LE(v, 65535);
                    if (unused) {
                        EXPECT_EQ(v, 0);
                    }
                }
            }
            // The written file reads back to the written curves.
            ASSERT_FALSE(road.writtenQuad.empty());
            EXPECT_NE(road.writtenQuad.back(), '\n');
            QuadDataFile back;
            ASSERT_TRUE(back.load(QuadDataFile::linesFromText(road.writtenQuad)));
            ASSERT_EQ(back.inputQuadCurveArray->size(), input.size());
            EXPECT_EQ(back.inkList, road.model.quadData->inkList);
            EXPECT_EQ(back.printerInfo, road.model.quadData->printerInfo);
            for (std::size_t c = 0; c < input.size(); ++c)
                for (std::size_t i = 0; i < 256; ++i) {
                    const double v = (*back.inputQuadCurveArray)[c][i];
                    EXPECT_GE(v, 0);
                    EXPECT_LE(v, 65535);
                    EXPECT_EQ(v, std::stod(QuadDataFile::quadValueText((*road.linearized)[c][i])));
                }
        }
}

// The printer's response is the measured wedge; printing the linearized
// curve must bring the predicted lightness closer to the linear target.
TEST(Road, LinearizationBringsTheWedgeCloserToTheLinearTarget) {
    platform::LogCapture log;
    for (const auto& measurement : measurementFiles) {
        SCOPED_TRACE(measurement);
        ScratchDirectory dir;
        platform::ScriptedServices services;
        const auto road = travel(services, dir, measurement, quadFiles[0]);
        ASSERT_TRUE(road.linearized);
        const auto& response = road.model.interpolatedMeasurements;     // L* per input position
        const auto& k = (*road.model.quadData->inputQuadCurveArray)[0]; // K: straight ramp to its limit
        const auto& linearizedK = (*road.linearized)[0];
        const double inkPerStep = k[255] / 255;
        const double first = response.front().L;
        const double last = response.back().L;

        double meanBefore = 0, meanAfter = 0, worstBefore = 0, worstAfter = 0;
        for (int step = 0; step < 256; ++step) {
            const double target = first + (last - first) * step / 255;
            // The same ink amount is printed where the straight K ramp had it.
            const double before = responseAt(response, step);
            const double after = responseAt(response, linearizedK[step] / inkPerStep);
            meanBefore += std::fabs(before - target) / 256;
            meanAfter += std::fabs(after - target) / 256;
            worstBefore = std::max(worstBefore, std::fabs(before - target));
            worstAfter = std::max(worstAfter, std::fabs(after - target));
        }
        EXPECT_LT(meanAfter, meanBefore);
        EXPECT_LT(worstAfter, worstBefore);
        std::printf("%s: mean %.2f -> %.2f, worst %.2f -> %.2f L*\n", measurement.c_str(), meanBefore, meanAfter,
                    worstBefore, worstAfter);
    }
}

TEST(Road, QuadWithoutChannelsShowsFailedToLinearize) {
    platform::LogCapture log;
    ScratchDirectory dir;
    const auto broken = dir.file("broken.quad");
    curves_test::writeBytes(broken, "## QuadToneRIP K,C,M,Y,Q\n# K Curve\n0\n");
    platform::ScriptedServices services;
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    services.openPanel->answers.push_back(testData(measurementFiles[0]));
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

TEST(Road, CorrectionExportsAsAcvAndCube) {
    platform::LogCapture log;
    ScratchDirectory dir;
    platform::ScriptedServices services;
    const auto road = travel(services, dir, measurementFiles[1], quadFiles[0]);
    const auto& correction = *road.model.correctionCurve->correctionCurveArray;

    PhotoshopCubeLUT lut(correction);
    lut.outputCube = lut.makeCube();
    services.savePanel->answers.push_back(dir.file("c.cube"));
    lut.showSavePanel();
    const auto cube = curves_test::readBytes(dir.file("c.cube"));
    EXPECT_NE(cube.find("LUT_1D_SIZE 256\n"), std::string::npos);
    EXPECT_EQ(std::count(cube.begin(), cube.end(), '\n'), 5 + 256);

    PhotoshopCurve_UInt16 acv;
    acv.compCurvePoints.clear();
    for (const int x : {0, 51, 102, 153, 204, 255})
        acv.compCurvePoints.push_back(
            {static_cast<std::uint16_t>(std::lround(correction[x] * 2.55)), static_cast<std::uint16_t>(x)});
    PhotoshopCurve_UInt16::saveAcvFile(PhotoshopCurve_UInt16::acvFileData(acv.makeAcvData()));
    services.savePanel->confirm(dir.file("c.acv"));
    EXPECT_EQ(curves_test::readBytes(dir.file("c.acv")).size(), 2u * (2 + 1 + 12 + 15 + 5));
    EXPECT_TRUE(services.alerts->shown.empty());
}

} // namespace curves
