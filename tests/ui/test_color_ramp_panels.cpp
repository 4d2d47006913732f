#include <gtest/gtest.h>

#include <QTest>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/linearization/InkRampsViewController.h"
#include "app/ui/linearization/InkSampleViewPanelController.h"
#include "app/ui/linearization/v2LinearizationInkRampViewController.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/NeutralRamp.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

using curves::CIELab;
using curves::NotificationName::didUpdateColorInkLimits;
using curves::NotificationName::updatedColorInkArrays;

void post(const std::string& name, std::any object) {
    platform::NotificationCenter::defaultCenter().post(name, std::move(object));
}

std::vector<CIELab> rampOf(int count, double a) {
    std::vector<CIELab> ramp;
    for (int i = 0; i < count; ++i) ramp.push_back({100.0 - i, a, static_cast<double>(i)});
    return ramp;
}

std::vector<CIELab> reversed(std::vector<CIELab> ramp) {
    std::reverse(ramp.begin(), ramp.end());
    return ramp;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// The colour of a view's first patch, as drawn.
QRgb firstPatch(ColorSampleView* view) { return uitest::render(view).pixel(2, view->height() / 2); }

struct RampCase {
    const char* name;
    LabRampsPayload payload;
    std::vector<CIELab> original;
    std::vector<CIELab> corrected;
};

std::vector<RampCase> rampCases() {
    const auto measured = rampOf(21, 30);
    const auto corrected = rampOf(21, -30);
    return {
        {"an empty payload shows the neutral ramp twice", {}, moclLab(), moclLab()},
        {"after a load: measurements above, neutral below", {measured, {}}, measured, moclLab()},
        {"after a recomputation: the corrected ramp runs backwards",
         {measured, corrected},
         measured,
         reversed(corrected)},
        {"an empty original list shows the neutral ramp", {{}, corrected}, moclLab(), reversed(corrected)},
    };
}

TEST(InkSampleViewPanel, IsAToolWindowWhoseRampsFollowTheLinearizationsSamples) {
    InkSampleViewPanelController panel;
    EXPECT_TRUE(panel.windowFlags() & Qt::Tool);
    auto* original = panel.findChild<ColorSampleView*>(QStringLiteral("orginalSampleView"));
    auto* corrected = panel.findChild<ColorSampleView*>(QStringLiteral("correctedSampleView"));
    ASSERT_TRUE(original && corrected);
    EXPECT_EQ(original->colorSamples, moclLab());
    EXPECT_EQ(corrected->colorSamples, moclLab());
    for (const auto& c : rampCases()) {
        post(updatedColorInkArrays(), c.payload);
        EXPECT_EQ(original->colorSamples, c.original) << c.name;
        EXPECT_EQ(corrected->colorSamples, c.corrected) << c.name;
    }
    const auto shown = original->colorSamples;
    post(updatedColorInkArrays(), std::string("not a payload"));
    EXPECT_EQ(original->colorSamples, shown);
}

TEST(InkSampleViewPanel, RepaintsWhenTheScreenPostsItsSamples) {
    InkSampleViewPanelController panel;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    auto* original = panel.findChild<ColorSampleView*>(QStringLiteral("orginalSampleView"));
    QApplication::processEvents();
    PaintCounter paints(original);
    EXPECT_GT(qGray(firstPatch(original)), 240) << "the neutral ramp starts white";
    post(updatedColorInkArrays(), LabRampsPayload{{{50, 70, 50}}, {}});
    QApplication::processEvents();
    EXPECT_GE(paints.count, 1);
    const QColor patch(firstPatch(original));
    EXPECT_GT(patch.red(), patch.green() + 80) << "now the red sample";
}

TEST(InkSampleViewPanel, StopsObservingWhenDestroyed) {
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto before = center.observerCount();
    {
        InkSampleViewPanelController panel;
        v2LinearizationInkRampViewController ramps;
        InkRampsViewController inks;
        EXPECT_EQ(center.observerCount(), before + 3);
    }
    EXPECT_EQ(center.observerCount(), before);
    post(updatedColorInkArrays(), LabRampsPayload{});
    post(didUpdateColorInkLimits(), ColorInkLimitsPayload{});
}

TEST(LinearizationInkRampView, ShowsTheNeutralRampThenBothPostedRamps) {
    v2LinearizationInkRampViewController controller;
    auto* original = controller.findChild<ColorSampleView*>(QStringLiteral("originalColorSamplesView"));
    auto* corrected = controller.findChild<ColorSampleView*>(QStringLiteral("correctedColorSamplesView"));
    ASSERT_TRUE(original && corrected);
    EXPECT_EQ(original->colorSamples, moclLab());
    EXPECT_EQ(corrected->colorSamples, moclLab());
    for (const auto& c : rampCases()) {
        post(updatedColorInkArrays(), c.payload);
        EXPECT_EQ(original->colorSamples, c.original) << c.name;
        EXPECT_EQ(corrected->colorSamples, c.corrected) << c.name;
    }
    post(updatedColorInkArrays(), 42);
    EXPECT_EQ(original->colorSamples, rampCases().back().original);
}

TEST(LinearizationInkRampView, RepaintsWhenTheScreenPostsItsSamples) {
    v2LinearizationInkRampViewController controller;
    controller.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&controller));
    auto* original = controller.findChild<ColorSampleView*>(QStringLiteral("originalColorSamplesView"));
    QApplication::processEvents();
    PaintCounter paints(original);
    post(updatedColorInkArrays(), LabRampsPayload{{{50, 70, 50}}, {}});
    QApplication::processEvents();
    EXPECT_GE(paints.count, 1);
}

class InkRampsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 1; i <= 8; ++i) {
            auto* view = controller.findChild<ColorSampleView*>(QStringLiteral("ink%1SampleView").arg(i));
            ASSERT_NE(view, nullptr) << i;
            views.push_back(view);
        }
    }
    static curves::ColorInkLimiter limiter(int samples, double a) {
        curves::ColorInkLimiter l;
        l.ouputLimitedCIELab = rampOf(samples, a);
        return l;
    }
    // Samples 0, 5, ..., 100 of a limiter's list.
    static std::vector<CIELab> everyFifth(int samples, double a) {
        const auto all = rampOf(samples, a);
        std::vector<CIELab> ramp;
        for (int k = 0; k <= 100; k += 5) ramp.push_back(all[static_cast<std::size_t>(k)]);
        return ramp;
    }

    InkRampsViewController controller;
    std::vector<ColorSampleView*> views;
};

TEST_F(InkRampsTest, EachLimiterPaintsItsViewWithEveryFifthLimitedSample) {
    EXPECT_EQ(controller.inkSampleViews, views);
    post(didUpdateColorInkLimits(), ColorInkLimitsPayload{limiter(101, 1), limiter(120, 2)});
    EXPECT_EQ(views[0]->colorSamples, everyFifth(101, 1));
    EXPECT_EQ(views[1]->colorSamples, everyFifth(120, 2));
    EXPECT_EQ(views[0]->colorSamples.size(), 21u);
    for (int i = 2; i < 8; ++i) EXPECT_TRUE(views[static_cast<std::size_t>(i)]->colorSamples.empty()) << i;

    post(didUpdateColorInkLimits(), ColorInkLimitsPayload{});
    EXPECT_EQ(views[0]->colorSamples, everyFifth(101, 1)) << "an empty list changes nothing";
    post(didUpdateColorInkLimits(), std::string("not limiters"));
    EXPECT_EQ(views[1]->colorSamples, everyFifth(120, 2));

    // Appearing repaints from the stored list, which the notification did not fill.
    controller.show();
    EXPECT_EQ(views[0]->colorSamples, everyFifth(101, 1));
}

TEST_F(InkRampsTest, LimitersPastTheEighthAndShortLimitersAreSkipped) {
    ColorInkLimitsPayload limiters;
    for (int i = 0; i < 9; ++i) limiters.push_back(limiter(101, i));
    limiters[2] = limiter(100, 99);
    post(didUpdateColorInkLimits(), limiters);
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == 2)
            EXPECT_TRUE(views[i]->colorSamples.empty());
        else
            EXPECT_EQ(views[i]->colorSamples, everyFifth(101, static_cast<double>(i))) << i;
    }
}

} // namespace
} // namespace appui
