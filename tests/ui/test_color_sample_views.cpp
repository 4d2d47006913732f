#include <gtest/gtest.h>

#include <QLabel>
#include <QPaintDevice>
#include <QPaintEngine>
#include <vector>

#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/LabView.h"
#include "app/ui/widgets/NeutralRamp.h"
#include "tests/ui/comma_locale_everywhere.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

using curves::CIELab;

struct RecordingDelegate : ColorSampleViewDelegate {
    std::vector<int> selected;
    void colorSampleSelected(int index) override { selected.push_back(index); }
};

// 210 wide: every patch steps 10 across.
class ColorSampleViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(210, 40);
        view.delegate = &delegate;
        view.colorSamples = moclLab();
        view.show();
        uitest::render(&view);
    }
    ColorSampleView view;
    RecordingDelegate delegate;
};

TEST_F(ColorSampleViewTest, APressShowsThePatchsLabValuesInTwoDecimals) {
    view.colorSamples[4] = {80.125, -3.5, 12};
    uitest::press(&view, {45, 30});
    EXPECT_TRUE(view.label()->isVisible());
    EXPECT_EQ(view.label()->text(), QStringLiteral("L: 80.13, a: -3.50, b: 12.00"));
    EXPECT_EQ(delegate.selected, std::vector<int>{4});
    EXPECT_EQ(view.label()->geometry().bottom() + 1, 30) << "the read-out stands on the mouse point";
    EXPECT_EQ(view.label()->x(), 45);

    uitest::drag(&view, {185, 30});
    EXPECT_EQ(view.label()->text(), QStringLiteral("L: 10.00, a: 0.00, b: 0.00"));
    EXPECT_EQ(view.label()->geometry().right() + 1, 185) << "past the middle it ends at the mouse";
    EXPECT_EQ(delegate.selected, (std::vector<int>{4, 18}));

    uitest::release(&view, {185, 30});
    EXPECT_FALSE(view.label()->isVisible());
}

TEST_F(ColorSampleViewTest, TheReadOutUsesAPointWhateverTheLocale) {
    uitest::CommaLocaleEverywhere comma;
    ASSERT_TRUE(comma.inEffect());
    view.colorSamples[0] = {99.9, -1.25, 1234.5};
    uitest::press(&view, {5, 30});
    EXPECT_EQ(view.label()->text(), QStringLiteral("L: 99.90, a: -1.25, b: 1234.50"));
    uitest::release(&view, {5, 30});
}

TEST_F(ColorSampleViewTest, APressBeyondTheSamplesShowsNothing) {
    view.colorSamples.resize(10);
    uitest::press(&view, {150, 30});
    EXPECT_FALSE(view.label()->isVisible());
    EXPECT_TRUE(delegate.selected.empty());
    uitest::release(&view, {150, 30});
    view.colorSamples.clear();
    uitest::press(&view, {5, 30});
    EXPECT_FALSE(view.label()->isVisible());
}

TEST_F(ColorSampleViewTest, PatchesShowTheirSamplesColours) {
    view.colorSamples = {{100, 0, 0}, {0, 0, 0}, {50, 70, 50}, {60, -60, 50}, {40, 20, -60}};
    const QImage image = uitest::render(&view);
    EXPECT_EQ(view.patchWidth, 10);
    EXPECT_EQ(view.patchHeight, 40);
    // Each patch is as wide as it is high, so later patches cover earlier
    // ones: look just inside the left edge of each.
    const auto at = [&](int patch) { return QColor(image.pixel(patch * 10 + 5, 20)); };
    EXPECT_GE(at(0).lightness(), 250) << "L* 100 is white";
    EXPECT_LE(at(1).lightness(), 5) << "L* 0 is black";
    EXPECT_GT(at(2).red(), at(2).green() + 80) << "positive a* is red";
    EXPECT_GT(at(3).green(), at(3).red() + 80) << "negative a* is green";
    EXPECT_GT(at(4).blue(), at(4).red() + 40) << "negative b* is blue";
    for (int patch = 0; patch < 5; ++patch)
        EXPECT_EQ(at(patch).rgb(), ColorSampleView::patchColor(view.colorSamples[patch]).rgb()) << patch;
    // Right of the last patch the view shows its background.
    EXPECT_EQ(QColor(image.pixel(150, 20)).rgb(), view.palette().window().color().rgb());
}

