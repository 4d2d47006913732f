// A line chart painted offscreen through QPainter, checked on its pixels, and
// its image export read back by ImageMagick.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <QImage>
#include <QPainter>

#include "Charts/drawing/PainterContext.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/painted_view.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shell_commands.h"

namespace charts {
namespace {

using namespace charts::testing;
using test_support::quoted;
using test_support::runCommand;
using test_support::ScratchDirectory;

const QColor lineColour(200, 0, 0);

QImage paint(LineChartView& view) { return charts::testing::paintedView(view); }

bool isLineColour(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

// Pixels of the line's colour inside and outside a rectangle.
std::pair<int, int> lineColourPixels(const QImage& image, const Rect& inside) {
    int in = 0;
    int out = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isLineColour(image.pixel(x, y))) continue;
            const bool within =
                x >= minX(inside) - 1 && x <= maxX(inside) + 1 && y >= minY(inside) - 1 && y <= maxY(inside) + 1;
            (within ? in : out) += 1;
        }
    }
    return {in, out};
}

std::unique_ptr<LineChartView> zigzagChart(bool clip) {
    auto view = makeLineChart(400, 300);
    auto set = lineSet({{0, 0}, {10, 100}, {20, 0}, {30, 100}, {40, 0}, {50, 100}}, "zigzag");
    set->setColor(lineColour);
    set->setLineWidth(3);
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    view->legend()->setEnabled(false);
    view->setClipDataToContentEnabled(clip);
    view->setData(lineData({set}));
    // Zoomed in about the middle: the zigzag runs past every edge.
    view->zoom(3, 3, 200, -150);
    return view;
}

TEST(LineChartPixels, TheContentClipReallyClipsTheLine) {
    const auto clipped = zigzagChart(true);
    const auto [in, out] = lineColourPixels(paint(*clipped), clipped->viewPortHandler()->contentRect());
    EXPECT_GT(in, 500);
    EXPECT_EQ(out, 0);
    const auto loose = zigzagChart(false);
    const auto [looseIn, looseOut] = lineColourPixels(paint(*loose), loose->viewPortHandler()->contentRect());
    EXPECT_GT(looseOut, 100) << "without the clip the line leaves the content";
}

TEST(LineChartPixels, AFilledAreaLiesUnderTheLine) {
    auto view = makeLineChart(400, 300);
    auto set = lineSet({{0, 50}, {100, 50}}, "flat");
    set->setColor(lineColour);
    set->setLineWidth(4);
    set->setDrawCirclesEnabled(false);
    set->setDrawValuesEnabled(false);
    set->setDrawFilledEnabled(true);
    set->setFillColor(QColor(0, 0, 255));
    set->setFillAlpha(1.0);
    view->legend()->setEnabled(false);
    view->leftAxis()->setAxisMinimum(0);
    view->leftAxis()->setAxisMaximum(100);
    view->leftAxis()->setDrawGridLinesEnabled(false);
    view->rightAxis()->setDrawGridLinesEnabled(false);
    view->xAxis()->setDrawGridLinesEnabled(false);
    view->setData(lineData({set}));
    const QImage image = paint(*view);
    const Point line = view->pixelForValues(50, 50, YAxis::AxisDependency::left);
    const Point below = view->pixelForValues(50, 20, YAxis::AxisDependency::left);
    const Point above = view->pixelForValues(50, 80, YAxis::AxisDependency::left);
    EXPECT_TRUE(isLineColour(image.pixel(int(line.x), int(line.y))))
        << std::hex << image.pixel(int(line.x), int(line.y));
    EXPECT_EQ(image.pixel(int(below.x), int(below.y)), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(int(above.x), int(above.y)), qRgb(255, 255, 255));
}

