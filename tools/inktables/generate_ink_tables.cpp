// Writes the built-in ink tables, one table a line ("name,v0,v1,..."), from the
// characteristics that every table must have:
//
//   generate_ink_tables tests/inks/data/ink_table_characteristics.txt > app/inks/ink_tables.txt
//
// A curve table is built as a smooth printable curve: a rising curve eases in
// from its first non-zero entry to its maximum at entry 255; a hump rises to its
// maximum with a flat top and falls with an S-shaped descent to its value at
// entry 255. Values are rounded to whole units (or hundredths for the tables
// with fractional values) and then pinned so that the first non-zero entry, the
// maximum, its place and the last value are exactly the stated ones. A table
// with a stated reversal bound gets one smooth local wobble whose largest step
// against the curve's direction is exactly that bound.
//
// A Lab table is a shape-preserving cubic through its entries 0, 10 and 20 and,
// for a* and b*, through the ends of their ranges placed where a smooth curve
// through the three entries would reach them; the cubic never overshoots its
// points, so the ranges are met exactly and L* never rises.
//
// Every generated table is checked against its characteristics before it is
// written; any mismatch stops the generator with a message.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kLast = 255;
constexpr int kLabEntries = 21;

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "generate_ink_tables: " << message << '\n';
    std::exit(1);
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> fields;
    std::size_t begin = 0;
    while (true) {
        const std::size_t end = text.find(separator, begin);
        fields.push_back(trim(text.substr(begin, end == std::string_view::npos ? end : end - begin)));
        if (end == std::string_view::npos) break;
        begin = end + 1;
    }
    return fields;
}

int toInt(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) fail("not a whole number: " + text);
    return value;
}

// A decimal text as a whole number of 10^-decimals units, exactly.
std::int64_t toUnits(const std::string& text, int decimals) {
    std::string digits;
    int fractionDigits = -1;
    bool negative = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 0 && c == '-')
            negative = true;
        else if (c == '.' && fractionDigits < 0)
            fractionDigits = 0;
        else if (c >= '0' && c <= '9') {
            digits += c;
            if (fractionDigits >= 0) ++fractionDigits;
        } else
            fail("not a decimal number: " + text);
    }
    fractionDigits = std::max(fractionDigits, 0);
    if (digits.empty() || fractionDigits > decimals) fail("too many decimals for the table: " + text);
    digits.append(static_cast<std::size_t>(decimals - fractionDigits), '0');
    const std::int64_t magnitude = std::stoll(digits);
    return negative ? -magnitude : magnitude;
}

int decimalsOf(const std::string& text) {
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

double toDouble(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) fail("not a number: " + text);
    return value;
}

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// ---------------------------------------------------------------- characteristics

struct CurveTraits {
    std::string name;
    int firstNonZero = 0;
    std::string maximum;
    int maximumAt = 0;
    std::string last;
    bool hump = false;
    std::optional<std::string> reversalBound;
    std::vector<int> negativeAt;
    bool fractional = false;
};

struct LabTraits {
    std::string name;
    std::array<std::array<std::string, 3>, 3> entries; // entries 0, 10, 20 as L*, a*, b*
    std::array<std::string, 2> aRange;
    std::array<std::string, 2> bRange;
};

// "rising", "hump, reversals up to 0.81; negative at entries 24, 38", ...
void parseShape(const std::string& shape, CurveTraits& traits) {
    const auto parts = split(shape, ';');
    const auto head = split(parts[0], ',');
    if (head[0] == "hump")
        traits.hump = true;
    else if (head[0] != "rising")
        fail(traits.name + ": unknown shape " + shape);
    constexpr std::string_view reversals = "reversals up to ";
    if (head.size() > 1) {
        if (!head[1].starts_with(reversals)) fail(traits.name + ": unknown shape " + shape);
        traits.reversalBound = head[1].substr(reversals.size());
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        std::string rest = parts[i];
        for (std::string_view prefix : {"negative at entries ", "negative at entry "})
            if (rest.starts_with(prefix)) rest = rest.substr(prefix.size());
        for (const auto& entry : split(rest, ',')) traits.negativeAt.push_back(toInt(entry));
    }
}

