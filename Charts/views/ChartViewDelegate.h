#pragma once
#include <memory>

#include "Charts/foundation/Highlight.h"

namespace charts {

class Animator;
class ChartDataEntry;
class ChartViewBase;

// What a chart view tells the object that follows it. Every member is
// optional: the defaults do nothing, so a delegate overrides what it wants.
class ChartViewDelegate {
public:
    virtual ~ChartViewDelegate() = default;

    virtual void chartValueSelected(ChartViewBase& /*chart*/, const std::shared_ptr<ChartDataEntry>& /*entry*/,
                                    const Highlight& /*highlight*/) {}
    virtual void chartViewDidEndPanning(ChartViewBase& /*chart*/) {}
    virtual void chartValueNothingSelected(ChartViewBase& /*chart*/) {}
    virtual void chartScaled(ChartViewBase& /*chart*/, double /*scaleX*/, double /*scaleY*/) {}
    virtual void chartTranslated(ChartViewBase& /*chart*/, double /*dX*/, double /*dY*/) {}
    virtual void chartViewAnimatorDidStop(ChartViewBase& /*chart*/, Animator& /*animator*/) {}

protected:
    ChartViewDelegate() = default;
    ChartViewDelegate(const ChartViewDelegate&) = default;
    ChartViewDelegate& operator=(const ChartViewDelegate&) = default;
};

} // namespace charts