TEST(LineChartPixels, TheDescriptionEndsAtItsAnchor) {
    auto view = makeLineChart(400, 300);
    view->setData(lineData({lineSet(ramp(3))}));
    view->legend()->setEnabled(false);
    for (AxisBase* axis : {static_cast<AxisBase*>(view->xAxis().get()), static_cast<AxisBase*>(view->leftAxis().get()),
                           static_cast<AxisBase*>(view->rightAxis().get())}) {
        axis->setEnabled(false);
        axis->setDrawGridLinesEnabled(false);
        axis->setDrawAxisLineEnabled(false);
        axis->setDrawLabelsEnabled(false);
    }
    view->lineData()->getDataSetByIndex(0)->setVisible(false);
    const auto& description = view->chartDescription();
    description->setText(QStringLiteral("HHHH"));
    description->setTextColor(QColor(0, 0, 0));
    description->setFont(pixelSizedFont(QFont(), 20));
    description->setPosition(Point{300, 200});
    description->setTextAlign(TextAlignment::right);
    const QImage image = paint(*view);
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    ASSERT_GE(right, 0) << "no text drawn";
    // Right-aligned: the text ends at the anchor's x and hangs below its y.
    EXPECT_NEAR(right, 300, 3);
    EXPECT_LT(left, 280);
    EXPECT_GE(top, 200);
    EXPECT_LT(top, 210);
    EXPECT_LT(bottom, 200 + 25);
}

TEST(ChartImageExport, PngAndJpegFilesReadBackAsWritten) {
    ScratchDirectory scratch;
    auto view = makeLineChart(320, 240);
    view->setData(lineData({lineSet(ramp(5))}));
    const auto png = scratch.file("chart.png");
    const auto jpeg = scratch.file("chart.jpg");
    ASSERT_TRUE(view->save(QString::fromStdString(png.string()), ChartViewBase::ImageFormat::png, 1.0));
    ASSERT_TRUE(view->save(QString::fromStdString(jpeg.string()), ChartViewBase::ImageFormat::jpeg, 0.8));
    std::string output;
    ASSERT_EQ(runCommand("identify -format '%m %w %h %A' " + quoted(png), output), 0) << output;
    // The PNG keeps transparency: a chart that paints no background.
    EXPECT_EQ(output.substr(0, 11), "PNG 320 240");
    EXPECT_NE(output.find("True"), std::string::npos) << output;
    ASSERT_EQ(runCommand("convert " + quoted(png) + " -format '%[fx:int(255*p{1,1}.a)]' info:", output), 0);
    EXPECT_EQ(output, "0");
    ASSERT_EQ(runCommand("identify -format '%m %w %h' " + quoted(jpeg), output), 0) << output;
    EXPECT_EQ(output, "JPEG 320 240");
    // The JPEG is painted on white.
    ASSERT_EQ(runCommand("convert " + quoted(jpeg) + " -format '%[fx:int(255*p{1,1}.r)]' info:", output), 0);
    EXPECT_GE(std::stoi(output), 250);
}

// Red, green, blue and alpha (0 to 255) of the pixels at the points, as
// ImageMagick reads the file.
std::vector<std::array<int, 4>> decodedPixels(const std::filesystem::path& file, const std::vector<QPoint>& at) {
    std::string format;
    for (const QPoint& p : at) {
        const std::string where = "p{" + std::to_string(p.x()) + "," + std::to_string(p.y()) + "}";
        for (const char* channel : {".r", ".g", ".b", ".a"}) format += "%[fx:int(255*" + where + channel + "+0.5)] ";
    }
    std::string output;
    EXPECT_EQ(runCommand("convert " + quoted(file) + " -format '" + format + "' info:", output), 0) << output;
    std::istringstream words(output);
    std::vector<std::array<int, 4>> pixels(at.size());
    for (auto& pixel : pixels)
        for (int& channel : pixel) words >> channel;
    return pixels;
}

