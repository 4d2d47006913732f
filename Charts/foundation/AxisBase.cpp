#include "Charts/foundation/AxisBase.h"

#include <algorithm>
#include <cmath>

#include <QTextBoundaryFinder>

#include "Charts/foundation/PlatformStyle.h"

namespace charts {

namespace {

QColor gray(double alpha = 1.0) { return QColor::fromRgbF(0.5, 0.5, 0.5, alpha); }

// User-perceived characters: "e" with a combining accent, or a flag made of
// two regional indicators, count once.
std::int64_t graphemeCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    std::int64_t count = 0;
    while (finder.toNextBoundary() != -1) ++count;
    return count;
}

} // namespace

AxisBase::AxisBase()
    : labelFont_(systemFont(10)),
      labelTextColor_(labelColor()),
      axisLineColor_(gray()),
      gridColor_(gray(0.9)) {}

void AxisBase::setLabelCount(std::int64_t count) {
    if (count > axisMaxLabels_) {
        labelCount_ = axisMaxLabels_;
    } else if (count < axisMinLabels_) {
        labelCount_ = axisMinLabels_;
    } else {
        labelCount_ = count;
    }
    forceLabelsEnabled_ = false;
}

void AxisBase::setLabelCount(std::int64_t count, bool force) {
    setLabelCount(count);
    forceLabelsEnabled_ = force;
}

void AxisBase::setAxisMinimum(double value) {
    if (!std::isfinite(value)) return;
    customAxisMin_ = true;
    axisMinimum_ = value;
    axisRange_ = std::fabs(axisMaximum_ - value);
}

void AxisBase::setAxisMaximum(double value) {
    if (!std::isfinite(value)) return;
    customAxisMax_ = true;
    axisMaximum_ = value;
    axisRange_ = std::fabs(value - axisMinimum_);
}

void AxisBase::addLimitLine(ChartLimitLinePtr line) { limitLines_.push_back(std::move(line)); }

void AxisBase::removeLimitLine(const ChartLimitLinePtr& line) {
    const auto found = std::find(limitLines_.begin(), limitLines_.end(), line);
    if (found != limitLines_.end()) limitLines_.erase(found);
}

std::shared_ptr<IAxisValueFormatter> AxisBase::valueFormatter() {
    if (!axisValueFormatter_) {
        axisValueFormatter_ = std::make_shared<DefaultAxisValueFormatter>(decimals_);
    } else if (auto* standard = dynamic_cast<DefaultAxisValueFormatter*>(axisValueFormatter_.get());
               standard != nullptr && standard->hasAutoDecimals() && standard->decimals() != decimals_) {
        standard->setDecimals(decimals_);
    }
    return axisValueFormatter_;
}

void AxisBase::setValueFormatter(std::shared_ptr<IAxisValueFormatter> formatter) {
    axisValueFormatter_ = formatter ? std::move(formatter) : std::make_shared<DefaultAxisValueFormatter>(decimals_);
}

QString AxisBase::getLongestLabel() {
    QString longest;
    std::int64_t longestLength = 0;
    for (std::int64_t i = 0; i < entryCount(); ++i) {
        QString text = getFormattedLabel(i);
        const std::int64_t length = graphemeCount(text);
        if (length > longestLength) {
            longest = std::move(text);
            longestLength = length;
        }
    }
    return longest;
}

QString AxisBase::getFormattedLabel(std::int64_t index) {
    if (index < 0 || index >= entryCount()) return QString();
    return valueFormatter()->stringForValue(entries_[static_cast<std::size_t>(index)], this);
}

bool AxisBase::storeRange(double minimum, double maximum, double range) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !std::isfinite(range)) return false;
    axisMinimum_ = minimum;
    axisMaximum_ = maximum;
    axisRange_ = range;
    return true;
}

void AxisBase::calculate(double dataMin, double dataMax) {
    double minimum = customAxisMin_ ? axisMinimum_ : dataMin - spaceMin_;
    double maximum = customAxisMax_ ? axisMaximum_ : dataMax + spaceMax_;
    if (maximum - minimum == 0) {
        maximum = maximum + 1;
        minimum = minimum - 1;
    }
    storeRange(minimum, maximum, std::fabs(maximum - minimum));
}

} // namespace charts
