#include <gtest/gtest.h>

#include "app/ui/widgets/FieldText.h"

namespace appui {
namespace {

TEST(FieldText, AFieldsDoubleValueIsTheNumberItsTextStartsWith) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"50", 50}, {"50%", 50}, {"  12.25 ", 12.25}, {"-2.5e1x", -25}, {"+3", 3},    {".5", 0.5},
        {"7.", 7},  {"1e", 1},   {"1e+", 1},          {"12,5", 12},     {"abc", 0},   {"", 0},
        {"-", 0},   {".", 0},    {"inf", 0},          {"nan", 0},       {"1e999", 0}, {"0x10", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(fieldDoubleValue(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}

TEST(FieldText, NumbersOnScreenHaveTwoDecimals) {
    EXPECT_EQ(twoDecimals(79.8295), QStringLiteral("79.83"));
    EXPECT_EQ(twoDecimals(-0.004), QStringLiteral("-0.00"));
    EXPECT_EQ(twoDecimals(100), QStringLiteral("100.00"));
}

} // namespace
} // namespace appui