void readCharacteristics(const std::string& path, std::vector<CurveTraits>& curves, std::vector<LabTraits>& labs) {
    std::ifstream in(path);
    if (!in) fail("cannot read " + path);
    std::string line;
    while (std::getline(in, line)) {
        if (trim(line).empty() || line[0] == '#') continue;
        const auto fields = split(line, '|');
        if (fields[0] == "curve" && fields.size() == 8) {
            CurveTraits traits;
            traits.name = fields[1];
            traits.firstNonZero = toInt(fields[2]);
            traits.maximum = fields[3];
            traits.maximumAt = toInt(fields[4]);
            traits.last = fields[5];
            parseShape(fields[6], traits);
            traits.fractional = fields[7] == "yes";
            curves.push_back(traits);
        } else if (fields[0] == "lab" && fields.size() == 7) {
            LabTraits traits;
            traits.name = fields[1];
            for (int e = 0; e < 3; ++e) {
                const auto lab = split(fields[2 + static_cast<std::size_t>(e)], ',');
                if (lab.size() != 3) fail(traits.name + ": entry needs L*, a*, b*");
                for (int c = 0; c < 3; ++c) traits.entries[e][c] = lab[static_cast<std::size_t>(c)];
            }
            for (int r = 0; r < 2; ++r) {
                const auto range = split(fields[5 + static_cast<std::size_t>(r)], ' ');
                if (range.size() != 3 || range[1] != "to") fail(traits.name + ": bad range");
                (r == 0 ? traits.aRange : traits.bRange) = {range[0], range[2]};
            }
            labs.push_back(traits);
        } else {
            fail("unreadable line: " + line);
        }
    }
}

// ---------------------------------------------------------------- curve tables

// Entries set by hand before the smooth part of a curve starts: the measured
// noise at the toe of a few curves, which dips just below zero.
struct Toe {
    std::map<int, double> entries;
};

Toe toeOf(const CurveTraits& traits) {
    Toe toe;
    const std::string& name = traits.name;
    if (name == "UCK3Cyan_Matte_K")
        toe.entries = {{142, -0.04}};
    else if (name == "UCK3Magenta_Matte_K")
        toe.entries = {{147, -0.04}};
    else if (name == "PSeriesPro10Magenta_Matte_M")
        toe.entries = {{101, -0.05}};
    // The pair that differs only at entries 123 and 124, by sign.
    else if (name == "UCK3Yellow_Matte_K")
        toe.entries = {{123, 0.00198}, {124, 0.0668}};
    else if (name == "CCPYellow_Matte_K")
        toe.entries = {{123, -0.00198}, {124, -0.0668}};
    else if (name == "PSeriesPro10Yellow_Matte_LK") {
        // Hundredths rippling about zero until the ink starts in earnest.
        for (int i = 1; i <= 23; ++i) toe.entries[i] = std::round(5 * std::sin(std::numbers::pi * i / 24)) / 100;
        toe.entries[24] = -0.02;
        for (int i = 25; i <= 37; ++i)
            toe.entries[i] = std::round(4 * std::sin(std::numbers::pi * (i - 24) / 14)) / 100;
        toe.entries[38] = -0.01;
    }
    return toe;
}

// The wobble: an antisymmetric bump z * exp((1 - z^2) / 2), largest 1 at z = 1.
double wobble(double z) { return z * std::exp((1 - z * z) / 2); }

constexpr double kWobbleWidth = 1.5;

struct WobblePlan {
    int step = -1; // the reversal is the step from entry `step` to `step` + 1
    double amplitude = 0;
    bool onRisingSide = true;
};

// Finds where a reversal of `units` disturbs the curve least: where the wobble
// is smallest against the curve's value, far enough from the toe, the maximum
// and the end, and where the curve stays clear of zero and of its maximum.
WobblePlan planWobble(const std::vector<double>& smooth, int start, int peak, bool hump, double units, double maximum) {
    const double core = 2 * wobble(0.5 / kWobbleWidth);
    WobblePlan best;
    double bestDistortion = 0;
    auto consider = [&](int j, bool rising) {
        const double slope = smooth[static_cast<std::size_t>(j + 1)] - smooth[static_cast<std::size_t>(j)];
        const double against = rising ? slope : -slope;
        if (against < 0) return;
        const double amplitude = (units + against) / core;
        const double value = smooth[static_cast<std::size_t>(j)];
        if (value - 1.5 * amplitude < std::max(0.02 * maximum, 2.0)) return;
        if (value + 1.5 * amplitude > maximum - std::max(0.02 * maximum, 2.0)) return;
        const double distortion = amplitude / value;
        if (best.step < 0 || distortion < bestDistortion) {
            best = {j, amplitude, rising};
            bestDistortion = distortion;
        }
    };
    constexpr int margin = 10;
    for (int j = start + margin; j + 1 <= peak - margin; ++j) consider(j, true);
    if (hump)
        for (int j = peak + margin; j + 1 <= kLast - margin; ++j) consider(j, false);
    return best;
}

