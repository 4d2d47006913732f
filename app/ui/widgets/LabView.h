#pragma once
#include <QColor>
#include <vector>

#include "Charts/drawing/NamedColors.h"
#include "app/curves/core/CIELab.h"
#include "app/ui/widgets/YUpView.h"

namespace appui {

// Lab samples plotted against their index in one frame: L* on a 0 to 100
// scale, and a* and b* around a zero line on a -100 to 100 scale (-10 to 10
// with `abZoom`). Without samples it shows the neutral ramp.
class LabView : public YUpView {
    Q_OBJECT
public:
    explicit LabView(QWidget* parent = nullptr);

    std::vector<curves::CIELab> labArray;
    QColor gridColor = charts::named::lightGray();
    bool abZoom = false;

protected:
    void drawRect(QPainter& painter) override;
};

} // namespace appui