// The exported file holds the chart, its line in its colour where the values
// put it, on white and then the view's background colour for a JPEG, and on
// the view's background colour or nothing for a PNG.
TEST(ChartImageExport, TheFileShowsTheChartOnItsBackground) {
    struct Case {
        ChartViewBase::ImageFormat format;
        std::optional<QColor> background;
        std::array<int, 4> corner;
        int tolerance; // JPEG is lossy
    };
    const auto png = ChartViewBase::ImageFormat::png;
    const auto jpeg = ChartViewBase::ImageFormat::jpeg;
    const Case cases[] = {
        {png, std::nullopt, {0, 0, 0, 0}, 0},
        {png, QColor(0, 0, 200), {0, 0, 200, 255}, 0},
        {png, QColor(0, 0, 255, 128), {0, 0, 255, 128}, 1},
        {jpeg, std::nullopt, {255, 255, 255, 255}, 3},
        // White, then the half-transparent blue over it once.
        {jpeg, QColor(0, 0, 255, 128), {127, 127, 255, 255}, 6},
    };
    for (const Case& c : cases) {
        ScratchDirectory scratch;
        auto view = makeLineChart(320, 240);
        auto set = lineSet({{0, 50}, {100, 50}}, "flat");
        set->setColor(lineColour);
        set->setLineWidth(5);
        set->setDrawCirclesEnabled(false);
        set->setDrawValuesEnabled(false);
        view->legend()->setEnabled(false);
        view->leftAxis()->setAxisMinimum(0);
        view->leftAxis()->setAxisMaximum(100);
        view->setData(lineData({set}));
        view->setBackgroundColor(c.background);
        const auto file = scratch.file(c.format == png ? "chart.png" : "chart.jpg");
        ASSERT_TRUE(view->save(QString::fromStdString(file.string()), c.format, 1.0));
        const auto at = [&](double x, double y) {
            const Point p = view->pixelForValues(x, y, YAxis::AxisDependency::left);
            return QPoint(int(std::lround(p.x)), int(std::lround(p.y)));
        };
        const std::vector<QPoint> points{QPoint(1, 1), at(25, 50), at(50, 50), at(75, 50), at(50, 80)};
        const auto pixels = decodedPixels(file, points);
        ASSERT_EQ(pixels.size(), points.size());
        const std::string label = std::string(c.format == png ? "png" : "jpeg") + " " +
                                  (c.background ? c.background->name(QColor::HexArgb).toStdString() : "none");
        for (int channel = 0; channel < 4; ++channel)
            EXPECT_NEAR(pixels[0][std::size_t(channel)], c.corner[std::size_t(channel)], c.tolerance)
                << label << " corner channel " << channel;
        for (std::size_t i = 1; i <= 3; ++i) {
            EXPECT_TRUE(isLineColour(qRgb(pixels[i][0], pixels[i][1], pixels[i][2])) && pixels[i][3] == 255)
                << label << " line at (" << points[i].x() << ", " << points[i].y() << "): " << pixels[i][0] << " "
                << pixels[i][1] << " " << pixels[i][2] << " " << pixels[i][3];
        }
        EXPECT_FALSE(isLineColour(qRgb(pixels[4][0], pixels[4][1], pixels[4][2]))) << label << " above the line";
    }
}

TEST(ChartImageExport, AFailedSaveAnswersFalseAndLeavesNoFile) {
    ScratchDirectory scratch;
    auto view = makeLineChart(100, 80);
    view->setData(lineData({lineSet(ramp(3))}));
    const auto missing = scratch.file("no-such-folder") / "chart.png";
    EXPECT_FALSE(view->save(QString::fromStdString(missing.string()), ChartViewBase::ImageFormat::png, 1));
    EXPECT_FALSE(std::filesystem::exists(missing));
    // A folder in the file's place stays a folder.
    const auto folder = scratch.file("taken");
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(view->save(QString::fromStdString(folder.string()), ChartViewBase::ImageFormat::jpeg, 1));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    // A view of no size has no image to write.
    auto empty = makeLineChart(0, 0);
    EXPECT_FALSE(empty->getChartImage(true).has_value());
    EXPECT_FALSE(
        empty->save(QString::fromStdString(scratch.file("empty.png").string()), ChartViewBase::ImageFormat::png, 1));
    EXPECT_FALSE(std::filesystem::exists(scratch.file("empty.png")));
}

TEST(ChartImageExport, AnImageHasTheViewsSize) {
    auto view = makeLineChart(120, 90);
    view->setData(lineData({lineSet(ramp(3))}));
    const auto image = view->getChartImage(false);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->deviceIndependentSize().toSize(), QSize(120, 90));
    EXPECT_EQ(image->pixel(1, 1), qRgb(255, 255, 255));
}

} // namespace
} // namespace charts
