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
#include <QThreadPool>
#include <QUrl>
#include <algorithm>
#include <cstring>

#include "app/ui/blending/BlendPreviewPane.h"
#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/GradientColors.h"
#include "app/ui/preview/GreyLevelMapping.h"
#include "app/ui/preview/HalfScale.h"
#include "app/ui/preview/PreviewImageFile.h"
#include "app/ui/preview/PreviewReduction.h"
#include "app/ui/preview/TonedPreviewRenderer.h"
#include "app/ui/shell/AppDelegate.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/NeutralRamp.h"
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

// A job on the whole picture: bounds it fits, so nothing is reduced.
std::uint64_t renderWhole(TonedPreviewRenderer& renderer, std::vector<curves::CIELab> samples, const QImage& picture) {
    return renderer.render(std::move(samples), picture, previewReductionFor(picture.size(), picture.size()));
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
    renderer.setResultHandler([&](const QImage&, std::uint64_t g) { shown.push_back(g); });

    const QImage picture = greyPicture(64, 8);
    EXPECT_EQ(renderWhole(renderer, moclLab(), picture), 1u);
    EXPECT_EQ(renderWhole(renderer, moclLab(), picture), 2u);
    EXPECT_EQ(renderWhole(renderer, moclLab(), picture), 3u);
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
    renderer.deliver(5, picture);
    renderer.deliver(4, picture);
    EXPECT_EQ(shown, (std::vector<std::uint64_t>{3, 5}));
}

TEST(TonedPreviewRenderer, OnThePoolShowsOnlyNewerResultsAndEndsOnTheLastRequest) {
    std::vector<std::uint64_t> shown;
    std::vector<QImage> results;
    TonedPreviewRenderer renderer(std::make_shared<ZWGradientMapFilter::MapFilter>());
    renderer.setResultHandler([&](const QImage& display, std::uint64_t g) {
        shown.push_back(g);
        results.push_back(display);
    });
    // Pictures of different sizes, so that jobs take different times.
    for (int i = 0; i < 24; ++i) {
        auto samples = moclLab();
        for (auto& s : samples) s.b = i;
        renderWhole(renderer, samples, greyPicture(200 + 300 * (i % 4), 150 + 100 * (i % 3)));
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
        renderer.setResultHandler([&](const QImage&, std::uint64_t) { called = true; });
        renderWhole(renderer, moclLab(), greyPicture(16, 4));
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
    EXPECT_TRUE(view->showsToned());
    const auto samples = f.screen->KCMYtoningBlend->blendedCIELab;
    const QImage toned = *f.screen->tonedPicture();
    EXPECT_EQ(toned.size(), *f.screen->imageSize) << "the toned picture takes the opened one's size";
    EXPECT_EQ(toned.pixel(0, 0), tonedLevel(samples, 0));
    EXPECT_EQ(toned.pixel(299, 5), tonedLevel(samples, 255));

    // A slider move tones it again with the new blend.
    f.drag("magentaMidtoneSlider", 80);
    ASSERT_TRUE(waitForPreview(*f.screen));
    EXPECT_EQ(f.screen->tonedPicture()->pixel(299, 5), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255));
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
        {"8-bit grey PNG", "grey.png", grey},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        BlendingScreenFixture f;
        ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, c.file, c.picture))) << c.name;
        ASSERT_TRUE(waitForPreview(*f.screen)) << c.name;
        const QImage shown = *f.screen->tonedPicture();
        const auto& samples = f.screen->KCMYtoningBlend->blendedCIELab;
        EXPECT_EQ(shown.pixel(0, 1), tonedLevel(samples, 0)) << c.name;
        // JPEG is lossy: the lightest end within a level or two.
        const QRgb light = shown.pixel(255, 1), expected = tonedLevel(samples, 255);
        EXPECT_NEAR(qGreen(light), qGreen(expected), 3) << c.name;
        // The darkest and the middle level as the strip's darkest and 50 % samples.
        const auto& strip = f.find<ColorSampleView>("blendedSampleView")->colorSamples;
        for (const auto& [level, sample] : {std::pair{0, 20}, std::pair{128, 10}}) {
            const QColor p = shown.pixel(level, 1), s = ColorSampleView::patchColor(strip.at(sample));
            for (int d : {p.red() - s.red(), p.green() - s.green(), p.blue() - s.blue()})
                EXPECT_LE(std::abs(d), 3) << c.name;
        }
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
    ASSERT_EQ(f.services.alerts->shown.size(), 1u) << "an undecodable file says so";
    EXPECT_EQ(f.services.alerts->shown.front().messageText, "The image could not be read");
    EXPECT_TRUE(f.log.devLogContains("broken.tif"));
    // An image too large to hold.
    f.services.openPanel->answers.push_back(writeHugeTiffHeader(dir));
    f.screen->loadImagePressed();
    ASSERT_EQ(f.services.alerts->shown.size(), 2u);
    EXPECT_EQ(f.services.alerts->shown.back().messageText, "The image is too large to preview");
    EXPECT_NE(f.services.alerts->shown.back().informativeText.find("30000 × 20000"), std::string::npos);
    EXPECT_NE(f.services.alerts->shown.back().informativeText.find("500 megapixels"), std::string::npos);

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
    EXPECT_EQ(f.screen->tonedPicture()->pixel(89, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255));
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
    EXPECT_EQ(f.screen->tonedPicture()->pixel(89, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255));
}

