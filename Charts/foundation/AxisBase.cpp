#include "Charts/foundation/AxisBase.h"

#include <algorithm>
#include <cmath>

#include <QTextBoundaryFinder>

#include "Charts/drawing/NamedColors.h"
#include "Charts/foundation/PlatformStyle.h"

namespace charts {

namespace {

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
      axisLineColor_(named::gray()),
      gridColor_(named::white(0.5, 0.9)) {}

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

void AxisBase::storeRange(double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !std::isfinite(std::fabs(maximum - minimum))) {
        // No range from the data (empty data reports the largest doubles as
        // its bounds, which the spaces push past them): the bounds taken from
        // the data become 0, so the axis shows no labels rather than those of
        // the data it showed before. Custom bounds are finite and stay.
        if (!customAxisMin_ || !std::isfinite(minimum)) minimum = 0;
        if (!customAxisMax_ || !std::isfinite(maximum)) maximum = 0;
    }
    axisMinimum_ = minimum;
    axisMaximum_ = maximum;
    axisRange_ = std::fabs(maximum - minimum);
}

void AxisBase::calculate(double dataMin, double dataMax) {
    double minimum = customAxisMin_ ? axisMinimum_ : dataMin - spaceMin_;
    double maximum = customAxisMax_ ? axisMaximum_ : dataMax + spaceMax_;
    if (maximum - minimum == 0) {
        maximum = maximum + 1;
        minimum = minimum - 1;
    }
    storeRange(minimum, maximum);
}

} // namespace charts
