#pragma once
#include <QColor>
#include <QLinearGradient>
#include <QRectF>
#include <QWidget>
#include <functional>
#include <optional>

namespace appui {

// A selection of the bar as two fractions, 0 to 1.
struct SelectionRange {
    double start = 0;
    double end = 1;
    double length() const { return end - start; }
    friend bool operator==(const SelectionRange&, const SelectionRange&) = default;
};

enum class DraggedSlider { start, end };
enum class RangeSliderKnobStyle { square, circular };
enum class RangeSliderColorStyle { grayscale, aqua };

// A horizontal slider with a start and an end knob over a rounded bar, the
// part between them filled. The selection can snap to whole steps of a value
// range. Changes are reported through `onControlChanged` and the start, end
// and length signals. Mouse input and full colours only while enabled.
class RangeSlider : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double start READ start NOTIFY startChanged)
    Q_PROPERTY(double end READ end NOTIFY endChanged)
    Q_PROPERTY(double length READ length NOTIFY lengthChanged)
public:
    explicit RangeSlider(QWidget* parent = nullptr);

    std::function<void(RangeSlider&)> onControlChanged;
    double minValue = 0;
    double maxValue = 1;
    bool snapsToIntegers = false;
    bool allowClicksOnBarToMoveSliders = true;
    RangeSliderColorStyle colorStyle = RangeSliderColorStyle::grayscale;
    RangeSliderKnobStyle knobStyle = RangeSliderKnobStyle::square;

    const SelectionRange& selection() const { return selection_; }
    // Assigns the selection, announcing what changed.
    void setSelection(const SelectionRange& selection);
    double start() const { return selection_.start; }
    double end() const { return selection_.end; }
    double length() const { return selection_.length(); }

    std::optional<DraggedSlider> currentSliderDragging;

    // Where the knobs are drawn and hit; a subclass may place them otherwise.
    virtual QRectF startKnobFrame() const;
    virtual QRectF endKnobFrame() const;

signals:
    void startChanged(double start);
    void endChanged(double end);
    void lengthChanged(double length);

protected:
    // Moves the dragged knob to a location; ignored when no knob is dragged.
    virtual void updateSelection(QPointF location);
    virtual QLinearGradient barFillGradient() const;
    virtual QColor fillStrokeColor() const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    double knobWidth() const;
    QRectF knobFrame(double x) const;

    SelectionRange selection_;
};

} // namespace appui
