// PNG and JPEG bytes as other decoders read them: Python's zlib and struct
// walk the PNG chunks and undo its filters; ffmpeg decodes both formats.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <sstream>

#include "Charts/foundation/ImageContext.h"
#include "Charts/foundation/ImageEncoding.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shell_commands.h"

namespace charts {
namespace {

using test_support::quoted;
using test_support::runCommand;

// Prints "width height bitdepth colortype" and then r g b a of each pixel
// asked for on the command line as x,y pairs; fails on a bad CRC.
const char* const pngReader = R"PY(
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
assert data[:8] == b'\x89PNG\r\n\x1a\n', 'signature'
pos, idat, ihdr = 8, b'', None
while pos < len(data):
    length, kind = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    crc, = struct.unpack('>I', data[pos + 8 + length:pos + 12 + length])
    assert zlib.crc32(kind + body) & 0xffffffff == crc, 'crc of ' + kind.decode()
    if kind == b'IHDR': ihdr = struct.unpack('>IIBBBBB', body)
    if kind == b'IDAT': idat += body
    pos += 12 + length
    if kind == b'IEND': break
w, h, depth, ctype = ihdr[0], ihdr[1], ihdr[2], ihdr[3]
assert depth == 8 and ihdr[6] == 0, 'layout'
channels = {2: 3, 6: 4}[ctype]
raw, stride, rows, prev = zlib.decompress(idat), w * channels, [], bytearray(w * channels)
for y in range(h):
    f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - channels] if i >= channels else 0
        b, c = prev[i], (prev[i - channels] if i >= channels else 0)
        p = a + b - c
        pred = [0, a, b, (a + b) // 2, a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c) else (b if abs(p - b) <= abs(p - c) else c)][f]
        line[i] = (line[i] + pred) & 0xff
    rows.append(line); prev = line
print(w, h, depth, ctype)
for xy in sys.argv[2:]:
    x, y = map(int, xy.split(','))
    px = rows[y][x * channels:(x + 1) * channels]
    print(*(list(px) + [255] * (4 - channels)))
)PY";

// A 40 x 20 picture: red left half, half-transparent blue right half.
QImage picture(bool opaque) {
    QImage image(40, 20, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(0, 0, 20, 20, QColor(255, 0, 0));
    painter.fillRect(20, 0, 20, 20, QColor(0, 0, 255, 128));
    painter.end();
    return image;
}

TEST(ImageEncoding, PngBytesReadBackWithTheirAlpha) {
    if (!test_support::toolInstalled("python3")) GTEST_SKIP() << "python3 is not installed";
    test_support::ScratchDirectory dir;
    test_support::writeBytes(dir.file("reader.py"), pngReader);
    struct Case {
        bool opaque;
        const char* header;
        const char* right;
    };
    const Case cases[] = {{false, "40 20 8 6", "0 0 255 128"}, {true, "40 20 8 2", "0 0 128 255"}};
    for (const Case& c : cases) {
        const std::optional<QByteArray> png = imagePNGData(picture(c.opaque));
        ASSERT_TRUE(png.has_value());
        test_support::writeBytes(dir.file("image.png"), png->toStdString());
        std::string output;
        const int status = runCommand("python3 " + quoted(dir.file("reader.py")) + " " + quoted(dir.file("image.png")) +
                                          " 5,5 30,10 2>&1",
                                      output);
        ASSERT_EQ(status, 0) << output;
        std::istringstream lines(output);
        std::string header, left, right;
        std::getline(lines, header);
        std::getline(lines, left);
        std::getline(lines, right);
        EXPECT_EQ(header, c.header);
        EXPECT_EQ(left, "255 0 0 255");
        EXPECT_EQ(right, c.right);
    }
}

// Decodes with ffmpeg into raw RGB; answers the bytes (empty on failure).
std::string decodedByFfmpeg(const test_support::ScratchDirectory& dir, const std::string& name, std::string& output) {
    const int status = runCommand("cd " + quoted(dir.path()) + " && ffmpeg -v error -y -i " + name +
                                      " -f rawvideo -pix_fmt rgb24 out.rgb 2>&1",
                                  output);
    if (status != 0) return {};
    return test_support::readBytes(dir.file("out.rgb"));
}

TEST(ImageEncoding, JpegBytesDecodeWithTheQualityAsked) {
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    test_support::ScratchDirectory dir;
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(QColor(30, 160, 90));
    // Detail that lower qualities keep less of.
    for (int x = 0; x < 64; x += 2) {
        for (int y = 0; y < 32; ++y) image.setPixelColor(x, y, QColor((x * 37) % 256, (y * 91) % 256, 200));
    }
    std::size_t previousSize = 0;
    for (double quality : {0.1, 0.5, 0.95}) {
        const std::optional<QByteArray> jpeg = imageJPEGData(image, quality);
        ASSERT_TRUE(jpeg.has_value());
        EXPECT_GT(static_cast<std::size_t>(jpeg->size()), previousSize) << quality;
        previousSize = static_cast<std::size_t>(jpeg->size());
        test_support::writeBytes(dir.file("image.jpg"), jpeg->toStdString());
        std::string output;
        const std::string rgb = decodedByFfmpeg(dir, "image.jpg", output);
        ASSERT_EQ(rgb.size(), 64u * 32u * 3u) << output;
    }

    // A flat colour survives the best quality within a few levels.
    QImage flat(16, 16, QImage::Format_RGB32);
    flat.fill(QColor(30, 160, 90));
    test_support::writeBytes(dir.file("flat.jpg"), imageJPEGData(flat, 1.0)->toStdString());
    std::string output;
    const std::string rgb = decodedByFfmpeg(dir, "flat.jpg", output);
    ASSERT_EQ(rgb.size(), 16u * 16u * 3u) << output;
    EXPECT_NEAR(static_cast<unsigned char>(rgb[0]), 30, 4);
    EXPECT_NEAR(static_cast<unsigned char>(rgb[1]), 160, 4);
    EXPECT_NEAR(static_cast<unsigned char>(rgb[2]), 90, 4);
}

TEST(ImageEncoding, NothingToEncodeGivesNoBytes) {
    EXPECT_FALSE(imagePNGData(QImage()).has_value());
    EXPECT_FALSE(imageJPEGData(QImage(), 0.5).has_value());
    EXPECT_FALSE(imageJPEGData(picture(true), std::nan("")).has_value());
    // Qualities beyond 0 to 1 are pinned.
    EXPECT_EQ(imageJPEGData(picture(true), 7), imageJPEGData(picture(true), 1));
    EXPECT_EQ(imageJPEGData(picture(true), -3), imageJPEGData(picture(true), 0));
}

// An image context's picture through the encoder: the bitmap's pixels, at the
// context's scale.
TEST(ImageEncoding, ImageContextPicturesEncodeTheirPixels) {
    if (!test_support::toolInstalled("ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_TRUE(beginImageContext(Size{30, 10}, false, 2));
    currentImageContext()->setFillColor(QColor(0, 200, 0));
    currentImageContext()->fillRect(Rect(0, 0, 15, 10));
    const QImage image = *imageFromCurrentImageContext();
    endImageContext();
    test_support::ScratchDirectory dir;
    test_support::writeBytes(dir.file("context.png"), imagePNGData(image)->toStdString());
    std::string output;
    const std::string rgb = decodedByFfmpeg(dir, "context.png", output);
    ASSERT_EQ(rgb.size(), 60u * 20u * 3u) << output;
    EXPECT_EQ(static_cast<unsigned char>(rgb[(10 * 60 + 5) * 3 + 1]), 200);
    EXPECT_EQ(static_cast<unsigned char>(rgb[(10 * 60 + 45) * 3 + 1]), 0);
}

} // namespace
} // namespace charts
