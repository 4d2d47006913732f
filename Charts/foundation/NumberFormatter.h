#pragma once
#include <QString>

namespace charts {

// Turns numbers into label text the same way whatever the process locale:
// the shortest decimal digits that read back as the value, rounded half to
// even at the maximum number of fraction digits, padded with zeros to the
// minimum, "," between groups of three integer digits when grouping is on,
// "." before the fraction. A new formatter shows whole numbers without
// grouping (both digit counts 0).
//
// Shared by reference: a formatter given to several axes changes for all of
// them when one of them sets its digits.
class NumberFormatter {
public:
    // Beyond this a double's shortest digits are only zeros; larger counts
    // are kept at this one so a wild count cannot make a huge text.
    static constexpr int maximumDigitCount = 340;

    NumberFormatter() = default;
    virtual ~NumberFormatter() = default;
    NumberFormatter(const NumberFormatter&) = default;
    NumberFormatter& operator=(const NumberFormatter&) = default;

    int minimumFractionDigits() const { return minimumFractionDigits_; }
    int maximumFractionDigits() const { return maximumFractionDigits_; }
    bool usesGroupingSeparator() const { return usesGroupingSeparator_; }
    // Negative counts are refused (the count stays as it was), so no label
    // is ever made from a negative number of digits.
    void setMinimumFractionDigits(int count);
    void setMaximumFractionDigits(int count);
    void setUsesGroupingSeparator(bool uses) { usesGroupingSeparator_ = uses; }

    // NaN reads "NaN", infinities "+∞" and "-∞"; a value that rounds to zero
    // carries no sign.
    virtual QString string(double value) const;

private:
    int minimumFractionDigits_ = 0;
    int maximumFractionDigits_ = 0;
    bool usesGroupingSeparator_ = false;
};

} // namespace charts
