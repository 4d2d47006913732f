#pragma once
#include <memory>
#include <vector>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/render/FrameStyles.h"
#include "Charts/render/LineRadarRenderer.h"
#include "Charts/types/line/ILineChartDataSet.h"
#include "Charts/types/line/LineChartDataProvider.h"
#include "Charts/types/line/LineSetStyle.h"

namespace charts {

class ILineChartDataSet;
class LineChartDataProvider;
class LineChartViewInterface;
class Transformer;
struct CurveLine;

// The data renderer of line charts: for every visible line data set the
// line in its mode (straight, stepped, cubic or horizontal Bezier) with the
// optional filled area below it, the circles on the points with the
// points' accessibility elements, value labels and icons, and the
// cross-hair lines of highlighted values.
//
// Every drawing call reads the frame (content, transforms, visible range,
// phases) and each set's style (LineSetStyle) as values, once per frame; the
// geometry comes from the pure functions of LineGeometry.h, so the loops
// here only draw.
//
// Straight and stepped lines are stroked as separate segments (never as one
// polyline, whose joins cost more to stroke), gathered into one stroke call
// per run of segments of the same colour; segments outside the content are
// skipped and the walk ends at the first one that starts right of it.
class LineChartRenderer : public LineRadarRenderer {
public:
    // The provider (the chart) is held weakly: a renderer whose chart is gone
    // draws nothing.
    LineChartRenderer(std::weak_ptr<LineChartDataProvider> dataProvider, std::shared_ptr<Animator> animator,
                      std::shared_ptr<ViewPortHandler> viewPortHandler);

    // One list of point elements per data set, rebuilt by every circle pass.
    virtual std::vector<std::vector<AccessibilityElementPtr>>& accessibilityOrderedElements();
    virtual std::shared_ptr<LineChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    virtual void setDataProvider(std::weak_ptr<LineChartDataProvider> dataProvider) {
        dataProvider_ = std::move(dataProvider);
    }

    void beginFrame(const CartesianFrame& frame) override;
    void endFrame() override;

    void drawData(DrawingContext& context) override;
    void drawValues(DrawingContext& context) override;
    // The circles (and the accessibility elements) of the points.
    void drawExtras(DrawingContext& context) override;
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    virtual void drawDataSet(DrawingContext& context, const ILineChartDataSet& dataSet);
    virtual void drawCubicBezier(DrawingContext& context, const ILineChartDataSet& dataSet);
    virtual void drawHorizontalBezier(DrawingContext& context, const ILineChartDataSet& dataSet);
    // Fills the area below the Bezier line, each of its runs closed down to
    // the fill line.
    virtual void drawCubicFill(DrawingContext& context, const ILineChartDataSet& dataSet, const CurveLine& curve,
                               const AffineTransform& matrix);
    virtual void drawLinear(DrawingContext& context, const ILineChartDataSet& dataSet);
    virtual void drawLinearFill(DrawingContext& context, const ILineChartDataSet& dataSet, const Transformer& trans,
                                const XBounds& bounds);
    // The closed area (pixels) between a straight or stepped line and the
    // fill line at fillMin (a value).
    virtual Path generateFilledPath(const ILineChartDataSet& dataSet, double fillMin, const XBounds& bounds,
                                    const AffineTransform& matrix);

protected:
    virtual void drawCircles(DrawingContext& context);

private:
    // One empty list per data set when the provider is a line chart view,
    // none otherwise.
    void resetAccessibilityOrderedElements();
    void drawCircle(DrawingContext& context, const LineCircleStyle& style, const QColor& color, Point pixel);
    // Strokes the Bezier curve (pixels) of a set, over its filled area when
    // the set has one.
    void strokeCurve(DrawingContext& context, const ILineChartDataSet& dataSet, const CurveLine& curve,
                     const AffineTransform& matrix);

    std::vector<std::vector<AccessibilityElementPtr>> accessibilityOrderedElements_;
    bool accessibilityOrderedElementsMade_ = false;
    std::weak_ptr<LineChartDataProvider> dataProvider_;
    // Segment ends of straight and stepped lines awaiting one stroke call.
    std::vector<Point> lineSegments_;
    FrameStyles<ILineChartDataSet, LineSetStyle> styles_;
};

} // namespace charts
