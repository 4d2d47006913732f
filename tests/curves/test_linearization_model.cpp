#include <gtest/gtest.h>

#include <cmath>

#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"

namespace curves {

namespace {

// A Lab list with an "L*" header: one row per step, then the final line end.
std::shared_ptr<MeasurementFile> labListFile(const std::vector<double>& lightness) {
    std::string text = "L*\ta*\tb*\n";
    for (const double L : lightness) text += std::to_string(L) + "\t0.5\t-1.0\n";
    return measurementFileFromBytes(text, "wedge.txt");
}

std::vector<double> wedge21(double darkest) {
    std::vector<double> lightness;
    for (int i = 0; i < 21; ++i) lightness.push_back(95 - (95 - darkest) * std::pow(i / 20.0, 0.7));
    return lightness;
}

// The model as the screen sets it up, with a loaded measurement file.
v2LinearizationDataModel screenModel() {
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    return model;
}

void loadAndCorrect(v2LinearizationDataModel& model, const MeasurementFile& file) {
    ASSERT_TRUE(model.loadMeasurements(file));
    model.resetTargets();
    model.avgWindowSize = 33;
    model.splinePercent = 0.67;
    model.updateCorrection();
}

} // namespace

TEST(LinearizationModel, DensityFromTheDarkestStep) {
    EXPECT_NEAR(v2LinearizationDataModel::densityOfLightness(5), -std::log10(5 * 27.0 / 24389), 1e-12);
    EXPECT_NEAR(v2LinearizationDataModel::densityOfLightness(5), 2.26, 0.01);
    EXPECT_DOUBLE_EQ(v2LinearizationDataModel::densityOfLightness(8), -std::log10(std::pow(24.0 / 116, 3)));
    EXPECT_NEAR(v2LinearizationDataModel::densityOfLightness(100), 0, 1e-12);
}

TEST(LinearizationModel, LoadSetsStagesDmaxAndMatteFlag) {
    platform::ScriptedServices services;
    platform::LogCapture log;
    for (const double darkest : {10.0, 10.01, 24.3, 3.0}) {
        auto lightness = wedge21(darkest);
        lightness[18] = lightness[19] = darkest; // a flat end lands the last grid step on it
        lightness[20] = darkest;
        auto model = screenModel();
        ASSERT_TRUE(model.loadMeasurements(*labListFile(lightness)));
        EXPECT_FALSE(model.measurementDataLoadingError);
        EXPECT_EQ(model.rawMeasurements.size(), 21u);
        EXPECT_EQ(model.openedOriginalMeasurments.size(), 21u);
        ASSERT_EQ(model.interpolatedMeasurements.size(), 256u);
        EXPECT_NEAR(model.interpolatedMeasurements.back().L, darkest, 1e-9);
        EXPECT_EQ(model.matteDensityRange, darkest > 10) << darkest;
        EXPECT_DOUBLE_EQ(model.dmax,
                         v2LinearizationDataModel::densityOfLightness(model.interpolatedMeasurements.back().L));
        ASSERT_EQ(model.separatedLABArrays.size(), 3u);
        EXPECT_EQ(model.separatedLABArrays[1][7], model.interpolatedMeasurements[7].a);
    }
    EXPECT_TRUE(services.alerts->shown.empty());
}

// Every failed load shows the load-failure alert once and keeps what was
// loaded before; that includes the kinds recognition knows but nothing reads,
// which once failed without a word.
TEST(LinearizationModel, FailedLoadsShowTheAlertAndKeepThePreviousMeasurements) {
    struct Case {
        const char* name;
        std::string text;
        const char* logged; // the reason in the developer's log, when the model gives it
    };
    const Case cases[] = {
        {"ColorMunki (recognised, no reader)", "Name\tL\ta\tb\nA1\t90\t0\t0\n",
         "\"ColorMunki File\" are recognised but cannot be read"},
        {"QTR-Create-ICC (recognised, no reader)", "QTR-Create-ICC\n1\t90\t0\t0\n",
         "\"QTR-Create-ICC File\" are recognised but cannot be read"},
        {"density (recognised, no reader)", "Density\t1.5\n0.05\n1.0\n2.1\n",
         "\"Density File\" are recognised but cannot be read"},
        {"unrecognised", "hello\nworld\n", nullptr},
        {"CGATS without an L* column",
         "CGATS.17\nNUMBER_OF_FIELDS\t2\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tRGB_R\nEND_DATA_FORMAT\n"
         "NUMBER_OF_SETS\t1\nBEGIN_DATA\n1\t255\nEND_DATA\n",
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedServices services;
        platform::LogCapture log;
        auto model = screenModel();
        loadAndCorrect(model, *labListFile(wedge21(20)));
        const auto raw = model.rawMeasurements;
        const auto before = model.interpolatedMeasurements;
        const auto correction = model.correctionCurve->correctionCurveArray;

        EXPECT_FALSE(model.loadMeasurements(*measurementFileFromBytes(c.text, "m.txt")));
        ASSERT_EQ(services.alerts->shown.size(), 1u);
        const auto& alert = services.alerts->shown.front();
        EXPECT_EQ(alert.messageText, "Failed to Load Measurement Data");
        EXPECT_EQ(alert.informativeText,
                  "Please check the measurement data format and load data again.\n\n"
                  "If this problem continues send the measurement data file using the send feedback form in the help "
                  "menu.");
        if (c.logged) {
            EXPECT_TRUE(log.devLogContains(c.logged));
        }

        EXPECT_EQ(model.rawMeasurements, raw);
        EXPECT_EQ(model.interpolatedMeasurements, before);
        EXPECT_EQ(model.correctionCurve->correctionCurveArray, correction);
        EXPECT_FALSE(model.measurementDataLoadingError);
    }
}

TEST(LinearizationModel, ALoadWithoutLinesShowsTheAlertOnce) {
    platform::ScriptedServices services;
    platform::LogCapture log;
    auto model = screenModel();
    MeasurementFile empty;
    empty.measurementData.reset();
    EXPECT_FALSE(model.loadMeasurements(empty));
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(services.alerts->shown.front().messageText, "Failed to Load Measurement Data");
    EXPECT_TRUE(model.measurementDataLoadingError);
}

TEST(LinearizationModel, CorrectionStagesAfterUpdate) {
    platform::ScriptedServices services;
    platform::LogCapture log;
    auto model = screenModel();
    loadAndCorrect(model, *labListFile(wedge21(12)));
    ASSERT_EQ(model.smoothedMeasuredValues.size(), 3u);
    ASSERT_EQ(model.smoothedMeasurements.size(), 256u);
    EXPECT_EQ(model.manualCurve.size(), 256u);
    EXPECT_EQ(model.correctionCurve->finalTargetArray.size(), 256u);
    EXPECT_EQ(model.correctionCurve->finalTargetArray.front(), model.smoothedMeasurements.front().L);
    const auto correction = *model.correctionCurve->correctionCurveArray;
    ASSERT_EQ(correction.size(), 256u);
    EXPECT_EQ(correction.front(), 0);
    EXPECT_EQ(correction.back(), 100);
    // Listed from the sample of the correction value 100 (the last smoothed
    // one, through the last interval) down to that of 0.
    ASSERT_EQ(model.correctedMeasurements.size(), 256u);
    EXPECT_NEAR(model.correctedMeasurements.front().L, model.smoothedMeasurements.back().L, 1e-9);
    EXPECT_NEAR(model.correctedMeasurements.back().L, model.smoothedMeasurements.front().L, 1e-9);
    // The corrected lightness falls evenly, as the linear target does.
    const auto& target = model.correctionCurve->finalTargetArray;
    for (int k = 10; k < 246; ++k) EXPECT_NEAR(model.correctedMeasurements[255 - k].L, target[k], 0.3) << k;

    // A manual curve reshapes the target.
    model.manualCurve = linspace(256, 0, 100);
    for (auto& m : model.manualCurve) m = 100 * std::pow(m / 100, 2);
    model.updateCorrection();
    EXPECT_LT((*model.correctionCurve->correctionCurveArray)[128], correction[128]);
}

TEST(LinearizationModel, SortAndReload) {
    platform::LogCapture log;
    auto model = screenModel();
    model.rawMeasurements = {{50, 0, 0}, {90, 1, 0}, {10, 2, 0}};
    model.sortMeasurements();
    EXPECT_EQ(model.rawMeasurements, (std::vector<CIELab>{{90, 1, 0}, {50, 0, 0}, {10, 2, 0}}));
    model.matteDensityRange = true;
    model.reloadMeasurements();
    EXPECT_EQ(model.interpolatedMeasurements.size(), 256u);
    EXPECT_TRUE(model.matteDensityRange); // not recomputed by a reload
    EXPECT_EQ(model.correctionCurve->correctionCurveArray->size(), 256u);

    // Too few measurements to resample do not stop the program.
    model.rawMeasurements = {{50, 0, 0}};
    model.reloadMeasurements();
    EXPECT_TRUE(model.interpolatedMeasurements.empty());
}

TEST(LinearizationModel, LinearizeNeedsCorrectionAndChannels) {
    platform::ScriptedServices services;
    platform::LogCapture log;
    auto model = screenModel();
    EXPECT_FALSE(model.linearizedQuadCurves());
    EXPECT_TRUE(log.standardOutputContains("Failed to create correction curve"));

    loadAndCorrect(model, *labListFile(wedge21(15)));
    EXPECT_FALSE(model.linearizedQuadCurves()); // no quad
    model.quadData = std::make_shared<QuadDataFile>();
    EXPECT_FALSE(model.linearizedQuadCurves()); // a quad without channels
    model.quadData->inputQuadCurveArray = QuadDataFile::Curves{std::vector<double>(256, 0), linspace(256, 0, 30000)};
    const auto curves = model.linearizedQuadCurves();
    ASSERT_TRUE(curves);
    ASSERT_EQ(curves->size(), 2u);
    EXPECT_EQ((*curves)[0], std::vector<double>(256, 0));

    EXPECT_TRUE(v2LinearizationDataModel::showLinearizeFailedAlert());
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(services.alerts->shown[0].style, platform::AlertStyle::warning);
    EXPECT_EQ(services.alerts->shown[0].messageText, "Failed to Linearize");
    EXPECT_EQ(services.alerts->shown[0].informativeText,
              "Please load a valid quad curve file and measurement data file and try again");
}

TEST(LinearizationModel, EveryCorrectionValueStaysOnTheStepGrid) {
    platform::LogCapture log;
    auto model = screenModel();
    std::vector<CIELab> smoothed;
    for (int i = 0; i < 256; ++i) smoothed.push_back({95.0 - i * 0.3, 0, 0});
    const auto corrected = model.correctMeasurements({-5, 0, 50, 100, 130, std::nan("")}, smoothed);
    ASSERT_EQ(corrected.size(), 6u);
    EXPECT_EQ(corrected[0].L, 95);                     // NaN reads as 0
    EXPECT_NEAR(corrected[1].L, 95 - 255 * 0.3, 1e-9); // 130 is held at 100
    EXPECT_NEAR(corrected[2].L, 95 - 255 * 0.3, 1e-9);
    EXPECT_NEAR(corrected[3].L, 95 - 127.5 * 0.3, 1e-9);
    EXPECT_EQ(corrected[5].L, 95);
    model.stepArray.clear();
    EXPECT_TRUE(model.correctMeasurements({0, 100}, smoothed).empty());
}

} // namespace curves
