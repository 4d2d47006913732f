// Checks the built-in ink tables against the characteristics every table must
// have (tests/inks/data/ink_table_characteristics.txt): length, first non-zero
// entry, maximum and its place, entry 255, shape and reversal bound, whole or
// fractional values, negative entries; for Lab tables entries 0, 10 and 20,
// the a* and b* ranges and L* never rising.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/inks/InkTables.h"

namespace inks {

using curves::CIELab;

namespace {

std::string dataPath(const std::string& file) { return std::string(TINTSMITH_SOURCE_DIR) + "/tests/inks/data/" + file; }

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find(separator, begin)) != std::string::npos; begin = end + 1)
        fields.push_back(trim(text.substr(begin, end - begin)));
    fields.push_back(trim(text.substr(begin)));
    return fields;
}

double number(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << "not a number: " << text;
    return value;
}

int decimalsOf(const std::string& text) {
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// The stated figures of Lab tables are rounded to two decimals.
bool matchesStated(double value, const std::string& stated) { return roundTo(value, 2) == number(stated); }

// One row of the characteristics file, its fields after the kind and name.
struct Row {
    std::string kind;
    std::string name;
    std::vector<std::string> fields;
};

std::vector<Row> characteristics() {
    std::ifstream in(dataPath("ink_table_characteristics.txt"));
    EXPECT_TRUE(in.good());
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        auto fields = split(line, '|');
        rows.push_back({fields[0], fields[1], std::vector<std::string>(fields.begin() + 2, fields.end())});
    }
    return rows;
}

// Largest step against the curve's direction: down before its maximum, up after.
double largestReversal(const InkCurveTable& curve, std::size_t peak) {
    double largest = 0;
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
        const double step = curve[i + 1] - curve[i];
        largest = std::max(largest, i < peak ? -step : step);
    }
    return largest;
}

struct Shape {
    bool hump = false;
    std::optional<std::string> reversalBound;
    std::vector<std::size_t> negativeAt;
};

// "rising", "hump, reversals up to 0.81; negative at entries 24, 38", ...
Shape parseShape(const std::string& text) {
    Shape shape;
    const auto parts = split(text, ';');
    const auto head = split(parts[0], ',');
    shape.hump = head[0] == "hump";
    EXPECT_TRUE(shape.hump || head[0] == "rising") << text;
    if (head.size() > 1) shape.reversalBound = head[1].substr(std::string("reversals up to ").size());
    if (parts.size() > 1) {
        const std::string entries = parts[1].substr(parts[1].find_first_of("0123456789"));
        for (const auto& entry : split(entries, ',')) shape.negativeAt.push_back(std::stoul(entry));
    }
    return shape;
}

TEST(InkTableCharacteristics, EveryCurveTableHasItsStatedCharacteristics) {
    int checked = 0;
    for (const Row& row : characteristics()) {
        if (row.kind != "curve") continue;
        SCOPED_TRACE(row.name);
        ASSERT_EQ(row.fields.size(), 6u);
        const InkCurveTable* curve = findInkCurve(row.name);
        ASSERT_NE(curve, nullptr);
        const auto& v = *curve;
        ++checked;

        EXPECT_EQ(v[0], 0.0);
        const auto firstNonZero = std::find_if(v.begin(), v.end(), [](double x) { return x != 0; });
        EXPECT_EQ(firstNonZero - v.begin(), std::stol(row.fields[0])) << "first non-zero entry";

        const auto largest = std::max_element(v.begin(), v.end());
        EXPECT_EQ(*largest, number(row.fields[1])) << "maximum";
        EXPECT_EQ(largest - v.begin(), std::stol(row.fields[2])) << "place of the maximum";
        EXPECT_EQ(std::count(v.begin(), v.end(), *largest), 1) << "the maximum is reached once";
        EXPECT_LE(*largest, 65534.0);
        EXPECT_EQ(v[255], number(row.fields[3])) << "entry 255";

        const Shape shape = parseShape(row.fields[4]);
        const auto peak = static_cast<std::size_t>(largest - v.begin());
        EXPECT_EQ(shape.hump, peak < 255) << "a hump peaks inside the range, a rising curve at 255";
        const double reversal = largestReversal(v, peak);
        if (shape.reversalBound)
            EXPECT_EQ(roundTo(reversal, decimalsOf(*shape.reversalBound)), number(*shape.reversalBound))
                << "largest reversal " << reversal;
        else
            EXPECT_EQ(reversal, 0.0) << "monotone on each side of the maximum";

        std::vector<std::size_t> negatives;
        for (std::size_t i = 0; i < v.size(); ++i)
            if (v[i] < 0) negatives.push_back(i);
        EXPECT_EQ(negatives, shape.negativeAt);
        EXPECT_GE(*std::min_element(v.begin(), v.end()), -0.0668);

        const bool whole = std::all_of(v.begin(), v.end(), [](double x) { return x == std::trunc(x); });
        EXPECT_EQ(!whole, row.fields[5] == "yes") << "whole or fractional values";
    }
    EXPECT_EQ(checked, 143);
}

