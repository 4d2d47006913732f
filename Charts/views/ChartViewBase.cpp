#include "Charts/views/ChartViewBase.h"

#include <cmath>
#include <cstdlib>

#include <QBuffer>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScreen>

#include "Charts/drawing/PainterContext.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/ImageContext.h"
#include "Charts/foundation/PlatformStyle.h"
#include "platform/FatalError.h"
#include "platform/Log.h"

namespace charts {

ChartViewBase::ChartViewBase(ConstructionKey, QWidget* parent)
    : ChartWidgetBase(parent),
      noDataFont_(systemFont(12)),
      noDataTextColor_(labelColor()) {}

ChartViewBase::~ChartViewBase() {
    // Nothing that holds this view weakly may reach it from here on, and the
    // animator, which reports a running animation's stop when it goes, must
    // not call back into a view being taken apart.
    weakSelf_.expire();
    if (animator_) animator_->setDelegate({});
}

void ChartViewBase::initialize() {
    animator_ = std::make_shared<Animator>();
    animator_->setDelegate(std::weak_ptr<ChartAnimatorDelegate>(weakSelf_.weak()));
    const Rect b = bounds();
    viewPortHandler_ = ViewPortHandler::create(b.width(), b.height());
    setChartDescription(std::make_shared<Description>());
    legend_ = std::make_shared<Legend>();
    legendRenderer_ = std::make_shared<LegendRenderer>(viewPortHandler_, legend_);
    xAxis_ = std::make_shared<XAxis>();
}

// Data

void ChartViewBase::setData(std::shared_ptr<ChartData> data) {
    data_ = std::move(data);
    offsetsCalculated_ = false;
    if (!data_) {
        setNeedsDisplay(bounds());
        return;
    }
    setupDefaultFormatter(data_->getYMin(), data_->getYMax());
    const std::shared_ptr<IValueFormatter> shared = defaultValueFormatter_;
    for (const auto& set : data_->dataSets()) {
        if (set->needsFormatter() || set->valueFormatter() == shared) set->setValueFormatter(shared);
    }
    notifyDataSetChanged();
}

void ChartViewBase::setupDefaultFormatter(double min, double max) {
    double reference = 0;
    if (data_ && data_->entryCount() > 1) {
        reference = std::fabs(max - min);
    } else {
        reference = std::max(std::fabs(min), std::fabs(max));
    }
    if (defaultValueFormatter_) defaultValueFormatter_->setDecimals(ChartUtils::decimals(reference));
}

void ChartViewBase::clear() {
    data_.reset();
    offsetsCalculated_ = false;
    indicesToHighlight_.clear();
    lastHighlighted_.reset();
    setNeedsDisplay(bounds());
}

void ChartViewBase::clearValues() {
    if (data_) data_->clearValues();
    setNeedsDisplay(bounds());
}

bool ChartViewBase::isEmpty() const { return !data_ || data_->entryCount() < 1; }

void ChartViewBase::notifyDataSetChanged() {
    platform::fatalError("notifyDataSetChanged() cannot be called on ChartViewBase");
}

void ChartViewBase::calculateOffsets() { platform::fatalError("calculateOffsets() cannot be called on ChartViewBase"); }

void ChartViewBase::calcMinMax() {}

std::shared_ptr<XAxis> ChartViewBase::xAxis() const { return xAxis_; }

void ChartViewBase::setExtraOffsets(double left, double top, double right, double bottom) {
    setExtraLeftOffset(left);
    setExtraTopOffset(top);
    setExtraRightOffset(right);
    setExtraBottomOffset(bottom);
}

void ChartViewBase::setDragDecelerationFrictionCoef(double coefficient) {
    double value = coefficient;
    if (value < 0.0) value = 0.0;
    if (value >= 1.0) value = 0.999;
    dragDecelerationFrictionCoef_ = value;
}

// Highlighting

void ChartViewBase::highlightValues(const std::optional<std::vector<HighlightPtr>>& highlights) {
    indicesToHighlight_ = highlights.value_or(std::vector<HighlightPtr>{});
    lastHighlighted_ = indicesToHighlight_.empty() ? nullptr : indicesToHighlight_.front();
    setNeedsDisplay(bounds());
}

void ChartViewBase::highlightValue(double x, int dataSetIndex) { highlightValue(x, dataSetIndex, -1, true); }

void ChartViewBase::highlightValue(double x, double y, int dataSetIndex, int dataIndex) {
    highlightValue(x, y, dataSetIndex, dataIndex, true);
}

void ChartViewBase::highlightValue(double x, int dataSetIndex, int dataIndex, bool callDelegate) {
    highlightValue(x, std::nan(""), dataSetIndex, dataIndex, callDelegate);
}

void ChartViewBase::highlightValue(double x, double y, int dataSetIndex, int dataIndex, bool callDelegate) {
    if (!data_) {
        platform::printToStandardOutput("Value not highlighted because data is nil");
        return;
    }
    if (dataSetIndex < 0 || dataSetIndex >= data_->dataSetCount()) {
        highlightValue(HighlightPtr{}, callDelegate);
        return;
    }
    highlightValue(std::make_shared<Highlight>(x, y, dataSetIndex, dataIndex), callDelegate);
}

void ChartViewBase::highlightValue(const HighlightPtr& highlight) { highlightValue(highlight, false); }

void ChartViewBase::highlightValue(const HighlightPtr& highlight, bool callDelegate) {
    HighlightPtr reported;
    ChartDataEntryPtr entry;
    if (!highlight) {
        lastHighlighted_.reset();
        indicesToHighlight_.clear();
    } else if (data_) {
        entry = entryForHighlight(*highlight);
        if (entry) {
            indicesToHighlight_ = {highlight};
            reported = highlight;
        } else {
            indicesToHighlight_.clear();
        }
    } else {
        indicesToHighlight_.clear();
    }
    if (callDelegate) {
        if (const auto observer = delegate()) {
            if (reported) {
                observer->chartValueSelected(*this, entry, *reported);
            } else {
                observer->chartValueNothingSelected(*this);
            }
        }
    }
    setNeedsDisplay(bounds());
}

// An x that is not finite names no place in the data: the nearest entry by x
// of an infinity would be the first or last one, which nobody pointed at.
// A finite x, however far out, finds the nearest entry as the data's own
// search does for a touch.
ChartDataEntryPtr ChartViewBase::entryForHighlight(const Highlight& highlight) const {
    if (!data_ || !std::isfinite(highlight.x())) return nullptr;
    return data_->entryForHighlight(highlight);
}

HighlightPtr ChartViewBase::getHighlightByTouchPoint(Point point) {
    if (!data_) {
        platform::printToStandardOutput("Can't select by touch. No data set.");
        return nullptr;
    }
    if (!highlighter_) return nullptr;
    return highlighter_->getHighlight(point.x, point.y);
}

// Markers and description

void ChartViewBase::drawDescription(DrawingContext& context) {
    const auto& description = chartDescription_;
    if (!description || !description->isEnabled()) return;
    const std::optional<QString>& text = description->text();
    if (!text || text->isEmpty()) return;
    const Rect b = bounds();
    Point position;
    if (const auto given = description->position()) {
        position = *given;
    } else {
        position.x = b.width() - viewPortHandler_->offsetRight() - description->xOffset();
        position.y = b.height() - viewPortHandler_->offsetBottom() - description->yOffset() -
                     context.textMeasurer().lineHeight(description->font());
    }
    TextAttributes attributes;
    attributes.font = description->font();
    attributes.foregroundColor = description->textColor();
    const double width = context.textMeasurer().size(*text, attributes.font).width;
    switch (description->textAlign()) {
    case TextAlignment::right: position.x -= width; break;
    case TextAlignment::center: position.x -= width / 2.0; break;
    default: break;
    }
    GStateSaver saved(context);
    context.drawText(*text, position, attributes);
}

void ChartViewBase::drawMarkers(DrawingContext& context) {
    if (!marker_ || !isDrawMarkersEnabled() || !valuesToHighlight()) return;
    for (const HighlightPtr& highlight : indicesToHighlight_) {
        if (!highlight || !data_) continue;
        const auto set = data_->getDataSetByHighlight(*highlight);
        const ChartDataEntryPtr entry = entryForHighlight(*highlight);
        if (!set || !entry) continue;
        const double drawnCount = static_cast<double>(set->entryCount()) * animator_->phaseX();
        // Only entries the x animation has reached get a marker. The count
        // is truncated toward zero; a non-finite phase shows none.
        if (!std::isfinite(drawnCount)) continue;
        const auto entryIndex = static_cast<double>(set->entryIndex(entry));
        if (entryIndex > std::trunc(drawnCount)) continue;
        const Point position = getMarkerPosition(*highlight);
        if (!viewPortHandler_->isInBounds(position.x, position.y)) continue;
        marker_->refreshContent(entry, *highlight);
        marker_->draw(context, position);
    }
}

Point ChartViewBase::getMarkerPosition(const Highlight& highlight) {
    return Point{highlight.drawX(), highlight.drawY()};
}

// Animation

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, EasingFunction easingX,
                            EasingFunction easingY) {
    animator_->animate(xAxisDuration, yAxisDuration, std::move(easingX), std::move(easingY));
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                            ChartEasingOption easingOptionY) {
    animator_->animate(xAxisDuration, yAxisDuration, easingOptionX, easingOptionY);
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, EasingFunction easing) {
    animator_->animate(xAxisDuration, yAxisDuration, std::move(easing));
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption) {
    animator_->animate(xAxisDuration, yAxisDuration, easingOption);
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration) {
    animator_->animate(xAxisDuration, yAxisDuration, ChartEasingOption::easeInOutSine);
}

