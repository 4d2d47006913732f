// The nearest-pixel sampling a large picture goes through before the preview
// tones it: which source pixel each sampled pixel copies, in every pixel size.
#include <gtest/gtest.h>

#include <QThreadPool>
#include <cstring>

#include "app/ui/preview/NearestSampling.h"

namespace appui {
namespace {

// Every byte a different value along a row and down the picture, so that a
// wrong pick shows.
QImage numberedPicture(QSize size, QImage::Format format) {
    QImage picture(size, format);
    if (format == QImage::Format_Indexed8) {
        picture.setColorCount(256);
        for (int i = 0; i < 256; ++i) picture.setColor(i, qRgb(i, 255 - i, i / 2));
    }
    for (int y = 0; y < size.height(); ++y)
        for (qsizetype i = 0; i < picture.bytesPerLine(); ++i)
            picture.scanLine(y)[i] = static_cast<uchar>(i * 7 + y * 13);
    return picture;
}

TEST(NearestSampling, TakesTheSourceIndexUnderEachSampledCentre) {
    struct Case {
        int index, sampled, source, expected;
    };
    const Case cases[] = {
        {0, 2, 6000, 1500},
        {1, 2, 6000, 4500}, // centres of the two halves
        {0, 1374, 6000, 2},
        {1373, 1374, 6000, 5997}, // the first and last of the 24 Mpx preview's columns
        {0, 3, 3, 0},
        {2, 3, 3, 2}, // no reduction: each index its own
        {4, 5, 7, 6},
        {0, 1, 1, 0},
        {8164, 8165, 8165, 8164},
        {915, 916, 8165, 8160}, // the last row of a 100 Mpx picture
    };
    for (const auto& c : cases)
        EXPECT_EQ(nearestSourceIndex(c.index, c.sampled, c.source), c.expected)
            << c.index << " of " << c.sampled << " over " << c.source;
}

TEST(NearestSampling, CopiesWholePixelsOfEveryByteSizeAndKeepsTheFormat) {
    struct Case {
        QImage::Format format;
        QSize picture, sampled;
    };
    const Case cases[] = {
        {QImage::Format_Grayscale8, {600, 400}, {274, 183}}, {QImage::Format_Grayscale16, {301, 97}, {100, 40}},
        {QImage::Format_RGB888, {90, 70}, {41, 33}}, // three bytes a pixel
        {QImage::Format_RGB32, {320, 200}, {160, 100}},      {QImage::Format_RGBA64, {64, 48}, {25, 19}},
        {QImage::Format_Indexed8, {50, 50}, {20, 20}}, // keeps its colour table
        {QImage::Format_Grayscale8, {7, 5}, {7, 5}},   // its own size: a copy
    };
    for (const auto& c : cases) {
        const QImage picture = numberedPicture(c.picture, c.format);
        const QImage sampled = sampledByNearestPixel(picture, c.sampled, *QThreadPool::globalInstance());
        ASSERT_EQ(sampled.size(), c.sampled) << c.format;
        ASSERT_EQ(sampled.format(), c.format);
        EXPECT_EQ(sampled.colorTable(), picture.colorTable()) << c.format;
        const int bytes = picture.depth() / 8;
        for (int y = 0; y < c.sampled.height(); ++y) {
            const uchar* source = picture.constScanLine(nearestSourceIndex(y, c.sampled.height(), c.picture.height()));
            for (int x = 0; x < c.sampled.width(); ++x) {
                const int from = nearestSourceIndex(x, c.sampled.width(), c.picture.width());
                ASSERT_EQ(std::memcmp(sampled.constScanLine(y) + x * bytes, source + from * bytes,
                                      static_cast<std::size_t>(bytes)),
                          0)
                    << c.format << " at " << x << "," << y;
            }
        }
    }
}

TEST(NearestSampling, RefusesWhatItCannotSample) {
    QThreadPool& pool = *QThreadPool::globalInstance();
    EXPECT_TRUE(sampledByNearestPixel(QImage(), {10, 10}, pool).isNull());
    EXPECT_TRUE(sampledByNearestPixel(numberedPicture({20, 20}, QImage::Format_Grayscale8), {0, 10}, pool).isNull());
    // Less than a byte a pixel: several pixels share a byte.
    EXPECT_TRUE(sampledByNearestPixel(QImage(20, 20, QImage::Format_Mono), {10, 10}, pool).isNull());
}

} // namespace
} // namespace appui
