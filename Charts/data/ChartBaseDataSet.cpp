#include "Charts/data/ChartBaseDataSet.h"

#include <limits>
#include <typeinfo>

#include "Charts/data/ColorCycle.h"
#include "Charts/data/LegendEntries.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/ClassName.h"
#include "Charts/foundation/PlatformStyle.h"
#include "platform/FatalError.h"

namespace charts {

void ChartBaseDataSet::appendLegendEntries(std::vector<LegendEntryPtr>& entries) const {
    appendColorRunLegendEntries(entries, *this);
}

namespace {

[[noreturn]] void notImplemented(const char* operation) {
    std::string message(operation);
    message.append(" is not implemented in ChartBaseDataSet");
    platform::fatalError(message);
}

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

} // namespace

QColor defaultDataSetColor() { return QColor::fromRgbF(140.0f / 255.0f, 234.0f / 255.0f, 1.0f, 1.0f); }

ChartBaseDataSet::ChartBaseDataSet()
    : colors_{defaultDataSetColor()},
      valueColors_{labelColor()},
      valueFont_(systemFont(7.0)),
      formSize_(std::numeric_limits<double>::quiet_NaN()),
      formLineWidth_(std::numeric_limits<double>::quiet_NaN()) {}

ChartBaseDataSet::ChartBaseDataSet(std::optional<QString> label) : ChartBaseDataSet() { label_ = std::move(label); }

void ChartBaseDataSet::notifyDataSetChanged() { calcMinMax(); }
void ChartBaseDataSet::calcMinMax() { notImplemented("calcMinMax"); }
void ChartBaseDataSet::calcMinMaxY(double, double) { notImplemented("calcMinMaxY(fromX:, toX:)"); }
double ChartBaseDataSet::yMin() const { notImplemented("yMin"); }
double ChartBaseDataSet::yMax() const { notImplemented("yMax"); }
double ChartBaseDataSet::xMin() const { notImplemented("xMin"); }
double ChartBaseDataSet::xMax() const { notImplemented("xMax"); }
std::int64_t ChartBaseDataSet::entryCount() const { notImplemented("entryCount"); }
ChartDataEntryPtr ChartBaseDataSet::entryForIndex(std::int64_t) const { notImplemented("entryForIndex"); }
std::span<const ChartDataEntryPtr> ChartBaseDataSet::entriesInOrder() const { notImplemented("entriesInOrder"); }
ChartDataEntryPtr ChartBaseDataSet::entryForXValue(double, double, ChartDataSetRounding) const {
    notImplemented("entryForXValue(x, closestToY, rounding)");
}
ChartDataEntryPtr ChartBaseDataSet::entryForXValue(double, double) const {
    notImplemented("entryForXValue(x, closestToY)");
}
std::vector<ChartDataEntryPtr> ChartBaseDataSet::entriesForXValue(double) const { notImplemented("entriesForXValue"); }
std::int64_t ChartBaseDataSet::entryIndex(double, double, ChartDataSetRounding) const {
    notImplemented("entryIndex(x, closestToY, rounding)");
}
std::int64_t ChartBaseDataSet::entryIndex(const ChartDataEntryPtr&) const { notImplemented("entryIndex(entry)"); }
bool ChartBaseDataSet::addEntry(const ChartDataEntryPtr&) { notImplemented("addEntry"); }
bool ChartBaseDataSet::addEntryOrdered(const ChartDataEntryPtr&) { notImplemented("addEntryOrdered"); }
bool ChartBaseDataSet::removeEntry(const ChartDataEntryPtr&) { notImplemented("removeEntry"); }
bool ChartBaseDataSet::contains(const ChartDataEntryPtr&) const { notImplemented("contains"); }
void ChartBaseDataSet::clear() { notImplemented("clear"); }

bool ChartBaseDataSet::removeEntryAtIndex(std::int64_t index) {
    const auto entry = entryForIndex(index);
    return entry != nullptr && removeEntry(entry);
}

bool ChartBaseDataSet::removeEntryWithX(double xValue) {
    const auto entry = entryForXValue(xValue, std::numeric_limits<double>::quiet_NaN());
    return entry != nullptr && removeEntry(entry);
}

bool ChartBaseDataSet::removeFirst() {
    if (entryCount() <= 0) return false;
    return removeEntryAtIndex(0);
}

bool ChartBaseDataSet::removeLast() {
    if (entryCount() <= 0) return false;
    return removeEntryAtIndex(entryCount() - 1);
}

QColor ChartBaseDataSet::color(std::int64_t index) const {
    return cyclicColor(colors(), index).value_or(defaultDataSetColor());
}

void ChartBaseDataSet::resetColors() { setColors(std::vector<QColor>{}); }

void ChartBaseDataSet::addColor(const QColor& color) {
    auto list = colors();
    list.push_back(color);
    setColors(std::move(list));
}

void ChartBaseDataSet::setColor(const QColor& color) { setColors(std::vector<QColor>{color}); }

void ChartBaseDataSet::setColor(const QColor& color, double alpha) { setColor(withAlpha(color, alpha)); }

void ChartBaseDataSet::setColors(const std::vector<QColor>& colors, double alpha) {
    std::vector<QColor> list;
    list.reserve(colors.size());
    for (const auto& color : colors) list.push_back(withAlpha(color, alpha));
    setColors(std::move(list));
}

std::shared_ptr<IValueFormatter> ChartBaseDataSet::valueFormatter() const {
    if (valueFormatter_ != nullptr) return valueFormatter_;
    return ChartUtils::defaultValueFormatter();
}

void ChartBaseDataSet::setValueFormatter(std::shared_ptr<IValueFormatter> formatter) {
    if (formatter == nullptr) return;
    valueFormatter_ = std::move(formatter);
}

QColor ChartBaseDataSet::valueTextColor() const { return cyclicColor(valueColors(), 0).value_or(labelColor()); }

void ChartBaseDataSet::setValueTextColor(const QColor& color) { setValueColors({color}); }

QColor ChartBaseDataSet::valueTextColorAt(std::int64_t index) const {
    return cyclicColor(valueColors(), index).value_or(labelColor());
}

std::shared_ptr<ChartBaseDataSet> ChartBaseDataSet::makeBlank() const { return std::make_shared<ChartBaseDataSet>(); }

std::shared_ptr<ChartBaseDataSet> ChartBaseDataSet::copy() const {
    auto target = makeBlank();
    // A subclass that forgot makeBlank() would have its fields copied onto
    // an object of another class.
    if (target == nullptr || typeid(*target) != typeid(*this)) {
        std::string message = moduleQualifiedClassName(typeid(*this));
        message.append(" does not override makeBlank(), so it cannot be copied");
        platform::fatalError(message);
    }
    copyInto(*target);
    return target;
}

void ChartBaseDataSet::copyInto(ChartBaseDataSet& target) const {
    target.setColors(colors());
    target.setValueColors(valueColors());
    target.setLabel(label());
    target.setAxisDependency(axisDependency());
    target.setHighlightEnabled(highlightEnabled());
    target.valueFormatter_ = valueFormatter_;
    target.setValueFont(valueFont());
    target.setForm(form());
    target.setFormSize(formSize());
    target.setFormLineWidth(formLineWidth());
    target.setFormLineDashPhase(formLineDashPhase());
    target.setFormLineDashLengths(formLineDashLengths());
    target.setDrawValuesEnabled(drawValuesEnabled());
    target.setDrawIconsEnabled(drawIconsEnabled());
    target.setIconsOffset(iconsOffset());
    target.setVisible(visible());
}

std::string ChartBaseDataSet::description() const {
    std::string text = moduleQualifiedClassName(typeid(*this));
    text.append(", label: ").append(label().value_or(QString()).toStdString());
    text.append(", ").append(std::to_string(entryCount())).append(" entries");
    return text;
}

std::string ChartBaseDataSet::debugDescription() const {
    std::string text = description();
    text.push_back(':');
    for (std::int64_t index = 0; index < entryCount(); ++index) {
        const auto entry = entryForIndex(index);
        text.push_back('\n');
        if (entry) text.append(entry->description());
    }
    return text;
}

} // namespace charts
