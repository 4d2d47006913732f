#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "Charts/foundation/ChartColorTemplates.h"

namespace charts {
namespace {

// Components in 0 to 255 (alpha too), from the colour's float form.
struct Components {
    double r, g, b, a;
};

void expectColor(const QColor& color, Components expected, const std::string& label) {
    EXPECT_NEAR(color.redF() * 255, expected.r, 5e-3) << label;
    EXPECT_NEAR(color.greenF() * 255, expected.g, 5e-3) << label;
    EXPECT_NEAR(color.blueF() * 255, expected.b, 5e-3) << label;
    EXPECT_NEAR(color.alphaF() * 255, expected.a, 5e-3) << label;
}

TEST(ChartColorTemplates, PalettesHoldTheirColoursInOrder) {
    struct Case {
        const char* name;
        std::vector<QColor> colors;
        QColor first, last;
    };
    const Case cases[] = {
        {"liberty", ChartColorTemplates::liberty(), QColor(207, 248, 246), QColor(42, 109, 130)},
        {"joyful", ChartColorTemplates::joyful(), QColor(217, 80, 138), QColor(53, 194, 209)},
        {"pastel", ChartColorTemplates::pastel(), QColor(64, 89, 128), QColor(179, 48, 80)},
        {"colorful", ChartColorTemplates::colorful(), QColor(193, 37, 82), QColor(179, 100, 53)},
        {"vordiplom", ChartColorTemplates::vordiplom(), QColor(192, 255, 140), QColor(255, 140, 157)},
        {"material", ChartColorTemplates::material(), QColor(46, 204, 113), QColor(52, 152, 219)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.colors.size(), std::string(c.name) == "material" ? 4u : 5u) << c.name;
        EXPECT_EQ(c.colors.front(), c.first) << c.name;
        EXPECT_EQ(c.colors.back(), c.last) << c.name;
        for (const QColor& color : c.colors) EXPECT_EQ(color.alpha(), 255) << c.name;
    }
}

TEST(ChartColorTemplates, ColoursFromText) {
    struct Case {
        const char* text;
        Components expected;
    };
    const Case cases[] = {
        {"#FFF", {255, 255, 255, 255}},
        {"#ffffff", {255, 255, 255, 255}},
        {"#80ff0000", {255, 0, 0, 128}},
        {"#1a2B3c", {26, 43, 60, 255}},
        {"#abc", {170, 187, 204, 255}},
        {"#12345", {0, 0, 0, 255}}, // five digits
        {"#", {0, 0, 0, 255}},      // none
        {"#123456789", {0, 0, 0, 255}},
        {"RGB(10, 20, 30)", {10, 20, 30, 255}},
        {"rgb(10,20,30)", {10, 20, 30, 255}},
        {"rgb(  10 ,  20 , 30 )", {10, 20, 30, 255}},
        {"rgba(255,0,0,0.5)", {255, 0, 0, 127.5}},
        {"rgba(255,0,0)", {255, 0, 0, 255}},
        {"rgba(255, 0, 0, .25)", {255, 0, 0, 63.75}},
        {"argb(0.25, 1, 2, 3)", {1, 2, 3, 63.75}},
        {"argb(1,2,3)", {2, 3, 0, 1 * 255}}, // alpha 1 read, then red 2, green 3, blue missing
        {"rgb(x, 1, 2)", {0, 0, 0, 255}},    // the scanner stops at the first miss
        {"rgb", {0, 0, 0, 255}},
        {"blue", {0, 0, 0, 0}},
        {"", {0, 0, 0, 0}},
        {" #fff", {0, 0, 0, 0}},
    };
    for (const Case& c : cases) expectColor(ChartColorTemplates::colorFromString(c.text), c.expected, c.text);
}

// A hex text with a character that is no hex digit is opaque black, like a
// wrong digit count, instead of reading characters below "0" as huge values.
// Numbers out of range are pinned rather than giving an invalid colour.
TEST(ChartColorTemplates, MalformedTextsGiveSoundColours) {
    struct Case {
        const char* text;
        Components expected;
    };
    const Case cases[] = {
        {"#gg0000", {0, 0, 0, 255}},
        {"#ff00z0", {0, 0, 0, 255}},
        {"#12 456", {0, 0, 0, 255}},
        {"#-1-1-1", {0, 0, 0, 255}},
        {"#ff\xc3\xbf", {0, 0, 0, 255}}, // a non-ASCII character among three
        {"rgb(300, -5, 20)", {255, 0, 20, 255}},
        {"rgba(1, 2, 3, 7)", {1, 2, 3, 255}},
        {"rgba(1, 2, 3, -0.5)", {1, 2, 3, 0}},
        {"rgba(1, 2, 3, nan)", {1, 2, 3, 255}},
        {"rgba(1, 2, 3, 1e999)", {1, 2, 3, 255}},
        {"rgb(99999999999999999999, 0, 0)", {255, 0, 0, 255}},
    };
    for (const Case& c : cases) {
        const QColor color = ChartColorTemplates::colorFromString(QString::fromUtf8(c.text));
        EXPECT_TRUE(color.isValid()) << c.text;
        expectColor(color, c.expected, c.text);
    }
}

// A decimal comma, as in many user locales.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(ChartColorTemplates, DecimalPointIsThePeriodWhateverTheLocale) {
    // The C++ global locale always, the C locale too where one is installed.
    const std::locale previousCpp = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) break;
    }
    expectColor(ChartColorTemplates::colorFromString("rgba(0, 0, 0, 0.5)"), {0, 0, 0, 127.5}, "rgba");
    expectColor(ChartColorTemplates::colorFromString("argb(0.25, 1, 2, 3)"), {1, 2, 3, 63.75}, "argb");
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previousCpp);
}

} // namespace
} // namespace charts
