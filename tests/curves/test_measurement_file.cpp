#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "test_measurement_helpers.h"
#include "test_road_support.h"

namespace curves {

namespace {

class MeasurementFileTest : public ::testing::Test {
protected:
    MeasurementTestEnvironment env;
    curves_test::ScratchDirectory scratch;
    const std::filesystem::path dir = scratch.path();

    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        curves_test::writeBytes(scratch.file(name), bytes);
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

TEST_F(MeasurementFileTest, TextThatIsNotUtf8ShowsTheAlertAndYieldsNothing) {
    EXPECT_FALSE(loadMeasurementFile(write("latin1.txt", "L*\ta*\tb*\n95,1\t0\t\xE9\n")));
    EXPECT_EQ(env.alertCount(), 1u);
    EXPECT_TRUE(env.services.recentDocuments().empty());
    // Binary data.
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) & 0xFF));
    EXPECT_FALSE(loadMeasurementFile(write("noise.ti3", binary)));
    EXPECT_EQ(env.alertCount(), 2u);
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
