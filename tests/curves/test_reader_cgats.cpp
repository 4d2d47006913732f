#include <gtest/gtest.h>

#include <algorithm>

#include "app/curves/measurements/CgatsReaders.h"
#include "measurement_helpers.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shared_test_data.h"

namespace curves {

namespace {

// A CGATS file of `rows` data rows: SAMPLE_ID, RGB_R, LAB_L, LAB_A, LAB_B.
std::string cgatsText(const std::vector<std::string>& rows, const std::string& sets = "",
                      const std::string& names = "SAMPLE_ID\tRGB_R\tLAB_L\tLAB_A\tLAB_B") {
    std::string text = "CGATS.17\nORIGINATOR\t\"test\"\nNUMBER_OF_FIELDS\t5\nBEGIN_DATA_FORMAT\n" + names +
                       "\nEND_DATA_FORMAT\nNUMBER_OF_SETS\t" + (sets.empty() ? std::to_string(rows.size()) : sets) +
                       "\nBEGIN_DATA\n";
    for (const auto& row : rows) text += row + "\n";
    return text + "END_DATA\n";
}

std::vector<std::string> greyRows(int steps, bool ascending) {
    std::vector<std::string> rows;
    for (int s = 0; s < steps; ++s) {
        const int k = ascending ? steps - 1 - s : s;
        const int rgb = 255 - k * 255 / (steps - 1);
        const double L = 95 - k * 90.0 / (steps - 1);
        rows.push_back(std::to_string(s + 1) + "\t" + std::to_string(rgb) + "\t" + std::to_string(L) + "\t0\t-1");
    }
    return rows;
}

} // namespace

TEST(CgatsReaderTest, ReadsTheLabColumnsWithDecimalCommas) {
    MeasurementTestEnvironment env;
    auto rows = greyRows(21, false);
    rows[1] = "2\t200\t81.7\t0,2\t-1.1";
    const auto loaded = loadMeasurementText(cgatsText(rows));
    ASSERT_TRUE(loaded.ok);
    auto* reader = dynamic_cast<CgatsCIELab*>(loaded.reader.get());
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->lumIndex, 1);
    EXPECT_EQ(reader->labLIndex, 2);
    EXPECT_EQ(reader->numOfFields, "5");
    EXPECT_EQ(reader->totalSamples, 21);
    // Sorted by the third field (here L*), greatest first.
    EXPECT_EQ(reader->measuredLab[2], (CIELab{81.7, 0.2, -1.1}));
    EXPECT_EQ(reader->averagedMeasurements.size(), 21u);
    EXPECT_EQ(reader->interpolatedMeasurements.size(), 256u);
    EXPECT_EQ(env.alertCount(), 0u);
}

// A Lab field that is no number (or empty) refuses the file, naming the
// measurement and the field: no L* 1.0 is made up for it.
TEST(CgatsReaderTest, FieldsThatAreNoNumberRefuseTheFile) {
    const struct {
        std::size_t row;
        const char* text;
        const char* logged;
    } cases[] = {
        {3, "4\t200\t81.5x\t-\t0.5", "Measurement 4 has the L* field \"81.5x\", which is no number"},
        {4, "5\t190\t60\tn/a\t1e", "Measurement 5 has the a* field \"n/a\", which is no number"},
        {6, "7\t160\t\t\t", "Measurement 7 has the L* field \"\", which is no number"},
    };
    for (const auto& c : cases) {
        MeasurementTestEnvironment env;
        auto rows = greyRows(21, false);
        rows[c.row] = c.text;
        const auto loaded = loadMeasurementText(cgatsText(rows, "", "SAMPLE_ID\tRGB_G\tLAB_L\tLAB_A\tLAB_B"));
        EXPECT_FALSE(loaded.ok) << c.text;
        EXPECT_EQ(env.alertCount(), 1u) << c.text;
        EXPECT_TRUE(env.log.devLogContains(c.logged)) << c.text;
    }
}

