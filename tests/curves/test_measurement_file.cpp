#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "app/curves/core/TextDecoding.h"
#include "measurement_helpers.h"
#include "tests/support/scratch_files.h"

namespace curves {

namespace {

class MeasurementFileTest : public ::testing::Test {
protected:
    MeasurementTestEnvironment env;
    test_support::ScratchDirectory scratch;
    const std::filesystem::path dir = scratch.path();

    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        test_support::writeBytes(scratch.file(name), bytes);
        return scratch.file(name);
    }
};

} // namespace

TEST_F(MeasurementFileTest, LoadFailureAlertTexts) {
    showMeasurementLoadError();
    ASSERT_EQ(env.alertCount(), 1u);
    const auto& alert = env.services.alerts->shown.front();
    EXPECT_EQ(alert.style, platform::AlertStyle::warning);
    EXPECT_EQ(alert.messageText, "Failed to Load Measurement Data");
    EXPECT_EQ(alert.informativeText,
              "Please check the measurement data format and load data again.\n\n"
              "If this problem continues send the measurement data file using the send feedback form in the help "
              "menu.");
}

TEST_F(MeasurementFileTest, ReadsNameLinesAndNotesRecentDocument) {
    const auto path = write("Wedge Data.CSV", "GRAY,L,a,b\n1,95,0,0\n");
    const auto file = loadMeasurementFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->filename, "Wedge Data.CSV");
    EXPECT_TRUE(file->isCSV);
    EXPECT_EQ(*file->measurementData, (std::vector<std::string>{"GRAY,L,a,b", "1,95,0,0", ""}));
    EXPECT_EQ(env.services.recentDocuments(), (std::vector<std::filesystem::path>{path}));
    EXPECT_EQ(env.alertCount(), 0u);
}

TEST_F(MeasurementFileTest, OpensWithoutARecentDocumentsController) {
    platform::services().delegate.reset();
    const auto file = loadMeasurementFile(write("w.txt", "L*\n95\n"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->filename, "w.txt");
    EXPECT_TRUE(env.services.recentDocuments().empty());
    EXPECT_EQ(env.alertCount(), 0u);
}

TEST_F(MeasurementFileTest, LineEndsOfEveryPlatform) {
    EXPECT_EQ(*measurementFileFromBytes("L*\ta*", "a.txt")->measurementData, (std::vector<std::string>{"L*\ta*"}));
    EXPECT_EQ(*measurementFileFromBytes("a\rb\r", "a.txt")->measurementData, (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(*measurementFileFromBytes("a\r\nb\r\n", "a.txt")->measurementData,
              (std::vector<std::string>{"a\r", "b\r", ""}));
    EXPECT_EQ(*measurementFileFromBytes("a\n\nb", "a.txt")->measurementData, (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(*measurementFileFromBytes("", "a.txt")->measurementData, (std::vector<std::string>{""}));
}

namespace {

std::string utf16(std::u16string_view text, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

} // namespace

// Text that is not UTF-8 is read in the encoding it is in, so that the same
// wedge loads the same way whatever its editor saved it as.
TEST_F(MeasurementFileTest, TextInOtherEncodingsReadsLikeUtf8) {
    const std::string wedge = "L*\ta*\tb*\n95.1\t0\t-1\n50.2\t0\t0\n10.3\t0\t1\n";
    const std::u16string wedge16 = u"L*\ta*\tb*\n95.1\t0\t-1\n50.2\t0\t0\n10.3\t0\t1\n";
    struct Case {
        const char* name;
        std::string bytes;
        const char* logged; // what the developer's log says, "" for nothing
    };
    const Case cases[] = {
        {"utf-8", wedge, ""},
        {"utf-8 with byte-order mark", "\xEF\xBB\xBF" + wedge, ""},
        {"utf-16 little-endian", utf16(wedge16, true), "read as UTF-16LE"},
        {"utf-16 big-endian", utf16(wedge16, false), "read as UTF-16BE"},
        {"latin-1 in a comment line", "L*\ta*\tb*\xB0\n95.1\t0\t-1\n50.2\t0\t0\n10.3\t0\t1\n", "read as Latin-1"},
    };
    for (const auto& c : cases) {
        MeasurementTestEnvironment local;
        const auto file = loadMeasurementFile(write("wedge.txt", c.bytes));
        ASSERT_TRUE(file) << c.name;
        ASSERT_GE(file->measurementData->size(), 4u) << c.name;
        EXPECT_EQ((*file->measurementData)[1], "95.1\t0\t-1") << c.name;
        EXPECT_EQ(file->detectFileType(), "miscWithHeader") << c.name;
        const auto loaded = loadMeasurementText(c.bytes);
        ASSERT_TRUE(loaded.ok) << c.name;
        EXPECT_EQ(loaded.reader->averagedMeasurements, (std::vector<CIELab>{{95.1, 0, -1}, {50.2, 0, 0}, {10.3, 0, 1}}))
            << c.name;
        if (*c.logged) {
            EXPECT_TRUE(local.log.devLogContains(c.logged)) << c.name;
        }
        EXPECT_EQ(local.alertCount(), 0u) << c.name;
    }
}

TEST_F(MeasurementFileTest, Latin1AndBrokenUtf16DecodeToUtf8) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"latin-1 letters", "Messung \xE9\xFC\xB0", "Messung \xC3\xA9\xC3\xBC\xC2\xB0"},
        {"utf-16 surrogate pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
        {"utf-16 lone surrogate", std::string("\xFF\xFE\x00\xD8\x41\x00", 6),
         "\xEF\xBF\xBD"
         "A"},
        {"utf-16 odd last byte", std::string("\xFE\xFF\x00\x41\x42", 5), "A\xEF\xBF\xBD"},
        // Line by line: one stray Latin-1 byte leaves the UTF-8 lines as they are.
        {"utf-8 lines beside a latin-1 line",
         "Hahnem\xC3\xBChle\n21\xB0"
         "C\r\nPapier \xC3\xA9t\xC3\xA9\n",
         "Hahnem\xC3\xBChle\n21\xC2\xB0"
         "C\r\nPapier \xC3\xA9t\xC3\xA9\n"},
        {"old Macintosh line ends", "\xC3\xBC\r\xB0\r\xC3\xA9", "\xC3\xBC\r\xC2\xB0\r\xC3\xA9"},
        {"a byte-order mark before a latin-1 line", "\xEF\xBB\xBF\xC3\xBC\n\xB0", "\xC3\xBC\n\xC2\xB0"},
        {"a latin-1 line without a line end", "\xC3\xBC\n\xE9", "\xC3\xBC\n\xC3\xA9"},
    };
    for (const auto& c : cases) {
        const auto decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.name;
        EXPECT_TRUE(isValidUtf8(decoded.text)) << c.name;
    }
    // Noise is Latin-1 text too: it reads, and recognition then refuses it.
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) & 0xFF));
    const auto file = loadMeasurementFile(write("noise.ti3", binary));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->detectFileType(), "Could not load file");
    EXPECT_EQ(env.alertCount(), 1u);
}

