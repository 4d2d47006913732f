#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/drawing/FontMetricsTextMeasurer.h"
#include "Charts/drawing/PainterContext.h"
#include "Charts/drawing/TextLayout.h"

namespace charts {
namespace {

TextAttributes attributesOf(double size, LineBreakMode mode = LineBreakMode::byWordWrapping,
                            TextAlignment align = TextAlignment::natural, double minimumLineHeight = 0) {
    TextAttributes attributes;
    attributes.font = pixelSizedFont(attributes.font, size);
    attributes.paragraphStyle = ParagraphStyle{align, mode, minimumLineHeight};
    return attributes;
}

TEST(FixedTextMeasurer, SizesFromCharacterCountsAndLines) {
    const FixedTextMeasurer measurer; // 0.5 em per character, 1.25 em per line
    const QFont font = pixelSizedFont(QFont(), 10);
    struct Case {
        const char* text;
        double width;
        Size constraint;
        LineBreakMode mode;
        Size expected;
    };
    const Case cases[] = {
        {"abcd", 0, {0, 0}, LineBreakMode::byWordWrapping, {20, 12.5}},
        {"ab\nabcdef", 0, {0, 0}, LineBreakMode::byWordWrapping, {30, 25}},
        {"aa bb cc", 0, {26, 0}, LineBreakMode::byWordWrapping, {25, 25}},     // "aa bb" / "cc"
        {"aa bb cc", 0, {12, 0}, LineBreakMode::byWordWrapping, {10, 37.5}},   // a word a line
        {"abcdefgh", 0, {22, 0}, LineBreakMode::byCharWrapping, {20, 25}},     // 4 characters a line
        {"abcdefgh", 0, {22, 0}, LineBreakMode::byTruncatingTail, {22, 12.5}}, // one line, cut to the width
    };
    for (const Case& c : cases) {
        TextAttributes attributes = attributesOf(10, c.mode);
        EXPECT_EQ(measurer.boundingSize(c.text, attributes, c.constraint), c.expected) << c.text;
    }
    EXPECT_EQ(measurer.size("ab\nabcdef", font), (Size{30, 25}));
    EXPECT_EQ(measurer.lineHeight(font), 12.5);
    // Truncating the last visible line stops at the constraint's height.
    EXPECT_EQ(measurer.boundingSize("aa bb cc", attributesOf(10), Size{12, 26}, TextDrawOptions{true}), (Size{10, 25}));
}

TEST(FontMetricsTextMeasurer, MeasuresAsTheFontMetricsDo) {
    const FontMetricsTextMeasurer measurer;
    const QFont font = pixelSizedFont(QFont(), 20);
    const QFontMetricsF metrics(font);
    const Size single = measurer.size("Chart", font);
    EXPECT_NEAR(single.width, metrics.horizontalAdvance("Chart"), 1e-9);
    EXPECT_NEAR(single.height, metrics.height(), 1e-9);
    EXPECT_NEAR(measurer.size("a\nb\nc", font).height, 3 * metrics.height(), 1e-9);
    EXPECT_EQ(measurer.lineHeight(font), metrics.height());

    // Wrapping keeps every line within the width and adds lines.
    const TextAttributes attributes = attributesOf(20);
    const Size wrapped = measurer.boundingSize("one two three four five", attributes, Size{90, 0});
    EXPECT_LE(wrapped.width, 90 + 1.0 / 64);
    EXPECT_GT(wrapped.height, metrics.height() * 1.5);
    // A minimum line height raises every line.
    const Size tall = measurer.boundingSize(
        "a\nb", attributesOf(20, LineBreakMode::byWordWrapping, TextAlignment::natural, 50), Size{0, 0});
    EXPECT_EQ(tall.height, 100);
}

TEST(TextLayout, AlignsLinesAndTruncates) {
    struct Case {
        TextAlignment align;
        double width;
        double expectedX; // of the first line, as a fraction of the room left
    };
    const Case cases[] = {{TextAlignment::left, 300, 0},
                          {TextAlignment::right, 300, 1},
                          {TextAlignment::center, 300, 0.5},
                          {TextAlignment::natural, 300, 0}};
    for (const Case& c : cases) {
        const TextLayoutResult layout =
            layOutText("Label", attributesOf(20, LineBreakMode::byWordWrapping, c.align), c.width, 0);
        ASSERT_EQ(layout.lines.size(), 1u);
        const TextLine& line = layout.lines[0];
        EXPECT_NEAR(line.x, (c.width - line.width) * c.expectedX, 1e-9) << static_cast<int>(c.align);
    }

    // Truncating modes keep one line per paragraph within the width, with an ellipsis.
    for (LineBreakMode mode :
         {LineBreakMode::byTruncatingHead, LineBreakMode::byTruncatingMiddle, LineBreakMode::byTruncatingTail}) {
        const TextLayoutResult layout = layOutText("a rather long label text", attributesOf(20, mode), 80, 0);
        ASSERT_EQ(layout.lines.size(), 1u);
        EXPECT_LE(layout.lines[0].width, 80);
        EXPECT_TRUE(layout.lines[0].text.contains(QChar(0x2026))) << static_cast<int>(mode);
    }

    // A height for two lines keeps two; with the option the second ends in an ellipsis.
    const QFontMetricsF metrics(attributesOf(20).font);
    const double twoLines = 2 * metrics.height();
    const TextLayoutResult cut =
        layOutText("one two three four five six seven", attributesOf(20), 90, twoLines, TextDrawOptions{true});
    ASSERT_EQ(cut.lines.size(), 2u);
    EXPECT_TRUE(cut.lines[1].text.endsWith(QChar(0x2026)));
    EXPECT_NEAR(cut.size.height, twoLines, 1e-9);
}

// Layouts are kept for texts drawn again; one made for other settings is
// never handed out in place of the one asked for.
TEST(TextLayout, AKeptLayoutServesOnlyTheSameSettings) {
    const QString text = QStringLiteral("one two three four");
    const TextLayoutResult base = layOutText(text, attributesOf(20), 200, 0);
    const TextLayoutResult others[] = {
        layOutText(text, attributesOf(22), 200, 0),
        layOutText(text, attributesOf(20), 60, 0),
        layOutText(text, attributesOf(20, LineBreakMode::byWordWrapping, TextAlignment::center), 200, 0),
        layOutText(text, attributesOf(20, LineBreakMode::byTruncatingTail), 60, 0),
        layOutText(text, attributesOf(20, LineBreakMode::byWordWrapping, TextAlignment::natural, 40), 200, 0),
        layOutText(text, attributesOf(20), 60, 30, TextDrawOptions{true}),
        layOutText(text + QStringLiteral(" five"), attributesOf(20), 200, 0),
    };
    const auto same = [](const TextLayoutResult& a, const TextLayoutResult& b) {
        if (a.size != b.size || a.lines.size() != b.lines.size()) return false;
        for (std::size_t i = 0; i < a.lines.size(); ++i)
            if (a.lines[i].text != b.lines[i].text || a.lines[i].x != b.lines[i].x || a.lines[i].y != b.lines[i].y)
                return false;
        return true;
    };
    for (std::size_t i = 0; i < std::size(others); ++i) EXPECT_FALSE(same(base, others[i])) << i;
    // The colour plays no part; the same settings give the same layout.
    TextAttributes coloured = attributesOf(20);
    coloured.foregroundColor = QColor(200, 0, 0);
    EXPECT_TRUE(same(base, layOutText(text, coloured, 200, 0)));
}

// What the painter draws into a measured rectangle lies inside it.
TEST(TextLayout, PaintedTextStaysInItsMeasuredBox) {
    const TextAttributes attributes = attributesOf(24, LineBreakMode::byWordWrapping, TextAlignment::center);
    const FontMetricsTextMeasurer measurer;
    const Size size = measurer.boundingSize("wrap these words", attributes, Size{120, 0});
    const Rect box(Point{40, 30}, size);
    QImage image(260, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        PainterContext context(painter);
        context.drawText("wrap these words", box, attributes);
    }
    painter.end();
    int inked = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) continue;
            ++inked;
            if (x < box.x() - 1 || x > box.x() + box.width() + 1 || y < box.y() - 1 || y > box.y() + box.height() + 1) {
                ++outside;
            }
        }
    }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(size.height, 1.5 * QFontMetricsF(attributes.font).height());
}

} // namespace
} // namespace charts