TEST(CgatsReaderTest, AnEmptySetCount) {
    MeasurementTestEnvironment env;
    // NUMBER_OF_SETS with nothing after its tab: no measurements, the alert.
    std::string text = cgatsText(greyRows(21, false));
    text.replace(text.find("NUMBER_OF_SETS\t21"), 17, "NUMBER_OF_SETS\t");
    const auto empty = loadMeasurementText(text);
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(dynamic_cast<CgatsCIELab&>(*empty.reader).totalSamples, 0);
    EXPECT_EQ(env.alertCount(), 1u);
}

// NUMBER_OF_SETS must count the rows between BEGIN_DATA and END_DATA: a
// count of 5 over 21 rows loaded the first five as the whole wedge. Every
// CGATS-family reader refuses a count that disagrees, with the reason logged;
// blank lines among the rows are no rows.
TEST(CgatsReaderTest, ASetCountThatDisagreesWithTheRowsRefusesTheFile) {
    const auto rows = greyRows(21, false);
    std::string ti3 = "CTI3\n\nNUMBER_OF_FIELDS 5\nBEGIN_DATA_FORMAT\nSAMPLE_ID RGB_R LAB_L LAB_A LAB_B\n"
                      "END_DATA_FORMAT\n\nNUMBER_OF_SETS 21\nBEGIN_DATA\n";
    for (const auto& row : rows) ti3 += row + "\n";
    ti3 += "END_DATA\n";
    const auto cgats = cgatsText(rows);
    const auto spyder = cgats.substr(cgats.find("BEGIN_DATA_FORMAT"));
    const struct {
        const char* name;
        std::string text;
        const char* file;
    } formats[] = {{"CGATS", cgats, "w.txt"}, {"SpyderPrint CGATS", spyder, "w.txt"}, {"Argyll", ti3, "w.ti3"}};
    const struct {
        const char* sets;
        bool loads;
        const char* logged;
    } counts[] = {
        {"21", true, ""},
        {"5", false, "NUMBER_OF_SETS gives 5 rows, but 21 data rows follow BEGIN_DATA."},
        {"20", false, "NUMBER_OF_SETS gives 20 rows, but 21 data rows follow BEGIN_DATA."},
        {"22", false, "NUMBER_OF_SETS gives 22 rows, but 21 data rows follow BEGIN_DATA."},
    };
    for (const auto& format : formats) {
        for (const auto& count : counts) {
            SCOPED_TRACE(std::string(format.name) + ", NUMBER_OF_SETS " + count.sets);
            MeasurementTestEnvironment env;
            auto text = format.text;
            const auto at = text.find("NUMBER_OF_SETS") + 15;
            text.replace(at, 2, count.sets);
            const auto loaded = loadMeasurementText(text, format.file);
            EXPECT_EQ(loaded.ok, count.loads);
            EXPECT_EQ(env.alertCount(), count.loads ? 0u : 1u);
            if (!count.loads) {
                EXPECT_TRUE(env.log.devLogContains(count.logged));
            }
        }
    }
    // A blank line among the rows and before END_DATA changes nothing.
    MeasurementTestEnvironment env;
    auto spaced = cgats;
    spaced.insert(spaced.find("\n5\t") + 1, "\n");
    spaced.insert(spaced.find("END_DATA\n"), "\r\n");
    const auto loaded = loadMeasurementText(spaced);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.reader->measuredLab.size(), 21u);
}