TEST(TonedPreview, EachPopUpChoiceOrSliderMoveStartsOneJobForTheBlendItEndsOn) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    std::vector<std::function<void()>> jobs;
    f.screen->previewRenderer().setJobRunner([&](std::function<void()> job) { jobs.push_back(std::move(job)); });
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "p.tif", greyPicture(64, 16))));
    ASSERT_TRUE(jobs.empty()) << "an open tones at once, with no job";
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    view->resize(200, 100); // the picture fits: the view shows it toned pixel for pixel

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
        EXPECT_EQ(view->shownImage().pixel(63, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 255))
            << c.popUp << " " << c.index;
        EXPECT_EQ(view->shownImage().pixel(32, 0), tonedLevel(f.screen->KCMYtoningBlend->blendedCIELab, 129))
            << c.popUp << " " << c.index;
    }
    const std::size_t before = jobs.size();
    f.drag("magentaShadowSlider", 12);
    EXPECT_EQ(jobs.size(), before + 1);
}

TEST(BlendPreviewPane, TonesOnlyAPictureOnceForAWholeBatchAndAnOpenOutsideOneAtOnce) {
    ColorPreviewImageView view;
    view.resize(200, 100); // every picture here fits: toned pixel for pixel
    const std::vector<curves::CIELab> blend = moclLab();
    BlendPreviewPane pane(view, std::make_shared<ZWGradientMapFilter>(),
                          [&]() -> const std::vector<curves::CIELab>& { return blend; });
    std::vector<std::function<void()>> jobs;
    pane.renderer().setJobRunner([&](std::function<void()> job) { jobs.push_back(std::move(job)); });

    pane.render();
    EXPECT_TRUE(jobs.empty()) << "no picture: no job";
    EXPECT_FALSE(pane.tonedPicture().has_value());

    {
        const BlendPreviewPane::Batch outer(pane);
        pane.showOpened(greyPicture(64, 8));
        const BlendPreviewPane::Batch inner(pane);
        pane.render();
        EXPECT_TRUE(jobs.empty()) << "inside a batch the requests wait for its end";
    }
    ASSERT_EQ(jobs.size(), 1u) << "one job for the whole batch";
    jobs.back()();
    QApplication::processEvents();
    EXPECT_EQ(view.shownImage().pixel(63, 0), tonedLevel(blend, 255));

    pane.showOpened(greyPicture(32, 8));
    EXPECT_EQ(jobs.size(), 1u) << "an open outside a batch tones at once, with no job";
    EXPECT_EQ(view.shownImage().pixel(31, 0), tonedLevel(blend, 255));
    EXPECT_EQ(pane.tonedPicture()->size(), QSize(32, 8));
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

// A grey picture with edges everywhere: a ramp under noise, with hard steps.
QImage edgyPicture(int width, int height) {
    QImage image(width, height, QImage::Format_Grayscale8);
    std::uint32_t noise = 7;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int ramp = (x * 255) / std::max(1, width - 1);
            const int step = ((x / 7 + y / 5) % 3) * 60;
            image.scanLine(y)[x] = static_cast<uchar>((ramp + step + static_cast<int>(noise >> 27)) % 256);
        }
    return image;
}

int largestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max(
                {largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

TEST(PreviewReduction, ShowsSmallPicturesAsTheyAreAndSamplesOnlyLargeOnesFirst) {
    struct Case {
        QSize picture, bounds, shown, sampled;
    };
    const Case cases[] = {
        {{80, 50}, {100, 100}, {80, 50}, {80, 50}},          // fits: shown as it is
        {{300, 200}, {200, 200}, {200, 133}, {300, 200}},    // under twice the shown size: smoothed only
        {{500, 400}, {200, 200}, {200, 160}, {400, 320}},    // over twice: sampled to twice, then smoothed
        {{6000, 4000}, {690, 460}, {690, 460}, {1380, 920}}, // 24 Mpx into the screen's view
        {{4000, 10}, {100, 100}, {100, 1}, {200, 2}},        // a thin strip: at least a pixel high
        {{80, 50}, {0, 0}, {}, {}},                          // no bounds: nothing shown
    };
    for (const auto& c : cases) {
        const auto r = previewReductionFor(c.picture, c.bounds);
        EXPECT_EQ(r.shown, c.shown) << c.picture.width() << "x" << c.picture.height();
        EXPECT_EQ(r.sampled, c.sampled) << c.picture.width() << "x" << c.picture.height();
    }
}

TEST(PreviewReduction, HalvingAveragesEachTwoByTwoBlockChannelByChannel) {
    struct Case {
        QImage::Format format;
        QSize size;
        bool halves;
    };
    const Case cases[] = {
        {QImage::Format_RGB32, {38, 6}, true},      // a tail past the four-pixel steps
        {QImage::Format_ARGB32, {16, 4}, true},     // alpha averaged as the others
        {QImage::Format_Grayscale8, {10, 8}, true}, // grey narrower than one sixteen-pixel step
        {QImage::Format_Grayscale8, {70, 4}, true}, // two sixteen-pixel steps and a tail
        {QImage::Format_RGB32, {7, 6}, false},      // odd sides have no 2 x 2 blocks
        {QImage::Format_Indexed8, {8, 8}, false},
    };
    for (const auto& c : cases) {
        QImage picture(c.size, c.format);
        if (c.format == QImage::Format_Indexed8) picture.setColorCount(256);
        std::uint32_t noise = 3;
        for (int y = 0; y < picture.height(); ++y)
            for (qsizetype i = 0; i < picture.bytesPerLine(); ++i)
                picture.scanLine(y)[i] = static_cast<uchar>((noise = noise * 1664525u + 1013904223u) >> 24);
        const QImage half = halvedByAveraging(picture, *QThreadPool::globalInstance());
        ASSERT_EQ(!half.isNull(), c.halves) << c.format;
        if (!c.halves) continue;
        ASSERT_EQ(half.size(), c.size / 2);
        const int channels = c.format == QImage::Format_Grayscale8 ? 1 : 4;
        for (int y = 0; y < half.height(); ++y)
            for (int i = 0; i < half.width() * channels; ++i) {
                const int left = (i / channels) * 2 * channels + i % channels, right = left + channels;
                const uchar* a = picture.constScanLine(2 * y);
                const uchar* b = picture.constScanLine(2 * y + 1);
                ASSERT_EQ(half.constScanLine(y)[i], (a[left] + a[right] + b[left] + b[right] + 2) / 4)
                    << c.format << " row " << y << " byte " << i;
            }
    }
}

// What the user sees is the picture toned whole and reduced, though a step
// tones only the sampled picture: sampling picks pixels the map then tones
// alike, and only the smoothing's rounding may differ.
TEST(TonedPreview, ShowsTheWholeToneMapReducedToTheViewWithinOneLevel) {
    struct Case {
        const char* name;
        QSize picture, view;
    };
    const Case cases[] = {
        // (The view is at least 320 x 320.)
        {"a picture that fits", {120, 80}, {480, 360}},
        {"under twice the view", {600, 360}, {480, 360}},
        {"between twice and four times", {1200, 900}, {480, 360}},
        {"many times the view", {2500, 1700}, {480, 360}},
        {"a tall one", {600, 2250}, {480, 360}},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        BlendingScreenFixture f;
        auto* view = f.find<ColorPreviewImageView>("mainImageView");
        view->resize(c.view);
        ASSERT_EQ(view->displayPixelSize(), c.view) << c.name;
        f.drag("yellowMidtoneSlider", 70); // a toned blend, not a neutral one
        const QImage picture = edgyPicture(c.picture.width(), c.picture.height());
        ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "edgy.tif", picture))) << c.name;
        ASSERT_TRUE(waitForPreview(*f.screen)) << c.name;

        const auto table = *gradientMapTable(*gradientImage(gradientColors(f.screen->KCMYtoningBlend->blendedCIELab)));
        QImage whole;
        ASSERT_TRUE(mapGreyLevels(picture, table, whole, *QThreadPool::globalInstance()));
        const QImage expected = ColorPreviewImageView::fittedCopy(whole, view->displayPixelSize());
        const QImage shown = view->shownImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), expected.size()) << c.name;
        EXPECT_LE(largestChannelDifference(shown, expected), 1) << c.name;
        // The 2 x 2 means are the platform's smooth halving, within a level.
        const auto reduction = previewReductionFor(picture.size(), view->displayPixelSize());
        if (reduction.samplesFirst()) {
            const QImage platformSmoothed =
                sampledForPreview(whole, reduction)
                    .scaled(reduction.shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
            EXPECT_LE(largestChannelDifference(shown, platformSmoothed), 1) << c.name;
        }
    }
}

