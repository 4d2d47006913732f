#pragma once
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "Charts/data/ChartData.h"
#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/foundation/ChartHighlighter.h"
#include "Charts/foundation/ChartViewInterface.h"
#include "Charts/foundation/ChartWidgetBase.h"
#include "Charts/foundation/Description.h"
#include "Charts/foundation/Legend.h"
#include "Charts/foundation/Marker.h"
#include "Charts/foundation/ValueFormatter.h"
#include "Charts/foundation/ViewPortHandler.h"
#include "Charts/foundation/ViewPortJob.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/AccessibleChart.h"
#include "Charts/render/DataRenderer.h"
#include "Charts/render/LegendRenderer.h"
#include "Charts/views/ChartViewDelegate.h"

namespace charts {

// The root of every chart view: a widget that owns one chart's data, its
// components (x axis, description, legend, marker), its geometry (the view
// port), its animator, its data and legend renderers, its highlighter and the
// highlighted values.
//
// Construction is two-step, because a C++ base constructor never reaches a
// subclass's override: every chart view is made through create<View>(...),
// which constructs it and then runs the virtual initialize() once, so each
// kind's initialize() (renderer, highlighter, transformers) runs after its
// bases'. Constructors take a ConstructionKey that only create() can make.
//
// All of it runs on the main thread.
class ChartViewBase : public ChartWidgetBase,
                      public virtual ChartViewInterface,
                      public virtual ChartDataProvider,
                      public virtual AccessibleChart,
                      public ChartAnimatorDelegate {
protected:
    class ConstructionKey {
        friend class ChartViewBase;
        ConstructionKey() = default;
    };

public:
    enum class ImageFormat { jpeg = 0, png = 1 };

    // Makes a chart view of the given kind and initialises it. The parent
    // widget owns the view when one is given; otherwise the caller does.
    template <class View, class... Args>
    static View* create(Args&&... args) {
        View* view = new View(ConstructionKey{}, std::forward<Args>(args)...);
        static_cast<ChartViewBase*>(view)->initialize();
        return view;
    }

    explicit ChartViewBase(ConstructionKey, QWidget* parent = nullptr);
    ~ChartViewBase() override;

    // Data.
    std::shared_ptr<ChartData> data() const override { return data_; }
    std::shared_ptr<ChartDataValues> dataValues() const override { return data_; }
    virtual void setData(std::shared_ptr<ChartData> data);
    virtual void clear();
    virtual void clearValues();
    virtual bool isEmpty() const;
    // Recomputes bounds, axes, legend and offsets after a data change and
    // redraws. Every chart view provides it: one that leaves it out does not
    // compile; the body here stops the program.
    virtual void notifyDataSetChanged() = 0;
    // Computes the content offsets; provided as notifyDataSetChanged is.
    virtual void calculateOffsets() = 0;
    virtual void calcMinMax();

    // Components.
    virtual std::shared_ptr<XAxis> xAxis() const;
    const std::shared_ptr<Description>& chartDescription() const { return chartDescription_; }
    void setChartDescription(std::shared_ptr<Description> description) { chartDescription_ = std::move(description); }
    const std::shared_ptr<Legend>& legend() const { return legend_; }
    const std::shared_ptr<LegendRenderer>& legendRenderer() const { return legendRenderer_; }
    const std::shared_ptr<DataRenderer>& renderer() const { return renderer_; }
    void setRenderer(std::shared_ptr<DataRenderer> renderer) { renderer_ = std::move(renderer); }
    const std::shared_ptr<IHighlighter>& highlighter() const { return highlighter_; }
    void setHighlighter(std::shared_ptr<IHighlighter> highlighter) { highlighter_ = std::move(highlighter); }
    const std::shared_ptr<ViewPortHandler>& viewPortHandler() const { return viewPortHandler_; }
    const std::shared_ptr<Animator>& chartAnimator() const { return animator_; }
    const std::shared_ptr<IMarker>& marker() const { return marker_; }
    void setMarker(std::shared_ptr<IMarker> marker) { marker_ = std::move(marker); }

    std::shared_ptr<ChartViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ChartViewDelegate> delegate) { delegate_ = std::move(delegate); }

    // The text drawn while there is no data.
    const QString& noDataText() const { return noDataText_; }
    void setNoDataText(QString text) { noDataText_ = std::move(text); }
    const QFont& noDataFont() const { return noDataFont_; }
    void setNoDataFont(QFont font) { noDataFont_ = std::move(font); }
    const QColor& noDataTextColor() const { return noDataTextColor_; }
    void setNoDataTextColor(QColor color) { noDataTextColor_ = color; }
    TextAlignment noDataTextAlignment() const { return noDataTextAlignment_; }
    void setNoDataTextAlignment(TextAlignment alignment) { noDataTextAlignment_ = alignment; }