TEST(CgatsReaderTest, RealFilesWithASetCountThatDisagreesAreRefused) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    const struct {
        const char* file;
        const char* rows;
    } files[] = {{"measurements/argyll-grey21-coated-konly.ti3", "21"},
                 {"measurements/i1profiler-gloss-neutral-52x5.txt", "260"},
                 {"measurements/i1profiler-matte-52x5-mixed-separators.txt", "260"}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const auto path = test_support::sharedTestFile(f.file);
        auto text = test_support::readBytes(path);
        const auto at = text.find("NUMBER_OF_SETS") + 15;
        text.replace(at, text.find_first_of("\r\n", at) - at, "5");
        MeasurementTestEnvironment env;
        EXPECT_FALSE(loadMeasurementText(text, path.filename().string()).ok);
        EXPECT_EQ(env.alertCount(), 1u);
        EXPECT_TRUE(env.log.devLogContains("NUMBER_OF_SETS gives 5 rows, but " + std::string(f.rows) +
                                           " data rows follow BEGIN_DATA."));
    }
}

TEST(CgatsReaderTest, SortingUsesTheThirdFieldWhateverTheRgbColumn) {
    MeasurementTestEnvironment env;
    // SAMPLE_ID, RGB_R, then two more device columns: index 2 is the first of
    // them. R runs against it here, so an order by R would put the darkest
    // step first. (With RGB_G and RGB_B, unequal channels would make the file
    // a colour chart: test_colour_charts.cpp.)
    std::vector<std::string> rows;
    for (int s = 0; s < 21; ++s) {
        const int g = s * 12;
        rows.push_back(std::to_string(s + 1) + "\t" + std::to_string(255 - g) + "\t" + std::to_string(g) + "\t" +
                       std::to_string(g) + "\t" + std::to_string(5.0 + s * 4) + "\t0\t0");
    }
    const auto loaded =
        loadMeasurementText(cgatsText(rows, "", "SAMPLE_ID\tRGB_R\tDEVICE_G\tDEVICE_B\tLAB_L\tLAB_A\tLAB_B"));
    ASSERT_TRUE(loaded.ok);
    auto* reader = dynamic_cast<CgatsCIELab*>(loaded.reader.get());
    EXPECT_EQ(reader->lumIndex, 1);
    EXPECT_EQ(reader->labLIndex, 4);
    EXPECT_DOUBLE_EQ(reader->measuredLab.front().L, 85);
    EXPECT_DOUBLE_EQ(reader->measuredLab.back().L, 5);
}

TEST(CgatsReaderTest, RisingRgbRowsAreReorderedLightToDark) {
    MeasurementTestEnvironment env;
    const auto loaded = loadMeasurementText(cgatsText(greyRows(21, true)));
    ASSERT_TRUE(loaded.ok);
    EXPECT_DOUBLE_EQ(loaded.reader->averagedMeasurements.front().L, 95);
    EXPECT_DOUBLE_EQ(loaded.reader->averagedMeasurements.back().L, 5);

    // Without an RGB_R column the file order stays.
    std::vector<std::string> rows;
    for (const auto& row : greyRows(21, true)) rows.push_back(row.substr(row.find('\t') + 1));
    const auto unsorted = loadMeasurementText(cgatsText(rows, "", "RGB_G\tLAB_L\tLAB_A\tLAB_B"));
    ASSERT_TRUE(unsorted.ok);
    EXPECT_DOUBLE_EQ(unsorted.reader->measuredLab.front().L, 5);
    // The steps, though, are turned round to run from white to black.
    EXPECT_DOUBLE_EQ(unsorted.reader->averagedMeasurements.front().L, 95);
    EXPECT_DOUBLE_EQ(unsorted.reader->averagedMeasurements.back().L, 5);
}

