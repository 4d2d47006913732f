#pragma once
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <functional>
#include <vector>

#include "Charts/drawing/DrawingContextBase.h"
#include "Charts/drawing/FontMetricsTextMeasurer.h"
#include "Charts/drawing/TranslucentLayer.h"

namespace charts {

// Draws on a QPainter that is already active (a widget's paint event, an
// image). The painter's transform at construction is the base of the user
// space; the painter is given back as it was when the context ends.
// State reaches the painter only when something is painted, so runs of
// strokes with one style set up the pen once. For the same reason a saved
// state saves the painter only once it sets a clip, the one part of the
// state the painter alone keeps: a chart saves and restores around every
// label, and the painter's own save and restore would cost more than the
// label.
class PainterContext : public DrawingContextBase {
public:
    explicit PainterContext(QPainter& painter);
    ~PainterContext() override;

    QPainter& painter() { return painter_; }

    void clipToRect(const Rect& rect) override;
    void fillRect(const Rect& rect) override;
    void strokeRect(const Rect& rect) override;
    // Straight to the painter's ellipse, without building a path: marks on
    // every point of a chart (circles, bubbles) are drawn by the thousand.
    void fillEllipse(const Rect& rect) override;
    void strokeEllipse(const Rect& rect) override;
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
    const TextMeasurer& textMeasurer() const override { return measurer_; }

    // The QPen that strokes with a style: flat, round or square caps, miter
    // joins that turn to bevels past the limit, dash lengths and phase in
    // units of the width. None for a width that strokes nothing.
    static std::optional<QPen> penFor(const QColor& color, const StrokeStyle& style);

protected:
    void paintPath(const Path& path, PathDrawingMode mode) override;
    void clipToPath(const Path& path, FillRule rule) override;
    void didSaveGState() override;
    void didRestoreGState() override;

private:
    // What the painter was last given; compared with the state before each
    // painting.
    struct Applied {
        bool penValid = false; // the painter's pen strokes with penColor and stroke
        bool noPen = false;    // the painter's pen is Qt::NoPen
        QColor penColor;
        StrokeStyle stroke;
        bool brushValid = false; // the painter's brush is brushColor, or none when noBrush
        bool noBrush = false;
        QColor brushColor;
        bool transformValid = false;
        AffineTransform transform;
        double opacity = -1;
        int antialias = -1;
    };

    // A level of saved state, and whether it has saved the painter (before
    // its first clip) with what the painter was given then.
    struct SavedLevel {
        bool painterSaved = false;
        Applied applied;
    };

    // Brings the painter's transform, opacity and hints up to date; false
    // when the transform cannot show anything.
    bool prepare();
    // Saves the painter for the current level before it clips.
    void savePainterForClip();
    bool preparePen();
    void usePen(const StrokeStyle& style);
    // Qt's raster engine strokes a pen no wider than one device pixel with
    // its cosmetic stroker, which measures the dash pattern in device pixels
    // instead of pen widths; such dashes are cut here and stroked solid, so
    // the lengths hold at every width.
    bool cutsOwnDashes() const;
    // Strokes the path in the current style's dashes, cut here; false (and
    // nothing drawn) when they would be too many, the caller then strokes
    // with Qt's dashes.
    bool strokeCutDashes(const QPainterPath& path);
    void useNoPen();
    void useBrush(const QColor& color);
    void useNoBrush();
    bool prepareClip();
    void forgetPen() { applied_.penValid = applied_.noPen = false; }
    const QPainterPath& toPainterPath(const Path& path, FillRule rule);
    bool asPolyline(const Path& path);
    // The clip area (or the whole device) in user space.
    QRectF paintArea() const;
    // A translucent stroke or fill painted through the layer (see
    // TranslucentLayer); false when it is painted directly.
    // Segments stroked apart have no joins to reach beyond their ends.
    bool strokeThroughLayer(const QRectF& bounds, const std::function<void(QPainter&)>& stroke, bool joins = true);
    bool fillThroughLayer(const QPainterPath& path);
    void drawTextLines(const QString& text, Point origin, double width, double height, const TextAttributes& attributes,
                       TextDrawOptions options);

    // Beyond this many dashes (a long path in very short ones) the cutting is
    // left to Qt.
    static constexpr std::size_t maximumCutDashes = 200000;

    QPainter& painter_;
    QTransform base_;
    Applied applied_;
    std::vector<SavedLevel> levels_;
    QPainterPath scratchPath_;
    std::vector<QLineF> scratchLines_;
    std::vector<QPointF> scratchPoints_;
    FontMetricsTextMeasurer measurer_;
    TranslucentLayer layer_;
};

} // namespace charts
