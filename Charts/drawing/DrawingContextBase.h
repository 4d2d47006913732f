#pragma once
#include <vector>

#include "Charts/drawing/DrawingContext.h"

namespace charts {

// The graphics state stack and the current path, shared by the back ends so
// that both follow the same rules; a back end adds the painting.
class DrawingContextBase : public DrawingContext {
public:
    void saveGState() override;
    void restoreGState() override;
    const GraphicsState& graphicsState() const override { return state_; }

    void setFillColor(const QColor& color) override { state_.fillColor = color; }
    void setStrokeColor(const QColor& color) override { state_.strokeColor = color; }
    void setLineWidth(double width) override { state_.stroke.lineWidth = width; }
    void setLineCap(LineCap cap) override { state_.stroke.cap = cap; }
    void setLineJoin(LineJoin join) override { state_.stroke.join = join; }
    void setMiterLimit(double limit) override { state_.stroke.miterLimit = limit; }
    void setLineDash(double phase, std::span<const double> lengths) override;
    void setAlpha(double alpha) override;
    void setShouldAntialias(bool antialias) override { state_.antialias = antialias; }

    void translateBy(double tx, double ty) override;
    void scaleBy(double sx, double sy) override;
    void rotateBy(double radians) override;
    void concatenate(const AffineTransform& transform) override;

    void beginPath() override { path_.clear(); }
    void moveTo(Point point) override { path_.moveTo(point); }
    void lineTo(Point point) override { path_.lineTo(point); }
    void quadCurveTo(Point control, Point end) override { path_.quadCurveTo(control, end); }
    void curveTo(Point control1, Point control2, Point end) override { path_.curveTo(control1, control2, end); }
    void closePath() override { path_.closeSubpath(); }
    void addRect(const Rect& rect) override { path_.addRect(rect); }
    void addEllipse(const Rect& rect) override { path_.addEllipse(rect); }
    void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) override {
        path_.addArc(center, radius, startAngle, endAngle, clockwise);
    }
    void addRelativeArc(Point center, double radius, double startAngle, double sweep) override {
        path_.addRelativeArc(center, radius, startAngle, sweep);
    }
    void addCircle(Point center, double radius) override { path_.addCircle(center, radius); }
    void addLines(std::span<const Point> points) override { path_.addLines(points); }
    void addPath(const Path& path) override { path_.addPath(path); }
    const Path& currentPath() const override { return path_; }

    void strokePath() override;
    void fillPath(FillRule rule = FillRule::winding) override;
    void drawPath(PathDrawingMode mode) override;
    void clip(FillRule rule = FillRule::winding) override;
    void fillEllipse(const Rect& rect) override;
    void strokeEllipse(const Rect& rect) override;

protected:
    DrawingContextBase() = default;

    // Painting of a path the base has taken from the current path; the
    // current path is already empty when these run.
    virtual void paintPath(const Path& path, PathDrawingMode mode) = 0;
    virtual void clipToPath(const Path& path, FillRule rule) = 0;
    // After a save or a restore of the state above.
    virtual void didSaveGState() {}
    virtual void didRestoreGState() {}

    // Whether a stroke with the current state leaves a mark.
    bool strokesAnything() const;

    GraphicsState state_;
    Path path_;

    // How many saves are waiting for their restore.
    std::size_t savedCount() const { return saved_.size(); }

private:
    std::vector<GraphicsState> saved_;
    Path taken_;
};

} // namespace charts
