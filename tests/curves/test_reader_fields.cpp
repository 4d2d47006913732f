#include <gtest/gtest.h>

#include "app/curves/core/FieldSplitting.h"
#include "measurement_helpers.h"

namespace curves {

using Fields = std::vector<std::string>;

TEST(FieldSplittingTest, TabsKeepEmptyFieldsAndSpacesPad) {
    EXPECT_EQ(splitFields("1\t\t95.5\t0"), (Fields{"1", "", "95.5", "0"}));
    EXPECT_EQ(splitFields("\t95"), (Fields{"", "95"}));
    EXPECT_EQ(splitFields("1\t   95.00\t   95.00\t \r"), (Fields{"1", "95.00", "95.00", ""}));
    // Mixed: tabs for the first columns, single spaces for the numbers.
    EXPECT_EQ(splitFields("1\tA1\t   95.00   95.00 0.11884 40.6"),
              (Fields{"1", "A1", "95.00", "95.00", "0.11884", "40.6"}));
    // Padded columns of a .ti3 file with Windows line ends.
    EXPECT_EQ(splitFields("1        0    10   95.00    0.00   -2.00\r"),
              (Fields{"1", "0", "10", "95.00", "0.00", "-2.00"}));
    EXPECT_EQ(splitFields(""), (Fields{""}));
    EXPECT_EQ(splitFields(" \r"), (Fields{""}));
    EXPECT_TRUE(isBlankRow(splitFields("  \t \r")));
    EXPECT_FALSE(isBlankRow(splitFields("\tx")));
}

TEST(FieldSplittingTest, EmptyTabFieldsKeepTheColumnsInPlace) {
    MeasurementTestEnvironment env;
    // An empty SAMPLE_NAME column must not shift L*, a*, b*.
    std::string text = "CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tSAMPLE_NAME\tLAB_L\tLAB_A\tLAB_B\nEND_DATA_FORMAT\n"
                       "NUMBER_OF_SETS\t21\nBEGIN_DATA\n";
    for (int s = 0; s < 21; ++s) text += std::to_string(s + 1) + "\t\t" + std::to_string(95 - s * 4) + "\t0.5\t-1\n";
    const auto loaded = loadMeasurementText(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.reader->measuredLab.front(), (CIELab{95, 0.5, -1}));
    EXPECT_EQ(loaded.reader->measuredLab.back(), (CIELab{15, 0.5, -1}));
}

TEST(FieldSplittingTest, QuotedNamesStayOneField) {
    EXPECT_EQ(splitFields("1\t\"Grey  1\"\t 95.0"), (Fields{"1", "\"Grey  1\"", "95.0"}));
    EXPECT_EQ(splitFields("1 \"Grey 1\" 95.0 0.5"), (Fields{"1", "\"Grey 1\"", "95.0", "0.5"}));
    // A quote without its partner is plain text.
    EXPECT_EQ(splitFields("5\" 95 0"), (Fields{"5\"", "95", "0"}));
    EXPECT_EQ(splitFields("\"A 95\t0"), (Fields{"\"A", "95", "0"}));

    // A tab-separated CGATS file whose sample names hold spaces reads its
    // Lab columns in place.
    MeasurementTestEnvironment env;
    std::string text = "CGATS.17\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tSAMPLE_NAME\tLAB_L\tLAB_A\tLAB_B\nEND_DATA_FORMAT\n"
                       "NUMBER_OF_SETS\t21\nBEGIN_DATA\n";
    for (int s = 0; s < 21; ++s)
        text += std::to_string(s + 1) + "\t\"Grey " + std::to_string(s + 1) + "\"\t" + std::to_string(95 - s * 4) +
                "\t0.5\t-1\n";
    const auto loaded = loadMeasurementText(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.reader->measuredLab.front(), (CIELab{95, 0.5, -1}));
    EXPECT_EQ(loaded.reader->measuredLab.back(), (CIELab{15, 0.5, -1}));
}

TEST(FieldSplittingTest, LinesAndCommas) {
    EXPECT_EQ(splitAtCommas(" 1, 95.5 ,,0\r"), (Fields{"1", "95.5", "", "0"}));
    EXPECT_EQ(replaceAll("0,5", ',', '.'), "0.5");
}

} // namespace curves
