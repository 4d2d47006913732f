#pragma once
#include <memory>

#include "Charts/data/ChartDataEntryBase.h"

namespace charts {

// A chart point: the base's value, payload and icon at an x position.
class ChartDataEntry : public ChartDataEntryBase {
public:
    ChartDataEntry() = default;
    ChartDataEntry(double x, double y) : ChartDataEntryBase(y), x_(x) {}
    ChartDataEntry(double x, double y, std::any data);
    ChartDataEntry(double x, double y, QImage icon);
    ChartDataEntry(double x, double y, QImage icon, std::any data);

    virtual double x() const { return x_; }
    virtual void setX(double x) { x_ = x; }

    // A new entry of the same class with x, y and payload (the same payload
    // object); the icon is not copied. Subclasses extend it with their fields.
    virtual std::shared_ptr<ChartDataEntry> copy() const;

    std::string description() const override;

    // Equal to an entry of this class or a subclass with the same x and the
    // same non-NaN y; always equal to itself.
    bool isEqual(const ChartDataEntryBase* other) const override;

protected:
    // A blank entry of this object's own class, for the copy: every subclass
    // overrides it.
    virtual std::shared_ptr<ChartDataEntry> makeBlank() const;

private:
    double x_ = 0;
};

using ChartDataEntryPtr = std::shared_ptr<ChartDataEntry>;

} // namespace charts