TEST(TonedPreview, SliderStepsToneOnlyTheViewSizedPictureAndHoldNoFullSizeOutput) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "big.tif", edgyPicture(1200, 800))));
    for (int position : {20, 40, 60}) {
        f.drag("cyanMidtoneSlider", position);
        ASSERT_TRUE(waitForPreview(*f.screen));
    }
    const auto reduction = previewReductionFor(QSize(1200, 800), view->displayPixelSize());
    ASSERT_TRUE(reduction.samplesFirst()) << "a picture many times the view's size";
    for (const QSize kept : f.screen->inkBlendPreviewFilter->mapFilter->buffers->keptSizes())
        EXPECT_EQ(kept, reduction.sampled) << "a step maps the picture sampled for the view";
    EXPECT_TRUE(f.screen->fullSizeBuffers().keptSizes().empty());
    EXPECT_EQ(view->shownImage().size(), reduction.shown);

    // The full-resolution picture is made when asked for, into one buffer
    // that the next request reuses; the next step lets it go.
    const uchar* first = nullptr;
    {
        const QImage toned = *f.screen->tonedPicture();
        EXPECT_EQ(toned.size(), QSize(1200, 800));
        first = toned.constBits();
    }
    EXPECT_EQ(f.screen->fullSizeBuffers().keptSizes(), std::vector<QSize>{QSize(1200, 800)});
    EXPECT_EQ(f.screen->tonedPicture()->constBits(), first);
    f.drag("cyanMidtoneSlider", 30);
    EXPECT_TRUE(f.screen->fullSizeBuffers().keptSizes().empty());
}

// The picture an open replaces is let go (on a pool thread, once the new one
// shows toned): nothing keeps a large picture after it is no longer shown.
TEST(TonedPreview, AnOpenLetsTheReplacedPictureGo) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "first.tif", edgyPicture(900, 600))));
    ASSERT_TRUE(waitForPreview(*f.screen));
    const QImage first = *f.screen->mainImageView->image();
    ASSERT_FALSE(first.isDetached()) << "the screen holds the picture it shows";

    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "second.tif", edgyPicture(600, 900))));
    ASSERT_TRUE(waitForPreview(*f.screen));
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_TRUE(first.isDetached()) << "the replaced picture is still held";
}

