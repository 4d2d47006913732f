#pragma once

namespace charts {

// Tells a line renderer at which y the filled area of a data set ends. Line
// data sets hold one; only the renderers ask it.
class IFillFormatter {
public:
    virtual ~IFillFormatter() = default;

protected:
    IFillFormatter() = default;
    IFillFormatter(const IFillFormatter&) = default;
    IFillFormatter& operator=(const IFillFormatter&) = default;
};

// The standard fill formatter; made without a custom block.
class DefaultFillFormatter : public IFillFormatter {
public:
    DefaultFillFormatter() = default;
};

} // namespace charts
