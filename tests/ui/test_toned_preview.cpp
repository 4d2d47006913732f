// The blending screen's toned preview: the background renderer and its
// numbered results, and the roads an image takes onto the screen (open
// panel, Open Recent, a drop) with the failures that must keep the last
// preview.
#include <gtest/gtest.h>

#include <QAction>
#include <QImageWriter>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <cstring>

#include "app/ui/AppDelegate.h"
#include "app/ui/ApplicationShell.h"
#include "app/ui/ColorPreviewImageView.h"
#include "app/ui/GradientColors.h"
#include "app/ui/GreyLevelMapping.h"
#include "app/ui/MainWindow.h"
#include "app/ui/NeutralRamp.h"
#include "app/ui/PreviewImageFile.h"
#include "app/ui/TonedPreviewRenderer.h"
#include "tests/support/scratch_files.h"
#include "tests/ui/blending_screen_support.h"

namespace appui {
namespace {

using test_support::ScratchDirectory;
using uitest::BlendingScreenFixture;

QImage greyPicture(int width, int height) {
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.scanLine(y)[x] = static_cast<uchar>((x * 255) / (width - 1));
    return image;
}

std::filesystem::path writeImage(const ScratchDirectory& dir, const std::string& name, const QImage& image) {
    const auto file = dir.file(name);
    QImageWriter writer(QString::fromStdString(file.string()));
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return file;
}

// A TIFF whose header declares 30000 x 20000 pixels (600 megapixels) of
// 8-bit grey, with no pixel data behind it.
std::filesystem::path writeHugeTiffHeader(const ScratchDirectory& dir) {
    std::string bytes("II*\0\x08\0\0\0", 8);
    const auto put16 = [&](std::uint16_t v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
    const auto put32 = [&](std::uint32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
    const auto entry = [&](std::uint16_t tag, std::uint16_t type, std::uint32_t value) {
        put16(tag);
        put16(type);
        put32(1);
        if (type == 3) {
            put16(static_cast<std::uint16_t>(value));
            put16(0);
        } else {
            put32(value);
        }
    };
    put16(8);
    entry(256, 4, 30000);     // width
    entry(257, 4, 20000);     // height
    entry(258, 3, 8);         // bits per sample
    entry(259, 3, 1);         // no compression
    entry(262, 3, 1);         // black is zero
    entry(273, 4, 200);       // strip offset
    entry(278, 4, 20000);     // rows per strip
    entry(279, 4, 600000000); // strip bytes
    put32(0);
    const auto file = dir.file("huge.tif");
    test_support::writeBytes(file, bytes);
    return file;
}

// The colour a grey level becomes through the blend's gradient.
QRgb tonedLevel(const std::vector<curves::CIELab>& samples, int level) {
    return (*gradientMapTable(*gradientImage(gradientColors(samples))))[static_cast<std::size_t>(level)];
}

bool waitForPreview(const v2InkModelBlendingViewController& screen) {
    return QTest::qWaitFor(
        [&] {
            return screen.previewRenderer().shownGeneration() == screen.previewRenderer().latestGeneration() &&
                   screen.previewRenderer().latestGeneration() > 0;
        },
        10'000);
}

TEST(TonedPreviewRenderer, NumbersItsJobsAndDropsResultsOlderThanTheOneShown) {
    std::vector<std::function<void()>> jobs;
    std::vector<std::uint64_t> shown;
    TonedPreviewRenderer renderer(std::make_shared<ZWGradientMapFilter::MapFilter>());
    renderer.setJobRunner([&](std::function<void()> job) { jobs.push_back(std::move(job)); });
    renderer.setResultHandler([&](const QImage&, const QImage&, std::uint64_t g) { shown.push_back(g); });

    const QImage picture = greyPicture(64, 8);
    EXPECT_EQ(renderer.render(moclLab(), picture, QSize(32, 32)), 1u);
    EXPECT_EQ(renderer.render(moclLab(), picture, QSize(32, 32)), 2u);
    EXPECT_EQ(renderer.render(moclLab(), picture, QSize(32, 32)), 3u);
    ASSERT_EQ(jobs.size(), 3u);

    // The newest job finishes first; the overtaken ones, run later, do nothing.
    jobs[2]();
    QTest::qWait(0);
    QApplication::processEvents();
    jobs[0]();
    jobs[1]();
    QApplication::processEvents();
    EXPECT_EQ(shown, std::vector<std::uint64_t>{3});
    EXPECT_EQ(renderer.shownGeneration(), 3u);

    // A result that arrives after a newer one was shown is dropped.
    renderer.deliver(5, picture, picture);
    renderer.deliver(4, picture, picture);
    EXPECT_EQ(shown, (std::vector<std::uint64_t>{3, 5}));
}

TEST(TonedPreviewRenderer, OnThePoolShowsOnlyNewerResultsAndEndsOnTheLastRequest) {
    std::vector<std::uint64_t> shown;
    std::vector<QImage> results;
    TonedPreviewRenderer renderer(std::make_shared<ZWGradientMapFilter::MapFilter>());
    renderer.setResultHandler([&](const QImage& toned, const QImage& display, std::uint64_t g) {
        shown.push_back(g);
        results.push_back(toned);
        EXPECT_LE(display.width(), 100);
    });
    // Pictures of different sizes, so that jobs take different times.
    for (int i = 0; i < 24; ++i) {
        auto samples = moclLab();
        for (auto& s : samples) s.b = i;
        renderer.render(samples, greyPicture(200 + 300 * (i % 4), 150 + 100 * (i % 3)), QSize(100, 100));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return renderer.shownGeneration() == 24; }, 20'000));
    for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_LT(shown[i - 1], shown[i]);
    auto last = moclLab();
    for (auto& s : last) s.b = 23;
    EXPECT_EQ(results.back().pixel(results.back().width() - 1, 0), tonedLevel(last, 255));
}

TEST(TonedPreviewRenderer, AJobFinishingAfterItsRendererIsGoneHandsNothingBack) {
    std::vector<std::function<void()>> jobs;
    bool called = false;
    {
        TonedPreviewRenderer renderer(std::make_shared<ZWGradientMapFilter::MapFilter>());
        renderer.setJobRunner([&](std::function<void()> job) { jobs.push_back(std::move(job)); });
        renderer.setResultHandler([&](const QImage&, const QImage&, std::uint64_t) { called = true; });
        renderer.render(moclLab(), greyPicture(16, 4), QSize(8, 8));
    }
    ASSERT_EQ(jobs.size(), 1u);
    jobs.front()();
    QApplication::processEvents();
    EXPECT_FALSE(called);
}

TEST(TonedPreview, RendersNothingBeforeAnImageThenTonesTheOpenedPictureWithTheBlend) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    f.drag("cyanHighlightSlider", 20);
    EXPECT_EQ(f.screen->previewRenderer().latestGeneration(), 0u) << "no image: no job";

    const QImage picture = greyPicture(300, 200);
    const auto file = writeImage(dir, "wedge.tif", picture);
    f.services.openPanel->answers.push_back(file);
    f.find<QPushButton>("loadImageButton")->click();
    ASSERT_EQ(f.services.openPanel->requests.size(), 1u);
    const auto& request = f.services.openPanel->requests.front();
    EXPECT_EQ(request.title, "Open an image file");
    EXPECT_EQ(request.allowedFileTypes, (std::vector<std::string>{"jpg", "jpeg", "tif", "tiff"}));
    EXPECT_FALSE(request.allowsMultipleSelection);
    EXPECT_EQ(f.services.recentDocuments(), std::vector<std::filesystem::path>{file});
    EXPECT_EQ(f.screen->imageSize, QSize(300, 200));

    ASSERT_TRUE(waitForPreview(*f.screen));
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    ASSERT_TRUE(view->hasImage());
    const auto samples = f.screen->KCMYtoningBlend->blendedCIELab;
    EXPECT_EQ(view->image()->size(), *f.screen->imageSize) << "the toned picture takes the opened one's size";
    EXPECT_EQ(view->image()->pixel(0, 0), tonedLevel(samples, 0));
    EXPECT_EQ(view->image()->pixel(299, 5), tonedLevel(samples, 255));

    // A slider move tones it again with the new blend.
    f.drag("magentaMidtoneSlider", 80);
    ASSERT_TRUE(waitForPreview(*f.screen));
    EXPECT_EQ(view->image()->pixel(299, 5), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255));
    EXPECT_NE(tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 128), tonedLevel(samples, 128));
}

struct FormatCase {
    const char* name;
    const char* file;
    QImage picture;
};

TEST(TonedPreview, Tones16BitGreyAndColourPicturesAlike) {
    const QImage grey = greyPicture(256, 4);
    QImage grey16 = grey.convertToFormat(QImage::Format_Grayscale16);
    const FormatCase cases[] = {
        {"16-bit grey TIFF", "deep.tif", grey16},
        {"colour JPEG of grey content", "photo.jpg", grey.convertToFormat(QImage::Format_RGB32)},
        {"8-bit grey JPEG", "grey.jpeg", grey},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        BlendingScreenFixture f;
        ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, c.file, c.picture))) << c.name;
        ASSERT_TRUE(waitForPreview(*f.screen)) << c.name;
        const auto& shown = *f.find<ColorPreviewImageView>("mainImageView")->image();
        const auto& samples = f.screen->KCMYtoningBlend->blendedCIELab;
        EXPECT_EQ(shown.pixel(0, 1), tonedLevel(samples, 0)) << c.name;
        // JPEG is lossy: the lightest end within a level or two.
        const QRgb light = shown.pixel(255, 1), expected = tonedLevel(samples, 255);
        EXPECT_NEAR(qGreen(light), qGreen(expected), 3) << c.name;
    }
}

