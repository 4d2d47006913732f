#pragma once
#include <array>
#include <memory>
#include <vector>

#include "Charts/render/BarLineScatterCandleBubbleRenderer.h"
#include "Charts/render/FrameStyles.h"
#include "Charts/types/bubble/BubbleChartDataProvider.h"
#include "Charts/types/bubble/BubbleSetStyle.h"
#include "Charts/types/bubble/IBubbleChartDataSet.h"

namespace charts {

// The data renderer of bubble charts: every visible bubble set as filled
// circles whose diameter follows the entry's size against the set's largest
// size and the on-screen width of one x unit, the sizes as texts in the
// bubbles, and the outlines of highlighted bubbles; for a bubble chart view
// also one accessibility element per drawn bubble.
//
// Every drawing call reads the frame (content, transforms, visible range,
// phases) and each set's style (BubbleSetStyle) as values, once per frame;
// the diameters and the culling come from the pure functions of
// BubbleGeometry.h.
class BubbleChartRenderer
    : public FrameStyledRenderer<BarLineScatterCandleBubbleRenderer, IBubbleChartDataSet, BubbleSetStyle> {
public:
    // The provider (the chart) is held weakly: a renderer whose chart is gone
    // draws nothing.
    BubbleChartRenderer(std::weak_ptr<BubbleChartDataProvider> dataProvider, std::shared_ptr<Animator> animator,
                        std::shared_ptr<ViewPortHandler> viewPortHandler);
    // A bubble renderer draws for a chart.
    BubbleChartRenderer(std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler) = delete;

    // One list of bubble elements per data set (none unless the provider is a
    // bubble chart view), rebuilt by every drawData.
    virtual std::vector<std::vector<AccessibilityElementPtr>>& accessibilityOrderedElements();
    virtual std::shared_ptr<BubbleChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    virtual void setDataProvider(std::weak_ptr<BubbleChartDataProvider> dataProvider) {
        dataProvider_ = std::move(dataProvider);
    }

    // The bubbles; for a bubble chart view, the header and the bubbles'
    // elements set by set.
    void drawData(DrawingContext& context) override;
    // Each bubble's size in it, half a line above its centre, fading in with
    // the animation; the entries' icons. Nothing when a set of the data is
    // not a bubble set.
    void drawValues(DrawingContext& context) override;
    // Nothing.
    void drawExtras(DrawingContext& context) override;
    // The bubble's outline at half its colour's brightness.
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    virtual void drawDataSet(DrawingContext& context, const IBubbleChartDataSet& dataSet, int dataSetIndex);

private:
    void resetAccessibilityOrderedElements();
    // The diameter of a bubble of the set's largest size under the matrix.
    double referenceSize(const AffineTransform& matrix);

    std::vector<std::vector<AccessibilityElementPtr>> accessibilityOrderedElements_;
    bool accessibilityOrderedElementsMade_ = false;
    std::weak_ptr<BubbleChartDataProvider> dataProvider_;
    // Scratch: a bubble's centre, and the points (0, 0) and (1, 0) whose
    // distance in pixels is one x unit, both mapped in place.
    Point pointBuffer_;
    std::array<Point, 2> sizeBuffer_{};
};

} // namespace charts