TEST(InkTableCharacteristics, EveryLabTableHasItsStatedCharacteristics) {
    int checked = 0;
    for (const Row& row : characteristics()) {
        if (row.kind != "lab") continue;
        SCOPED_TRACE(row.name);
        ASSERT_EQ(row.fields.size(), 5u);
        const InkLabTable* lab = findInkLab(row.name);
        ASSERT_NE(lab, nullptr);
        ++checked;

        for (std::size_t e = 0; e < 3; ++e) {
            const auto stated = split(row.fields[e], ',');
            ASSERT_EQ(stated.size(), 3u);
            const CIELab& entry = (*lab)[10 * e];
            EXPECT_TRUE(matchesStated(entry.L, stated[0]) && matchesStated(entry.a, stated[1]) &&
                        matchesStated(entry.b, stated[2]))
                << "entry " << 10 * e << " is " << entry.debugDescription();
        }
        for (std::size_t i = 1; i < lab->size(); ++i)
            EXPECT_LE((*lab)[i].L, (*lab)[i - 1].L) << "L* rises at entry " << i;
        EXPECT_GE(lab->front().L, 95.51);
        EXPECT_LE(lab->front().L, 99.29);
        // The empty component's full tone is 1 by its rule, below every printed ink.
        if (row.name != "Empty_Lab") {
            EXPECT_GE(lab->back().L, 2.03);
            EXPECT_LE(lab->back().L, 23.73);
        }

        auto expectRange = [&](const std::string& stated, double CIELab::*coordinate, const char* what) {
            const auto ends = split(stated, ' ');
            ASSERT_EQ(ends.size(), 3u);
            const auto [low, high] =
                std::minmax_element(lab->begin(), lab->end(),
                                    [&](const CIELab& x, const CIELab& y) { return x.*coordinate < y.*coordinate; });
            EXPECT_TRUE(matchesStated((*low).*coordinate, ends[0]) && matchesStated((*high).*coordinate, ends[2]))
                << what << " range " << (*low).*coordinate << " to " << (*high).*coordinate;
        };
        expectRange(row.fields[3], &CIELab::a, "a*");
        expectRange(row.fields[4], &CIELab::b, "b*");
    }
    EXPECT_EQ(checked, 35);
}

TEST(InkTableCharacteristics, TheDataHoldsExactlyTheCharacterisedTables) {
    std::set<std::string> curves, labs;
    for (const Row& row : characteristics()) (row.kind == "curve" ? curves : labs).insert(row.name);
    const auto curveNames = inkCurveNames();
    const auto labNames = inkLabNames();
    EXPECT_EQ(std::set<std::string>(curveNames.begin(), curveNames.end()), curves);
    EXPECT_EQ(std::set<std::string>(labNames.begin(), labNames.end()), labs);
    EXPECT_EQ(curveNames.size(), 143u);
    EXPECT_EQ(labNames.size(), 35u);
}

TEST(InkTableCharacteristics, EveryTableTheComponentsUseExists) {
    std::ifstream in(dataPath("ink_table_names_used.txt"));
    ASSERT_TRUE(in.good());
    int used = 0;
    for (std::string name; std::getline(in, name);) {
        if (name.empty() || name[0] == '#') continue;
        ++used;
        if (name.ends_with("_Lab"))
            EXPECT_NE(findInkLab(name), nullptr) << name;
        else
            EXPECT_NE(findInkCurve(name), nullptr) << name;
    }
    EXPECT_EQ(used, 178);
}

TEST(InkTableCharacteristics, EmptyLabFollowsItsRule) {
    const InkLabTable& lab = inkLab("Empty_Lab");
    for (std::size_t i = 0; i < lab.size(); ++i) {
        const double L = i == 0 ? 99 : i == 20 ? 1 : 100 - 5.0 * static_cast<double>(i);
        EXPECT_EQ(lab[i], (CIELab{L, 0, 0})) << "entry " << i;
    }
    EXPECT_EQ(lab[1].L, 95);
    EXPECT_EQ(lab[10].L, 50);
    EXPECT_EQ(lab[19].L, 5);
}

TEST(InkTableCharacteristics, GravureLabIsGivenInFull) {
    const CIELab expected[21] = {
        {95.5100, 0.0700, 2.9300}, {88.5306, 0.3920, 4.2738}, {85.0409, 0.5204, 4.5741}, {81.5512, 0.6239, 4.7600},
        {78.0615, 0.6997, 4.8430}, {74.2810, 0.7617, 4.8197}, {70.7913, 0.7870, 4.6889}, {67.3016, 0.7995, 4.5114},
        {63.8119, 0.7885, 4.3017}, {60.3222, 0.7614, 4.0618}, {56.5417, 0.7337, 3.7963}, {53.0520, 0.7122, 3.6053},
        {49.5623, 0.6964, 3.4225}, {46.0726, 0.6665, 3.1948}, {42.5829, 0.6283, 2.9055}, {38.8024, 0.5640, 2.5299},
        {35.3127, 0.5121, 2.2156}, {31.8230, 0.4462, 1.8718}, {28.3334, 0.3711, 1.4912}, {24.8437, 0.2860, 1.0421},
        {21.3540, 0.1709, 0.5078},
    };
    const InkLabTable& lab = inkLab("Gravure_Lab");
    for (std::size_t i = 0; i < lab.size(); ++i)
        EXPECT_EQ(lab[i], expected[i]) << "entry " << i << " is " << lab[i].debugDescription();
}

TEST(InkTableCharacteristics, YellowMatteKCurvesDifferOnlyInTheSignOfEntries123And124) {
    const InkCurveTable& uck3 = inkCurve("UCK3Yellow_Matte_K");
    const InkCurveTable& ccp = inkCurve("CCPYellow_Matte_K");
    for (std::size_t i = 0; i < uck3.size(); ++i) {
        if (i != 123 && i != 124) {
            EXPECT_EQ(uck3[i], ccp[i]) << "entry " << i;
        }
    }
    EXPECT_EQ(uck3[123], 0.00198);
    EXPECT_EQ(uck3[124], 0.0668);
    EXPECT_EQ(ccp[123], -0.00198);
    EXPECT_EQ(ccp[124], -0.0668);
}

} // namespace

} // namespace inks
