#pragma once
#include <cmath>
#include <limits>

#include "Charts/foundation/YAxis.h"

namespace charts {

// One selected value: which data set, which x and y, and where it lies on
// screen. Unset positions are NaN, unset indexes -1.
class Highlight {
public:
    Highlight() = default;
    Highlight(double x, double y, int dataSetIndex) : x_(x), y_(y), dataSetIndex_(dataSetIndex) {}
    virtual ~Highlight() = default;

    double x() const { return x_; }
    double y() const { return y_; }
    double xPx() const { return xPx_; }
    double yPx() const { return yPx_; }
    int dataIndex() const { return dataIndex_; }
    void setDataIndex(int index) { dataIndex_ = index; }
    int dataSetIndex() const { return dataSetIndex_; }
    int stackIndex() const { return stackIndex_; }
    YAxis::AxisDependency axis() const { return axis_; }
    double drawX() const { return drawX_; }
    double drawY() const { return drawY_; }

protected:
    double x_ = std::numeric_limits<double>::quiet_NaN();
    double y_ = std::numeric_limits<double>::quiet_NaN();
    double xPx_ = std::numeric_limits<double>::quiet_NaN();
    double yPx_ = std::numeric_limits<double>::quiet_NaN();
    int dataIndex_ = -1;
    int dataSetIndex_ = 0;
    int stackIndex_ = -1;
    YAxis::AxisDependency axis_ = YAxis::AxisDependency::left;
    double drawX_ = 0;
    double drawY_ = 0;
};

} // namespace charts
