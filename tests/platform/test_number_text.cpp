// Number text in C-locale syntax: what the measurement readers, the .quad
// reader and the keyed records accept, and what every writer prints.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <optional>
#include <string>

#include "platform/NumberText.h"

namespace platform {
namespace {

TEST(NumberText, ParsesWholeFiniteNumbersOnly) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"95.5", 95.5},
        {"+0.25", 0.25},
        {"-1e-3", -0.001},
        {"1E2", 100.0},
        {"7", 7.0},
        {".5", 0.5},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"+-1", std::nullopt},
        {"++1", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1,5", std::nullopt},
        {"1.5x", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"1e999", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseFiniteDouble(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, ParsesWholeIntegersOnly) {
    const struct {
        const char* text;
        std::optional<long long> value;
    } cases[] = {
        {"42", 42},
        {"+42", 42},
        {"-42", -42},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"+-4", std::nullopt},
        {"4.0", std::nullopt},
        {" 4", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseWholeInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, ShortestTextReadsBackWithAPointWhateverTheLocale) {
    // A locale with a decimal comma, when the machine has one, must not leak in.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(shortestDecimalText(95.0), "95.0");
    EXPECT_EQ(shortestDecimalText(0.1), "0.1");
    EXPECT_EQ(shortestDecimalText(0.1f), "0.1");
    EXPECT_EQ(shortestDecimalText(100000.0), "100000.0");
    EXPECT_EQ(shortestDecimalText(1e-5), "1e-05");
    EXPECT_EQ(shortestDecimalText(1e16), "1e+16");
    EXPECT_EQ(shortestDecimalText(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(shortestDecimalText(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(parseFiniteDouble("0.5"), 0.5);
    const double awkward = 0.1 + 0.2;
    EXPECT_EQ(parseFiniteDouble(shortestDecimalText(awkward)), awkward);
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
} // namespace platform
