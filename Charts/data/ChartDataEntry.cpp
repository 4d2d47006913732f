#include "Charts/data/ChartDataEntry.h"

#include <cmath>
#include <typeinfo>

#include "Charts/foundation/ClassName.h"
#include "platform/FatalError.h"
#include "platform/NumberText.h"

namespace charts {

ChartDataEntry::ChartDataEntry(double x, double y, std::any data) : ChartDataEntry(x, y) { setData(std::move(data)); }

ChartDataEntry::ChartDataEntry(double x, double y, QImage icon) : ChartDataEntry(x, y) { setIcon(std::move(icon)); }

ChartDataEntry::ChartDataEntry(double x, double y, QImage icon, std::any data) : ChartDataEntry(x, y) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

std::shared_ptr<ChartDataEntry> ChartDataEntry::makeBlank() const { return std::make_shared<ChartDataEntry>(); }

std::shared_ptr<ChartDataEntry> ChartDataEntry::copy() const {
    auto entry = makeBlank();
    // A subclass that forgot makeBlank() would get a plain entry back, and its
    // own copy would then treat that entry as one of its class.
    if (entry == nullptr || typeid(*entry) != typeid(*this)) {
        std::string message = moduleQualifiedClassName(typeid(*this));
        message.append(" does not override makeBlank(), so it cannot be copied");
        platform::fatalError(message);
    }
    entry->setX(x());
    entry->setY(y());
    entry->setData(data());
    return entry;
}

std::string ChartDataEntry::description() const {
    return "ChartDataEntry, x: " + platform::shortestDecimalText(x()) + ", y " + platform::shortestDecimalText(y());
}

bool ChartDataEntry::isEqual(const ChartDataEntryBase* other) const {
    const auto* entry = dynamic_cast<const ChartDataEntry*>(other);
    if (entry == nullptr) return false;
    if (entry == this) return true;
    if (entry->y() != y() || std::isnan(entry->y()) || std::isnan(y())) return false;
    return entry->x() == x();
}

} // namespace charts
