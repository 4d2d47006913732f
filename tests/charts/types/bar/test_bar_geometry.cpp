// The pure geometry of bars: plain bar ends with axis cuts and the growth
// phase, the stack walk with its zero and NaN rules and its label points,
// buffer filling (order, taller stacks than the buffer, entries of another
// kind, the animation's reach), the pixel mapping, culling, shadow columns,
// highlight rectangles and value label offsets.
#include <gtest/gtest.h>

#include <random>

#include "Charts/types/bar/BarGeometry.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;

TEST(BarGeometryTest, PlainBarsSpanFromZeroToTheirValue) {
    struct Case {
        double y;
        bool inverted;
        BarEnds ends;
    };
    const Case cases[] = {{4, false, {4, 0}}, {-4, false, {0, -4}}, {0, false, {0, 0}}, {NaN, false, {0, 0}},
                          {4, true, {0, 4}},  {-4, true, {-4, 0}},  {NaN, true, {0, 0}}};
    for (const Case& c : cases) EXPECT_EQ(plainBarEnds(c.y, c.inverted), c.ends) << c.y << " " << c.inverted;
}

TEST(BarGeometryTest, PlainBarsAreCutToTheAxisAndGrowWithThePhase) {
    struct Case {
        const char* name;
        double y;
        double axisMinimum, axisMaximum;
        bool inverted;
        double phaseY;
        BarEnds ends;
    };
    const Case cases[] = {
        {"beyond the maximum", 150, 0, 100, false, 1, {100, 0}},
        {"above a raised minimum", 150, 20, 100, false, 1, {100, 20}},
        {"negative in a negative range", -30, -50, -10, false, 1, {-10, -30}},
        {"within the range", 60, 0, 100, false, 1, {60, 0}},
        {"half grown, positive", 60, 0, 100, false, 0.5, {30, 0}},
        {"half grown, negative from its far end", -60, -100, 100, false, 0.5, {0, -30}},
        {"inverted positive, half grown", 60, 0, 100, true, 0.5, {0, 30}},
        {"inverted negative keeps its length", -60, -100, 100, true, 0.5, {-60, 0}},
        {"inverted cut at the maximum", 150, 0, 100, true, 1, {0, 100}},
    };
    for (const Case& c : cases) {
        const AxisClipOffsets clip = axisClipOffsets(c.y, c.axisMinimum, c.axisMaximum, c.inverted);
        EXPECT_EQ(plainBarExtent(c.y, c.inverted, c.phaseY, clip), c.ends) << c.name;
    }
    EXPECT_EQ(axisClipOffsets(150, 20, 100, false), (AxisClipOffsets{50, 20}));
    EXPECT_EQ(axisClipOffsets(150, 20, 100, true), (AxisClipOffsets{20, 50}));
    EXPECT_EQ(axisClipOffsets(-30, -50, -10, false), (AxisClipOffsets{10, 0}));
    EXPECT_EQ(axisClipOffsets(-30, -20, 10, false), (AxisClipOffsets{0, 10}));
}

struct WalkCase {
    const char* name;
    std::vector<double> values;
    std::vector<StackSegment> segments;
    std::vector<double> labelValues;
    std::vector<bool> below;
};

const WalkCase walkCases[] = {
    {"mixed signs", {2, -1, 3, -4}, {{0, 2}, {-5, -4}, {2, 5}, {-4, 0}}, {2, -5, 5, -4}, {false, true, false, true}},
    {"negatives first", {-2, -3, 4}, {{-5, -3}, {-3, 0}, {0, 4}}, {-5, -3, 4}, {true, true, false}},
    {"a lone zero sits at 0 on the positive side", {0}, {{0, 0}}, {0}, {false}},
    {"a zero first, then a rise: labelled below", {0, 3}, {{0, 0}, {0, 3}}, {0, 3}, {true, false}},
    {"a zero between two cursors off 0 takes the positive one",
     {2, -1, 0, -1, 1},
     {{0, 2}, {-2, -1}, {2, 2}, {-1, 0}, {2, 3}},
     {2, -2, 2, -1, 3},
     {false, true, true, true, false}},
};