// Files that cannot be read end in the one load-failure alert, with the
// reason in the developer's log; a named pipe is refused at once instead of
// waiting for a writer.
TEST_F(MeasurementFileTest, UnreadableFilesShowTheAlertAndLogWhy) {
    const auto pipe = dir / "pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    struct Case {
        std::filesystem::path path;
        std::string logged;
    };
    const Case cases[] = {
        {dir / "vanished.txt", "No such file"},
        {write("big.txt", std::string(maximumMeasurementFileBytes + 1, '1')), "too large"},
        {pipe, "named pipe"},
        {dir, "folder"},
    };
    for (const auto& c : cases) {
        MeasurementTestEnvironment local;
        EXPECT_FALSE(loadMeasurementFile(c.path)) << c.path;
        ASSERT_EQ(local.alertCount(), 1u) << c.path;
        EXPECT_EQ(local.services.alerts->shown[0].messageText, "Failed to Load Measurement Data");
        EXPECT_TRUE(local.log.devLogContains(c.logged)) << c.path;
        EXPECT_TRUE(local.services.recentDocuments().empty());
    }
}

TEST_F(MeasurementFileTest, OpenPanelOptionsAndCancel) {
    EXPECT_FALSE(chooseMeasurementFile());
    EXPECT_EQ(env.alertCount(), 0u);
    ASSERT_EQ(env.services.openPanel->requests.size(), 1u);
    const auto& options = env.services.openPanel->requests.front();
    EXPECT_EQ(options.title, "Choose a measurement file");
    EXPECT_EQ(options.allowedFileTypes, (std::vector<std::string>{"txt", "csv", "ti3"}));
    EXPECT_TRUE(options.showsResizeIndicator);
    EXPECT_FALSE(options.showsHiddenFiles);
    EXPECT_FALSE(options.canChooseDirectories);
    EXPECT_TRUE(options.canChooseFiles);
    EXPECT_FALSE(options.allowsMultipleSelection);

    const auto path = write("w.ti3", "CTI3\n");
    env.services.openPanel->answers.push_back(path);
    const auto file = chooseMeasurementFile();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->filename, "w.ti3");
    EXPECT_FALSE(file->isCSV);
}

} // namespace curves
