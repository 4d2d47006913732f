// Files that give no picture, opened for the blending screen's preview by
// the open panel and by Open Recent: each is refused before decoding where
// it can be (a named pipe, a folder), says so in an alert with the reason as
// its detailed text, leaves the picture shown before, and is not (or no
// longer) in Open Recent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <sys/stat.h>

#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/PreviewImageFile.h"
#include "app/ui/preview/TonedPreviewRenderer.h"
#include "tests/support/scratch_files.h"
#include "tests/ui/blending_screen_support.h"

namespace appui {
namespace {

using test_support::ScratchDirectory;
using uitest::BlendingScreenFixture;

std::filesystem::path writeTiff(const ScratchDirectory& dir, const std::string& name, int width, int height) {
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.scanLine(y)[x] = static_cast<uchar>(x * 255 / (width - 1));
    const auto file = dir.file(name);
    QImageWriter writer(QString::fromStdString(file.string()), "tiff");
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return file;
}

struct Refused {
    const char* name;
    // Makes the file in the folder; answers its path.
    std::filesystem::path (*make)(const ScratchDirectory& dir);
    const char* reason; // a part of the alert's detailed text
    // A part of its informative text.
    const char* says = "could not be read as a picture";
};

constexpr const char* undecodedTiff = "is a TIFF picture of a kind this program cannot decode";

const Refused refusedFiles[] = {
    {"a named pipe",
     [](const ScratchDirectory& dir) {
         const auto file = dir.file("pipe.tif");
         EXPECT_EQ(::mkfifo(file.c_str(), 0600), 0);
         return file;
     },
     "named pipe"},
    {"a folder",
     [](const ScratchDirectory& dir) {
         const auto file = dir.file("folder.tif");
         std::filesystem::create_directory(file);
         return file;
     },
     "folder"},
    {"text named .tif",
     [](const ScratchDirectory& dir) {
         const auto file = dir.file("text.tif");
         test_support::writeBytes(file, "This is a text file, not a picture.\n");
         return file;
     },
     ""},
    {"an empty file",
     [](const ScratchDirectory& dir) {
         const auto file = dir.file("empty.jpg");
         test_support::writeBytes(file, "");
         return file;
     },
     ""},
    {"noise",
     [](const ScratchDirectory& dir) {
         std::string bytes(65536, '\0');
         std::uint32_t state = 12345;
         for (char& c : bytes) c = static_cast<char>((state = state * 1664525u + 1013904223u) >> 24);
         const auto file = dir.file("noise.tiff");
         test_support::writeBytes(file, bytes);
         return file;
     },
     ""},
    {"a truncated TIFF",
     [](const ScratchDirectory& dir) {
         const auto whole = test_support::readBytes(writeTiff(dir, "whole.tif", 600, 400));
         const auto file = dir.file("truncated.tif");
         test_support::writeBytes(file, whole.substr(0, whole.size() / 3));
         return file;
     },
     "", undecodedTiff},
    {"a file that no longer exists", [](const ScratchDirectory& dir) { return dir.file("gone.tif"); }, "No such file",
     "could not be found"},
};

TEST(PreviewImageRefusals, AFileThatGivesNoPictureIsRefusedWithAnAlertAndTheLastPreviewKept) {
    for (const bool throughPanel : {true, false}) {
        for (const auto& refused : refusedFiles) {
            SCOPED_TRACE(std::string(refused.name) + (throughPanel ? " through the panel" : " from Open Recent"));
            ScratchDirectory dir;
            BlendingScreenFixture f;
            ASSERT_TRUE(f.screen->openPreviewImage(writeTiff(dir, "first.tif", 120, 80)));
            auto* view = f.find<ColorPreviewImageView>("mainImageView");
            const auto shown = view->image()->constBits();
            const auto generation = f.screen->previewRenderer().latestGeneration();
            const auto file = refused.make(dir);
            // Listed before, as a file that once opened would be.
            platform::noteNewRecentDocument(file);

            if (throughPanel) {
                f.services.openPanel->answers.push_back(file);
                f.screen->loadImagePressed();
            } else {
                EXPECT_FALSE(f.screen->openPreviewImage(file));
            }
            ASSERT_EQ(f.services.alerts->shown.size(), 1u);
            const auto& alert = f.services.alerts->shown.front();
            EXPECT_EQ(alert.messageText, "The image could not be read");
            EXPECT_NE(alert.informativeText.find(file.filename().string()), std::string::npos) << alert.informativeText;
            EXPECT_NE(alert.informativeText.find(refused.says), std::string::npos) << alert.informativeText;
            EXPECT_FALSE(alert.detailedText.empty());
            EXPECT_NE(alert.detailedText.find(refused.reason), std::string::npos) << alert.detailedText;
            QApplication::processEvents();
            EXPECT_EQ(view->image()->constBits(), shown);
            EXPECT_EQ(f.screen->imageSize, QSize(120, 80));
            EXPECT_EQ(f.screen->previewRenderer().latestGeneration(), generation);
            EXPECT_EQ(f.services.recentDocuments(), std::vector<std::filesystem::path>{dir.file("first.tif")});
        }
    }
}

TEST(PreviewImageRefusals, AFileLargerThanAnyPictureThePreviewTakesIsRefusedUnread) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    const auto file = dir.file("huge.tif");
    {
        std::ofstream out(file, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(maximumPreviewFileBytes));
        out.put('\0');
    }
    EXPECT_FALSE(readPreviewImage(file));
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_NE(services.alerts->shown.front().detailedText.find("too large"), std::string::npos);
}

} // namespace
} // namespace appui