TEST(TonedPreview, CancelAnUndecodableFileOrAnOverlargeImageKeepTheLastPreview) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "first.tif", greyPicture(120, 80))));
    ASSERT_TRUE(waitForPreview(*f.screen));
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    const QImage shown = *view->image();
    const auto generation = f.screen->previewRenderer().latestGeneration();

    // Cancelled panel.
    f.screen->loadImagePressed();
    // A file that is no image.
    const auto broken = dir.file("broken.tif");
    test_support::writeBytes(broken, "this is not a TIFF file");
    f.services.openPanel->answers.push_back(broken);
    f.screen->loadImagePressed();
    EXPECT_TRUE(f.services.alerts->shown.empty()) << "an undecodable file fails silently";
    EXPECT_TRUE(f.log.devLogContains("broken.tif"));
    // An image too large to hold.
    f.services.openPanel->answers.push_back(writeHugeTiffHeader(dir));
    f.screen->loadImagePressed();
    ASSERT_EQ(f.services.alerts->shown.size(), 1u);
    EXPECT_EQ(f.services.alerts->shown.front().messageText, "The image is too large to preview");
    EXPECT_NE(f.services.alerts->shown.front().informativeText.find("30000 × 20000"), std::string::npos);
    EXPECT_NE(f.services.alerts->shown.front().informativeText.find("500 megapixels"), std::string::npos);

    QApplication::processEvents();
    EXPECT_EQ(view->image()->constBits(), shown.constBits());
    EXPECT_EQ(f.screen->imageSize, QSize(120, 80));
    EXPECT_EQ(f.screen->previewRenderer().latestGeneration(), generation);
    EXPECT_EQ(f.screen->inkBlendPreviewFilter->inputImage->size(), QSize(120, 80));
}

