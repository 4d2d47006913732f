#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/ui/widgets/RangeSlider.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

// A 200 x 20 slider with square knobs 3.5 wide: the start knob's centre is
// at 2.25 and the end knob's at 198.25 while the selection is 0 to 1.
class RangeSliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        slider.resize(200, 20);
        slider.onControlChanged = [this](RangeSlider& s) {
            ++changes;
            EXPECT_EQ(&s, &slider);
        };
    }
    void pressAt(double x) { uitest::press(&slider, {x, 10}); }
    void dragTo(double x) { uitest::drag(&slider, {x, 10}); }
    void releaseAt(double x) { uitest::release(&slider, {x, 10}); }

    RangeSlider slider;
    int changes = 0;
};

TEST_F(RangeSliderTest, KnobFramesFollowTheSelectionAndStayInsideTheBar) {
    EXPECT_EQ(slider.startKnobFrame(), QRectF(0.5, 1.5, 3, 17));
    EXPECT_EQ(slider.endKnobFrame(), QRectF(196.5, 1.5, 3, 17));
    slider.setSelection({0.25, 0.5});
    EXPECT_EQ(slider.startKnobFrame(), QRectF(48.5, 1.5, 3, 17));
    EXPECT_EQ(slider.endKnobFrame(), QRectF(98.5, 1.5, 3, 17));
    slider.knobStyle = RangeSliderKnobStyle::circular; // 17 wide
    EXPECT_EQ(slider.startKnobFrame(), QRectF(41.5, 1.5, 17, 17));
}

TEST_F(RangeSliderTest, DraggingAKnobMovesItsEndAndPushesTheOtherAlong) {
    struct Case {
        const char* name;
        SelectionRange from;
        double press;
        double dragTo;
        SelectionRange expected;
    };
    const Case cases[] = {
        {"start knob within the range", {0.2, 0.5}, 40, 60, {0.3, 0.5}},
        {"start knob past the end", {0.2, 0.5}, 40, 150, {0.75, 0.75}},
        {"end knob past the start", {0.2, 0.5}, 100, 20, {0.1, 0.1}},
        {"beyond the left end", {0.2, 0.5}, 40, -50, {0, 0.5}},
        {"beyond the right end", {0.2, 0.5}, 100, 500, {0.2, 1}},
        {"a bar click moves the nearer knob at once", {0.2, 0.5}, 160, 160, {0.2, 0.8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        slider.setSelection(c.from);
        pressAt(c.press);
        dragTo(c.dragTo);
        releaseAt(c.dragTo);
        EXPECT_EQ(slider.selection(), c.expected);
    }
}

TEST_F(RangeSliderTest, AClickExactlyBetweenTheKnobCentresMovesTheEndKnob) {
    pressAt(100.25);
    EXPECT_EQ(slider.currentSliderDragging, DraggedSlider::end);
    EXPECT_EQ(slider.selection(), (SelectionRange{0, 100.25 / 200}));
}

TEST_F(RangeSliderTest, SnapsToWholeStepsOfTheValueRangeUnlessTheRangeIsEmpty) {
    struct Case {
        double minValue, maxValue;
        double at; // fraction of the width
        double expectedEnd;
    };
    const Case cases[] = {{0, 10, 0.44, 0.4}, {0, 10, 0.46, 0.5}, {0, 4, 0.6, 0.5}, {5, 5, 0.44, 0.44}};
    slider.snapsToIntegers = true;
    for (const auto& c : cases) {
        slider.minValue = c.minValue;
        slider.maxValue = c.maxValue;
        slider.setSelection({0, 1});
        pressAt(198);
        dragTo(c.at * 200);
        EXPECT_DOUBLE_EQ(slider.end(), c.expectedEnd) << c.minValue << " to " << c.maxValue << " at " << c.at;
        releaseAt(c.at * 200);
    }
}

TEST_F(RangeSliderTest, ADragWithoutAKnobAndADisabledSliderChangeNothing) {
    slider.allowClicksOnBarToMoveSliders = false;
    slider.setSelection({0.2, 0.5});
    changes = 0;
    pressAt(160);
    EXPECT_FALSE(slider.currentSliderDragging.has_value());
    dragTo(180);
    EXPECT_EQ(slider.selection(), (SelectionRange{0.2, 0.5}));

    slider.allowClicksOnBarToMoveSliders = true;
    slider.setEnabled(false);
    pressAt(40);
    dragTo(10);
    EXPECT_EQ(slider.selection(), (SelectionRange{0.2, 0.5}));
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(uitest::render(&slider).isNull());
}

TEST_F(RangeSliderTest, ChangesAreAnnouncedPerQuantityAndToTheClosure) {
    QSignalSpy starts(&slider, &RangeSlider::startChanged);
    QSignalSpy ends(&slider, &RangeSlider::endChanged);
    QSignalSpy lengths(&slider, &RangeSlider::lengthChanged);
    slider.setSelection({0.25, 1});
    EXPECT_EQ(starts.count(), 1);
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(lengths.count(), 1);
    EXPECT_EQ(changes, 1);
    slider.setSelection({0.5, 1.25}); // same length
    EXPECT_EQ(starts.count(), 2);
    EXPECT_EQ(ends.count(), 1);
    EXPECT_EQ(lengths.count(), 1);
    EXPECT_EQ(changes, 2);
    slider.setSelection({0.5, 1.25});
    EXPECT_EQ(changes, 2) << "an unchanged selection is not reported";
}

// A subclass that draws a wide start knob in the middle of the bar.
class WideStartKnobSlider : public RangeSlider {
public:
    QRectF startKnobFrame() const override { return {90, 0, 40, 20}; }
};

TEST(RangeSlider, APressHitsTheKnobsWhereASubclassPutsThem) {
    WideStartKnobSlider slider;
    slider.resize(200, 20);
    slider.setSelection({0.2, 0.8});
    // At 125 the end knob (centre 160.25) is nearer than the start knob's
    // own place (40.25), but the subclass's start knob lies under the press.
    uitest::press(&slider, {125, 10});
    EXPECT_EQ(slider.currentSliderDragging, DraggedSlider::start);
    EXPECT_EQ(slider.selection(), (SelectionRange{0.2, 0.8})) << "a knob hit moves nothing yet";
    uitest::drag(&slider, {100, 10});
    EXPECT_EQ(slider.selection(), (SelectionRange{0.5, 0.8}));
    uitest::release(&slider, {100, 10});
}

} // namespace
} // namespace appui
