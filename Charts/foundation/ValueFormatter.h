#pragma once
#include <optional>

namespace charts {

// Turns the values drawn beside data points into text. Data sets and chart
// data only store and hand out formatters; the renderers call them.
class IValueFormatter {
public:
    virtual ~IValueFormatter() = default;

protected:
    IValueFormatter() = default;
    IValueFormatter(const IValueFormatter&) = default;
    IValueFormatter& operator=(const IValueFormatter&) = default;
};

// The standard value formatter: a fixed number of decimals.
class DefaultValueFormatter : public IValueFormatter {
public:
    DefaultValueFormatter() : hasAutoDecimals_(true) {}
    explicit DefaultValueFormatter(int decimals) : hasAutoDecimals_(true), decimals_(decimals) {}

    // Whether the owner may adjust the decimals to its data.
    bool hasAutoDecimals() const { return hasAutoDecimals_; }
    void setHasAutoDecimals(bool value) { hasAutoDecimals_ = value; }

    std::optional<int> decimals() const { return decimals_; }
    void setDecimals(std::optional<int> decimals) { decimals_ = decimals; }

private:
    bool hasAutoDecimals_ = false;
    std::optional<int> decimals_;
};

} // namespace charts