TEST(CgatsReaderTest, PaddedAndMixedSeparatorsReadAsSeparateNumbers) {
    // Padded numbers between tabs are split at blanks; a tab-separated
    // name holding a space ("Step 1") stays one field.
    const struct {
        const char* name;
        const char* separator;
        const char* padding;
        const char* sampleName;
    } layouts[] = {{"mixed", " ", "   ", "A"}, {"tabs, a name with a space", "\t", "\t", "Step "}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.name);
        MeasurementTestEnvironment env;
        const std::string separator = layout.separator;
        std::vector<std::string> rows;
        for (int s = 0; s < 21; ++s)
            rows.push_back(std::to_string(s + 1) + "\t" + layout.sampleName + std::to_string(s) + "\t  " +
                           std::to_string(255 - s * 12) + separator + std::to_string(95.0 - s * 4) + layout.padding +
                           "0.50" + separator + "-1.25  ");
        const auto names =
            "SAMPLE_ID\tSAMPLE_NAME\tRGB_R" + separator + "LAB_L" + separator + "LAB_A" + separator + "LAB_B";
        const auto loaded = loadMeasurementText(cgatsText(rows, "  21", names));
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.reader->measuredLab.front(), (CIELab{95, 0.5, -1.25}));
        EXPECT_EQ(loaded.reader->measuredLab.back(), (CIELab{15, 0.5, -1.25}));
    }
}

TEST(CgatsReaderTest, StructuralFailuresShowTheAlertOnceAndLeaveListsEmpty) {
    const auto rows = greyRows(21, false);
    std::string cut = cgatsText(rows);
    cut.resize(cut.size() / 2);
    std::string shortRow = cgatsText(rows);
    shortRow.replace(shortRow.find("\n12\t"), 4, "\n12\n");
    std::string withFieldAdded = cgatsText(rows);
    withFieldAdded.replace(withFieldAdded.find("\n12\t"), 4, "\n12\tStep 12\t");
    const std::vector<std::pair<std::string, std::string>> cases{
        {"no LAB_L", cgatsText(rows, "", "SAMPLE_ID\tRGB_R\tL\tA\tB")},
        {"no sets", cgatsText(rows, "0")},
        {"empty sets", cgatsText(rows, " ")},
        {"more sets than rows", cgatsText(rows, "22")},
        {"two billion sets", cgatsText(rows, "2000000000")},
        {"sets beyond every integer", cgatsText(rows, "99999999999999999999999")},
        {"negative sets", cgatsText(rows, "-5")},
        {"one sample", cgatsText({"1\t255\t95\t0\t0"})},
        {"cut in the middle", cut},
        {"short row", shortRow},
        {"a field more than the format names", withFieldAdded},
        {"no BEGIN_DATA", "CGATS.17\nBEGIN_DATA_FORMAT\nLAB_L\tLAB_A\tLAB_B\nNUMBER_OF_SETS\t2\n1\t2\t3\n"},
        {"format keyword last", "CGATS.17\nBEGIN_DATA_FORMAT"},
    };
    for (const auto& [name, text] : cases) {
        MeasurementTestEnvironment env;
        const auto loaded = loadMeasurementText(text);
        ASSERT_TRUE(loaded.reader) << name;
        EXPECT_FALSE(loaded.ok) << name;
        EXPECT_EQ(env.alertCount(), 1u) << name;
        EXPECT_TRUE(loaded.reader->measuredLab.empty()) << name;
        EXPECT_TRUE(loaded.reader->averagedMeasurements.empty()) << name;
        EXPECT_TRUE(loaded.reader->interpolatedMeasurements.empty()) << name;
    }
}

TEST(CgatsReaderTest, SpyderPrintCgatsReadsInFileOrder) {
    MeasurementTestEnvironment env;
    std::string text = "BEGIN_DATA_FORMAT\nSAMPLE_ID\tRGB_R\tLAB_L\tLAB_A\tLAB_B\nEND_DATA_FORMAT\nNUMBER_OF_SETS\t21\n"
                       "BEGIN_DATA\n";
    for (const auto& row : greyRows(21, true)) text += row + "\r\n";
    const auto loaded = loadMeasurementText(text);
    EXPECT_EQ(loaded.kind, "SpyderPrintCGATS");
    ASSERT_TRUE(loaded.ok);
    EXPECT_TRUE(env.log.devLogContains("Number of CGATS data fields: 5"));
    EXPECT_DOUBLE_EQ(loaded.reader->measuredLab.front().L, 5);
    EXPECT_EQ(loaded.reader->measuredLab.front().b, -1); // the carriage return is trimmed
}

