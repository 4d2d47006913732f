// The image-preview panel: a picture toned with the linearization's ramps
// by the segmented control and the Dmax switch, opened from the panel or
// dropped on it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QImageWriter>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/linearization/ImagePreviewPanelController.h"
#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/GradientColors.h"
#include "app/ui/preview/GreyLevelMapping.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/NeutralRamp.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "app/ui/widgets/SegmentedControl.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/scratch_files.h"

namespace appui {
namespace {

using curves::CIELab;
using test_support::ScratchDirectory;

QImage greyRamp() {
    QImage image(256, 4, QImage::Format_Grayscale8);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 256; ++x) image.scanLine(y)[x] = static_cast<uchar>(x);
    return image;
}

std::filesystem::path writeImage(const ScratchDirectory& dir, const std::string& name, const QImage& image) {
    const auto file = dir.file(name);
    EXPECT_TRUE(QImageWriter(QString::fromStdString(file.string())).write(image));
    return file;
}

// A warm ramp from L* `first` down to `last`.
std::vector<CIELab> ramp(double first, double last, double b) {
    std::vector<CIELab> r;
    for (int i = 0; i < 21; ++i) r.push_back({first + (last - first) * i / 20, 1, b});
    return r;
}

QRgb toned(const std::vector<CIELab>& samples, int level) {
    return (*gradientMapTable(*gradientImage(gradientColors(samples))))[static_cast<std::size_t>(level)];
}

// The colour samples' own colours of a ramp, level by level as the preview's gradient runs.
GradientMapTable samplesOwnGradient(const std::vector<CIELab>& samples) {
    std::vector<curves::ARGB_8> colors;
    for (const auto& sample : samples) {
        const QRgb c = ColorSampleView::patchColor(sample).rgb();
        colors.push_back({255, std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))});
    }
    return *gradientMapTable(*gradientImage(colors));
}

void post(LabRampsPayload payload) {
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::updatedColorInkArrays(),
                                                       std::move(payload));
}

struct PanelFixture {
    platform::ScriptedServices services;
    platform::LogCapture log;
    ScratchDirectory dir;
    ImagePreviewPanelController panel;

    QRgb shownAt(int level) const { return panel.mainImageView->image()->pixel(level, 1); }
    void open() {
        services.openPanel->answers.push_back(writeImage(dir, "wedge.tif", greyRamp()));
        panel.findChild<QPushButton*>(QStringLiteral("openImageButton"))->click();
    }
    void select(int segment) {
        panel.colorPreviewSelectionContro->setSelectedSegment(segment);
        emit panel.colorPreviewSelectionContro->segmentClicked(segment);
    }
};

TEST(ImagePreviewPanel, IsAToolWindowWhoseDropViewTakesTiffAndJpegOnly) {
    PanelFixture f;
    EXPECT_TRUE(f.panel.windowFlags() & Qt::Tool);
    for (const char* name : {"mainImageView", "dropView", "colorPreviewSelectionContro", "simulateDmaxCheckBox"})
        EXPECT_NE(f.panel.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(f.panel.dropView->acceptedFileExtensions, QStringList({QStringLiteral("tiff"), QStringLiteral("jpeg"),
                                                                     QStringLiteral("jpg"), QStringLiteral("tif")}));
    EXPECT_EQ(f.panel.dropView->delegate, &f.panel);
    EXPECT_EQ(f.panel.colorPreviewSelectionContro->segmentCount(), 3);
    EXPECT_TRUE(f.panel.originalMeasurements.empty());
    EXPECT_TRUE(f.panel.correctedMeasurents.empty());
}

TEST(ImagePreviewPanel, ShowsThePictureUntonedUntilRampsArriveAndACancelChangesNothing) {
    PanelFixture f;
    f.panel.openImageButtonPressed(); // cancelled
    EXPECT_FALSE(f.panel.mainImageView->hasImage());
    EXPECT_FALSE(f.panel.imageSize);

    f.open();
    ASSERT_TRUE(f.panel.mainImageView->hasImage());
    EXPECT_EQ(f.panel.imageSize, QSize(256, 4));
    EXPECT_EQ(f.shownAt(100), qRgb(100, 100, 100)) << "no linearization yet: the picture as opened";
    EXPECT_EQ(f.services.recentDocuments().size(), 1u);
}

TEST(ImagePreviewPanel, TonesWithTheChosenRampStretchedUnlessDmaxIsSimulated) {
    PanelFixture f;
    f.open();
    const auto measured = ramp(95, 20, 8);
    const auto corrected = ramp(90, 10, -6);
    post(LabRampsPayload{measured, corrected});
    std::vector<CIELab> correctedReversed(corrected.rbegin(), corrected.rend());
    EXPECT_EQ(f.panel.originalMeasurements, measured);
    EXPECT_EQ(f.panel.correctedMeasurents, correctedReversed);

    struct ChoiceCase {
        const char* name;
        int segment;
        bool simulateDmax;
        std::vector<CIELab> expected;
    };
    const ChoiceCase cases[] = {
        {"original, stretched to 100 .. 0", 1, false, curves::normalizeLabL(measured)},
        {"original as posted", 1, true, measured},
        {"corrected, reversed, as posted", 2, true, correctedReversed},
        {"corrected, reversed and stretched", 2, false, curves::normalizeLabL(correctedReversed)},
        {"segment 0: the neutral ramp whatever was posted", 0, false, moclLab()},
        {"segment 0 ignores the Dmax switch too", 0, true, moclLab()},
    };
    for (const auto& c : cases) {
        f.select(c.segment);
        if (f.panel.simulateDmaxCheckBox->isChecked() != c.simulateDmax) f.panel.simulateDmaxCheckBox->click();
        EXPECT_EQ(f.panel.simulateDmax, c.simulateDmax) << c.name;
        for (int level : {0, 64, 200, 255}) EXPECT_EQ(f.shownAt(level), toned(c.expected, level)) << c.name;
        // Every level as light as the samples' own colour for it (by Qt's grey of a colour).
        const auto own = samplesOwnGradient(c.expected);
        int worst = 0;
        for (int level = 0; level < 256; ++level)
            worst = std::max(worst, std::abs(qGray(f.shownAt(level)) - qGray(own[level])));
        EXPECT_LE(worst, 3) << c.name;
    }
    const auto stretched = curves::normalizeLabL(measured);
    EXPECT_DOUBLE_EQ(stretched.front().L, 100);
    EXPECT_DOUBLE_EQ(stretched.back().L, 0);

    // An empty payload puts the neutral ramp in both; an object of another kind is ignored.
    post(LabRampsPayload{});
    EXPECT_EQ(f.panel.originalMeasurements, moclLab());
    EXPECT_EQ(f.panel.correctedMeasurents, moclLab());
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::updatedColorInkArrays(),
                                                       std::string("not ramps"));
    EXPECT_EQ(f.panel.originalMeasurements, moclLab());
}

