#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/render/BarLineScatterCandleBubbleRenderer.h"
#include "Charts/render/FrameStyles.h"
#include "Charts/types/bar/BarChartDataProvider.h"
#include "Charts/types/bar/BarGeometry.h"
#include "Charts/types/bar/BarSetStyle.h"

namespace charts {

class AccessibilityElement;
class BarChartView;
class IBarChartDataSet;
class Transformer;
enum class TextAlignment;

// The data renderer of bar charts: for every visible bar set one rectangle
// per bar, or per value of a stacked bar, kept in a buffer per set from one
// frame to the next, refilled in value units each frame, mapped to pixels in
// one pass and drawn where it lies in view: shadows, fills, borders, the
// highlighted bars and the value labels and icons; on a bar chart view also
// one accessibility element per drawn rectangle after the chart's header.
//
// A frame notes which rectangles it drew; their elements are made from those
// notes when the elements are first read (assistive technology reads far
// less often than frames are drawn), as they stood in that frame.
//
// A frame draws, labels and describes only the rectangles it prepared:
// slots left in a buffer from an earlier frame (an animation that reached
// fewer entries, entries whose stacks shrank) never reach the screen, and no
// buffer is read or written past its end.
class BarChartRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    // The provider (the chart) is held weakly: a renderer whose chart is gone
    // draws nothing.
    BarChartRenderer(std::weak_ptr<BarChartDataProvider> dataProvider, std::shared_ptr<Animator> animator,
                     std::shared_ptr<ViewPortHandler> viewPortHandler);
    BarChartRenderer(std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler) = delete;

    // Per entry position, the elements of that position over all sets;
    // rebuilt by every drawData.
    virtual std::vector<std::vector<AccessibilityElementPtr>>& accessibilityOrderedElements();
    virtual std::shared_ptr<BarChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    virtual void setDataProvider(std::weak_ptr<BarChartDataProvider> dataProvider) {
        dataProvider_ = std::move(dataProvider);
    }

    void beginFrame(const CartesianFrame& frame) override;
    void endFrame() override;

    // One buffer per set of the bar data, of one rectangle per entry (times
    // the stack size for a stacked set); a buffer keeps its storage while
    // its size stays.
    void initBuffers() override;
    void drawData(DrawingContext& context) override;
    void drawValues(DrawingContext& context) override;
    // Bars have no extras.
    void drawExtras(DrawingContext& context) override;
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    virtual void drawDataSet(DrawingContext& context, const IBarChartDataSet& dataSet, int index);
    // The highlighted bar (or segment) from y1 to y2 in pixels, scaled by the
    // animation's y phase.
    virtual Rect prepareBarHighlight(double x, double y1, double y2, double barWidthHalf,
                                     const Transformer& trans) const;
    // One value text at (xPos, yPos): centred there, or ending or starting
    // there, its top at yPos.
    virtual void drawValue(DrawingContext& context, const QString& value, double xPos, double yPos, const QFont& font,
                           TextAlignment align, const QColor& color);
    // Where a marker of the highlight stands: the middle of the bar's top.
    virtual void setHighlightDrawPos(Highlight& highlight, const Rect& barRect);
    // One empty list per entry of the longest set on a bar chart view; none
    // otherwise.
    virtual std::vector<std::vector<AccessibilityElementPtr>> accessibilityCreateEmptyOrderedElements() const;
    // The element of rectangle `index` of a set drawn in the view: "<x>:
    // <value>" after the set's label among several sets, the stack label
    // before a stacked value; the modifier is applied last.
    virtual AccessibilityElementPtr
    createAccessibleElement(std::int64_t index, const BarChartView& container, const IBarChartDataSet& dataSet,
                            int dataSetIndex, std::int64_t stackSize,
                            const std::function<void(AccessibilityElement&)>& modifier) const;

    // The rectangles the last frame prepared for the set at `index` (pixels
    // once drawn); empty for a set without a buffer.
    std::span<const Rect> preparedRects(int index) const;

protected:
    // Refills the set's buffer in value units for this frame.
    virtual void prepareBuffer(const IBarChartDataSet& dataSet, int index);
    // The buffer fill of either direction; plain bars are cut to their axis
    // range when asked.
    void fillBuffer(const IBarChartDataSet& dataSet, int index, BarDirection direction, bool cutToAxisRange);
    // Prepares, maps and draws one set's shadows and bars in either
    // direction.
    void drawBars(DrawingContext& context, const IBarChartDataSet& dataSet, int index, BarDirection direction);
    // The style of the set for this frame.
    const BarSetStyle& styleOf(const IBarChartDataSet& dataSet) { return styles_.of(dataSet); }
    // The provider when it is a bar chart view, which alone gets its plain
    // bars cut to the axis range and accessibility elements (a chart that
    // draws bars among other kinds makes its own); none otherwise.
    static const BarChartView* asBarChartView(const BarChartDataProvider* provider);
    // A set whose value labels this frame draws, with what they read of it.
    struct LabelledSet {
        const IBarChartDataSet& set;
        int index;
        const BarSetStyle& style;
        const AffineTransform& matrix;
        bool inverted;
        bool aboveBar;
        // The set's rectangles of this frame, in pixels.
        std::span<const Rect> rects;
        std::span<const ChartDataEntryPtr> entries;
        // The entries the animation has reached.
        std::int64_t count;
    };
    // Calls drawSet for every set whose values may be drawn now (values
    // allowed at this zoom, the set visible with values or icons on, a value
    // formatter, a transform and a buffer), within the frame.
    void forEachLabelledSet(const std::function<void(const LabelledSet&)>& drawSet);
    // The text of a value of the set's entry.
    QString valueText(const LabelledSet& labelled, double value, const ChartDataEntryPtr& entry) const;
    // The value text and icon of one label, either direction.
    void drawValueAndIcon(DrawingContext& context, const BarSetStyle& style, const QString& text, Point textPoint,
                          TextAlignment align, Point iconCentre, std::int64_t colorIndex, const ChartDataEntry& entry);

    // Makes the header and the elements of the rectangles the last frame
    // drew, in entry order, then set order within an entry.
    void makePendingAccessibleElements() const override;

    struct Buffer {
        std::vector<Rect> rects;
        // The rectangles this frame prepared, from the front.
        std::size_t prepared = 0;
    };
    std::vector<Buffer> buffers_;

private:
    // A rectangle a frame drew: rectangle `index` of the set, `stackSize`
    // rectangles per entry, `frame` in view pixels.
    struct DrawnRect {
        int dataSetIndex = 0;
        std::int64_t index = 0;
        std::int64_t stackSize = 1;
        Rect frame;
    };

    std::weak_ptr<BarChartDataProvider> dataProvider_;
    mutable std::vector<std::vector<AccessibilityElementPtr>> accessibilityOrderedElements_;
    mutable bool accessibilityOrderedElementsMade_ = false;
    // The last frame's drawn rectangles, until their elements are made.
    mutable std::vector<DrawnRect> drawnRects_;
    mutable bool elementsPending_ = false;
    FrameStyles<IBarChartDataSet, BarSetStyle> styles_;
};

} // namespace charts
