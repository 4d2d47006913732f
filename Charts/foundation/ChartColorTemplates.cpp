#include "Charts/foundation/ChartColorTemplates.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace charts {

namespace {

struct Rgb {
    int r, g, b;
};

std::vector<QColor> palette(std::initializer_list<Rgb> components) {
    std::vector<QColor> colors;
    colors.reserve(components.size());
    for (const Rgb& c : components) colors.push_back(QColor(c.r, c.g, c.b));
    return colors;
}

double unit(double value) { return std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0); }

QColor fromComponents(double red, double green, double blue, double alpha) {
    return QColor::fromRgbF(static_cast<float>(unit(red)), static_cast<float>(unit(green)),
                            static_cast<float>(unit(blue)), static_cast<float>(unit(alpha)));
}

int hexDigit(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
    return -1;
}

QColor hexColor(const std::u32string& digits) {
    int argb[4] = {255, 0, 0, 0};
    std::vector<int> values;
    for (char32_t c : digits) {
        const int v = hexDigit(c);
        if (v < 0) return QColor::fromRgbF(0, 0, 0, 1);
        values.push_back(v);
    }
    switch (values.size()) {
    case 3:
        for (int i = 0; i < 3; ++i) argb[1 + i] = values[static_cast<std::size_t>(i)] * 17;
        break;
    case 6:
    case 8: {
        const std::size_t first = values.size() == 8 ? 0 : 1;
        for (std::size_t i = 0; i < values.size() / 2; ++i) argb[first + i] = values[2 * i] * 16 + values[2 * i + 1];
        break;
    }
    default: break;
    }
    return fromComponents(argb[1] / 255.0, argb[2] / 255.0, argb[3] / 255.0, argb[0] / 255.0);
}

// Reads numbers left to right the way a text scanner does: a failed read
// leaves the position where it was, so every later read fails there too.
class Scanner {
public:
    explicit Scanner(std::string text) : text_(std::move(text)) {}

    void skip(std::string_view characters) {
        while (at_ < text_.size() && characters.find(text_[at_]) != std::string_view::npos) ++at_;
    }

    std::optional<int> integer() {
        skipWhitespace();
        std::size_t end = at_;
        if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
        const std::size_t digits = end;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
        if (end == digits) return std::nullopt;
        // Beyond the int range the scanner pins the value.
        const bool negative = text_[at_] == '-';
        long long value = 0;
        for (std::size_t i = digits; i < end; ++i) {
            value = std::min<long long>(value * 10 + (text_[i] - '0'), 1LL << 40);
        }
        at_ = end;
        value = negative ? -value : value;
        return static_cast<int>(
            std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }

    std::optional<double> decimal() {
        skipWhitespace();
        std::size_t start = at_;
        if (start < text_.size() && text_[start] == '+') ++start;
        // Digits only: "inf" and "nan" are no numbers here.
        const std::size_t first = start < text_.size() && text_[start] == '-' ? start + 1 : start;
        if (first >= text_.size() || !(std::isdigit(static_cast<unsigned char>(text_[first])) || text_[first] == '.')) {
            return std::nullopt;
        }
        double value = 0;
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + text_.size(), value);
        if (error != std::errc() && error != std::errc::result_out_of_range) return std::nullopt;
        if (error == std::errc::result_out_of_range) {
            // Too large a magnitude or too small: the scanner's huge value or 0.
            const std::string_view read(text_.data() + start, static_cast<std::size_t>(end - (text_.data() + start)));
            const bool tiny = read.find("e-") != std::string_view::npos;
            const bool negative = text_[start] == '-';
            value = tiny ? 0.0 : negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
        }
        at_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }

private:
    void skipWhitespace() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    std::string text_;
    std::size_t at_ = 0;
};

constexpr std::string_view openers = "( ";
constexpr std::string_view separators = ", ";

} // namespace

std::vector<QColor> ChartColorTemplates::liberty() {
    return palette({{207, 248, 246}, {148, 212, 212}, {136, 180, 187}, {118, 174, 175}, {42, 109, 130}});
}

std::vector<QColor> ChartColorTemplates::joyful() {
    return palette({{217, 80, 138}, {254, 149, 7}, {254, 247, 120}, {106, 167, 134}, {53, 194, 209}});
}

std::vector<QColor> ChartColorTemplates::pastel() {
    return palette({{64, 89, 128}, {149, 165, 124}, {217, 184, 162}, {191, 134, 134}, {179, 48, 80}});
}

std::vector<QColor> ChartColorTemplates::colorful() {
    return palette({{193, 37, 82}, {255, 102, 0}, {245, 199, 0}, {106, 150, 31}, {179, 100, 53}});
}

std::vector<QColor> ChartColorTemplates::vordiplom() {
    return palette({{192, 255, 140}, {255, 247, 140}, {255, 208, 140}, {140, 234, 255}, {255, 140, 157}});
}

std::vector<QColor> ChartColorTemplates::material() {
    return palette({{46, 204, 113}, {241, 196, 15}, {231, 76, 60}, {52, 152, 219}});
}

QColor ChartColorTemplates::colorFromString(const QString& text) {
    const QString lower = text.toLower();
    if (lower.startsWith(QLatin1Char('#'))) return hexColor(lower.mid(1).toStdU32String());

    // The decimal point is the C locale's whatever the process locale.
    const std::string utf8 = lower.toStdString();
    auto component = [](std::optional<int> v) { return v ? *v / 255.0 : 0.0; };
    if (lower.startsWith(QLatin1String("rgba"))) {
        Scanner scanner(utf8.substr(4));
        scanner.skip(openers);
        const auto r = scanner.integer();
        scanner.skip(separators);
        const auto g = scanner.integer();
        scanner.skip(separators);
        const auto b = scanner.integer();
        scanner.skip(separators);
        const auto a = scanner.decimal();
        return fromComponents(component(r), component(g), component(b), a.value_or(1.0));
    }
    if (lower.startsWith(QLatin1String("argb"))) {
        Scanner scanner(utf8.substr(4));
        scanner.skip(openers);
        const auto a = scanner.decimal();
        scanner.skip(separators);
        const auto r = scanner.integer();
        scanner.skip(separators);
        const auto g = scanner.integer();
        scanner.skip(separators);
        const auto b = scanner.integer();
        return fromComponents(component(r), component(g), component(b), a.value_or(1.0));
    }
    if (lower.startsWith(QLatin1String("rgb"))) {
        Scanner scanner(utf8.substr(3));
        scanner.skip(openers);
        const auto r = scanner.integer();
        scanner.skip(separators);
        const auto g = scanner.integer();
        scanner.skip(separators);
        const auto b = scanner.integer();
        return fromComponents(component(r), component(g), component(b), 1.0);
    }
    return QColor::fromRgbF(0, 0, 0, 0);
}

} // namespace charts
