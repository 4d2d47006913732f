#pragma once
#include <QColor>
#include <QWidget>
#include <vector>

#include "app/curves/core/CIELab.h"

class QLabel;

namespace appui {

class ColorSampleViewDelegate {
public:
    virtual ~ColorSampleViewDelegate() = default;
    // The patch under the mouse while it is pressed.
    virtual void colorSampleSelected(int index) = 0;
};

// A row of colour patches, one per Lab sample, left to right in steps of a
// 21st of the width. While the mouse is pressed over a patch a read-out shows
// its L*, a* and b*.
class ColorSampleView : public QWidget {
    Q_OBJECT
public:
    explicit ColorSampleView(QWidget* parent = nullptr);

    ColorSampleViewDelegate* delegate = nullptr; // not owned
    double patchHeight = 20;
    double patchWidth = 20;
    std::vector<curves::CIELab> colorSamples;

    // The read-out shown while the mouse is down.
    QLabel* label() const { return label_; }

    // The patch colour of a sample: Lab (D50) to XYZ to sRGB, each component
    // cut to 0 ... 1.
    static QColor patchColor(const curves::CIELab& sample);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showReadOut(QPointF location, bool pressed);

    QLabel* label_;
};

} // namespace appui
