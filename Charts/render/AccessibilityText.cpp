#include "Charts/render/AccessibilityText.h"

#include <QStringList>

namespace charts {

QString accessibleHeaderLabel(const QString& description, const std::vector<std::optional<QString>>& dataSetLabels) {
    QStringList labels;
    for (const std::optional<QString>& label : dataSetLabels) labels.append(label.value_or(QString()));
    const auto count = dataSetLabels.size();
    return description + QStringLiteral(". ") + QString::number(count) + QStringLiteral(" dataset") +
           (count == 1 ? QString() : QStringLiteral("s")) + QStringLiteral(". ") + labels.join(QStringLiteral(", "));
}

QString accessiblePointLabel(const std::optional<QString>& dataSetLabel, int dataSetCount, const QString& xText,
                             const QString& valueText) {
    const QString prefix = dataSetCount >= 2 ? dataSetLabel.value_or(QString()) + QStringLiteral(", ") : QString();
    return prefix + QStringLiteral(" ") + xText + QStringLiteral(": ") + valueText;
}

} // namespace charts
