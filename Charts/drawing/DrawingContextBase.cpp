#include "Charts/drawing/DrawingContextBase.h"

#include <cmath>
#include <utility>

namespace charts {

void DrawingContextBase::saveGState() {
    saved_.push_back(state_);
    didSaveGState();
}

void DrawingContextBase::restoreGState() {
    if (saved_.empty()) return;
    state_ = std::move(saved_.back());
    saved_.pop_back();
    didRestoreGState();
}

void DrawingContextBase::setLineDash(double phase, std::span<const double> lengths) {
    state_.stroke.dashPhase = phase;
    state_.stroke.dashLengths.assign(lengths.begin(), lengths.end());
}

void DrawingContextBase::setAlpha(double alpha) {
    // Out-of-range values are pinned as the platform does; NaN paints nothing.
    state_.alpha = std::isnan(alpha) ? 0.0 : alpha < 0 ? 0.0 : alpha > 1 ? 1.0 : alpha;
}

void DrawingContextBase::translateBy(double tx, double ty) { state_.transform = state_.transform.translatedBy(tx, ty); }

void DrawingContextBase::scaleBy(double sx, double sy) { state_.transform = state_.transform.scaledBy(sx, sy); }

void DrawingContextBase::rotateBy(double radians) { state_.transform = state_.transform.rotatedBy(radians); }

void DrawingContextBase::concatenate(const AffineTransform& transform) {
    state_.transform = transform.concatenating(state_.transform);
}

bool DrawingContextBase::strokesAnything() const {
    const double width = state_.stroke.lineWidth;
    return width > 0 && std::isfinite(width);
}

void DrawingContextBase::strokePath() { drawPath(PathDrawingMode::stroke); }

void DrawingContextBase::fillPath(FillRule rule) {
    drawPath(rule == FillRule::evenOdd ? PathDrawingMode::evenOddFill : PathDrawingMode::fill);
}

// The taken path goes to a scratch path whose storage the next path reuses,
// so drawing many small paths does not allocate for each.
void DrawingContextBase::drawPath(PathDrawingMode mode) {
    taken_.clear();
    std::swap(taken_, path_);
    paintPath(taken_, mode);
}

void DrawingContextBase::clip(FillRule rule) {
    taken_.clear();
    std::swap(taken_, path_);
    clipToPath(taken_, rule);
}

void DrawingContextBase::fillEllipse(const Rect& rect) {
    beginPath();
    addEllipse(rect);
    fillPath(FillRule::winding);
}

void DrawingContextBase::strokeEllipse(const Rect& rect) {
    beginPath();
    addEllipse(rect);
    strokePath();
}

} // namespace charts