TEST(BarGeometryTest, TheStackWalkPlacesSegmentsAndLabels) {
    for (const WalkCase& c : walkCases) {
        SCOPED_TRACE(c.name);
        const BarChartDataEntry entry(0, c.values);
        std::vector<StackSegment> segments;
        const StackTotals totals = forEachStackSegment(c.values, entry.negativeSum(),
                                                       [&](std::size_t, StackSegment s) { segments.push_back(s); });
        EXPECT_EQ(segments, c.segments);
        for (std::size_t k = 0; k < c.values.size(); ++k) {
            EXPECT_EQ(stackLabelValue(c.values[k], segments[k]), c.labelValues[k]) << k;
            EXPECT_EQ(stackLabelBelow(c.values[k], totals), c.below[k]) << k;
        }
    }
}

TEST(BarGeometryTest, SegmentEndsPutTheLargerOnTopAndNaNNowhere) {
    EXPECT_EQ(stackSegmentEnds({-5, -4}, false), (BarEnds{-4, -5}));
    EXPECT_EQ(stackSegmentEnds({-5, -4}, true), (BarEnds{-5, -4}));
    EXPECT_EQ(stackSegmentEnds({2, 2}, false), (BarEnds{2, 2}));
    const BarEnds nanEnds = stackSegmentEnds({-1, NaN}, false);
    EXPECT_TRUE(std::isnan(nanEnds.top) && std::isnan(nanEnds.bottom));
    // A NaN value's segment, then the negative values after it, are NaN.
    std::vector<StackSegment> segments;
    forEachStackSegment(std::vector<double>{-1, NaN, -2, 3}, 3,
                        [&](std::size_t, StackSegment s) { segments.push_back(s); });
    EXPECT_EQ(segments[0], (StackSegment{-3, -2}));
    EXPECT_TRUE(std::isnan(segments[1].end));
    EXPECT_TRUE(std::isnan(segments[2].start));
    EXPECT_EQ(segments[3], (StackSegment{0, 3}));
}

TEST(BarGeometryTest, BarRectanglesInBothDirections) {
    EXPECT_EQ(barRect(BarDirection::vertical, 3, 0.25, {5, -1}), Rect(2.75, 5, 0.5, -6));
    // On its side: from left (bottom) to right (top), its origin at the upper x.
    EXPECT_EQ(barRect(BarDirection::horizontal, 3, 0.25, {5, -1}), Rect(-1, 3.25, 6, -0.5));
}

TEST(BarGeometryTest, TheAnimationReachesACeilingShareOfTheEntries) {
    const std::tuple<std::int64_t, double, std::int64_t> cases[] = {{5, 0.5, 3}, {5, 1, 5},   {5, 1.2, 5},  {5, 0, 0},
                                                                    {5, -1, 0},  {5, NaN, 0}, {3, 0.34, 2}, {0, 1, 0}};
    for (const auto& [count, phase, reached] : cases)
        EXPECT_EQ(animatedEntryCount(count, phase), reached) << count << " " << phase;
}

struct BufferCase {
    const char* name;
    std::vector<ChartDataEntryPtr> entries;
    BarBufferInput input;
    std::size_t capacity;
    std::vector<Rect> rects;
};