void dropFile(ColorPreviewImageView* view, const std::filesystem::path& file) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drop);
}

TEST(TonedPreview, ADroppedPictureIsTonedAndADropOnAnotherViewIsNot) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    dropFile(view, writeImage(dir, "dropped.png", greyPicture(90, 30)));
    EXPECT_EQ(view->droppedFilePath, dir.file("dropped.png"));
    ASSERT_TRUE(view->droppedCIImage);
    EXPECT_EQ(f.screen->imageSize, QSize(90, 30));
    ASSERT_TRUE(waitForPreview(*f.screen));
    EXPECT_EQ(view->image()->pixel(89, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255));
    EXPECT_TRUE(f.services.recentDocuments().empty()) << "a drop is not noted in Open Recent";

    // Two files, or a type the view does not take, change nothing.
    const auto generation = f.screen->previewRenderer().latestGeneration();
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile("/tmp/a.tif"), QUrl::fromLocalFile("/tmp/b.tif")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    EXPECT_FALSE(enter.isAccepted());
    test_support::writeBytes(dir.file("notes.txt"), "text");
    dropFile(view, dir.file("notes.txt"));
    EXPECT_EQ(view->droppedFilePath, dir.file("dropped.png"));

    // Another preview view's drop (the image-preview panel's) is not this
    // screen's picture: taking that view's dropped image, or this view's
    // (none after an opened picture), would leave the preview deaf to the
    // sliders.
    ColorPreviewImageView other;
    dropFile(&other, writeImage(dir, "elsewhere.png", greyPicture(40, 40)));
    ASSERT_TRUE(other.droppedCIImage);
    EXPECT_EQ(f.screen->imageSize, QSize(90, 30));
    EXPECT_EQ(f.screen->previewRenderer().latestGeneration(), generation);
    f.drag("yellowShadowSlider", 30);
    ASSERT_TRUE(waitForPreview(*f.screen));
    EXPECT_EQ(f.screen->previewRenderer().latestGeneration(), generation + 1);
    EXPECT_EQ(view->image()->size(), QSize(90, 30));
    EXPECT_EQ(view->image()->pixel(89, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255));
}