void addWobble(std::vector<double>& smooth, int start, int peak, const WobblePlan& plan) {
    const double centre = plan.step + 0.5;
    const double sign = plan.onRisingSide ? -1 : 1;
    const int from = plan.onRisingSide ? start : peak + 1;
    const int to = plan.onRisingSide ? peak - 1 : kLast - 1;
    for (int i = from; i <= to; ++i)
        smooth[static_cast<std::size_t>(i)] += sign * plan.amplitude * wobble((i - centre) / kWobbleWidth);
}

// Largest step against the curve's direction: down before the maximum, up after it.
double largestReversal(const std::vector<double>& values, int peak) {
    double largest = 0;
    for (int i = 0; i < kLast; ++i) {
        const double step = values[static_cast<std::size_t>(i + 1)] - values[static_cast<std::size_t>(i)];
        largest = std::max(largest, i < peak ? -step : step);
    }
    return largest;
}

std::vector<double> makeCurve(const CurveTraits& traits) {
    const int decimals = traits.fractional ? 2 : 0;
    const double scale = traits.fractional ? 100 : 1;
    const std::int64_t maximum = toUnits(traits.maximum, decimals);
    const std::int64_t last = toUnits(traits.last, decimals);
    const int peak = traits.maximumAt;
    const Toe toe = toeOf(traits);
    const int start = toe.entries.empty() ? traits.firstNonZero : toe.entries.rbegin()->first + 1;
    // Curves that start at paper white ease in gently; late starters (the
    // darker inks) ease in more slowly.
    const bool lateStart = start > 1;

    // The smooth shape, in units of the table's last digit.
    std::vector<double> smooth(kLast + 1, 0.0);
    const double top = static_cast<double>(maximum);
    for (int i = start; i <= kLast; ++i) {
        double value = 0;
        if (!traits.hump) {
            const double t = double(i - start + 1) / double(kLast + 1 - start);
            value = top * std::pow(t, lateStart ? 2.0 : 1.3);
        } else if (i <= peak) {
            const double t = double(i - start + 1) / double(peak - start + 1);
            value = top * std::pow(std::sin(std::numbers::pi / 2 * t), lateStart ? 2.0 : 1.2);
        } else {
            const double u = double(i - peak) / double(kLast - peak);
            value = double(last) + (top - double(last)) * (1 + std::cos(std::numbers::pi * u)) / 2;
        }
        smooth[static_cast<std::size_t>(i)] = value;
    }

    // The toe alone may already reach the reversal bound; otherwise one wobble
    // brings the largest reversal to it.
    std::vector<double> values(kLast + 1, 0.0);
    for (const auto& [entry, value] : toe.entries) values[static_cast<std::size_t>(entry)] = value;
    std::optional<WobblePlan> plan;
    if (traits.reversalBound) {
        const int boundDecimals = decimalsOf(*traits.reversalBound);
        const double bound = toDouble(*traits.reversalBound);
        std::vector<double> toeOnly = values;
        for (int i = start; i <= kLast; ++i)
            toeOnly[static_cast<std::size_t>(i)] = smooth[static_cast<std::size_t>(i)] / scale;
        if (roundTo(largestReversal(toeOnly, peak), boundDecimals) != bound) {
            const double units = static_cast<double>(toUnits(*traits.reversalBound, decimals));
            plan = planWobble(smooth, start, peak, traits.hump, units, top);
            if (plan->step < 0) fail(traits.name + ": no place for the reversal");
            addWobble(smooth, start, peak, *plan);
        }
    }

    // Rounded to whole units and pinned: every entry from the start on is
    // non-zero up to the maximum, the maximum is the only entry of its value,
    // and the end of a hump is its stated value.
    std::vector<std::int64_t> units(kLast + 1, 0);
    for (int i = start; i <= kLast; ++i) {
        std::int64_t u = std::llround(smooth[static_cast<std::size_t>(i)]);
        if (i <= peak)
            u = std::max<std::int64_t>(u, 1);
        else
            u = std::max(u, last);
        if (i != peak) u = std::min(u, maximum - 1);
        units[static_cast<std::size_t>(i)] = u;
    }
    units[static_cast<std::size_t>(peak)] = maximum;
    units[kLast] = traits.hump ? last : maximum;
    if (plan) {
        // The rounded wobble is within one unit of the bound; make it exact.
        const auto j = static_cast<std::size_t>(plan->step);
        const auto bound = toUnits(*traits.reversalBound, decimals);
        units[j + 1] = plan->onRisingSide ? units[j] - bound : units[j] + bound;
    }
    for (int i = start; i <= kLast; ++i)
        values[static_cast<std::size_t>(i)] = static_cast<double>(units[static_cast<std::size_t>(i)]) / scale;
    return values;
}

