#include "Charts/types/pie/PieAccessibility.h"

namespace charts {

QString pieHeaderLabel(const QString& title, std::int64_t entryCount, const std::optional<QString>& prefix) {
    return title + QStringLiteral(". ") + QString::number(entryCount) + QStringLiteral(" ") +
           prefix.value_or(QStringLiteral("Element")) + (entryCount == 1 ? QString() : QStringLiteral("s"));
}

QString pieSliceLabel(const QString& description, const QString& formattedValue, const std::optional<QString>& suffix,
                      bool suffixIsCount, double value) {
    QString ending = suffix.value_or(QString());
    if (suffixIsCount && value != 1) ending += QStringLiteral("s");
    return description + QStringLiteral(" : ") + formattedValue + QStringLiteral(" ") + ending;
}

} // namespace charts