void drop(ZWDropView* view, const std::vector<std::filesystem::path>& files) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const auto& file : files) urls << QUrl::fromLocalFile(QString::fromStdString(file.string()));
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &dropped);
}

TEST(ImagePreviewPanel, OneDroppedTiffOpensWithoutNotingItButPngAndPairsAreRefused) {
    PanelFixture f;
    drop(f.panel.dropView, {writeImage(f.dir, "photo.png", greyRamp())});
    EXPECT_FALSE(f.panel.mainImageView->hasImage()) << "png is not taken on the drop view";
    drop(f.panel.dropView, {writeImage(f.dir, "a.tif", greyRamp()), writeImage(f.dir, "b.tif", greyRamp())});
    EXPECT_FALSE(f.panel.mainImageView->hasImage()) << "two files change nothing";
    drop(f.panel.dropView, {writeImage(f.dir, "one.TIF", greyRamp())});
    ASSERT_TRUE(f.panel.mainImageView->hasImage());
    EXPECT_EQ(f.panel.imageSize, QSize(256, 4));
    EXPECT_TRUE(f.services.recentDocuments().empty());
    EXPECT_FALSE(f.panel.mainImageView->acceptDrops()) << "drops go to the drop view around the picture";
}

TEST(ImagePreviewPanel, TheWindowMenuShowsItAndTheLinearizationInkRamps) {
    platform::LogCapture log;
    ApplicationShell shell;
    auto* action = shell.mainWindow().menuBar()->findChild<QAction*>(QStringLiteral("showImagePreviewPanel"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Image Preview"));
    QStringList items; // only windows that show something
    for (const auto* item : shell.mainWindow().menuBar()->findChild<QMenu*>(QStringLiteral("windowMenu"))->actions())
        items << item->text();
    EXPECT_EQ(items, (QStringList{"Image Preview", "Quad Curves", "Linearization Ink Ramps"}));
    auto* panel = shell.mainWindow().imagePreviewPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    action->trigger();
    EXPECT_TRUE(panel->isVisible());

    // Made with the main window, the linearization's ramps show what was posted before they were opened.
    post({{{50, 20, 10}}, {}});
    shell.mainWindow().menuBar()->findChild<QAction*>(QStringLiteral("showLinearizationInkRampsWindow"))->trigger();
    auto* ramps = shell.mainWindow().linearizationInkRampsWindow();
    EXPECT_TRUE(ramps->isVisible());
    EXPECT_EQ(ramps->findChild<ColorSampleView*>(QStringLiteral("originalColorSamplesView"))->colorSamples,
              (std::vector<CIELab>{{50, 20, 10}}));
}

} // namespace
} // namespace appui
