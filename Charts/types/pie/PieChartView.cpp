#include "Charts/types/pie/PieChartView.h"

#include <algorithm>

#include <QFontInfo>
#include <QGuiApplication>

#include "Charts/foundation/PlatformStyle.h"
#include "Charts/types/pie/PieChartRenderer.h"
#include "Charts/types/pie/PieGeometry.h"
#include "Charts/types/pie/PieHighlighter.h"
#include "platform/FatalError.h"

namespace charts {

namespace {

// The entry labels' own font, where the desktop has it.
std::optional<QFont> defaultEntryLabelFont() {
    if (qGuiApp == nullptr) return std::nullopt;
    const QString family = QStringLiteral("HelveticaNeue");
    const QFont font = pixelSizedFont(QFont(family), 13);
    if (QFontInfo(font).family() != family) return std::nullopt;
    return font;
}

} // namespace

PieChartView::PieChartView(ConstructionKey key, QWidget* parent)
    : PieRadarChartViewBase(key, parent),
      entryLabelFont_(defaultEntryLabelFont()) {}

void PieChartView::initialize() {
    PieRadarChartViewBase::initialize();
    const std::shared_ptr<PieChartView> self = std::dynamic_pointer_cast<PieChartView>(weakView().lock());
    setRenderer(std::make_shared<PieChartRenderer>(self, chartAnimator(), viewPortHandler()));
    setXAxis(nullptr);
    setHighlighter(std::make_shared<PieHighlighter>(std::weak_ptr<ChartDataProvider>(self)));
}

std::shared_ptr<PieChartData> PieChartView::pieData() const { return std::dynamic_pointer_cast<PieChartData>(data()); }

std::shared_ptr<XAxis> PieChartView::xAxis() const { platform::fatalError("PieChart has no XAxis"); }

// Angles

void PieChartView::calcMinMax() { calcAngles(); }

void PieChartView::calcAngles() {
    drawAngles_.clear();
    absoluteAngles_.clear();
    sliceTotal_ = 0;
    const std::shared_ptr<ChartData> chartData = data();
    if (!chartData) return;
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(std::max<std::int64_t>(chartData->entryCount(), 0)));
    // The slices share the first set's total; those of further sets are laid
    // out after them.
    std::optional<std::size_t> firstSetCount;
    for (const IChartDataSetPtr& set : chartData->dataSets()) {
        for (std::int64_t j = 0; j < set->entryCount(); ++j) {
            if (const ChartDataEntryPtr entry = set->entryForIndex(j)) values.push_back(entry->y());
        }
        if (!firstSetCount) firstSetCount = values.size();
    }
    const std::shared_ptr<PieChartData> pie = pieData();
    sliceTotal_ =
        pie && pie->dataSet() ? pieSliceTotal(std::span<const double>(values).first(firstSetCount.value_or(0))) : 0.0;
    PieSliceAngles angles = pieSliceAngles(values, sliceTotal_, maxAngle_);
    drawAngles_ = std::move(angles.drawAngles);
    absoluteAngles_ = std::move(angles.absoluteAngles);
}

std::int64_t PieChartView::indexForAngle(double angle) const {
    return pieIndexForAngle(angle, rotationAngle(), absoluteAngles_);
}

bool PieChartView::needsHighlight(std::int64_t index) const {
    return std::any_of(indicesToHighlight().begin(), indicesToHighlight().end(),
                       [index](const HighlightPtr& h) { return h && entryIndexForX(h->x()) == index; });
}

int PieChartView::dataSetIndexForIndex(double xValue) const {
    const std::shared_ptr<ChartData> chartData = data();
    if (!chartData) return -1;
    const ChartData::DataSets& sets = chartData->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (!sets[i]->entriesForXValue(xValue).empty()) return static_cast<int>(i);
    }
    return -1;
}

// Layout

bool PieChartView::isHalfPieInWideContent() const {
    const Rect content = contentRect();
    return maxAngle_ <= 180 && content.width() > content.height();
}

Point PieChartView::rotationCenter() const {
    Point c = centerOffsets();
    if (isHalfPieInWideContent()) c.y += diameter() * 0.5;
    return c;
}

double PieChartView::highlightAngle(double angle) const { return angle / chartAnimator()->phaseY(); }

double PieChartView::requiredLegendOffset() const { return fontPixelSize(legend()->font()) * 2.0; }

void PieChartView::calculateOffsets() {
    PieRadarChartViewBase::calculateOffsets();
    if (!data()) return;
    const double r = isHalfPieInWideContent() ? diameter() : diameter() * 0.5;
    double shift = 0;
    if (const std::shared_ptr<PieChartData> pie = pieData()) {
        if (const std::shared_ptr<IPieChartDataSet> set = pie->dataSet()) shift = set->selectionShift();
    }
    circleBox_ = pieCircleBox(rotationCenter(), r, shift);
}

