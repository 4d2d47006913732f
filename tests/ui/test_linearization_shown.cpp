#include <gtest/gtest.h>

#include "app/ui/linearization/LinearizationShown.h"

namespace appui::linearization {

namespace {

using Model = curves::v2LinearizationDataModel;

std::vector<curves::CIELab> steps(double first) {
    std::vector<curves::CIELab> lab;
    for (int i = 0; i < 3; ++i) lab.push_back({first - 10 * i, 0, 0});
    return lab;
}

// A model as a screen finds it after a correction, its quad corrected or not.
Model correctedModel(bool quadCorrected) {
    Model model;
    model.rawMeasurements = steps(90);
    model.smoothedMeasurements = steps(80);
    model.correctedMeasurements = steps(70);
    model.separatedLABArrays = {{90, 80, 70}};
    model.smoothedMeasuredValues = {{80, 70, 60}};
    model.correctionCurve->finalTargetArray = {100, 50, 0};
    model.correctionCurve->correctionCurveArray = std::vector<double>{0, 0.5, 1};
    model.quadData = std::make_shared<curves::QuadDataFile>();
    model.quadData->inkList = {"K", "C"};
    model.quadData->inputQuadCurveArray = Model::Curves{{1, 2}, {3, 4}};
    if (quadCorrected) model.quadData->outputQuadCurveArray = Model::Curves{{5, 6}, {7, 8}};
    return model;
}

} // namespace

// Which parts of the screen each kind of change redraws, and from what.
TEST(LinearizationShown, EachChangeShowsItsPartsOfTheModel) {
    struct Case {
        Change change;
        bool quadCorrected;
        bool lightness;
        std::optional<double> firstRampL; // the first panel's first sample
        std::optional<double> quadCurveStart;
    };
    const Case cases[] = {
        {Change::correction, true, true, 80, 5},
        {Change::measurementTyped, true, true, 90, 5},
        // A correction that left the quad uncorrected leaves its graph alone.
        {Change::correction, false, true, 80, std::nullopt},
        {Change::quadFile, false, false, std::nullopt, 1},
        {Change::quadFile, true, false, std::nullopt, 5},
        {Change::quadCurvesShown, true, false, std::nullopt, 5},
    };
    const ChannelVisibility all{true, true, true, true, true, true, true, true, true, true};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.change));
        SCOPED_TRACE(c.quadCorrected);
        const Model model = correctedModel(c.quadCorrected);
        const auto shown = shownOf(model, all, c.change);
        ASSERT_EQ(shown.lightness.has_value(), c.lightness);
        if (shown.lightness) {
            EXPECT_EQ(shown.lightness->target, model.correctionCurve->finalTargetArray);
            EXPECT_EQ(shown.lightness->measured, model.separatedLABArrays[0]);
            EXPECT_EQ(shown.lightness->smoothed, model.smoothedMeasuredValues[0]);
        }
        ASSERT_EQ(shown.ramps.has_value(), c.firstRampL.has_value());
        if (shown.ramps) {
            EXPECT_EQ((*shown.ramps)[0].front().L, *c.firstRampL);
            EXPECT_EQ((*shown.ramps)[1], model.correctedMeasurements);
        }
        ASSERT_EQ(shown.quadCurves.has_value(), c.quadCurveStart.has_value());
        if (shown.quadCurves) {
            EXPECT_EQ(shown.quadCurves->curves.front().front(), *c.quadCurveStart);
            EXPECT_EQ(shown.quadCurves->corrected, c.quadCorrected);
            EXPECT_EQ(shown.quadCurves->inkList, model.quadData->inkList);
        }
    }
}

TEST(LinearizationShown, SwitchedOffChannelsShowAsZerosAndNothingWithoutAQuadOrSmoothing) {
    Model model = correctedModel(true);
    ChannelVisibility kOnly{};
    kOnly[0] = true;
    const auto shown = shownOf(model, kOnly, Change::quadCurvesShown);
    ASSERT_TRUE(shown.quadCurves);
    EXPECT_EQ(shown.quadCurves->curves, (Model::Curves{{5, 6}, std::vector<double>(256, 0.0)}));

    model.quadData.reset();
    model.smoothedMeasuredValues.clear();
    const auto bare = shownOf(model, kOnly, Change::correction);
    EXPECT_FALSE(bare.quadCurves);
    EXPECT_FALSE(bare.lightness) << "no graph before the model has smoothed";
    EXPECT_TRUE(bare.ramps);
}

} // namespace appui::linearization
