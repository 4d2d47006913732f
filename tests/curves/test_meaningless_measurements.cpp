// Measurements that parse but cannot be linearized against are refused with
// the load-failure alert, the reason in the developer's log, and the model
// keeps what it had; a wedge listed from the black end loads turned round.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>

#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "measurement_helpers.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shared_test_data.h"

namespace curves {

namespace {

// 21 steps from L* 95 to 15 with a gentle bow, lightest first.
std::vector<double> wedgeLightness() {
    std::vector<double> L;
    for (int i = 0; i < 21; ++i) L.push_back(95 - 80 * std::pow(i / 20.0, 0.8));
    return L;
}

std::string labList(const std::vector<double>& L) {
    std::string text = "L*\ta*\tb*\n";
    for (const double v : L) text += std::to_string(v) + "\t0.5\t-1.0\n";
    return text;
}

// The same list with row `row` (0-based data row) replaced.
std::string labListWithRow(std::size_t row, const std::string& replacement) {
    const auto L = wedgeLightness();
    std::string text = "L*\ta*\tb*\n";
    for (std::size_t i = 0; i < L.size(); ++i)
        text += (i == row ? replacement : std::to_string(L[i]) + "\t0.5\t-1.0") + "\n";
    return text;
}

std::string cgatsWith(const std::string& row) {
    std::string text = "CGATS.17\nNUMBER_OF_FIELDS\t4\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\tLAB_A\tLAB_B\n"
                       "END_DATA_FORMAT\nNUMBER_OF_SETS\t21\nBEGIN_DATA\n";
    const auto L = wedgeLightness();
    for (std::size_t i = 0; i < L.size(); ++i)
        text += (i == 4 ? row : std::to_string(i + 1) + "\t" + std::to_string(L[i]) + "\t0\t0") + "\n";
    return text + "END_DATA\n";
}

std::string flatList(double from, double to) {
    std::vector<double> L;
    for (int i = 0; i < 21; ++i) L.push_back(from + (to - from) * i / 20.0);
    return labList(L);
}

// A 21-step wedge (wedgeLightness, a* 0.5, b* -1.0) in the layout of every
// reader, the field `column` (0 L*, 1 a*, 2 b*) of its fifth measurement
// written as `field`.
struct WedgeFormat {
    const char* name;
    const char* file;
    int columns;                 // the Lab fields a row holds
    bool rowsWithoutLAreSkipped; // a row with an empty L* field is no measurement in this layout
    std::function<std::string(int column, const std::string& field)> text;
};

// The rows of the wedge, each "<prefix>L<sep>a<sep>b" (one-column layouts: L
// only), the fifth spoilt.
std::string wedgeRows(int column, const std::string& field, const std::string& separator, int columns,
                      const std::function<std::string(int)>& prefix) {
    const auto L = wedgeLightness();
    std::string rows;
    for (int i = 0; i < 21; ++i) {
        std::string values[3] = {std::to_string(L[static_cast<std::size_t>(i)]), "0.5", "-1.0"};
        if (i == 4) values[column] = field;
        rows += prefix(i) + values[0];
        for (int c = 1; c < columns; ++c) rows += separator + values[c];
        rows += "\n";
    }
    return rows;
}

std::vector<WedgeFormat> wedgeFormats() {
    const auto none = [](int) { return std::string(); };
    const auto numbered = [](const std::string& separator) {
        return [separator](int i) { return std::to_string(i + 1) + separator; };
    };
    const std::string cgatsFormat = "BEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\tLAB_A\tLAB_B\nEND_DATA_FORMAT\n"
                                    "NUMBER_OF_SETS\t21\nBEGIN_DATA\n";
    return {
        {"CGATS", "wedge.txt", 3, false,
         [=](int c, const std::string& f) {
             return "CGATS.17\nNUMBER_OF_FIELDS\t4\n" + cgatsFormat + wedgeRows(c, f, "\t", 3, numbered("\t")) +
                    "END_DATA\n";
         }},
        {"SpyderPrint CGATS", "wedge.txt", 3, false,
         [=](int c, const std::string& f) {
             return cgatsFormat + wedgeRows(c, f, "\t", 3, numbered("\t")) + "END_DATA\n";
         }},
        {"Argyll", "wedge.ti3", 3, false,
         [=](int c, const std::string& f) {
             return "CTI3\n\nNUMBER_OF_FIELDS 4\nBEGIN_DATA_FORMAT\nSAMPLE_ID LAB_L LAB_A LAB_B\nEND_DATA_FORMAT\n\n"
                    "NUMBER_OF_SETS 21\nBEGIN_DATA\n" +
                    wedgeRows(c, f, " ", 3, numbered(" ")) + "END_DATA\n";
         }},
        {"data tool", "wedge.txt", 3, true,
         [=](int c, const std::string& f) {
             return "GRAY\tLAB_L\tLAB_A\tLAB_B\n" +
                    wedgeRows(c, f, "\t", 3, [](int i) { return std::to_string(i * 5) + "\t"; });
         }},
        {"data tool, comma-separated", "wedge.csv", 3, true,
         [=](int c, const std::string& f) {
             return "GRAY,LAB_L,LAB_A,LAB_B\n" +
                    wedgeRows(c, f, ",", 3, [](int i) { return std::to_string(i * 5) + ","; });
         }},
        {"Lab list", "wedge.txt", 3, false,
         [=](int c, const std::string& f) { return "L*\ta*\tb*\n" + wedgeRows(c, f, "\t", 3, none); }},
        {"headerless Lab columns", "wedge.txt", 3, false,
         [=](int c, const std::string& f) { return wedgeRows(c, f, "\t", 3, none); }},
        {"QTR-Linearize-Data", "wedge.txt", 3, false,
         [=](int c, const std::string& f) {
             return "QTR-Linearize-Data\nh\nh\n" + wedgeRows(c, f, "\t", 3, numbered("\tx\t")) + "e\ne\ne\ne\ne\n";
         }},
        {"step-wedge tool", "wedge.txt", 3, true,
         [=](int c, const std::string& f) {
             return "Patch\tStep\tL\ta\tb\n" + wedgeRows(c, f, "\t", 3, [](int i) {
                        return "P" + std::to_string(i) + "\t" + std::to_string(i) + "\t";
                    });
         }},
        {"own export", "wedge.txt", 3, true,
         [=](int c, const std::string& f) {
             return "Tintsmith CIELab\nStep\tL\ta\tb\n" + wedgeRows(c, f, "\t", 3, numbered("\t"));
         }},
        {"L* column", "wedge.txt", 1, false,
         [=](int c, const std::string& f) { return "L*\n" + wedgeRows(c, f, "", 1, none); }},
        {"headerless L* column", "wedge.txt", 1, false,
         [=](int c, const std::string& f) { return wedgeRows(c, f, "", 1, none); }},
    };
}

// The whitespace-separated fields of a line, as (start, length).
std::vector<std::pair<std::size_t, std::size_t>> fieldSpans(const std::string& line) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (std::size_t i = 0; i < line.size();) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        spans.emplace_back(start, i - start);
    }
    return spans;
}