TEST(TonedPreview, EachPopUpChoiceOrSliderMoveStartsOneJobForTheBlendItEndsOn) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    std::vector<std::function<void()>> jobs;
    f.screen->previewRenderer().setJobRunner([&](std::function<void()> job) { jobs.push_back(std::move(job)); });
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "p.tif", greyPicture(64, 16))));
    ASSERT_EQ(jobs.size(), 1u);
    auto* view = f.find<ColorPreviewImageView>("mainImageView");

    struct Choice {
        const char* popUp;
        int index;
        std::size_t jobs;
    };
    const Choice choices[] = {
        {"printerModelSelectionMenu", 3, 1},
        {"inkSetPopupSelectionMenu", 3, 1},
        {"mediaTypePopupMenu", 1, 1},
        {"tonerSelectionPopupMenu", 4, 1},
        {"printerModelSelectionMenu", 5, 1},
        {"inkSetPopupSelectionMenu", 2, 1},
        {"mediaTypePopupMenu", 2, 1},
        // The toner pop-up does nothing on gravure media: no job either.
        {"tonerSelectionPopupMenu", 2, 0},
        {"mediaTypePopupMenu", 0, 1},
        {"tonerSelectionPopupMenu", 0, 1},
    };
    for (const auto& c : choices) {
        const std::size_t before = jobs.size();
        f.choose(c.popUp, c.index);
        ASSERT_EQ(jobs.size(), before + c.jobs) << c.popUp << " " << c.index;
        if (c.jobs == 0) continue;
        // The one job tones with the blend the action ended on.
        jobs.back()();
        QApplication::processEvents();
        EXPECT_EQ(view->image()->pixel(63, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255))
            << c.popUp << " " << c.index;
        EXPECT_EQ(view->image()->pixel(32, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 129))
            << c.popUp << " " << c.index;
    }
    const std::size_t before = jobs.size();
    f.drag("magentaShadowSlider", 12);
    EXPECT_EQ(jobs.size(), before + 1);
}

TEST(TonedPreview, AScreenClosedWhileItsJobRunsIsLeftAlone) {
    ScratchDirectory dir;
    std::vector<std::function<void()>> jobs;
    {
        BlendingScreenFixture f;
        f.screen->previewRenderer().setJobRunner([&](std::function<void()> job) { jobs.push_back(std::move(job)); });
        ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "p.tif", greyPicture(64, 64))));
        f.drag("yellowShadowSlider", 30);
        f.screen.reset();
    }
    ASSERT_FALSE(jobs.empty());
    for (auto& job : jobs) job();
    QApplication::processEvents();
}

TEST(PreviewImageFile, ReadsUprightAndRefusesWhatIsTooLargeBeforeDecoding) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    EXPECT_FALSE(readPreviewImage(dir.file("missing.tif")));
    EXPECT_TRUE(services.alerts->shown.empty());
    EXPECT_FALSE(readPreviewImage(writeHugeTiffHeader(dir)));
    EXPECT_EQ(services.alerts->shown.size(), 1u);
    const auto picture = readPreviewImage(writeImage(dir, "ok.tiff", greyPicture(10, 6)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSize(10, 6));
    EXPECT_EQ(picture->format(), QImage::Format_Grayscale8);
}

} // namespace
} // namespace appui

namespace appui {
namespace {

using test_support::ScratchDirectory;

TEST(TonedPreview, AnImageFromOpenRecentOpensOnTheBlendingTabAsFromThePanel) {
    ScratchDirectory dir;
    platform::QtRecentDocuments().clearRecentDocuments();
    ApplicationShell shell;
    auto& window = shell.mainWindow();
    auto* tabs = window.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    const auto file = writeImage(dir, "print.TIFF", greyPicture(80, 60));
    platform::noteNewRecentDocument(file);
    platform::noteNewRecentDocument(dir.file("other.quad"));

    window.openRecentMenu()->actions().at(1)->trigger(); // the older entry: the picture
    EXPECT_EQ(tabs->currentWidget(), window.blendingScreenPlace());
    auto* screen = window.blendingScreen();
    EXPECT_EQ(screen->imageSize, QSize(80, 60));
    EXPECT_EQ(shell.delegate().dc->recentDocuments().front(), file) << "noted again, as the panel would";
    ASSERT_TRUE(waitForPreview(*screen));
    EXPECT_EQ(screen->mainImageView->image()->pixel(79, 0), tonedLevel(screen->KCMYtoningBlend->blendedCIELab, 255));
    platform::QtRecentDocuments().clearRecentDocuments();
}

} // namespace
} // namespace appui
