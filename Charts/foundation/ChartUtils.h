#pragma once
#include <QImage>
#include <QString>
#include <memory>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/ValueFormatter.h"

namespace charts {

// The chart library's small numeric helpers, its text and icon drawing, and
// the value formatter shared by everything that has none of its own.
class ChartUtils {
public:
    ChartUtils() = delete;

    // The value rounded to one significant digit, halves away from zero
    // (1234 -> 1000, 0.0456 -> 0.05, 999 -> 1000); 0, infinities and NaN come
    // back as they are.
    static double roundToNextSignificant(double value);

    // How many decimals a value's magnitude needs: ceil(-log10) of it rounded
    // to one significant digit, plus 2 (5 -> 2, 0.05 -> 4, 1234 -> -1). A
    // negative value counts by its magnitude; 0, infinities, NaN and values
    // too small to round give 0.
    static int decimals(double value);

    // The image at `size`, centred on (x, y). An image whose width and height
    // both differ from the size is drawn from a scaled copy made once per
    // image and size (see ScaledImageCache); otherwise the image itself is
    // stretched to the size.
    static void drawImage(DrawingContext& context, const QImage& image, double x, double y, Size size);

    // One line of text with its top at point.y; right alignment ends it at
    // point.x, centre alignment centres it there, every other one starts it
    // there.
    static void drawText(DrawingContext& context, const QString& text, Point point, TextAlignment align,
                         const TextAttributes& attributes = {});

    // Text placed by an anchor in unit coordinates of its box ((0, 0) the
    // top-left, (0.5, 0.5) the centre at the point) and turned by the angle
    // about the point (a positive angle turns clockwise on screen).
    static void drawText(DrawingContext& context, const QString& text, Point point, const TextAttributes& attributes,
                         Point anchor, double angleRadians);

    // One decimal, made on first use (safe from any thread), the same object
    // on every call.
    static std::shared_ptr<DefaultValueFormatter> defaultValueFormatter();
};

} // namespace charts