void checkCurve(const CurveTraits& traits, const std::vector<double>& values) {
    auto require = [&](bool ok, const std::string& what) {
        if (!ok) fail(traits.name + ": " + what);
    };
    require(values.size() == kLast + 1 && values[0] == 0, "length or entry 0");
    const auto firstNonZero = std::find_if(values.begin(), values.end(), [](double v) { return v != 0; });
    require(firstNonZero - values.begin() == traits.firstNonZero, "first non-zero entry");
    const auto largest = std::max_element(values.begin(), values.end());
    require(*largest == toDouble(traits.maximum), "maximum");
    require(largest - values.begin() == traits.maximumAt, "place of the maximum");
    require(std::count(values.begin(), values.end(), *largest) == 1, "maximum not unique");
    require(values[kLast] == toDouble(traits.last), "entry 255");
    require(traits.hump == (traits.maximumAt < kLast), "shape");
    const bool whole = std::all_of(values.begin(), values.end(), [](double v) { return v == std::trunc(v); });
    require(whole != traits.fractional, "whole or fractional values");
    std::vector<int> negatives;
    for (int i = 0; i <= kLast; ++i)
        if (values[static_cast<std::size_t>(i)] < 0) negatives.push_back(i);
    require(negatives == traits.negativeAt, "negative entries");
    const double reversal = largestReversal(values, traits.maximumAt);
    if (traits.reversalBound)
        require(roundTo(reversal, decimalsOf(*traits.reversalBound)) == toDouble(*traits.reversalBound),
                "reversal bound (largest is " + std::to_string(reversal) + ")");
    else
        require(reversal == 0, "not monotone");
}

// The two Matte yellow K curves are one curve but for the sign of entries 123
// and 124.
void checkYellowMattePair(const std::vector<double>& positive, const std::vector<double>& negative) {
    for (std::size_t i = 0; i < positive.size(); ++i) {
        const bool signFlipped = i == 123 || i == 124;
        if (positive[i] != (signFlipped ? -negative[i] : negative[i]))
            fail("UCK3Yellow_Matte_K and CCPYellow_Matte_K differ at entry " + std::to_string(i));
    }
    if (positive.size() != 256 || positive[123] != 0.00198 || positive[124] != 0.0668)
        fail("UCK3Yellow_Matte_K entries 123 and 124");
}

// ---------------------------------------------------------------- Lab tables

// Monotone piecewise cubic (Fritsch-Butland slopes): between two points it
// stays between their values, so it never overshoots.
class ShapePreservingCubic {
public:
    ShapePreservingCubic(std::vector<double> xs, std::vector<double> ys) : x_(std::move(xs)), y_(std::move(ys)) {
        const std::size_t n = x_.size();
        std::vector<double> h(n - 1), delta(n - 1);
        for (std::size_t k = 0; k + 1 < n; ++k) {
            h[k] = x_[k + 1] - x_[k];
            delta[k] = (y_[k + 1] - y_[k]) / h[k];
        }
        d_.assign(n, 0.0);
        d_[0] = delta[0];
        d_[n - 1] = delta[n - 2];
        for (std::size_t k = 1; k + 1 < n; ++k) {
            if (delta[k - 1] * delta[k] <= 0) continue; // a turning point is flat
            const double w1 = 2 * h[k] + h[k - 1];
            const double w2 = h[k] + 2 * h[k - 1];
            d_[k] = (w1 + w2) / (w1 / delta[k - 1] + w2 / delta[k]);
        }
    }

