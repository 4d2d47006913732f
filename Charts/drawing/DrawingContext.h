#pragma once
#include <optional>
#include <span>

#include <QColor>
#include <QImage>
#include <QString>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/GraphicsState.h"
#include "Charts/drawing/Path.h"
#include "Charts/drawing/StrokeStyle.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/drawing/TextMeasurer.h"

namespace charts {

enum class PathDrawingMode { fill, evenOddFill, stroke, fillStroke, evenOddFillStroke };

// The one surface every chart part draws on: a y-down user space in pixels
// (device-independent), a graphics state that save/restore keep, and one
// current path. Painting the path (stroke, fill, clip) consumes it; save and
// restore leave it alone. A line of width 0 strokes nothing.
class DrawingContext {
public:
    virtual ~DrawingContext() = default;

    // Graphics state. A restore without a matching save does nothing.
    virtual void saveGState() = 0;
    virtual void restoreGState() = 0;
    virtual const GraphicsState& graphicsState() const = 0;

    virtual void setFillColor(const QColor& color) = 0;
    virtual void setStrokeColor(const QColor& color) = 0;
    virtual void setLineWidth(double width) = 0;
    virtual void setLineCap(LineCap cap) = 0;
    virtual void setLineJoin(LineJoin join) = 0;
    virtual void setMiterLimit(double limit) = 0;
    // Dash lengths are absolute lengths in user space; an empty list is a
    // solid line.
    virtual void setLineDash(double phase, std::span<const double> lengths) = 0;
    // Opacity of everything painted afterwards, 0 to 1.
    virtual void setAlpha(double alpha) = 0;
    virtual void setShouldAntialias(bool antialias) = 0;

    // Each step applies before the current transform (the new step acts on
    // points first).
    virtual void translateBy(double tx, double ty) = 0;
    virtual void scaleBy(double sx, double sy) = 0;
    virtual void rotateBy(double radians) = 0;
    virtual void concatenate(const AffineTransform& transform) = 0;

    // The current path (Path holds its rules). The transform in force when
    // the path is painted applies to all of its points.
    virtual void beginPath() = 0;
    virtual void moveTo(Point point) = 0;
    virtual void lineTo(Point point) = 0;
    virtual void quadCurveTo(Point control, Point end) = 0;
    virtual void curveTo(Point control1, Point control2, Point end) = 0;
    virtual void closePath() = 0;
    virtual void addRect(const Rect& rect) = 0;
    virtual void addEllipse(const Rect& rect) = 0;
    virtual void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) = 0;
    virtual void addRelativeArc(Point center, double radius, double startAngle, double sweep) = 0;
    virtual void addCircle(Point center, double radius) = 0;
    virtual void addLines(std::span<const Point> points) = 0;
    virtual void addPath(const Path& path) = 0;
    virtual const Path& currentPath() const = 0;

    // Painting the current path; each consumes it.
    virtual void strokePath() = 0;
    virtual void fillPath(FillRule rule = FillRule::winding) = 0;
    virtual void drawPath(PathDrawingMode mode) = 0;
    // Narrows the clip to the current path.
    virtual void clip(FillRule rule = FillRule::winding) = 0;

    // Shapes painted directly; the current path is kept, except by the
    // ellipse forms, which paint through it (begin, add, paint).
    virtual void clipToRect(const Rect& rect) = 0;
    virtual void fillRect(const Rect& rect) = 0;
    virtual void strokeRect(const Rect& rect) = 0;
    // Makes the rectangle fully transparent.
    virtual void clearRect(const Rect& rect) = 0;
    virtual void fillEllipse(const Rect& rect) = 0;
    virtual void strokeEllipse(const Rect& rect) = 0;
    // Strokes pairs of points as separate lines (an odd last point is
    // ignored). Like a stroke of the path, it leaves no current path.
    virtual void strokeLineSegments(std::span<const Point> points) = 0;

    // Gradients fill the whole clip area, extended before the start and after
    // the end with the end colours. The radial form runs from the start
    // circle to the end circle.
    virtual void drawLinearGradient(const Gradient& gradient, Point start, Point end) = 0;
    virtual void drawRadialGradient(const Gradient& gradient, Point startCenter, double startRadius, Point endCenter,
                                    double endRadius) = 0;

    // Images stand upright in the rectangle, stretched to it.
    virtual void drawImage(const QImage& image, const Rect& rect) = 0;
    // Tiles the clip area with copies of the image, one of them in `tile`.
    virtual void drawTiledImage(const QImage& image, const Rect& tile) = 0;

    // Text with the top-left corner of its first line at the point, on
    // lines broken only at line feeds.
    virtual void drawText(const QString& text, Point topLeft, const TextAttributes& attributes) = 0;
    // Text laid out into the rectangle from its top-left corner.
    virtual void drawText(const QString& text, const Rect& rect, const TextAttributes& attributes,
                          TextDrawOptions options = {}) = 0;

    // Measures text as this context draws it.
    virtual const TextMeasurer& textMeasurer() const = 0;

protected:
    DrawingContext() = default;
    DrawingContext(const DrawingContext&) = delete;
    DrawingContext& operator=(const DrawingContext&) = delete;
};

// Saves the state on construction and restores it on destruction.
class GStateSaver {
public:
    explicit GStateSaver(DrawingContext& context) : context_(context) { context_.saveGState(); }
    ~GStateSaver() { context_.restoreGState(); }
    GStateSaver(const GStateSaver&) = delete;
    GStateSaver& operator=(const GStateSaver&) = delete;

private:
    DrawingContext& context_;
};

} // namespace charts
