#pragma once
// The degenerate inputs every chart kind must draw without harm: a content
// rectangle of no size, a single entry, a value range of no extent, values
// that are not finite, and a million entries. A kind takes the whole suite by
// writing a small adapter and instantiating it in its own tests:
//
//     struct LineKind {
//         using View = LineChartView;
//         // A view of the kind laid out at the size, without an event loop.
//         static std::unique_ptr<View> makeView(double width, double height);
//         // The kind's chart data: one set of entries at the value points.
//         static std::shared_ptr<ChartData> dataOf(const std::vector<Point>& values);
//     };
//     INSTANTIATE_TYPED_TEST_SUITE_P(Line, DegenerateChartInputs, LineKind);
//
// A kind without an x axis (the pie) adds `static constexpr bool hasXAxis =
// false;` to its adapter; a kind that shows every entry at once, a number of
// entries that makes a large chart of its kind (`static constexpr int
// manyEntries`) in place of the million. A kind whose entries' x does not run
// across the content (horizontal bars) adds `static void
// showMiddleHundredth(View&)`, which zooms in on the middle hundredth of the
// entries' x range. A kind that draws several shapes for each value (the
// combined chart, one per kind) says how many calls may draw one value in
// view (`static constexpr int callsPerEntry`, 8 when not said).
//
// Every case draws a whole frame into the recording back end and into the
// QPainter back end, then highlights the first entry and draws again, and
// holds each frame to what any chart owes: the drawing completes (the
// sanitizers of the test build catch undefined conversions of what is not a
// number), saves and restores pair up, and the axes' label values are
// finite. Charts with x and y axes show a hundredth of the million entries,
// and must then draw in proportion to what is in view.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include <QImage>
#include <QPainter>

#include "Charts/drawing/PainterContext.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/views/BarLineChartViewBase.h"
#include "tests/support/chart_environment.h"

namespace test_support {

template <class Kind>
class DegenerateChartInputs : public ::testing::Test {
protected:
    using View = typename Kind::View;
    static constexpr bool hasYAxes = std::is_base_of_v<charts::BarLineChartViewBase, View>;
    // A kind without an x axis (the pie) says so: static constexpr bool
    // hasXAxis = false.
    static constexpr bool hasXAxis = [] {
        if constexpr (requires { Kind::hasXAxis; }) return Kind::hasXAxis;
        return true;
    }();
    // A kind that shows every entry at once (a slice, a spoke) draws them all
    // with their texts, and says how many make a large chart of its kind:
    // static constexpr int manyEntries = ...
    static constexpr int manyEntries = [] {
        if constexpr (requires { Kind::manyEntries; }) return Kind::manyEntries;
        return 1'000'000;
    }();

    // How many calls may draw one entry in view: a few, or as many as a kind
    // that draws several shapes for each value says (static constexpr int
    // callsPerEntry; the combined chart draws one of each of its kinds).
    static constexpr std::size_t callsPerEntry = [] {
        if constexpr (requires { Kind::callsPerEntry; }) return std::size_t(Kind::callsPerEntry);
        return std::size_t(8);
    }();

    // Draws the view's frame into both back ends, highlights its first
    // entry and draws again; answers how many calls the first frame made.
    std::size_t drawFrames(View& view, charts::Point firstEntry) {
        charts::RecordingContext recording;
        view.draw(recording);
        expectSound(view, recording);
        paint(view);
        view.highlightValue(firstEntry.x, firstEntry.y, 0, -1, false);
        charts::RecordingContext highlighted;
        view.draw(highlighted);
        expectSound(view, highlighted);
        paint(view);
        return recording.operations().size();
    }

    std::unique_ptr<View> viewOf(const std::vector<charts::Point>& values, double width = 400, double height = 300) {
        auto view = Kind::makeView(width, height);
        view->setData(Kind::dataOf(values));
        return view;
    }

    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    static constexpr double inf = std::numeric_limits<double>::infinity();

private:
    void expectSound(View& view, const charts::RecordingContext& context) {
        int depth = 0;
        for (const charts::RecordedOperation& op : context.operations()) {
            if (op.kind == charts::DrawingOperation::saveGState) ++depth;
            if (op.kind == charts::DrawingOperation::restoreGState) --depth;
            ASSERT_GE(depth, 0) << "a restore without its save";
        }
        EXPECT_EQ(depth, 0) << "saves left open";
        std::vector<const charts::AxisBase*> axes;
        if constexpr (hasXAxis) axes.push_back(view.xAxis().get());
        if constexpr (hasYAxes) {
            axes.push_back(view.leftAxis().get());
            axes.push_back(view.rightAxis().get());
        }
        for (const charts::AxisBase* axis : axes) {
            if (!axis) continue;
            for (const double entry : axis->entries()) EXPECT_TRUE(std::isfinite(entry)) << entry;
        }
    }

