#include "Charts/foundation/NumberFormatter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace charts {

namespace {

// The value's shortest round-trip digits and the position of the decimal
// point among them: value = 0.d1d2d3... x 10^point.
struct DecimalDigits {
    std::string digits;
    int point = 0;
};

DecimalDigits shortestDigits(double magnitude) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    DecimalDigits out;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') out.digits += text[i];
    out.point = std::atoi(text.c_str() + e + 1) + 1;
    return out;
}

// Keeps `point + fractionDigits` leading digits, rounding half to even on the
// digits themselves (not on the binary value).
void roundHalfEven(DecimalDigits& d, int fractionDigits) {
    const long keep = static_cast<long>(d.point) + fractionDigits;
    const long length = static_cast<long>(d.digits.size());
    if (keep >= length) return;
    if (keep < 0) {
        // Below half a unit of the last kept place.
        d.digits = "0";
        d.point = 1;
        return;
    }
    const std::size_t k = static_cast<std::size_t>(keep);
    const char rounding = d.digits[k];
    const bool restNonZero = d.digits.find_first_not_of('0', k + 1) != std::string::npos;
    const bool lastOdd = k > 0 && (d.digits[k - 1] - '0') % 2 == 1;
    d.digits.resize(k);
    const bool up = rounding > '5' || (rounding == '5' && (restNonZero || lastOdd));
    if (!up) {
        if (d.digits.empty()) {
            d.digits = "0";
            d.point = 1;
        }
        return;
    }
    long i = static_cast<long>(k) - 1;
    for (; i >= 0; --i) {
        char& digit = d.digits[static_cast<std::size_t>(i)];
        if (digit == '9') {
            digit = '0';
        } else {
            ++digit;
            break;
        }
    }
    if (i < 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.point;
    }
}

std::string grouped(const std::string& integer) {
    std::string out;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += integer[i];
    }
    return out;
}

} // namespace

void NumberFormatter::setMinimumFractionDigits(int count) {
    if (count < 0) return;
    minimumFractionDigits_ = std::min(count, maximumDigitCount);
}

void NumberFormatter::setMaximumFractionDigits(int count) {
    if (count < 0) return;
    maximumFractionDigits_ = std::min(count, maximumDigitCount);
}

QString NumberFormatter::string(double value) const {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QString::fromUtf8("+\u221e") : QString::fromUtf8("-\u221e");

    const int minimum = minimumFractionDigits_;
    const int maximum = std::max(maximumFractionDigits_, minimum);
    DecimalDigits d = shortestDigits(std::fabs(value));
    roundHalfEven(d, maximum);

    std::string integer;
    std::string fraction;
    const long length = static_cast<long>(d.digits.size());
    if (d.point <= 0) {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    } else if (d.point >= length) {
        integer = d.digits + std::string(static_cast<std::size_t>(d.point - length), '0');
    } else {
        integer = d.digits.substr(0, static_cast<std::size_t>(d.point));
        fraction = d.digits.substr(static_cast<std::size_t>(d.point));
    }
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    while (fraction.size() > static_cast<std::size_t>(minimum) && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (fraction.size() < static_cast<std::size_t>(minimum))
        fraction.append(static_cast<std::size_t>(minimum) - fraction.size(), '0');

    const bool zero =
        integer.find_first_not_of('0') == std::string::npos && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (std::signbit(value) && !zero) ? "-" : "";
    text += usesGroupingSeparator_ ? grouped(integer) : integer;
    if (!fraction.empty()) text += "." + fraction;
    return QString::fromStdString(text);
}

} // namespace charts