    double operator()(double x) const {
        std::size_t k = 0;
        while (k + 2 < x_.size() && x > x_[k + 1]) ++k;
        if (x == x_[k]) return y_[k];
        if (x == x_[k + 1]) return y_[k + 1];
        const double h = x_[k + 1] - x_[k];
        const double t = (x - x_[k]) / h;
        const double t2 = t * t, t3 = t2 * t;
        return (2 * t3 - 3 * t2 + 1) * y_[k] + (t3 - 2 * t2 + t) * h * d_[k] + (-2 * t3 + 3 * t2) * y_[k + 1] +
               (t3 - t2) * h * d_[k + 1];
    }

private:
    std::vector<double> x_, y_, d_;
};

constexpr int kLabDecimals = 4;

// The 21 values of one Lab coordinate, in units of 10^-4, through the given
// entries 0, 10 and 20 and reaching exactly the ends of the given range.
std::array<std::int64_t, kLabEntries> makeCoordinate(const std::string& name, std::array<std::int64_t, 3> given,
                                                     std::int64_t low, std::int64_t high) {
    std::map<int, double> points = {{0, double(given[0])}, {10, double(given[1])}, {20, double(given[2])}};
    const auto [smallest, largest] = std::minmax_element(given.begin(), given.end());
    if (*smallest < low || *largest > high) fail(name + ": a given entry lies outside its range");

    // Where an end of the range beyond the given entries is reached: next to the
    // most extreme given entry, on the side of the more extreme neighbour, at
    // the vertex of the parabola through the two neighbours and that end.
    auto placeExtreme = [&](std::int64_t extreme, bool isMax) -> int {
        auto beyond = [&](std::int64_t a, std::int64_t b) { return isMax ? a > b : a < b; };
        int nearest = 0;
        for (int k = 1; k < 3; ++k)
            if (beyond(given[static_cast<std::size_t>(k)], given[static_cast<std::size_t>(nearest)])) nearest = k;
        int a = 0, b = 10;
        if (nearest == 2 || (nearest == 1 && beyond(given[2], given[0]))) a = 10, b = 20;
        const double depthA = std::sqrt(std::abs(double(extreme - given[static_cast<std::size_t>(a / 10)])));
        const double depthB = std::sqrt(std::abs(double(extreme - given[static_cast<std::size_t>(b / 10)])));
        const int at = static_cast<int>(std::lround(a + (b - a) * depthA / (depthA + depthB)));
        return std::clamp(at, a + 1, b - 1);
    };
    std::optional<int> maxAt, minAt;
    if (high > *largest) maxAt = placeExtreme(high, true);
    if (low < *smallest) minAt = placeExtreme(low, false);
    if (maxAt && minAt && *maxAt == *minAt) {
        // Both in one interval: the one nearer its start's value comes first.
        const int a = *maxAt < 10 ? 0 : 10;
        const auto startValue = given[static_cast<std::size_t>(a / 10)];
        const bool maxFirst = high - startValue < startValue - low;
        *(maxFirst ? maxAt : minAt) = a + 3;
        *(maxFirst ? minAt : maxAt) = a + 7;
    }
    if (maxAt) points[*maxAt] = double(high);
    if (minAt) points[*minAt] = double(low);

    std::vector<double> xs, ys;
    for (const auto& [x, y] : points) xs.push_back(x), ys.push_back(y);
    const ShapePreservingCubic curve(xs, ys);
    std::array<std::int64_t, kLabEntries> values{};
    for (int i = 0; i < kLabEntries; ++i) values[static_cast<std::size_t>(i)] = std::llround(curve(i));
    return values;
}

using LabValues = std::array<std::array<double, 3>, kLabEntries>;

LabValues makeLab(const LabTraits& traits) {
    std::array<std::array<std::int64_t, kLabEntries>, 3> coordinates;
    for (int c = 0; c < 3; ++c) {
        std::array<std::int64_t, 3> given{};
        for (int e = 0; e < 3; ++e) given[static_cast<std::size_t>(e)] = toUnits(traits.entries[e][c], kLabDecimals);
        if (c == 0) {
            if (given[0] < given[1] || given[1] < given[2]) fail(traits.name + ": L* rises");
            coordinates[0] = makeCoordinate(traits.name, given, given[2], given[0]);
        } else {
            const auto& range = c == 1 ? traits.aRange : traits.bRange;
            coordinates[static_cast<std::size_t>(c)] =
                makeCoordinate(traits.name, given, toUnits(range[0], kLabDecimals), toUnits(range[1], kLabDecimals));
        }
    }
    LabValues lab{};
    for (int i = 0; i < kLabEntries; ++i)
        for (int c = 0; c < 3; ++c)
            lab[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] =
                static_cast<double>(coordinates[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)]) / 10000;
    return lab;
}

