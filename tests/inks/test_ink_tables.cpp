// The ink table lookup and the reading of the table text.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/inks/InkTableParser.h"
#include "app/inks/InkTables.h"
#include "tests/support/comma_locale.h"

namespace inks {

using curves::CIELab;

namespace {

std::string readDataFile() {
    std::ifstream in(std::string(TINTSMITH_SOURCE_DIR) + "/app/inks/ink_tables.txt");
    EXPECT_TRUE(in.good());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

std::string curveLine(std::string_view name, std::string_view value) {
    std::string line(name);
    for (int i = 0; i < 256; ++i) line += "," + std::string(value);
    return line;
}

using test_support::CommaLocale;

TEST(InkTables, LookupGivesTheNamedTableAndTheSameTableEveryTime) {
    const InkCurveTable& curve = inkCurve("UCK3Cyan_Gloss_LC");
    EXPECT_EQ(&curve, &inkCurve("UCK3Cyan_Gloss_LC"));
    EXPECT_EQ(&curve, findInkCurve("UCK3Cyan_Gloss_LC"));
    EXPECT_EQ(curve[212], 21914);

    const InkLabTable& lab = inkLab("UCK3Cyan_Gloss_Lab");
    EXPECT_EQ(&lab, findInkLab("UCK3Cyan_Gloss_Lab"));
    EXPECT_EQ(lab[0].L, 99.18);
}

TEST(InkTables, CurveAndLabNamesAreSeparate) {
    EXPECT_EQ(findInkCurve("Gravure_Lab"), nullptr);
    EXPECT_EQ(findInkLab("GravureA_K"), nullptr);
    EXPECT_EQ(findInkCurve("gravurea_k"), nullptr); // names are case-sensitive
    EXPECT_EQ(findInkCurve(""), nullptr);
    EXPECT_NE(findInkCurve("K5CMBlack_llk"), nullptr);
}

TEST(InkTables, ZeroCurveIsAllZeros) {
    const InkCurveTable& zeros = zeroInkCurve();
    EXPECT_TRUE(std::all_of(zeros.begin(), zeros.end(), [](double v) { return v == 0; }));
    EXPECT_EQ(&zeros, &zeroInkCurve());
}

TEST(InkTables, NamesComeInTheOrderOfTheDataFile) {
    const std::string text = readDataFile();
    std::vector<std::string_view> fileCurves, fileLabs;
    for (std::string_view line : linesOf(text)) {
        const auto fields = std::count(line.begin(), line.end(), ',');
        (fields == 256 ? fileCurves : fileLabs).push_back(line.substr(0, line.find(',')));
    }
    EXPECT_EQ(inkCurveNames(), fileCurves);
    EXPECT_EQ(inkLabNames(), fileLabs);
}

TEST(InkTables, BuiltInTablesEqualTheDataFile) {
    const std::string text = readDataFile();
    const auto lines = linesOf(text);
    const InkTableSet fromFile = parseInkTables(lines);
    for (const auto& [name, table] : fromFile.curves) EXPECT_EQ(table, inkCurve(name)) << name;
    for (const auto& [name, table] : fromFile.labs) EXPECT_EQ(table, inkLab(name)) << name;
}

TEST(InkTables, DataFileReadsTheSameUnderADecimalCommaLocale) {
    const std::string text = readDataFile();
    const auto lines = linesOf(text);
    const InkTableSet inC = parseInkTables(lines);
    InkTableSet inComma;
    {
        CommaLocale comma;
        inComma = parseInkTables(lines);
    }
    ASSERT_EQ(inComma.curves.size(), inC.curves.size());
    ASSERT_EQ(inComma.labs.size(), inC.labs.size());
    for (std::size_t i = 0; i < inC.curves.size(); ++i) EXPECT_EQ(inComma.curves[i], inC.curves[i]);
    for (std::size_t i = 0; i < inC.labs.size(); ++i) EXPECT_EQ(inComma.labs[i], inC.labs[i]);

    CommaLocale comma;
    const std::string line = curveLine("Half", "0.5");
    const std::string_view one[] = {line};
    EXPECT_EQ(parseInkTables(one).curves.at(0).second[255], 0.5);
}

TEST(InkTables, ParserReadsCurvesAndLabsAndSkipsBlankLines) {
    const std::string curve = curveLine("Ramp", "-0.0668") + "\r";
    std::string lab = "Paper";
    for (int i = 0; i < 21; ++i) lab += "," + std::to_string(99 - i) + ",0.25,-1e-3";
    const std::string_view lines[] = {"", curve, lab, ""};
    const InkTableSet set = parseInkTables(lines);
    ASSERT_EQ(set.curves.size(), 1u);
    ASSERT_EQ(set.labs.size(), 1u);
    EXPECT_EQ(set.curves[0].first, "Ramp");
    EXPECT_EQ(set.curves[0].second[0], -0.0668);
    EXPECT_EQ(set.labs[0].first, "Paper");
    EXPECT_EQ(set.labs[0].second[20], (CIELab{79, 0.25, -0.001}));
}

using InkTablesDeathTest = ::testing::Test;

TEST_F(InkTablesDeathTest, UnknownNamesAndMalformedDataStopTheProgram) {
    EXPECT_DEATH(inkCurve("NoSuch_K"), "Unknown ink table NoSuch_K");
    EXPECT_DEATH(inkLab("UCK3Cyan_Gloss_LC"), "Unknown ink table UCK3Cyan_Gloss_LC");

    std::string trailing = curveLine("Bad", "1");
    trailing.replace(trailing.size() - 1, 1, "1.5x");
    const std::string_view notANumber[] = {trailing};
    EXPECT_DEATH(parseInkTables(notANumber), "Malformed ink table Bad");

    const std::string shortLine = "Short,1,2,3";
    const std::string_view wrongLength[] = {shortLine};
    EXPECT_DEATH(parseInkTables(wrongLength), "Malformed ink table Short: 3 values");

    const std::string twice = curveLine("Twice", "0");
    const std::string_view duplicate[] = {twice, twice};
    EXPECT_DEATH(parseInkTables(duplicate), "Malformed ink table Twice: given twice");

    const std::string emptyField = curveLine("Gap", "2").replace(6, 1, "");
    const std::string_view gap[] = {emptyField};
    EXPECT_DEATH(parseInkTables(gap), "Malformed ink table Gap");
}

} // namespace

} // namespace inks
