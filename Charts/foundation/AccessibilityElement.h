#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

#include "Charts/drawing/Geometry.h"

namespace charts {

// One accessible part of a chart (its header, a data point): a label, a frame
// in the chart widget's coordinates and two flags. Renderers make them while
// drawing; the chart widget hands them to assistive technology as list items,
// or as static text for the header.
class AccessibilityElement {
public:
    enum class Role { row, staticText };

    // `container` is the chart widget holding the element; none when the
    // element belongs to no widget.
    explicit AccessibilityElement(QWidget* container);
    virtual ~AccessibilityElement() = default;

    // The widget holding the element; none once it is gone.
    QWidget* container() const { return container_.data(); }

    // A subclass that composes its label (composeLabel) does so on the first
    // read: renderers make an element for every item of every frame, and
    // most frames' labels are never read.
    const QString& label() const {
        if (labelPending_) {
            label_ = composeLabel();
            labelPending_ = false;
        }
        return label_;
    }
    void setLabel(const QString& label) {
        label_ = label;
        labelPending_ = false;
    }

    // In the container's coordinates. Setting it after the container is gone
    // leaves it unchanged.
    const Rect& frame() const { return frame_; }
    void setFrame(const Rect& frame);
    // The frame in screen coordinates; the frame itself without a container.
    Rect screenFrame() const;

    // The header is static text; every other element a row of the list.
    bool isHeader() const { return isHeader_; }
    void setHeader(bool header) { isHeader_ = header; }
    Role role() const { return isHeader_ ? Role::staticText : Role::row; }

    bool isSelected() const { return isSelected_; }
    void setSelected(bool selected) { isSelected_ = selected; }

protected:
    // The label of a subclass that composes it when first read; such a
    // subclass calls setLabelComposedOnRead() when it is made.
    virtual QString composeLabel() const { return QString(); }
    void setLabelComposedOnRead() { labelPending_ = true; }

private:
    QPointer<QWidget> container_;
    mutable QString label_;
    mutable bool labelPending_ = false;
    Rect frame_;
    bool isHeader_ = false;
    bool isSelected_ = false;
};

} // namespace charts
