#include "Charts/types/radar/RadarGeometry.h"

#include <algorithm>

#include "platform/NumberText.h"

namespace charts {

std::int64_t radarIndexForAngle(double angle, double rotationAngle, std::int64_t spokeCount, double sliceAngle) {
    if (spokeCount <= 0) return 0;
    const double a = normalizedAngle(angle - rotationAngle);
    for (std::int64_t i = 0; i < spokeCount; ++i) {
        const double edge = static_cast<double>(i + 1) * sliceAngle - sliceAngle / 2;
        if (edge > a) return i;
    }
    return spokeCount;
}

std::vector<RadarSpokeValue> radarSpokesByValue(const std::vector<double>& values,
                                                const std::vector<QString>& xLabels) {
    std::vector<RadarSpokeValue> spokes;
    const std::size_t count = std::min(values.size(), xLabels.size());
    spokes.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        spokes.push_back(RadarSpokeValue{xLabels[i], values[i], static_cast<std::int64_t>(i)});
    std::stable_sort(spokes.begin(), spokes.end(),
                     [](const RadarSpokeValue& a, const RadarSpokeValue& b) { return a.value > b.value; });
    return spokes;
}

QString radarSetHeaderLabel(const QString& label, std::int64_t entryCount, const std::optional<QString>& prefix) {
    return label + QStringLiteral(". ") + QString::number(entryCount) + QStringLiteral(" ") +
           prefix.value_or(QStringLiteral("Item")) + (entryCount == 1 ? QString() : QStringLiteral("s")) +
           QStringLiteral(". ");
}

QString radarPointLabel(const QString& setLabel, const QString& xLabel, double value,
                        const std::optional<QString>& suffix) {
    return setLabel + QStringLiteral(" - ") + xLabel + QStringLiteral(": ") +
           QString::fromStdString(platform::shortestDecimalText(value)) + QStringLiteral(" ") +
           suffix.value_or(QString());
}

} // namespace charts