std::vector<BufferCase> bufferCases() {
    const auto bar = [](double x, double y) -> ChartDataEntryPtr { return std::make_shared<BarChartDataEntry>(x, y); };
    const auto stack = [](double x, std::vector<double> values) -> ChartDataEntryPtr {
        return std::make_shared<BarChartDataEntry>(x, std::move(values));
    };
    BarBufferInput vertical;
    vertical.barWidthHalf = 0.5;
    BarBufferInput stacked = vertical;
    stacked.stacked = true;
    BarBufferInput halfY = stacked;
    halfY.phaseY = 0.5;
    BarBufferInput halfX = vertical;
    halfX.phaseX = 0.5;
    BarBufferInput clipped = vertical;
    clipped.clipTo = BarBufferInput::AxisRange{0, 100};
    BarBufferInput sideways = stacked;
    sideways.direction = BarDirection::horizontal;
    BarBufferInput invertedStack = stacked;
    invertedStack.inverted = true;
    return {
        {"plain bars", {bar(0, 3), bar(1, -2)}, vertical, 2, {{-0.5, 3, 1, -3}, {0.5, 0, 1, -2}}},
        {"a stack in value order",
         {stack(1, {2, -1, 3, -4})},
         stacked,
         4,
         {{0.5, 2, 1, -2}, {0.5, -4, 1, -1}, {0.5, 5, 1, -3}, {0.5, 0, 1, -4}}},
        {"an inverted stack", {stack(1, {2, -1})}, invertedStack, 2, {{0.5, 0, 1, 2}, {0.5, -1, 1, 1}}},
        {"a stack half grown", {stack(0, {2, -1})}, halfY, 2, {{-0.5, 1, 1, -1}, {-0.5, 0, 1, -0.5}}},
        {"a stack on its side", {stack(1, {2, -1})}, sideways, 2, {{0, 1.5, 2, -1}, {-1, 1.5, 1, -1}}},
        {"a plain bar of a stacked set",
         {bar(0, 3), stack(1, {1, 1})},
         stacked,
         4,
         {{-0.5, 3, 1, -3}, {0.5, 1, 1, -1}, {0.5, 2, 1, -1}}},
        {"entries of another kind take no rectangle",
         {bar(0, 1), std::make_shared<ChartDataEntry>(1, 5), bar(2, 2)},
         vertical,
         3,
         {{-0.5, 1, 1, -1}, {1.5, 2, 1, -2}}},
        {"half the entries reached, rounded up",
         {bar(0, 1), bar(1, 2), bar(2, 3), bar(3, 4), bar(4, 5)},
         halfX,
         5,
         {{-0.5, 1, 1, -1}, {0.5, 2, 1, -2}, {1.5, 3, 1, -3}}},
        {"cut to the axis", {bar(0, 150)}, clipped, 1, {{-0.5, 100, 1, -100}}},
        // An entry added later with a taller stack than the set was made
        // with: what fits is written, nothing past the buffer.
        {"a stack taller than the buffer",
         {stack(0, {1, 1}), stack(1, {1, 1, 1})},
         stacked,
         4,
         {{-0.5, 1, 1, -1}, {-0.5, 2, 1, -1}, {0.5, 1, 1, -1}, {0.5, 2, 1, -1}}},
        {"no buffer", {bar(0, 1)}, vertical, 0, {}},
    };
}

TEST(BarGeometryTest, BuffersHoldOneRectanglePerBarOrStackedValue) {
    for (const BufferCase& c : bufferCases()) {
        SCOPED_TRACE(c.name);
        // A guard slot past the buffer stays untouched.
        std::vector<Rect> storage(c.capacity + 1, Rect(-7, -7, -7, -7));
        const std::size_t written = prepareBarRects(c.entries, c.input, std::span<Rect>(storage.data(), c.capacity));
        ASSERT_EQ(written, c.rects.size());
        for (std::size_t i = 0; i < written; ++i) EXPECT_EQ(storage[i], c.rects[i]) << i;
        EXPECT_EQ(storage[c.capacity], Rect(-7, -7, -7, -7));
    }
}

TEST(BarGeometryTest, PixelMappingMatchesTheTransformsOwn) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-50, 50);
    std::vector<Rect> rects;
    for (int i = 0; i < 200; ++i) rects.emplace_back(value(random), value(random), value(random), value(random));
    rects.emplace_back(NaN, 1, 2, 3);
    rects.push_back(nullRect());
    const AffineTransform upright = AffineTransform::identity().scaledBy(3, -2).translatedBy(10, 40);
    const AffineTransform turned = AffineTransform::makeScale(-1, 1).translatedBy(5, 5);
    const AffineTransform sheared{1, 0.5, 0.25, 1, 3, 4};
    for (const AffineTransform& m : {upright, turned, sheared}) {
        std::vector<Rect> mapped = rects;
        rectsToPixels(mapped, m);
        for (std::size_t i = 0; i < rects.size(); ++i) {
            const Rect expected = m.apply(rects[i]);
            EXPECT_TRUE(same(mapped[i].origin.x, expected.origin.x) && same(mapped[i].origin.y, expected.origin.y) &&
                        same(mapped[i].size.width, expected.size.width) &&
                        same(mapped[i].size.height, expected.size.height))
                << i;
        }
    }
}