class LabViewTest : public ::testing::Test {
protected:
    // 440 x 240: a 400 x 200 plot from (20, 20) in y-up terms; zero line at 120.
    void SetUp() override { view.resize(440, 240); }
    QColor pixel(const QImage& image, double x, double yUp) const {
        return image.pixel(static_cast<int>(x), image.height() - 1 - static_cast<int>(yUp));
    }
    LabView view;
};

TEST_F(LabViewTest, WithoutSamplesTheNeutralRampsLightnessFallsOnTheZeroLine) {
    const QImage image = uitest::render(&view);
    EXPECT_EQ(view.labArray, moclLab());
    // Sample 5 (L* 75) at x = 20 + 5 x 20, y = 20 + 150; sample 15 (L* 25) at x = 320, y = 70.
    EXPECT_LT(pixel(image, 120, 170).lightness(), 100);
    EXPECT_LT(pixel(image, 320, 70).lightness(), 100);
    EXPECT_GT(pixel(image, 120, 70).lightness(), 150) << "nothing dark where a rising line would be";
    EXPECT_GT(pixel(image, 320, 170).lightness(), 150);
    // a* and b* lie on the zero line; b* is drawn last, in blue.
    const QColor zero = pixel(image, 230, 120);
    EXPECT_GT(zero.blue(), 150);
    EXPECT_GT(zero.blue(), zero.red() + 100);
}

TEST_F(LabViewTest, TheTopOfThePlotIsAnAOfTenWithZoomAndOneHundredWithout) {
    for (bool zoom : {true, false}) {
        view.abZoom = zoom;
        const double a = zoom ? 10 : 100;
        view.labArray = {{50, a, 0}, {50, a, 0}, {50, a, 0}};
        const QImage image = uitest::render(&view);
        const QColor top = pixel(image, 230, 220);
        EXPECT_GT(top.red(), 200) << "zoom " << zoom;
        EXPECT_LT(top.green(), 80) << "zoom " << zoom;
        EXPECT_LT(top.blue(), 80) << "zoom " << zoom;
    }
}

// A paint device that draws nothing and keeps the font of every text drawn
// on it.
class TextFontRecorder : public QPaintDevice {
public:
    explicit TextFontRecorder(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<QFont>& fonts() const { return engine_.fonts; }

protected:
    int metric(PaintDeviceMetric which) const override {
        switch (which) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        // The defaults turn shapes into one another; here they draw nothing.
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawLines(const QLineF*, int) override {}
        void drawRects(const QRectF*, int) override {}
        void drawEllipse(const QRectF&) override {}
        void drawPoints(const QPointF*, int) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { fonts.push_back(item.font()); }
        Type type() const override { return User; }
        std::vector<QFont> fonts;
    };
    QSize size_;
    mutable Engine engine_;
};

// The scale text is 8 pixels high, as every size the view draws in is in
// pixels, whatever the resolution of the screen.
TEST_F(LabViewTest, TheScaleTextIsEightPixelsHigh) {
    TextFontRecorder recorder(view.size());
    view.render(&recorder);
    ASSERT_EQ(recorder.fonts().size(), 32u) << "ten and ten scale numbers and two titles";
    for (const QFont& font : recorder.fonts()) EXPECT_EQ(font.pixelSize(), 8);
}

TEST_F(LabViewTest, OneSampleIsPlacedInTheMiddle) {
    view.labArray = {{50, 0, 0}};
    const QImage image = uitest::render(&view);
    EXPECT_LT(pixel(image, 220, 120).lightness(), 128);
}

} // namespace
} // namespace appui