// A real measurement file with the LAB_L field of its fifth data row
// replaced: the names follow BEGIN_DATA_FORMAT (or are the first line), the
// rows follow BEGIN_DATA (or the names).
std::string withLabLOfRow5(const std::string& text, const std::string& replacement) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const auto lineStarting = [&](const std::string& keyword) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(keyword, 0) == 0 &&
                (lines[i].size() == keyword.size() || lines[i][keyword.size()] == '\r'))
                return i;
        return std::nullopt;
    };
    const auto format = lineStarting("BEGIN_DATA_FORMAT");
    const std::size_t names = format ? *format + 1 : 0;
    const auto begin = lineStarting("BEGIN_DATA");
    const std::size_t row = (begin ? *begin + 1 : names + 1) + 4;
    const auto nameSpans = fieldSpans(lines[names]);
    std::size_t labL = 0;
    while (labL < nameSpans.size() && lines[names].substr(nameSpans[labL].first, nameSpans[labL].second) != "LAB_L")
        ++labL;
    const auto span = fieldSpans(lines[row]).at(labL);
    lines[row].replace(span.first, span.second, replacement);
    std::string result;
    for (const auto& line : lines) result += line + "\n";
    return result;
}

v2LinearizationDataModel loadedModel(const test_support::ScratchDirectory& dir) {
    v2LinearizationDataModel model;
    model.stepArray = linspace(256, 0, 100);
    test_support::writeBytes(dir.file("good.txt"), labList(wedgeLightness()));
    const auto good = loadMeasurementFile(dir.file("good.txt"));
    EXPECT_TRUE(good && model.loadMeasurements(*good));
    model.resetTargets();
    model.avgWindowSize = 33;
    model.splinePercent = 0.67;
    model.updateCorrection();
    return model;
}