void ChartViewBase::animateX(double xAxisDuration, EasingFunction easing) {
    animator_->animateXAxis(xAxisDuration, std::move(easing));
}

void ChartViewBase::animateX(double xAxisDuration, ChartEasingOption easingOption) {
    animator_->animateXAxis(xAxisDuration, easingOption);
}

void ChartViewBase::animateX(double xAxisDuration) {
    animator_->animateXAxis(xAxisDuration, ChartEasingOption::easeInOutSine);
}

void ChartViewBase::animateY(double yAxisDuration, EasingFunction easing) {
    animator_->animateYAxis(yAxisDuration, std::move(easing));
}

void ChartViewBase::animateY(double yAxisDuration, ChartEasingOption easingOption) {
    animator_->animateYAxis(yAxisDuration, easingOption);
}

void ChartViewBase::animateY(double yAxisDuration) {
    animator_->animateYAxis(yAxisDuration, ChartEasingOption::easeInOutSine);
}

void ChartViewBase::animatorUpdated(Animator&) { setNeedsDisplay(bounds()); }

void ChartViewBase::animatorStopped(Animator& animator) {
    if (const auto observer = delegate()) observer->chartViewAnimatorDidStop(*this, animator);
}

// Bounds

double ChartViewBase::chartYMax() const { return data_ ? data_->yMax() : 0.0; }
double ChartViewBase::chartYMin() const { return data_ ? data_->yMin() : 0.0; }
double ChartViewBase::chartXMax() const { return xAxis_ ? xAxis_->axisMaximum() : 0.0; }
double ChartViewBase::chartXMin() const { return xAxis_ ? xAxis_->axisMinimum() : 0.0; }
double ChartViewBase::xRange() const { return xAxis_ ? xAxis_->axisRange() : 0.0; }

