#pragma once
#include <memory>
#include <string>
#include <vector>

#include "Charts/drawing/DrawingContextBase.h"
#include "Charts/drawing/FixedTextMeasurer.h"

namespace charts {

enum class DrawingOperation {
    saveGState,
    restoreGState,
    setFillColor,
    setStrokeColor,
    setLineWidth,
    setLineCap,
    setLineJoin,
    setMiterLimit,
    setLineDash,
    setAlpha,
    setShouldAntialias,
    translateBy,
    scaleBy,
    rotateBy,
    concatenate,
    beginPath,
    moveTo,
    lineTo,
    quadCurveTo,
    curveTo,
    closePath,
    addRect,
    addEllipse,
    addArc,
    addRelativeArc,
    addCircle,
    addLines,
    addPath,
    drawPath, // strokePath and fillPath are recorded as drawPath with their mode
    clip,
    clipToRect,
    fillRect,
    strokeRect,
    clearRect,
    fillEllipse,
    strokeEllipse,
    strokeLineSegments,
    drawLinearGradient,
    drawRadialGradient,
    drawImage,
    drawTiledImage,
    drawText,
    drawTextInRect,
};

// The name of the operation as in the drawing interface.
const char* operationName(DrawingOperation operation);

// A clip in force: the path (a rectangle clip as its closed outline), its
// rule and the transform it was set under.
struct RecordedClip {
    Path path;
    FillRule rule = FillRule::winding;
    AffineTransform transform;

    friend bool operator==(const RecordedClip&, const RecordedClip&) = default;
};

// One call with its arguments. Points, numbers, rectangle and the other
// fields hold what the call was given, in argument order; unused ones keep
// their defaults. Painting calls (drawPath, clip, fills, strokes, gradients,
// images, text) also hold the path they consumed, the state and the clips in
// force.
struct RecordedOperation {
    DrawingOperation kind = DrawingOperation::saveGState;
    std::vector<Point> points;
    std::vector<double> numbers;
    Rect rect;
    QColor color;
    bool flag = false;
    FillRule rule = FillRule::winding;
    PathDrawingMode mode = PathDrawingMode::fill;
    LineCap cap = LineCap::butt;
    LineJoin join = LineJoin::miter;
    AffineTransform transform;
    Path path;
    Gradient gradient;
    QImage image;
    QString text;
    TextAttributes attributes;
    TextDrawOptions textOptions;
    GraphicsState state;
    std::vector<RecordedClip> clips;

    RecordedOperation() = default;
    RecordedOperation(const RecordedOperation&) = default;
    RecordedOperation& operator=(const RecordedOperation&) = default;
    // Moves without throwing (every member's move only hands over storage),
    // so a growing recording moves its operations instead of copying them.
    RecordedOperation(RecordedOperation&&) noexcept = default;
    RecordedOperation& operator=(RecordedOperation&&) noexcept = default;

    bool isPainting() const;
};

// Keeps every call for tests to inspect, following the same state and path
// rules as the painter back end. Measures text with the given measurer
// (fixed metrics by default, so layouts do not depend on installed fonts).
//
// Recording a call costs about what the call holds: each operation starts as
// a copy of one blank operation made with the context (no fonts or other
// defaults built per call), composite calls record only themselves, and the
// list grows by moving its operations.
class RecordingContext : public DrawingContextBase {
public:
    explicit RecordingContext(std::shared_ptr<const TextMeasurer> measurer = std::make_shared<FixedTextMeasurer>());

    const std::vector<RecordedOperation>& operations() const { return operations_; }
    // Only the painting calls, in order.
    std::vector<RecordedOperation> paintings() const;
    std::size_t count(DrawingOperation kind) const;
    const std::vector<RecordedClip>& clips() const { return clips_; }
    void clearOperations() { operations_.clear(); }
    // One line per call, for failure messages.
    std::string describe() const;

    void saveGState() override;
    void restoreGState() override;
    void setFillColor(const QColor& color) override;
    void setStrokeColor(const QColor& color) override;
    void setLineWidth(double width) override;
    void setLineCap(LineCap cap) override;
    void setLineJoin(LineJoin join) override;
    void setMiterLimit(double limit) override;
    void setLineDash(double phase, std::span<const double> lengths) override;
    void setAlpha(double alpha) override;
    void setShouldAntialias(bool antialias) override;
    void translateBy(double tx, double ty) override;
    void scaleBy(double sx, double sy) override;
    void rotateBy(double radians) override;
    void concatenate(const AffineTransform& transform) override;

    void beginPath() override;
    void moveTo(Point point) override;
    void lineTo(Point point) override;
    void quadCurveTo(Point control, Point end) override;
    void curveTo(Point control1, Point control2, Point end) override;
    void closePath() override;
    void addRect(const Rect& rect) override;
    void addEllipse(const Rect& rect) override;
    void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) override;
    void addRelativeArc(Point center, double radius, double startAngle, double sweep) override;
    void addCircle(Point center, double radius) override;
    void addLines(std::span<const Point> points) override;
    void addPath(const Path& path) override;

    void fillEllipse(const Rect& rect) override;
    void strokeEllipse(const Rect& rect) override;
    void clipToRect(const Rect& rect) override;
    void fillRect(const Rect& rect) override;
    void strokeRect(const Rect& rect) override;
    void clearRect(const Rect& rect) override;
    void strokeLineSegments(std::span<const Point> points) override;
    void drawLinearGradient(const Gradient& gradient, Point start, Point end) override;
    void drawRadialGradient(const Gradient& gradient, Point startCenter, double startRadius, Point endCenter,
                            double endRadius) override;
    void drawImage(const QImage& image, const Rect& rect) override;
    void drawTiledImage(const QImage& image, const Rect& tile) override;
    void drawText(const QString& text, Point topLeft, const TextAttributes& attributes) override;
    void drawText(const QString& text, const Rect& rect, const TextAttributes& attributes,
                  TextDrawOptions options = {}) override;
    const TextMeasurer& textMeasurer() const override { return *measurer_; }

protected:
    void paintPath(const Path& path, PathDrawingMode mode) override;
    void clipToPath(const Path& path, FillRule rule) override;

private:
    RecordedOperation& record(DrawingOperation kind);
    RecordedOperation& recordPainting(DrawingOperation kind);

    std::shared_ptr<const TextMeasurer> measurer_;
    std::vector<RecordedOperation> operations_;
    std::vector<RecordedClip> clips_;
    std::vector<std::vector<RecordedClip>> savedClips_;
    // What every operation starts from.
    RecordedOperation blank_;
};

} // namespace charts