Point PieChartView::getMarkerPosition(const Highlight& highlight) {
    const std::optional<std::int64_t> index = entryIndexForX(highlight.x());
    // Only slices have markers; the frame skips a marker that stands
    // outside the content.
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= drawAngles_.size())
        return Point{std::nan(""), std::nan("")};
    const auto i = static_cast<std::size_t>(*index);
    return pieMarkerPosition(centerCircleBox(), radius(), drawHoleEnabled_, holeRadiusPercent_, rotationAngle(),
                             drawAngles_[i], absoluteAngles_[i], chartAnimator()->phaseY());
}

// Drawing

void PieChartView::draw(DrawingContext& context) {
    PieRadarChartViewBase::draw(context);
    if (!data()) return;
    if (const std::shared_ptr<DataRenderer>& dataRenderer = renderer()) {
        dataRenderer->drawData(context);
        if (valuesToHighlight()) dataRenderer->drawHighlighted(context, indicesToHighlight());
        dataRenderer->drawExtras(context);
        dataRenderer->drawValues(context);
    }
    legendRenderer()->renderLegend(context);
    drawDescription(context);
    drawMarkers(context);
}

// Appearance

void PieChartView::setHoleColor(std::optional<QColor> color) {
    holeColor_ = std::move(color);
    setNeedsDisplay(bounds());
}

void PieChartView::setDrawSlicesUnderHoleEnabled(bool enabled) {
    drawSlicesUnderHoleEnabled_ = enabled;
    setNeedsDisplay(bounds());
}

void PieChartView::setDrawHoleEnabled(bool enabled) {
    drawHoleEnabled_ = enabled;
    setNeedsDisplay(bounds());
}

std::optional<QString> PieChartView::centerText() const {
    if (!centerAttributedText_) return std::nullopt;
    return centerAttributedText_->string;
}

void PieChartView::setCenterText(const std::optional<QString>& text) {
    if (!text) {
        setCenterAttributedText(std::nullopt);
        return;
    }
    AttributedText attributed;
    attributed.string = *text;
    attributed.attributes.font = systemFont(12);
    attributed.attributes.foregroundColor = labelColor();
    ParagraphStyle paragraph;
    paragraph.lineBreakMode = LineBreakMode::byTruncatingTail;
    paragraph.alignment = TextAlignment::center;
    attributed.attributes.paragraphStyle = paragraph;
    setCenterAttributedText(std::move(attributed));
}

void PieChartView::setCenterAttributedText(std::optional<AttributedText> text) {
    centerAttributedText_ = std::move(text);
    setNeedsDisplay(bounds());
}

void PieChartView::setCenterTextOffset(Point offset) {
    centerTextOffset_ = offset;
    setNeedsDisplay(bounds());
}

void PieChartView::setDrawCenterTextEnabled(bool enabled) {
    drawCenterTextEnabled_ = enabled;
    setNeedsDisplay(bounds());
}

void PieChartView::setHoleRadiusPercent(double percent) {
    holeRadiusPercent_ = percent;
    setNeedsDisplay(bounds());
}

void PieChartView::setTransparentCircleColor(std::optional<QColor> color) {
    transparentCircleColor_ = std::move(color);
    setNeedsDisplay(bounds());
}

void PieChartView::setTransparentCircleRadiusPercent(double percent) {
    transparentCircleRadiusPercent_ = percent;
    setNeedsDisplay(bounds());
}

void PieChartView::setEntryLabelColor(std::optional<QColor> color) {
    entryLabelColor_ = std::move(color);
    setNeedsDisplay(bounds());
}

void PieChartView::setEntryLabelFont(std::optional<QFont> font) {
    entryLabelFont_ = std::move(font);
    setNeedsDisplay(bounds());
}

void PieChartView::setDrawEntryLabelsEnabled(bool enabled) {
    drawEntryLabelsEnabled_ = enabled;
    setNeedsDisplay(bounds());
}

void PieChartView::setUsePercentValuesEnabled(bool enabled) {
    usePercentValuesEnabled_ = enabled;
    setNeedsDisplay(bounds());
}

void PieChartView::setCenterTextRadiusPercent(double percent) {
    centerTextRadiusPercent_ = percent;
    setNeedsDisplay(bounds());
}

void PieChartView::setMaxAngle(double angle) {
    // Written so that NaN keeps the whole circle.
    if (angle > 360 || !(angle == angle)) {
        maxAngle_ = 360;
    } else if (angle < 90) {
        maxAngle_ = 90;
    } else {
        maxAngle_ = angle;
    }
}

} // namespace charts