TEST(CgatsReaderTest, ArgyllPaddedColumnsAndPartitioning) {
    MeasurementTestEnvironment env;
    std::string text = "CTI3   \n\nNUMBER_OF_FIELDS 5\nBEGIN_DATA_FORMAT\nSAMPLE_ID  GRAY_G  LAB_L LAB_A LAB_B \n"
                       "END_DATA_FORMAT\n\nNUMBER_OF_SETS    42\nBEGIN_DATA\n";
    for (int pass = 0; pass < 2; ++pass)
        for (int s = 0; s < 21; ++s)
            text += std::to_string(pass * 21 + s + 1) + "   " + std::to_string(s * 5) + "    " +
                    std::to_string(95.0 - s * 4 + pass) + "  0.00   -2.00 \r\n";
    text += "END_DATA\n";
    const auto loaded = loadMeasurementText(text, "wedge.ti3");
    EXPECT_EQ(loaded.kind, "TI3");
    ASSERT_TRUE(loaded.ok);
    auto* reader = dynamic_cast<ArgyllCIELab*>(loaded.reader.get());
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->labLIndex, 2);
    EXPECT_EQ(reader->lumIndex, -1);
    EXPECT_EQ(reader->totalSamples, 42);
    EXPECT_EQ(reader->beginDataRowIndex, 9);
    EXPECT_EQ(reader->samplesPerStep, 2);
    ASSERT_EQ(reader->averagedMeasurements.size(), 21u);
    EXPECT_DOUBLE_EQ(reader->averagedMeasurements.front().L, 95.5);
    EXPECT_EQ(reader->averagedMeasurements.front().b, -2);
    // One line per field looked at up to BEGIN_DATA_FORMAT: "CTI3", the blank
    // line, "NUMBER_OF_FIELDS", "5" and the keyword itself.
    EXPECT_EQ(std::count(env.log.devLogLines().begin(), env.log.devLogLines().end(), "Finding Data Format Index"), 5);
    EXPECT_TRUE(env.log.devLogContains("Measured CIELab: [(L:95.0, a:0.0, b:-2.0), "));

    ArgyllCIELab partition(measurementFileFromBytes(text, "w.ti3")->measurementData, false);
    ASSERT_TRUE(partition.readMeasurements());
    EXPECT_TRUE(env.log.devLogContains("For Partitioning.\nReturning measurements without averaging"));
    ASSERT_EQ(partition.measuredLab.size(), 42u);
    EXPECT_EQ(partition.measuredLab[1].L, 96); // step 0 of the second pass
    EXPECT_TRUE(partition.interpolatedMeasurements.empty());
}

TEST(CgatsReaderTest, ArgyllWithoutLinesShowsTheAlert) {
    MeasurementTestEnvironment env;
    ArgyllCIELab reader(std::vector<std::string>{}, true);
    EXPECT_FALSE(reader.readMeasurements());
    EXPECT_EQ(env.alertCount(), 1u);
    EXPECT_TRUE(env.log.devLogContains("Can not read loaded measurement data file"));
}

TEST(CgatsReaderTest, PartitioningReadStopsAfterParsing) {
    MeasurementTestEnvironment env;
    CgatsCIELab reader(measurementFileFromBytes(cgatsText(greyRows(21, true)), "c.txt")->measurementData, false);
    ASSERT_TRUE(reader.readMeasurements());
    EXPECT_TRUE(env.log.devLogContains("For Partitioning Custom Curve.\nReturning measurements without averaging"));
    EXPECT_DOUBLE_EQ(reader.measuredLab.front().L, 5); // not sorted
    EXPECT_TRUE(reader.averagedMeasurements.empty());
}

} // namespace curves