    static void paint(View& view) {
        QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        charts::PainterContext context(painter);
        view.draw(context);
    }

    charts::testing::FixedTextMetrics measurer_;
};

TYPED_TEST_SUITE_P(DegenerateChartInputs);

TYPED_TEST_P(DegenerateChartInputs, AContentRectangleOfNoSize) {
    // No size at all; and margins wider than the view.
    for (const charts::Size size : {charts::Size{0, 0}, charts::Size{30, 20}, charts::Size{400, 0}}) {
        auto view = this->viewOf({{1, 10}, {2, 20}, {3, 15}}, size.width, size.height);
        if constexpr (TestFixture::hasYAxes) view->setViewPortOffsets(20, 20, 20, 20);
        this->drawFrames(*view, {1, 10});
    }
}

TYPED_TEST_P(DegenerateChartInputs, OneEntry) {
    for (const charts::Point entry : {charts::Point{0, 0}, charts::Point{5, 7}, charts::Point{-3, -1e9}}) {
        auto view = this->viewOf({entry});
        this->drawFrames(*view, entry);
    }
}

TYPED_TEST_P(DegenerateChartInputs, MinimumEqualToMaximum) {
    // The same value throughout; and the same point throughout.
    auto flat = this->viewOf({{1, 5}, {2, 5}, {3, 5}, {4, 5}});
    this->drawFrames(*flat, {1, 5});
    auto still = this->viewOf({{2, 5}, {2, 5}, {2, 5}});
    this->drawFrames(*still, {2, 5});
}

TYPED_TEST_P(DegenerateChartInputs, ValuesThatAreNotFinite) {
    using F = TestFixture;
    const std::vector<std::vector<charts::Point>> sets{
        {{1, 10}, {2, F::nan}, {3, 30}, {4, 40}},
        {{1, 10}, {2, F::inf}, {3, 30}, {4, -F::inf}, {5, 20}},
        {{1, F::nan}, {2, F::nan}},
        {{1, F::inf}, {2, -F::inf}},
        {{1, 10}, {F::nan, 20}, {3, 30}},
        {{-F::inf, 10}, {2, 20}, {F::inf, 30}},
    };
    for (const auto& values : sets) {
        auto view = this->viewOf(values);
        this->drawFrames(*view, values.front());
    }
}

TYPED_TEST_P(DegenerateChartInputs, AMillionEntries) {
    constexpr int count = TestFixture::manyEntries;
    std::vector<charts::Point> values;
    values.reserve(count);
    for (int i = 0; i < count; ++i) values.push_back(charts::Point{double(i), std::sin(i * 0.001) * 100});
    auto view = this->viewOf(values);
    std::size_t inView = count;
    if constexpr (TestFixture::hasYAxes) {
        // A kind whose entries' x runs another way than across the content
        // (horizontal bars) shows the middle hundredth itself.
        if constexpr (requires { TypeParam::showMiddleHundredth(*view); }) {
            TypeParam::showMiddleHundredth(*view);
        } else {
            view->zoom(100, 1, 0, 0);
            view->moveViewToX(count / 2.0);
        }
        inView = count / 100;
    }
    const std::size_t calls = this->drawFrames(*view, {count / 2.0, values[count / 2].y});
    // Each entry in view is drawn by a few calls at most, and the entries out
    // of view by none.
    EXPECT_LT(calls, TestFixture::callsPerEntry * inView + 2000);
}

REGISTER_TYPED_TEST_SUITE_P(DegenerateChartInputs, AContentRectangleOfNoSize, OneEntry, MinimumEqualToMaximum,
                            ValuesThatAreNotFinite, AMillionEntries);

} // namespace test_support
