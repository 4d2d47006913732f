#pragma once
#include <memory>
#include <vector>

#include "Charts/render/DataRenderer.h"

namespace charts {

class IPieChartDataSet;
class Path;
class PieChartView;
struct PieFrame;

// Draws a pie: a filled wedge per slice of each visible set (gaps between
// them, inner arcs around the hole), the hole with its translucent ring and
// the centre text, values and entry labels inside the slices or outside on
// value lines, icons, and highlighted slices moved out by the set's
// selection shift. Builds the pie's accessibility elements: a header per
// set, then one per drawn wedge, the highlighted ones selected and placed
// after the first.
//
// The chart is held weakly; every operation draws nothing once it is gone
// or has no data. Wedges are filled by the even-odd rule. Everything it
// reads of the view is read once per operation (PieFrame, PieSetStyle).
class PieChartRenderer : public DataRenderer {
public:
    PieChartRenderer(std::weak_ptr<PieChartView> chart, std::shared_ptr<Animator> animator,
                     std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<PieChartView> chart() const { return chart_.lock(); }
    void setChart(std::weak_ptr<PieChartView> chart) { chart_ = std::move(chart); }

    void drawData(DrawingContext& context) override;
    void drawValues(DrawingContext& context) override;
    // The hole, then the centre text.
    void drawExtras(DrawingContext& context) override;
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    virtual void drawDataSet(DrawingContext& context, const IPieChartDataSet& dataSet);
    virtual void drawHole(DrawingContext& context);
    virtual void drawCenterText(DrawingContext& context);
    // The set's slice space, or none when the set drops it (see
    // effectiveSliceSpace).
    virtual double getSliceSpace(const IPieChartDataSet& dataSet) const;

private:
    void drawDataSet(DrawingContext& context, const IPieChartDataSet& dataSet, const PieChartView& view,
                     const PieFrame& frame);
    AccessibilityElementPtr createAccessibleElement(const PieChartView& view, const IPieChartDataSet& dataSet,
                                                    std::int64_t index, const Path& wedge) const;
    AccessibilityElementPtr createSetHeader(const PieChartView& view, const IPieChartDataSet& dataSet) const;

    std::weak_ptr<PieChartView> chart_;
};

} // namespace charts
