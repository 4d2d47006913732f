// Measurement and .quad files that fail to load on the linearization screen,
// by the open panel and by Open Recent: the load-failure alert keeps its
// texts and says why in its detailed text, and Open Recent lists only files
// that load.
#include "tests/ui/linearization_screen_support.h"

namespace appui::uitest {
namespace {

const std::string loadFailure = "Failed to Load Measurement Data";
const std::string loadFailureText =
    "Please check the measurement data format and load data again.\n\nIf this problem continues send the "
    "measurement data file using the send feedback form in the help menu.";

struct FailingFile {
    const char* name;
    const char* file;
    const char* contents; // nullptr: the file is missing
    const char* alert;
    const char* reason; // a part of the measurement alert's detailed text
};

const FailingFile failingFiles[] = {
    {"binary measurements", "binary.txt",
     "\x7f"
     "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
     "Failed to Load Measurement Data", "binary.txt"},
    {"empty measurements", "empty.txt", "", "Failed to Load Measurement Data", "is empty"},
    {"a Lab field that is no number", "na.txt",
     "GRAY\tLAB_L\tLAB_A\tLAB_B\n0\t95\t0\t0\n50\tn/a\t0\t0\n100\t15\t0\t0\n", "Failed to Load Measurement Data",
     "n/a"},
    {"missing measurements", "gone.ti3", nullptr, "Failed to Load Measurement Data", "couldn't be opened"},
    {"a .quad value that is no number", "bad.quad", "## QuadToneRIP K\n# K Curve\n12abc\n", "Failed to Load Quad File",
     ""},
    {"an empty .quad", "empty.quad", "", "Failed to Load Quad File", ""},
    {"a missing .quad", "gone.quad", nullptr, "Failed to Load Quad File", ""},
};

using FailedLoads = LinearizationScreenTest;

TEST_F(FailedLoads, AFileThatFailsIsNotAddedToOpenRecentAndOneFromTheListIsTakenOff) {
    const auto wedge = labListFile(dir, "wedge.txt", darkMidtones());
    const auto quad = quadFile(dir, "curves.quad", eightInks);
    loadMeasurements(wedge);
    loadQuad(quad);
    ASSERT_EQ(services.recentDocuments(), (std::vector<std::filesystem::path>{quad, wedge}));
    for (const bool fromTheList : {false, true}) {
        for (const auto& failing : failingFiles) {
            SCOPED_TRACE(std::string(failing.name) + (fromTheList ? " from Open Recent" : " through the panel"));
            const auto file = dir.file(failing.file);
            std::filesystem::remove(file);
            if (failing.contents) test_support::writeBytes(file, failing.contents);
            services.alerts->shown.clear();
            if (fromTheList) {
                platform::noteNewRecentDocument(file);
                screen->openFile(file);
            } else if (std::string(failing.file).ends_with(".quad")) {
                loadQuad(file);
            } else {
                loadMeasurements(file);
            }
            ASSERT_EQ(services.alerts->shown.size(), 1u);
            EXPECT_EQ(services.alerts->shown.front().messageText, failing.alert);
            EXPECT_EQ(services.recentDocuments(), (std::vector<std::filesystem::path>{quad, wedge}));
            EXPECT_EQ(text("measurementFileNameLabel"), QStringLiteral("wedge.txt"));
            EXPECT_EQ(text("quadCurveFileNameLabel"), QStringLiteral("curves.quad"));
        }
    }
}

TEST_F(FailedLoads, TheMeasurementAlertKeepsItsTextsAndSaysWhyInItsDetailedText) {
    for (const auto& failing : failingFiles) {
        if (std::string(failing.alert) != loadFailure) continue;
        SCOPED_TRACE(failing.name);
        const auto file = dir.file(failing.file);
        if (failing.contents) test_support::writeBytes(file, failing.contents);
        services.alerts->shown.clear();
        loadMeasurements(file);
        ASSERT_EQ(services.alerts->shown.size(), 1u);
        const auto& alert = services.alerts->shown.front();
        EXPECT_EQ(alert.informativeText, loadFailureText);
        EXPECT_NE(alert.detailedText.find(failing.reason), std::string::npos) << alert.detailedText;
        EXPECT_NE(alert.detailedText.back(), '\n');
    }
}

} // namespace
} // namespace appui::uitest