// Loads the text as the named file into a model that holds a good wedge:
// the load fails with the one alert, the developer's log says `logged`, and
// the model keeps the wedge, its steps, its correction and its dmax.
void expectRefusedWithThePreviousKept(const std::string& fileName, const std::string& text, const std::string& logged) {
    MeasurementTestEnvironment env;
    test_support::ScratchDirectory dir;
    auto model = loadedModel(dir);
    const auto raw = model.rawMeasurements;
    const auto stepped = model.interpolatedMeasurements;
    const auto correction = model.correctionCurve->correctionCurveArray;
    const double dmax = model.dmax;
    ASSERT_EQ(env.alertCount(), 0u);

    test_support::writeBytes(dir.file(fileName), text);
    const auto file = loadMeasurementFile(dir.file(fileName));
    ASSERT_TRUE(file);
    EXPECT_FALSE(model.loadMeasurements(*file));
    ASSERT_EQ(env.alertCount(), 1u);
    EXPECT_EQ(env.services.alerts->shown[0].messageText, "Failed to Load Measurement Data");
    EXPECT_TRUE(env.log.devLogContains(logged)) << logged;
    EXPECT_EQ(model.rawMeasurements, raw);
    EXPECT_EQ(model.interpolatedMeasurements, stepped);
    EXPECT_EQ(model.correctionCurve->correctionCurveArray, correction);
    EXPECT_EQ(model.dmax, dmax);
}

} // namespace