    // Switches.
    bool highlightPerTapEnabled() const { return highlightPerTapEnabled_; }
    void setHighlightPerTapEnabled(bool enabled) { highlightPerTapEnabled_ = enabled; }
    bool isHighLightPerTapEnabled() const { return highlightPerTapEnabled_; }
    bool dragDecelerationEnabled() const { return dragDecelerationEnabled_; }
    void setDragDecelerationEnabled(bool enabled) { dragDecelerationEnabled_ = enabled; }
    bool isDragDecelerationEnabled() const { return dragDecelerationEnabled_; }
    double dragDecelerationFrictionCoef() const { return dragDecelerationFrictionCoef_; }
    // Below 0 is kept as 0, 1 or more as 0.999.
    void setDragDecelerationFrictionCoef(double coefficient);
    bool drawMarkersEnabled() const { return drawMarkers_; }
    void setDrawMarkersEnabled(bool enabled) { drawMarkers_ = enabled; }
    bool isDrawMarkersEnabled() const { return drawMarkers_; }
    double maxHighlightDistance() const override { return maxHighlightDistance_; }
    void setMaxHighlightDistance(double distance) { maxHighlightDistance_ = distance; }

    // Extra room the offset calculation adds on each side.
    double extraTopOffset() const { return extraTopOffset_; }
    void setExtraTopOffset(double offset) { extraTopOffset_ = offset; }
    double extraRightOffset() const { return extraRightOffset_; }
    void setExtraRightOffset(double offset) { extraRightOffset_ = offset; }
    double extraBottomOffset() const { return extraBottomOffset_; }
    void setExtraBottomOffset(double offset) { extraBottomOffset_ = offset; }
    double extraLeftOffset() const { return extraLeftOffset_; }
    void setExtraLeftOffset(double offset) { extraLeftOffset_ = offset; }
    virtual void setExtraOffsets(double left, double top, double right, double bottom);

    // Highlighting.
    const std::vector<HighlightPtr>& highlighted() const { return indicesToHighlight_; }
    const std::vector<HighlightPtr>& indicesToHighlight() const { return indicesToHighlight_; }
    virtual bool valuesToHighlight() const { return !indicesToHighlight_.empty(); }
    virtual void highlightValues(const std::optional<std::vector<HighlightPtr>>& highlights);
    // Both short forms take three numbers, and highlightValue(5.0, 3, 0)
    // would read as data set 3 where (x, y 3, set 0) was meant. So the form
    // without y takes x and the data set only; the data index goes with the
    // callDelegate form, and three numbers with an integer second are refused.
    virtual void highlightValue(double x, int dataSetIndex);
    virtual void highlightValue(double x, double y, int dataSetIndex, int dataIndex = -1);
    void highlightValue(double x, int dataSetIndex, int dataIndex) = delete;
    virtual void highlightValue(double x, int dataSetIndex, int dataIndex, bool callDelegate);
    virtual void highlightValue(double x, double y, int dataSetIndex, int dataIndex, bool callDelegate);
    virtual void highlightValue(const HighlightPtr& highlight);
    virtual void highlightValue(const HighlightPtr& highlight, bool callDelegate);
    virtual HighlightPtr getHighlightByTouchPoint(Point point);
    // The entry a highlight names; none without data, for an x that is not
    // finite or a data set that is not there.
    ChartDataEntryPtr entryForHighlight(const Highlight& highlight) const;
    const HighlightPtr& lastHighlighted() const { return lastHighlighted_; }
    void setLastHighlighted(HighlightPtr highlight) { lastHighlighted_ = std::move(highlight); }

