// The blending screen's a*/b* graph as drawn: the labels its axes show.
#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/types/line/LineChartView.h"
#include "app/ui/graphs/InkPercentGraph.h"
#include "app/ui/graphs/LabABGraphData.h"

namespace appui {
namespace {

struct DrawnLabels {
    QStringList left, right, top;
};

// The texts drawn left of, right of and above the content rectangle (the x
// axis is labelled on top), each side in drawing order, where the drawing's
// transform puts them.
DrawnLabels drawnAxisLabels(charts::LineChartView& graph) {
    charts::RecordingContext context;
    graph.draw(context);
    const auto& port = *graph.viewPortHandler();
    DrawnLabels labels;
    for (const auto& op : context.paintings()) {
        const bool atPoint = op.kind == charts::DrawingOperation::drawText;
        const bool inRect = op.kind == charts::DrawingOperation::drawTextInRect;
        // The legend's entries are not axis labels.
        if (!(atPoint || inRect) || op.text.startsWith("Lab_")) continue;
        const charts::Point at = op.state.transform.apply(atPoint ? op.points.at(0) : op.rect.origin);
        if (at.y < port.contentTop() && at.x < port.contentRight())
            labels.top << op.text;
        else if (at.x >= port.contentRight())
            labels.right << op.text;
        else if (at.x < port.contentLeft())
            labels.left << op.text;
    }
    return labels;
}

TEST(InkPercentGraph, TheRightAxisEndsBelowItsTopAndTheLeftShowsNone) {
    std::unique_ptr<charts::LineChartView> graph(charts::ChartViewBase::create<charts::LineChartView>());
    graph->setChartSize(420, 260);
    configureInkPercentGraph(*graph);
    showInkPercentData(*graph, labABChartData({std::vector<double>(21, 2.0), std::vector<double>(21, -3.0)}));

    const DrawnLabels labels = drawnAxisLabels(*graph);
    EXPECT_EQ(labels.right.join(' '), QStringLiteral("-15 -12 -9 -6 -3 0 3 6 9 12"));
    EXPECT_EQ(labels.top.join(' '), QStringLiteral("0 10 20 30 40 50 60 70 80 90 100"));
    // The left axis shows none: it only draws its grid.
    EXPECT_EQ(labels.left.join(' '), QString());
}

} // namespace
} // namespace appui
