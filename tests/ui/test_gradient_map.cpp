// The toned preview's gradient and the gradient-map filter: colours of known
// Lab values, the luminance order, the 256-entry table, the per-pixel map
// over every input format, the output buffer reuse and the banding.
#include <gtest/gtest.h>

#include <QThreadPool>
#include <atomic>
#include <cstring>
#include <vector>

#include "app/ui/preview/GradientColors.h"
#include "app/ui/preview/GreyLevelKernels.h"
#include "app/ui/preview/GreyLevelMapping.h"
#include "app/ui/preview/ParallelBands.h"
#include "app/ui/preview/ZWGradientMapFilter.h"
#include "app/ui/widgets/NeutralRamp.h"

namespace appui {
namespace {

using curves::ARGB_8;
using curves::CIELab;

struct ColorCase {
    const char* name;
    CIELab lab;
    ARGB_8 expected;
};

TEST(GradientColors, PackKnownLabValuesAsTheColourSamplesShowThemAndKeepLightnessOutOfGamut) {
    const ColorCase cases[] = {
        {"neutral L* 0 is black", {0, 0, 0}, {255, 0, 0, 0}},
        {"neutral L* 50 is 119 in every channel, companded once", {50, 0, 0}, {255, 119, 119, 119}},
        {"neutral L* 100 is white", {100, 0, 0}, {255, 255, 255, 255}},
        {"a warm sample has more red than blue", {50, 5, 15}, {255, 134, 116, 94}},
        {"beyond sRGB: less chroma, same L* and hue (clipped: 212, 0, 255)", {50, 120, -120}, {255, 187, 37, 255}},
        {"at L* 0 a near-neutral tone is black (clipped: 7, 0, 0)", {0, 2.04, 2.07}, {255, 0, 0, 0}},
        {"a non-number gives black", {std::nan(""), 0, 0}, {255, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto colors = gradientColors({c.lab});
        ASSERT_EQ(colors.size(), 1u) << c.name;
        const ARGB_8 got = colors.front();
        EXPECT_EQ(got.a, c.expected.a) << c.name;
        EXPECT_EQ(got.r, c.expected.r) << c.name;
        EXPECT_EQ(got.g, c.expected.g) << c.name;
        EXPECT_EQ(got.b, c.expected.b) << c.name;
    }
    EXPECT_TRUE(gradientColors({}).empty());
}

TEST(GradientColors, SortDarkestFirstAndKeepTheOrderOfEqualLuminance) {
    // 0.7152 x 1 truncates to 0 like black does: equal luminance, sample order kept.
    const ARGB_8 black{255, 0, 0, 0}, nearBlack{255, 0, 1, 0}, grey{255, 128, 128, 128}, white{255, 255, 255, 255};
    const auto sorted = sortedByLuminance({white, nearBlack, grey, black});
    ASSERT_EQ(sorted.size(), 4u);
    EXPECT_EQ(sorted[0], nearBlack);
    EXPECT_EQ(sorted[1], black);
    EXPECT_EQ(sorted[2], grey);
    EXPECT_EQ(sorted[3], white);

    // A blend ramp runs light to dark; its gradient starts at the darkest sample.
    const auto image = gradientImage(gradientColors(moclLab()));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(21, 1));
    EXPECT_EQ(image->format(), QImage::Format_RGB32);
    const auto darkest = gradientColors({moclLab().back()}).front();
    EXPECT_EQ(image->pixel(0, 0), qRgb(darkest.r, darkest.g, darkest.b));
    EXPECT_FALSE(gradientImage(std::nullopt));
    EXPECT_FALSE(gradientImage(std::vector<ARGB_8>{}));
}

QImage gradientOf(std::initializer_list<QRgb> colors) {
    QImage image(static_cast<int>(colors.size()), 1, QImage::Format_RGB32);
    int x = 0;
    for (QRgb c : colors) image.setPixel(x++, 0, c);
    return image;
}

TEST(GradientMapTable, EndsOnTheOuterColoursAndInterpolatesBetween) {
    const auto blackToWhite = gradientMapTable(gradientOf({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    ASSERT_TRUE(blackToWhite);
    for (int level = 0; level < 256; ++level)
        EXPECT_EQ((*blackToWhite)[static_cast<std::size_t>(level)], qRgb(level, level, level)) << level;

    const auto one = gradientMapTable(gradientOf({qRgb(10, 20, 30)}));
    ASSERT_TRUE(one);
    for (QRgb entry : *one) EXPECT_EQ(entry, qRgb(10, 20, 30));

    // 21 colours: level 51 lies exactly on colour 4, level 64 a quarter of
    // the way from colour 5 to colour 6 (64 x 20 / 255 = 5.0196).
    QImage ramp(21, 1, QImage::Format_RGB32);
    for (int i = 0; i < 21; ++i) ramp.setPixel(i, 0, qRgb(i * 10, 200 - i * 5, 7));
    const auto table = gradientMapTable(ramp);
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[0], ramp.pixel(0, 0));
    EXPECT_EQ((*table)[51], ramp.pixel(4, 0));
    EXPECT_EQ((*table)[255], ramp.pixel(20, 0));
    EXPECT_EQ((*table)[64], qRgb(50, 175, 7));

    EXPECT_FALSE(gradientMapTable(QImage()));
}

GradientMapTable rampTable() {
    GradientMapTable table{};
    for (int i = 0; i < 256; ++i) table[static_cast<std::size_t>(i)] = qRgb(i, 255 - i, (i * 7) & 0xff);
    return table;
}

// Every grey level once per row, in a few rows.
QImage greyRamp8() {
    QImage image(256, 3, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 256; ++x) image.scanLine(y)[x] = static_cast<uchar>(x);
    return image;
}

QImage asIndexed(const QImage& grey) {
    QImage indexed(grey.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i) palette.push_back(qRgb(255 - i, 255 - i, 255 - i)); // reversed on purpose
    indexed.setColorTable(palette);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            indexed.scanLine(y)[x] = static_cast<uchar>(255 - grey.constScanLine(y)[x]);
    return indexed;
}

QImage asGrey16(const QImage& grey) {
    QImage deep(grey.size(), QImage::Format_Grayscale16);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<quint16*>(deep.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) row[x] = static_cast<quint16>(grey.constScanLine(y)[x] * 257);
    }
    return deep;
}

struct FormatCase {
    const char* name;
    QImage input;
};

TEST(GreyLevelMapping, MapsTheSameGreyLevelsAlikeInEveryInputFormat) {
    const QImage grey = greyRamp8();
    const FormatCase cases[] = {
        {"8-bit grey", grey},
        {"16-bit grey", asGrey16(grey)},
        {"32-bit RGB", grey.convertToFormat(QImage::Format_RGB32)},
        {"32-bit ARGB", grey.convertToFormat(QImage::Format_ARGB32)},
        {"premultiplied ARGB, converted first", grey.convertToFormat(QImage::Format_ARGB32_Premultiplied)},
        {"64-bit RGBA", grey.convertToFormat(QImage::Format_RGBA64)},
        {"24-bit RGB, converted first", grey.convertToFormat(QImage::Format_RGB888)},
        {"indexed through its palette", asIndexed(grey)},
    };
    const auto table = rampTable();
    QThreadPool& pool = *QThreadPool::globalInstance();
    for (const auto& c : cases) {
        QImage output;
        ASSERT_TRUE(mapGreyLevels(c.input, table, output, pool)) << c.name;
        ASSERT_EQ(output.size(), grey.size()) << c.name;
        EXPECT_EQ(output.format(), QImage::Format_RGB32) << c.name;
        for (int y = 0; y < grey.height(); ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(output.pixel(x, y), table[static_cast<std::size_t>(x)]) << c.name << " at " << x;
    }
}

struct LevelCase {
    const char* name;
    QImage input;
    int level;
};

QImage onePixel(QImage::Format format, QRgb color) {
    QImage image(1, 1, format);
    image.setPixel(0, 0, color);
    return image;
}

QImage oneDeepPixel(QImage::Format format, QRgba64 color) {
    QImage image(1, 1, format);
    *reinterpret_cast<QRgba64*>(image.scanLine(0)) = color;
    return image;
}

QImage oneGrey16(quint16 level) {
    QImage image(1, 1, QImage::Format_Grayscale16);
    *reinterpret_cast<quint16*>(image.scanLine(0)) = level;
    return image;
}

TEST(GreyLevelMapping, TakesColourByRec709LuminanceAnd16BitLevelsRounded) {
    const LevelCase cases[] = {
        {"red weighs 0.2126", onePixel(QImage::Format_RGB32, qRgb(255, 0, 0)), 54},
        {"green weighs 0.7152", onePixel(QImage::Format_RGB32, qRgb(0, 255, 0)), 182},
        {"blue weighs 0.0722", onePixel(QImage::Format_RGB32, qRgb(0, 0, 255)), 18},
        {"alpha is ignored", onePixel(QImage::Format_ARGB32, qRgba(0, 255, 0, 0)), 182},
        {"deep red", oneDeepPixel(QImage::Format_RGBX64, QRgba64::fromRgba64(65535, 0, 0, 65535)), 54},
        {"deep white", oneDeepPixel(QImage::Format_RGBA64, QRgba64::fromRgba64(65535, 65535, 65535, 0)), 255},
        {"16-bit 128 of 257 rounds down", oneGrey16(128), 0},
        {"16-bit 129 of 257 rounds up", oneGrey16(129), 1},
        {"16-bit 65535 is the top level", oneGrey16(65535), 255},
        {"16-bit 32896 is level 128", oneGrey16(32896), 128},
    };
    const auto table = rampTable();
    for (const auto& c : cases) {
        QImage output;
        ASSERT_TRUE(mapGreyLevels(c.input, table, output, *QThreadPool::globalInstance())) << c.name;
        EXPECT_EQ(output.pixel(0, 0), table[static_cast<std::size_t>(c.level)]) << c.name;
    }
}

TEST(GreyLevelMapping, AGreyRampThroughAMonotoneGradientStartsDarkestEndsLightestAndNeverDarkens) {
    const auto gradient = gradientImage(gradientColors(moclLab()));
    ASSERT_TRUE(gradient);
    const auto table = gradientMapTable(*gradient);
    ASSERT_TRUE(table);
    QImage output;
    ASSERT_TRUE(mapGreyLevels(greyRamp8(), *table, output, *QThreadPool::globalInstance()));
    EXPECT_EQ(output.pixel(0, 0), gradient->pixel(0, 0));
    EXPECT_EQ(output.pixel(255, 0), gradient->pixel(20, 0));
    for (int x = 1; x < 256; ++x) {
        const QRgb before = output.pixel(x - 1, 0), here = output.pixel(x, 0);
        EXPECT_LE(qRed(before), qRed(here)) << x;
        EXPECT_LE(qGreen(before), qGreen(here)) << x;
        EXPECT_LE(qBlue(before), qBlue(here)) << x;
    }
}

TEST(GreyLevelMapping, WritesIntoAnUnsharedOutputOfTheRightShapeAndNeverIntoASharedOne) {
    const QImage input = greyRamp8();
    const auto table = rampTable();
    QThreadPool& pool = *QThreadPool::globalInstance();

    QImage output(input.size(), QImage::Format_RGB32);
    const uchar* buffer = output.constBits();
    ASSERT_TRUE(mapGreyLevels(input, table, output, pool));
    EXPECT_EQ(output.constBits(), buffer) << "reused in place";

    const QImage heldElsewhere = output;
    GradientMapTable other = table;
    other.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(mapGreyLevels(input, other, output, pool));
    EXPECT_NE(output.constBits(), heldElsewhere.constBits()) << "a shared output is replaced";
    EXPECT_EQ(heldElsewhere.pixel(0, 0), table[0]) << "and the other holder keeps its pixels";
    EXPECT_EQ(output.pixel(0, 0), qRgb(1, 2, 3));

    QImage wrongSize(10, 10, QImage::Format_RGB32);
    ASSERT_TRUE(mapGreyLevels(input, table, wrongSize, pool));
    EXPECT_EQ(wrongSize.size(), input.size());

    QImage untouched(10, 10, QImage::Format_RGB32);
    const uchar* before = untouched.constBits();
    EXPECT_FALSE(mapGreyLevels(QImage(), table, untouched, pool));
    EXPECT_EQ(untouched.constBits(), before);
    EXPECT_EQ(untouched.size(), QSize(10, 10));
}

TEST(ParallelBands, CoverEveryRowOnceAndFinishInsideABusyPool) {
    struct BandCase {
        int rows, rowsPerBand, threads;
    };
    for (const BandCase c : {BandCase{1, 1, 1}, {7, 3, 2}, {100, 1, 8}, {1000, 64, 4}, {5, 100, 3}, {0, 4, 2}}) {
        QThreadPool pool;
        pool.setMaxThreadCount(c.threads);
        std::vector<std::atomic<int>> seen(static_cast<std::size_t>(c.rows));
        forEachBand(c.rows, c.rowsPerBand, pool, [&](int first, int count) {
            EXPECT_LE(count, c.rowsPerBand);
            for (int y = first; y < first + count; ++y) seen[static_cast<std::size_t>(y)].fetch_add(1);
        });
        for (int y = 0; y < c.rows; ++y)
            EXPECT_EQ(seen[static_cast<std::size_t>(y)].load(), 1) << c.rows << " row " << y;
    }

    // A job on a one-thread pool banding over the same pool: the pool's only
    // thread is the job itself, so the job must do every band on its own.
    QThreadPool single;
    single.setMaxThreadCount(1);
    std::atomic<int> rows{0};
    single.start([&] { forEachBand(50, 5, single, [&](int, int count) { rows += count; }); });
    ASSERT_TRUE(single.waitForDone(10'000));
    EXPECT_EQ(rows.load(), 50);
}

TEST(GradientMapFilter, AppliesOnlyWithSamplesAndAnImageAndKeepsItsLastResultOtherwise) {
    ZWGradientMapFilter filter;
    filter.applyGradientMap();
    EXPECT_FALSE(filter.outputImage);

    filter.inputLabArray = moclLab();
    filter.applyGradientMap();
    EXPECT_FALSE(filter.outputImage) << "no image yet";

    filter.inputImage = greyRamp8();
    filter.applyGradientMap();
    ASSERT_TRUE(filter.outputImage);
    const QRgb lightest = filter.outputImage->pixel(255, 0);

    const QImage last = *filter.outputImage;
    for (const auto& [samples, image] :
         {std::pair<std::optional<std::vector<CIELab>>, std::optional<QImage>>{std::vector<CIELab>{}, greyRamp8()},
          {moclLab(), QImage()},
          {std::nullopt, greyRamp8()}}) {
        filter.inputLabArray = samples;
        filter.inputImage = image;
        filter.applyGradientMap();
        ASSERT_TRUE(filter.outputImage);
        EXPECT_EQ(filter.outputImage->constBits(), last.constBits()) << "the last result stays";
    }
    EXPECT_EQ(last.pixel(255, 0), lightest);
}

TEST(GradientMapFilter, CopiesShareTheOutputBuffersAndReuseOneOnceItIsReleased) {
    auto settings = std::make_shared<ZWGradientMapFilter::MapFilter>();
    const uchar* first = nullptr;
    {
        ZWGradientMapFilter job(settings);
        job.inputLabArray = moclLab();
        job.inputImage = greyRamp8();
        job.applyGradientMap();
        ASSERT_TRUE(job.outputImage);
        first = job.outputImage->constBits();
    } // the job and its result are gone; the buffer is free again

    ZWGradientMapFilter next(settings);
    next.inputLabArray = moclLab();
    next.inputImage = greyRamp8();
    next.applyGradientMap();
    ASSERT_TRUE(next.outputImage);
    EXPECT_EQ(next.outputImage->constBits(), first);

    // While that result is still held, the next map gets a buffer of its own.
    ZWGradientMapFilter overlapping(settings);
    overlapping.inputLabArray = moclLab();
    overlapping.inputImage = greyRamp8();
    overlapping.applyGradientMap();
    ASSERT_TRUE(overlapping.outputImage);
    EXPECT_NE(overlapping.outputImage->constBits(), next.outputImage->constBits());
}

} // namespace
} // namespace appui

namespace appui {
namespace {

TEST(GreyLevelKernels, EveryKernelTheProcessorHasWritesWhatThePlainLoopWrites) {
    std::vector<std::uint8_t> levels(1100);
    std::uint32_t noise = 99;
    for (auto& level : levels) level = static_cast<std::uint8_t>((noise = noise * 1664525u + 1013904223u) >> 24);
    GradientMapTable table{};
    for (int i = 0; i < 256; ++i) table[static_cast<std::size_t>(i)] = qRgb(i, (i * 37) & 0xff, 255 - i);
    const PreparedTable plain(table, GreyLevelKernel::plain);
    int kernelsRun = 0;
    for (GreyLevelKernel kernel : {GreyLevelKernel::streaming, GreyLevelKernel::bytePermute, GreyLevelKernel::avx2}) {
        if (!kernelAvailable(kernel)) continue;
        ++kernelsRun;
        const PreparedTable prepared(table, kernel);
        EXPECT_EQ(prepared.kernel(), kernel);
        // Rows of every length around the vector widths, starting at every
        // alignment of the output within a cache line.
        for (int width : {0, 1, 3, 4, 15, 16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129, 200, 1000}) {
            for (int offset = 0; offset < 32; ++offset) {
                std::vector<std::uint32_t> expected(static_cast<std::size_t>(width) + 32, 7),
                    got(static_cast<std::size_t>(width) + 32, 7);
                plain.mapRow(levels.data() + offset, expected.data() + offset, width);
                prepared.mapRow(levels.data() + offset, got.data() + offset, width);
                ASSERT_EQ(got, expected) << "kernel " << static_cast<int>(kernel) << ", width " << width << ", offset "
                                         << offset;
            }
        }
        // Whole pictures through the map give the plain map's pixels.
        QImage picture(333, 7, QImage::Format_Grayscale8);
        for (int y = 0; y < 7; ++y) std::memcpy(picture.scanLine(y), levels.data() + y * 50, 333);
        QImage withKernel, withPlain;
        ASSERT_TRUE(mapGreyLevels(picture, table, withKernel, *QThreadPool::globalInstance(), kernel));
        ASSERT_TRUE(mapGreyLevels(picture, table, withPlain, *QThreadPool::globalInstance(), GreyLevelKernel::plain));
        EXPECT_EQ(withKernel, withPlain);
    }
    EXPECT_TRUE(kernelAvailable(fastestGreyLevelKernel()));
    RecordProperty("vector kernels run", kernelsRun);

    // A table with alpha of its own is never given to the opaque-only kernel.
    GradientMapTable translucent = table;
    translucent[3] = qRgba(1, 2, 3, 4);
    const PreparedTable keepsAlpha(translucent, GreyLevelKernel::bytePermute);
    EXPECT_NE(keepsAlpha.kernel(), GreyLevelKernel::bytePermute);
    std::uint32_t pixel = 0;
    const std::uint8_t three = 3;
    keepsAlpha.mapRow(&three, &pixel, 1);
    EXPECT_EQ(pixel, qRgba(1, 2, 3, 4));
}

} // namespace
} // namespace appui