Point ChartViewBase::midPoint() const {
    const Rect b = bounds();
    return Point{b.x() + b.width() / 2.0, b.y() + b.height() / 2.0};
}

Point ChartViewBase::centerOffsets() const { return viewPortHandler_->contentCenter(); }
Rect ChartViewBase::contentRect() const { return viewPortHandler_->contentRect(); }
int ChartViewBase::maxVisibleCount() const { return 2147483647; }

// Image export

std::optional<QImage> ChartViewBase::getChartImage(bool transparent) {
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent) || !transparent;
    const Rect b = bounds();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double scale = screen ? screen->devicePixelRatio() : 1.0;
    if (!beginImageContext(b.size, opaque, scale)) return std::nullopt;
    std::optional<QImage> image;
    if (DrawingContext* context = currentImageContext()) {
        const Rect all(0, 0, b.width(), b.height());
        const std::optional<QColor> background = backgroundColor();
        // An opaque image is white, then the background colour. The view as
        // it shows comes next: its background colour (once: an opaque image
        // has it already, and a translucent colour must not darken twice),
        // then the chart. So a transparent image keeps the view's background
        // where it has one and is see-through where it has none.
        if (opaque || background) {
            context->saveGState();
            if (opaque) {
                context->setFillColor(QColor(255, 255, 255));
                context->fillRect(all);
            }
            if (background) {
                context->setFillColor(*background);
                context->fillRect(all);
            }
            context->restoreGState();
        }
        draw(*context);
        image = imageFromCurrentImageContext();
    }
    endImageContext();
    return image;
}

