#include "app/ui/widgets/FieldText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace appui {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the decimal number at the start of `s`: sign, digits, point,
// digits and an exponent only when digits follow its sign.
std::size_t numberPrefixLength(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

double fieldDoubleValue(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    const std::size_t length = numberPrefixLength(s);
    if (length == 0) return 0;
    // from_chars takes no leading '+'.
    const std::size_t start = s[0] == '+' ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(s.data() + start, s.data() + length, value);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

std::optional<double> wholeNumber(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty() || numberPrefixLength(s) != s.size()) return std::nullopt;
    const std::size_t start = s[0] == '+' ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(s.data() + start, s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString twoDecimals(double value) { return QString::asprintf("%.2f", value); }

} // namespace appui
