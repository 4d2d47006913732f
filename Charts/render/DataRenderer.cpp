#include "Charts/render/DataRenderer.h"

#include <cmath>
#include <cstdint>

#include "Charts/data/ChartData.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/render/AccessibilityText.h"
#include "Charts/render/AccessibleChart.h"
#include "platform/FatalError.h"

namespace charts {

namespace {

[[noreturn]] void abstractOperation(const char* operation) {
    platform::fatalError(std::string(operation) + " cannot be called on DataRenderer");
}

} // namespace

DataRenderer::DataRenderer(std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler)
    : Renderer(std::move(viewPortHandler)),
      animator_(std::move(animator)) {
    if (!animator_) platform::fatalError("A data renderer needs an animator");
}

void DataRenderer::drawData(DrawingContext&) { abstractOperation("drawData()"); }
void DataRenderer::drawValues(DrawingContext&) { abstractOperation("drawValues()"); }
void DataRenderer::drawExtras(DrawingContext&) { abstractOperation("drawExtras()"); }
void DataRenderer::drawHighlighted(DrawingContext&, const std::vector<HighlightPtr>&) {
    abstractOperation("drawHighlighted()");
}

void DataRenderer::beginFrame(const CartesianFrame&) {}
void DataRenderer::endFrame() {}

void DataRenderer::initBuffers() {}

bool DataRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const {
    return isDrawingValuesAllowedAtScale(dataProvider, viewPortHandler()->scaleX());
}

bool DataRenderer::isDrawingValuesAllowedAtScale(const ChartDataProvider* dataProvider, double zoomScale) const {
    if (!dataProvider) return false;
    const std::shared_ptr<ChartData> data = dataProvider->data();
    if (!data) return false;
    const double limit = static_cast<double>(dataProvider->maxVisibleCount()) * zoomScale;
    // Truncated toward zero; a limit past the 64-bit integers (an extreme
    // zoom) allows every count, one that is not a number allows none.
    if (std::isnan(limit)) return false;
    constexpr double integerLimit = 9223372036854775808.0; // 2^63
    if (limit >= integerLimit) return true;
    if (limit < -integerLimit) return false;
    return data->entryCount() < static_cast<std::int64_t>(limit);
}

AccessibilityElementPtr DataRenderer::createAccessibleHeader(const AccessibleChart& chart, const ChartData& data,
                                                             const QString& defaultDescription) const {
    const QString description = chart.chartDescriptionText().value_or(defaultDescription);
    std::vector<std::optional<QString>> labels;
    labels.reserve(data.dataSets().size());
    for (const IChartDataSetPtr& set : data.dataSets()) labels.push_back(set ? set->label() : std::nullopt);

    auto element = std::make_shared<AccessibilityElement>(chart.accessibilityContainer());
    element->setLabel(accessibleHeaderLabel(description, labels));
    element->setFrame(chart.bounds());
    element->setHeader(true);
    return element;
}

} // namespace charts