TEST(BarGeometryTest, CullingSkipsBeforeTheContentAndStopsPastIt) {
    const ContentBounds bounds{Rect(100, 50, 200, 100)};
    struct Case {
        BarDirection direction;
        Rect rect;
        BarCull cull;
    };
    const Case cases[] = {
        {BarDirection::vertical, {50, 60, 40, 10}, BarCull::skip},     // wholly left
        {BarDirection::vertical, {80, 60, 40, 10}, BarCull::draw},     // across the left edge
        {BarDirection::vertical, {280, 60, 40, 10}, BarCull::draw},    // across the right edge
        {BarDirection::vertical, {310, 60, 40, 10}, BarCull::stop},    // wholly right
        {BarDirection::vertical, {150, 0, 10, 10}, BarCull::draw},     // above: clipped, not culled
        {BarDirection::horizontal, {120, 160, 40, 10}, BarCull::skip}, // wholly below
        {BarDirection::horizontal, {120, 145, 40, 10}, BarCull::draw},
        {BarDirection::horizontal, {120, 30, 40, 10}, BarCull::stop}, // wholly above
        {BarDirection::horizontal, {0, 60, 10, 10}, BarCull::draw},   // left: clipped, not culled
        {BarDirection::vertical, {NaN, 60, 40, 10}, BarCull::skip},
        {BarDirection::horizontal, {120, 60, INFINITY, 10}, BarCull::skip},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cullBar(c.direction, c.rect, bounds), c.cull)
            << static_cast<int>(c.direction) << " " << c.rect.origin.x << " " << c.rect.origin.y;
}

TEST(BarGeometryTest, ShadowsAndHighlightsInBothDirections) {
    const Rect content(100, 50, 200, 100);
    const AffineTransform upright{10, 0, 0, -10, 100, 150};
    EXPECT_EQ(shadowColumn(BarDirection::vertical, 3, 0.5, upright, content), Rect(127.5, 50, 5, 100));
    EXPECT_EQ(shadowColumn(BarDirection::horizontal, 3, 0.5, upright, content), Rect(100, 117.5, 200, 5));
    // From y1 to y2, scaled by the phase first.
    EXPECT_EQ(highlightRect(BarDirection::vertical, 3, -5, -4, 0.25, upright, 0.5), Rect(127.5, 170, 5, 5));
    EXPECT_EQ(highlightRect(BarDirection::horizontal, 3, 2, 6, 0.25, upright, 0.5), Rect(110, 117.5, 20, 5));
}

TEST(BarGeometryTest, ValueLabelOffsetsFromTheBarsEnd) {
    struct Case {
        bool above;
        bool inverted;
        ValueLabelOffsets vertical;   // text height 10
        ValueLabelOffsets horizontal; // text width 20
    };
    const Case cases[] = {
        {true, false, {-14.5, 4.5}, {5, -25}},
        {false, false, {4.5, -14.5}, {-25, 5}},
        {true, true, {4.5, -14.5}, {-25, 5}},
        {false, true, {-14.5, 4.5}, {5, -25}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(verticalValueOffsets(c.above, c.inverted, 10), c.vertical) << c.above << c.inverted;
        EXPECT_EQ(horizontalValueOffsets(c.above, c.inverted, 20), c.horizontal) << c.above << c.inverted;
    }
    // The end away from 0 is the rectangle's top (right) on screen for
    // values >= 0, its bottom (left) for negative ones, and the other way
    // round on an inverted axis.
    EXPECT_TRUE(barEndsAtTop(5, false));
    EXPECT_TRUE(barEndsAtTop(0, false));
    EXPECT_FALSE(barEndsAtTop(-5, false));
    EXPECT_FALSE(barEndsAtTop(5, true));
    EXPECT_TRUE(barEndsAtTop(-5, true));
}

} // namespace