bool ChartViewBase::save(const QString& path, ImageFormat format, double compressionQuality) {
    const std::optional<QImage> image = getChartImage(format == ImageFormat::png);
    if (!image) return false;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        bool encoded = false;
        if (format == ImageFormat::png) {
            encoded = image->save(&buffer, "PNG");
        } else {
            // The quality runs from 0 to 1; a value outside or not a number
            // takes the nearest end.
            double quality = compressionQuality;
            if (!(quality >= 0.0)) quality = 0.0;
            if (quality > 1.0) quality = 1.0;
            encoded = image->save(&buffer, "JPEG", static_cast<int>(std::lround(quality * 100.0)));
        }
        if (!encoded || bytes.isEmpty()) return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// View-port jobs

void ChartViewBase::addViewportJob(const std::shared_ptr<ViewPortJob>& job) {
    if (!job) return;
    if (viewPortHandler_->hasChartDimens()) {
        runViewportJob(job);
    } else {
        viewportJobs_.push_back(job);
    }
}

void ChartViewBase::removeViewportJob(const std::shared_ptr<ViewPortJob>& job) {
    for (auto it = viewportJobs_.begin(); it != viewportJobs_.end(); ++it) {
        if (*it == job) {
            viewportJobs_.erase(it);
            return;
        }
    }
}

void ChartViewBase::clearAllViewportJobs() { viewportJobs_.clear(); }

// Size

namespace {

// A widget side in whole pixels; a side that is not a finite number in the
// widget's range counts as none.
int widgetSide(double side) {
    if (!(side > 0) || side > QWIDGETSIZE_MAX) return 0;
    return static_cast<int>(std::lround(side));
}

} // namespace

void ChartViewBase::setChartSize(double width, double height) {
    resize(widgetSide(width), widgetSide(height));
    viewSizeChanged();
}

void ChartViewBase::resizeEvent(QResizeEvent* event) {
    ChartWidgetBase::resizeEvent(event);
    viewSizeChanged();
}

void ChartViewBase::moveEvent(QMoveEvent* event) {
    ChartWidgetBase::moveEvent(event);
    viewSizeChanged();
}

void ChartViewBase::viewSizeChanged() {
    if (!viewPortHandler_) return;
    const Rect b = bounds();
    if (b.width() == viewPortHandler_->chartWidth() && b.height() == viewPortHandler_->chartHeight()) return;
    viewPortHandler_->setChartDimens(b.width(), b.height());
    notifyDataSetChanged();
    while (!viewportJobs_.empty()) {
        const std::shared_ptr<ViewPortJob> job = viewportJobs_.front();
        viewportJobs_.erase(viewportJobs_.begin());
        runViewportJob(job);
    }
}

void ChartViewBase::runViewportJob(const std::shared_ptr<ViewPortJob>& job) {
    // A running animation is held only by its display link's weak target:
    // the view keeps it until it stops.
    if (const auto animated = std::dynamic_pointer_cast<AnimatedViewPortJob>(job)) {
        runningJobs_.run(animated);
    } else {
        job->doJob();
    }
}

std::vector<std::shared_ptr<AccessibilityElement>> ChartViewBase::accessibilityChildren() const {
    if (!renderer_) return {};
    return renderer_->accessibleChartElements();
}

std::optional<QString> ChartViewBase::chartDescriptionText() const {
    if (!chartDescription_ || !chartDescription_->text()) return std::nullopt;
    return chartDescription_->text();
}

Rect ChartViewBase::bounds() const { return Rect(0, 0, width(), height()); }

void ChartViewBase::setNeedsDisplay(const Rect& rect) { update(toQt(rect).toAlignedRect()); }

void ChartViewBase::setNeedsDisplay() { update(); }

// Drawing

void ChartViewBase::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PainterContext context(painter);
    draw(context);
}

void ChartViewBase::draw(DrawingContext& context) {
    if (!data_ && !noDataText_.isEmpty()) {
        drawNoDataText(context);
        return;
    }
    if (!offsetsCalculated_) {
        calculateOffsets();
        offsetsCalculated_ = true;
    }
}

void ChartViewBase::drawNoDataText(DrawingContext& context) {
    GStateSaver saved(context);
    ParagraphStyle style;
    style.minimumLineHeight = context.textMeasurer().lineHeight(noDataFont_);
    style.lineBreakMode = LineBreakMode::byWordWrapping;
    style.alignment = noDataTextAlignment_;
    TextAttributes attributes;
    attributes.font = noDataFont_;
    attributes.foregroundColor = noDataTextColor_;
    attributes.paragraphStyle = style;
    const Rect b = bounds();
    const Size size = context.textMeasurer().boundingSize(noDataText_, attributes, b.size);
    const Rect rect(b.width() / 2.0 - size.width / 2.0, b.height() / 2.0 - size.height / 2.0, size.width, size.height);
    context.drawText(noDataText_, rect, attributes);
}

} // namespace charts