TEST(MeaninglessMeasurements, AreRefusedAndThePreviousMeasurementsKept) {
    struct Case {
        const char* name;
        const char* file;
        std::string text;
        const char* logged;
    };
    const Case cases[] = {
        {"NaN L*", "nan.txt", labListWithRow(3, "nan\t0\t0"), "not a finite number"},
        {"NaN a*", "nan-a.txt", labListWithRow(3, "60\tNaN\t0"), "not a finite number"},
        {"infinite b* in CGATS", "inf.txt", cgatsWith("5\t70\t0\t-inf"), "not a finite number"},
        {"L* beyond the range of doubles", "huge.txt", cgatsWith("5\t1e999\t0\t0"), "not a finite number"},
        {"NaN in a lightness column", "column.txt", "L*\n95\n80\nnan\n40\n20\n", "not a finite number"},
        {"L* above 100", "above.txt", labListWithRow(0, "104.5\t0\t0"), "outside 0 to 100"},
        {"L* below 0", "below.txt", labListWithRow(20, "-3\t0\t0"), "outside 0 to 100"},
        {"negative density", "density.txt", "Density\t10.50\n-0.1\n0.5\n1.0\n1.5\n2.0\n", "outside 0 to 100"},
        {"flat set", "flat.txt", flatList(52, 49), "too small to linearize against"},
        {"flat set listed black first", "flat-reversed.txt", flatList(48, 51.5), "too small to linearize against"},
        {"every step the same", "same.txt", flatList(50, 50), "too small to linearize against"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefusedWithThePreviousKept(c.file, c.text, c.logged);
    }
}

// A field that does not read as a number is refused like a NaN field: no
// reader makes up a value for it (L* 1.0, 50 or 0.02 before), which bent the
// correction wherever the made-up value fell. Every reader, every Lab field.
TEST(MeaninglessMeasurements, FieldsThatDoNotReadAsNumbersAreRefusedAndThePreviousMeasurementsKept) {
    const std::string nulInside("4\0"
                                "5.5",
                                5);
    const struct {
        const char* spoiler;
        std::string text;
    } spoilers[] = {{"n/a", "n/a"}, {"--", "--"}, {"a NUL inside the number", nulInside}, {"an empty field", ""}};
    for (const auto& format : wedgeFormats()) {
        for (const auto& spoiler : spoilers) {
            for (int column = 0; column < format.columns; ++column) {
                // A blank line is no measurement in a one-column list, nor a
                // row without an L* in some layouts: those are skipped.
                if (spoiler.text.empty() && column == 0 && (format.columns == 1 || format.rowsWithoutLAreSkipped))
                    continue;
                SCOPED_TRACE(std::string(format.name) + ", field " + std::to_string(column) + ": " + spoiler.spoiler);
                // Between blanks an empty field is no field: the row is short.
                const bool blankSeparated = std::string_view(format.file).ends_with(".ti3");
                expectRefusedWithThePreviousKept(format.file, format.text(column, spoiler.text),
                                                 spoiler.text.empty() && blankSeparated ? "Line 14 has 3 fields"
                                                                                        : "Measurement 5 ");
            }
        }
        // Unspoilt, the same text loads.
        MeasurementTestEnvironment env;
        EXPECT_TRUE(loadMeasurementText(format.text(0, std::to_string(wedgeLightness()[4])), format.file).ok)
            << format.name;
    }
}

// The real wedges with one L* field spoilt in a scratch copy.
TEST(MeaninglessMeasurements, RealWedgesWithAnUnreadableFieldAreRefused) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    for (const char* name :
         {"measurements/gray-lab-list-25rows.txt", "measurements/argyll-grey21-coated-konly.ti3",
          "measurements/argyll-grey51-uncoated-konly.ti3", "measurements/i1profiler-gloss-neutral-52x5.txt",
          "measurements/i1profiler-matte-52x5-mixed-separators.txt"}) {
        const auto path = test_support::sharedTestFile(name);
        const auto text = test_support::readBytes(path);
        for (const char* spoiler : {"n/a", "--"}) {
            SCOPED_TRACE(std::string(name) + ": " + spoiler);
            expectRefusedWithThePreviousKept(path.filename().string(), withLabLOfRow5(text, spoiler),
                                             "Measurement 5 has the L* field \"" + std::string(spoiler) + "\"");
        }
    }
}

TEST(MeaninglessMeasurements, AWedgeListedBlackFirstIsTurnedRound) {
    MeasurementTestEnvironment env;
    auto L = wedgeLightness();
    const auto lightFirst = loadMeasurementText(labList(L));
    std::reverse(L.begin(), L.end());
    const auto blackFirst = loadMeasurementText(labList(L));
    ASSERT_TRUE(lightFirst.ok && blackFirst.ok);
    // As read, in file order; as steps, white to black like the other.
    EXPECT_DOUBLE_EQ(blackFirst.reader->measuredLab.front().L, 15);
    EXPECT_EQ(blackFirst.reader->averagedMeasurements, lightFirst.reader->averagedMeasurements);
    EXPECT_EQ(blackFirst.reader->interpolatedMeasurements, lightFirst.reader->interpolatedMeasurements);
    EXPECT_EQ(env.alertCount(), 0u);
}

} // namespace curves