// Paper at 99, then 95 down to 5 in steps of 5, and 1 at full tone; no colour.
LabValues emptyLab() {
    LabValues lab{};
    for (int i = 0; i < kLabEntries; ++i) lab[static_cast<std::size_t>(i)] = {100.0 - 5 * i, 0, 0};
    lab[0][0] = 99;
    lab[20][0] = 1;
    return lab;
}

LabValues gravureLab() {
    static constexpr std::array<std::array<std::string_view, 3>, kLabEntries> text = {{
        {"95.5100", "0.0700", "2.9300"}, {"88.5306", "0.3920", "4.2738"}, {"85.0409", "0.5204", "4.5741"},
        {"81.5512", "0.6239", "4.7600"}, {"78.0615", "0.6997", "4.8430"}, {"74.2810", "0.7617", "4.8197"},
        {"70.7913", "0.7870", "4.6889"}, {"67.3016", "0.7995", "4.5114"}, {"63.8119", "0.7885", "4.3017"},
        {"60.3222", "0.7614", "4.0618"}, {"56.5417", "0.7337", "3.7963"}, {"53.0520", "0.7122", "3.6053"},
        {"49.5623", "0.6964", "3.4225"}, {"46.0726", "0.6665", "3.1948"}, {"42.5829", "0.6283", "2.9055"},
        {"38.8024", "0.5640", "2.5299"}, {"35.3127", "0.5121", "2.2156"}, {"31.8230", "0.4462", "1.8718"},
        {"28.3334", "0.3711", "1.4912"}, {"24.8437", "0.2860", "1.0421"}, {"21.3540", "0.1709", "0.5078"},
    }};
    LabValues lab{};
    for (int i = 0; i < kLabEntries; ++i)
        for (int c = 0; c < 3; ++c)
            lab[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] =
                toDouble(std::string(text[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)]));
    return lab;
}

void checkLab(const LabTraits& traits, const LabValues& lab) {
    auto require = [&](bool ok, const std::string& what) {
        if (!ok) fail(traits.name + ": " + what);
    };
    for (int e = 0; e < 3; ++e)
        for (int c = 0; c < 3; ++c)
            require(roundTo(lab[static_cast<std::size_t>(10 * e)][static_cast<std::size_t>(c)], 2) ==
                        toDouble(traits.entries[e][c]),
                    "entry " + std::to_string(10 * e));
    for (int i = 1; i < kLabEntries; ++i)
        require(lab[static_cast<std::size_t>(i)][0] <= lab[static_cast<std::size_t>(i - 1)][0], "L* rises");
    for (int c = 1; c < 3; ++c) {
        double low = lab[0][static_cast<std::size_t>(c)], high = low;
        for (const auto& entry : lab) {
            low = std::min(low, entry[static_cast<std::size_t>(c)]);
            high = std::max(high, entry[static_cast<std::size_t>(c)]);
        }
        const auto& range = c == 1 ? traits.aRange : traits.bRange;
        require(roundTo(low, 2) == toDouble(range[0]) && roundTo(high, 2) == toDouble(range[1]), "range");
    }
}

// ---------------------------------------------------------------- output

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{}) fail("cannot write a number");
    std::string text(buffer.data(), end);
    return text == "-0" ? "0" : text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: generate_ink_tables <characteristics file> > ink_tables.txt\n";
        return 2;
    }
    std::vector<CurveTraits> curves;
    std::vector<LabTraits> labs;
    readCharacteristics(argv[1], curves, labs);

    std::ostringstream out;
    std::map<std::string, std::vector<double>> made;
    for (const auto& traits : curves) {
        const std::vector<double> values = makeCurve(traits);
        checkCurve(traits, values);
        made[traits.name] = values;
        out << traits.name;
        for (double v : values) out << ',' << shortest(v);
        out << '\n';
    }
    checkYellowMattePair(made["UCK3Yellow_Matte_K"], made["CCPYellow_Matte_K"]);
    for (const auto& traits : labs) {
        const LabValues lab = traits.name == "Empty_Lab"     ? emptyLab()
                              : traits.name == "Gravure_Lab" ? gravureLab()
                                                             : makeLab(traits);
        checkLab(traits, lab);
        out << traits.name;
        for (const auto& entry : lab)
            for (double v : entry) out << ',' << shortest(v);
        out << '\n';
    }
    std::cout << out.str();
    return 0;
}