// An open tones the picture before the view first paints it: the grey
// picture is never painted, and no job is left to replace it.
TEST(TonedPreview, AnOpenShowsThePictureTonedInItsFirstPaint) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    std::vector<std::function<void()>> jobs;
    f.screen->previewRenderer().setJobRunner([&](std::function<void()> job) { jobs.push_back(std::move(job)); });
    f.drag("yellowMidtoneSlider", 70);
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    view->resize(480, 360);
    const int paints = view->paintCount();
    const QImage picture = greyPicture(1600, 1000);
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "wide.tif", picture)));
    EXPECT_TRUE(view->showsToned());
    EXPECT_EQ(view->paintCount(), paints) << "nothing painted before the toned picture";
    EXPECT_TRUE(jobs.empty());
    EXPECT_EQ(f.screen->previewRenderer().shownGeneration(), f.screen->previewRenderer().latestGeneration());
    const auto table = *gradientMapTable(*gradientImage(gradientColors(f.screen->KCMYtoningBlend->blendedCIELab)));
    QImage whole;
    ASSERT_TRUE(mapGreyLevels(picture, table, whole, *QThreadPool::globalInstance()));
    const QImage expected = ColorPreviewImageView::fittedCopy(whole, view->displayPixelSize());
    EXPECT_LE(largestChannelDifference(view->shownImage().convertToFormat(QImage::Format_RGB32), expected), 1);

    // A slider step's job made before an open shows nothing older after it.
    f.drag("cyanMidtoneSlider", 40);
    ASSERT_EQ(jobs.size(), 1u);
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "tall.tif", greyPicture(1000, 1600))));
    const QImage opened = view->shownImage();
    jobs.front()();
    QApplication::processEvents();
    EXPECT_EQ(view->shownImage(), opened) << "the overtaken job's result is dropped";
}

// On screen, the replaced picture is let go only after the new one has been
// painted: giving its memory back would hold up that paint's allocations.
TEST(TonedPreview, AShownViewLetsTheReplacedPictureGoOnceTheNewOneIsPainted) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    f.screen->resize(1000, 700);
    f.screen->show();
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "first.tif", edgyPicture(900, 600))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->paintCount() > 0; }, 10'000));
    const QImage first = *view->image();

    const int paints = view->paintCount();
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "second.tif", edgyPicture(600, 900))));
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_FALSE(first.isDetached()) << "let go before the new picture was painted";
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->paintCount() > paints; }, 10'000));
    QApplication::processEvents();
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_TRUE(first.isDetached()) << "the replaced picture is still held";
}

TEST(TonedPreview, AResizedViewIsTonedAgainAtItsNewSize) {
    ScratchDirectory dir;
    BlendingScreenFixture f;
    f.screen->resize(1000, 700);
    f.screen->show();
    QApplication::processEvents();
    auto* view = f.find<ColorPreviewImageView>("mainImageView");
    ASSERT_TRUE(f.screen->openPreviewImage(writeImage(dir, "wide.tif", edgyPicture(2400, 1600))));
    ASSERT_TRUE(waitForPreview(*f.screen));
    const auto before = f.screen->previewRenderer().latestGeneration();
    const QSize oldShown = view->shownImage().size();

    f.screen->resize(1300, 950);
    QApplication::processEvents();
    ASSERT_NE(view->displayPixelSize(), QSize()) << "the view follows its window";
    ASSERT_TRUE(waitForPreview(*f.screen));
    EXPECT_GT(f.screen->previewRenderer().latestGeneration(), before) << "a resize tones again";
    const QSize newShown = previewReductionFor(QSize(2400, 1600), view->displayPixelSize()).shown;
    EXPECT_NE(newShown, oldShown);
    EXPECT_EQ(view->shownImage().size(), newShown);
}

TEST(PreviewImageFile, ReadsUprightAndRefusesWhatIsTooLargeBeforeDecoding) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    EXPECT_FALSE(readPreviewImage(dir.file("missing.tif")));
    EXPECT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_FALSE(readPreviewImage(writeHugeTiffHeader(dir)));
    EXPECT_EQ(services.alerts->shown.size(), 2u);
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
    EXPECT_EQ(screen->tonedPicture()->pixel(79, 0), tonedLevel(screen->KCMYtoningBlend->blendedCIELab, 255));
    platform::QtRecentDocuments().clearRecentDocuments();
}

} // namespace
} // namespace appui