    // Animation, passed to the animator; the forms without an easing use
    // easeInOutSine.
    virtual void animate(double xAxisDuration, double yAxisDuration, EasingFunction easingX, EasingFunction easingY);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                         ChartEasingOption easingOptionY);
    virtual void animate(double xAxisDuration, double yAxisDuration, EasingFunction easing);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption);
    virtual void animate(double xAxisDuration, double yAxisDuration);
    virtual void animateX(double xAxisDuration, EasingFunction easing);
    virtual void animateX(double xAxisDuration, ChartEasingOption easingOption);
    virtual void animateX(double xAxisDuration);
    virtual void animateY(double yAxisDuration, EasingFunction easing);
    virtual void animateY(double yAxisDuration, ChartEasingOption easingOption);
    virtual void animateY(double yAxisDuration);
    void animatorUpdated(Animator& animator) override;
    void animatorStopped(Animator& animator) override;

    // Chart bounds.
    double chartYMax() const override;
    double chartYMin() const override;
    double chartXMax() const override;
    double chartXMin() const override;
    double xRange() const override;
    Point midPoint() const;
    Point centerOffsets() const override;
    Rect contentRect() const;
    int maxVisibleCount() const override;

    // Image export. The image has the view's size at the screen's scale;
    // save() writes the file whole or not at all and answers false on any
    // failure.
    virtual std::optional<QImage> getChartImage(bool transparent);
    virtual bool save(const QString& path, ImageFormat format, double compressionQuality);

    // View-port jobs wait until the view has a size.
    virtual void addViewportJob(const std::shared_ptr<ViewPortJob>& job);
    virtual void removeViewportJob(const std::shared_ptr<ViewPortJob>& job);
    virtual void clearAllViewportJobs();
    std::size_t pendingViewportJobCount() const { return viewportJobs_.size(); }
    std::size_t runningAnimatedJobCount() const { return runningJobs_.runningCount(); }

    // Lays the view out at a size at once, as a resize does: hidden widgets
    // get no resize event until shown, and tests draw them without an event
    // loop.
    void setChartSize(double width, double height);

    // One frame into a drawing context (the widget's paint event, an image,
    // or a recording context in tests).
    virtual void draw(DrawingContext& context);

    // ChartViewInterface.
    Rect bounds() const override;
    void setNeedsDisplay(const Rect& rect) override;
    void setNeedsDisplay();

    // The data renderer's elements; none without a renderer.
    std::vector<std::shared_ptr<AccessibilityElement>> accessibilityChildren() const override;
    // AccessibleChart, for the header element every kind's renderer makes:
    // the description's text, none without a description or its text; and
    // this widget as the elements' container.
    std::optional<QString> chartDescriptionText() const override;
    QWidget* accessibilityContainer() const override { return const_cast<ChartViewBase*>(this); }

    // A weak reference to this view, for the renderers, highlighters and
    // jobs that hold their chart weakly; it expires when the view goes.
    std::weak_ptr<ChartViewBase> weakView() const { return weakSelf_.weak(); }

protected:
    // Creates the animator, view port, description, legend, legend renderer
    // and x axis. Overrides run the base's first.
    virtual void initialize();
    virtual void setupDefaultFormatter(double min, double max);
    virtual void drawDescription(DrawingContext& context);
    virtual void drawMarkers(DrawingContext& context);
    virtual Point getMarkerPosition(const Highlight& highlight);
    // The view's frame or bounds changed: with a new size, resizes the view
    // port, recomputes the chart and runs the waiting jobs.
    virtual void viewSizeChanged();

    bool offsetsCalculated() const { return offsetsCalculated_; }
    void setOffsetsCalculated(bool calculated) { offsetsCalculated_ = calculated; }
    void setXAxis(std::shared_ptr<XAxis> axis) { xAxis_ = std::move(axis); }

    void paintEvent(QPaintEvent* event) override;
    // The view's geometry changing (a resize or a move) is what the chart
    // observes; only a new size lays the chart out again.
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void drawNoDataText(DrawingContext& context);
    void runViewportJob(const std::shared_ptr<ViewPortJob>& job);

    WeakSelf<ChartViewBase> weakSelf_{this};
    std::shared_ptr<DefaultValueFormatter> defaultValueFormatter_ = std::make_shared<DefaultValueFormatter>(0);
    std::shared_ptr<ChartData> data_;
    bool highlightPerTapEnabled_ = true;
    bool dragDecelerationEnabled_ = true;
    double dragDecelerationFrictionCoef_ = 0.9;
    std::shared_ptr<XAxis> xAxis_;
    std::shared_ptr<Description> chartDescription_;
    std::shared_ptr<Legend> legend_;
    std::weak_ptr<ChartViewDelegate> delegate_;
    QString noDataText_ = QStringLiteral("No chart data available.");
    QFont noDataFont_;
    QColor noDataTextColor_;
    TextAlignment noDataTextAlignment_ = TextAlignment::left;
    std::shared_ptr<LegendRenderer> legendRenderer_;
    std::shared_ptr<DataRenderer> renderer_;
    std::shared_ptr<IHighlighter> highlighter_;
    std::shared_ptr<ViewPortHandler> viewPortHandler_;
    std::shared_ptr<Animator> animator_;
    bool offsetsCalculated_ = false;
    std::vector<HighlightPtr> indicesToHighlight_;
    bool drawMarkers_ = true;
    std::shared_ptr<IMarker> marker_;
    double extraTopOffset_ = 0;
    double extraRightOffset_ = 0;
    double extraBottomOffset_ = 0;
    double extraLeftOffset_ = 0;
    HighlightPtr lastHighlighted_;
    std::vector<std::shared_ptr<ViewPortJob>> viewportJobs_;
    // Animated jobs run on display ticks; each is kept here until it stops.
    AnimatedJobKeeper runningJobs_;
    double maxHighlightDistance_ = 500;
};

} // namespace charts
