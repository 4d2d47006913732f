#include "Charts/render/AxisRendererBase.h"

#include <cmath>
#include <tuple>

#include "Charts/render/AxisValues.h"
#include "platform/FatalError.h"

namespace charts {

namespace {

[[noreturn]] void abstractOperation(const char* operation) {
    platform::fatalError(std::string(operation) + " cannot be called on AxisRendererBase");
}

} // namespace

AxisRendererBase::AxisRendererBase(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                   std::shared_ptr<Transformer> transformer, std::shared_ptr<AxisBase> axis)
    : Renderer(std::move(viewPortHandler)),
      axis_(std::move(axis)),
      transformer_(std::move(transformer)) {}

void AxisRendererBase::renderAxisLabels(DrawingContext&) { abstractOperation("renderAxisLabels()"); }
void AxisRendererBase::renderGridLines(DrawingContext&) { abstractOperation("renderGridLines()"); }
void AxisRendererBase::renderAxisLine(DrawingContext&) { abstractOperation("renderAxisLine()"); }
void AxisRendererBase::renderLimitLines(DrawingContext&) { abstractOperation("renderLimitLines()"); }

void AxisRendererBase::computeAxis(double min, double max, bool inverted) {
    const ViewPortHandler& port = *viewPortHandler();
    if (port.contentWidth() > 10 && !port.isFullyZoomedOutY()) {
        if (const auto span = visibleSpan(ContentSpan::upward, inverted)) std::tie(min, max) = *span;
    }
    computeAxisValues(min, max);
}

std::optional<std::pair<double, double>> AxisRendererBase::visibleSpan(ContentSpan span, bool inverted) const {
    const ViewPortHandler& port = *viewPortHandler();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!trans) return std::nullopt;
    double low = 0;
    double high = 0;
    if (span == ContentSpan::upward) {
        low = trans->valueForTouchPoint(port.contentLeft(), port.contentBottom()).y;
        high = trans->valueForTouchPoint(port.contentLeft(), port.contentTop()).y;
    } else {
        low = trans->valueForTouchPoint(port.contentLeft(), port.contentTop()).x;
        high = trans->valueForTouchPoint(port.contentRight(), port.contentTop()).x;
    }
    if (!std::isfinite(low) || !std::isfinite(high)) return std::nullopt;
    return inverted ? std::pair{high, low} : std::pair{low, high};
}

void AxisRendererBase::computeAxisValues(double min, double max) {
    const std::shared_ptr<AxisBase> target = axis();
    if (!target) return;
    AxisBase& model = *target;

    const double yMin = min;
    const double yMax = max;
    const std::int64_t labelCount = model.labelCount();
    const double range = std::fabs(yMax - yMin);

    if (labelCount == 0 || range == 0 || !std::isfinite(range)) {
        model.entries().clear();
        model.centeredEntries().clear();
        return;
    }

    double interval = axisLabelInterval(range, labelCount, model.granularityEnabled(), model.granularity());
    // Centring as the axis asks it before its entries are rebuilt.
    const bool centering = model.centerAxisLabelsEnabled();

    std::int64_t count = 0;
    if (model.isForceLabelsEnabled()) {
        interval = fillForcedAxisEntries(model.entries(), yMin, range, labelCount);
        count = labelCount;
    } else {
        if (!std::isfinite(interval)) {
            model.entries().clear();
            model.centeredEntries().clear();
            return;
        }
        const AxisStride stride = axisStride(yMin, yMax, interval, centering);
        count = stride.count;
        fillAxisEntries(model.entries(), stride.first, interval, count, labelCount);
    }

    model.setDecimals(axisLabelDecimals(interval));

    // Asked again now that the entries exist: an axis that held none before
    // this call still gets its centred entries.
    if (model.centerAxisLabelsEnabled()) {
        std::vector<double>& centered = model.centeredEntries();
        centered.clear();
        centered.reserve(static_cast<std::size_t>(count));
        const std::vector<double>& entries = model.entries();
        for (std::int64_t i = 0; i < count && i < static_cast<std::int64_t>(entries.size()); ++i)
            centered.push_back(entries[static_cast<std::size_t>(i)] + interval / 2);
    }
}

} // namespace charts
