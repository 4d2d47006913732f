#pragma once
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/NotificationCenter.h"

namespace Ui {
class QuadCurveGraphPanelController;
}

namespace appui {

class QuadCurveGraph;

// The blending screen's ink-curve panel, a tool window: its graph shows the
// blended curves that come with "com.Vellumcrest.didUpdateBlendedQuadValues",
// named "# K Curve" to "# LLK Curve"; before the first blend it says how to
// get one.
class QuadCurveGraphPanelController final : public QWidget {
    Q_OBJECT
public:
    explicit QuadCurveGraphPanelController(QWidget* parent = nullptr);
    ~QuadCurveGraphPanelController() override;

    std::vector<std::string> inklist{"# K Curve",  "# C Curve",  "# M Curve",  "# Y Curve",
                                     "# LC Curve", "# LM Curve", "# LK Curve", "# LLK Curve"};
    QuadCurveGraph* quadCurveGraphView = nullptr;

    static const QString noDataText;

    // Shows the window and brings it to the front.
    void showWindow();
    // Observer of "com.Vellumcrest.didUpdateBlendedQuadValues"; an object of
    // another type is ignored.
    void updateInkGraphsWithNotification(const platform::Notification& notification);

private:
    void windowDidLoad();

    std::unique_ptr<Ui::QuadCurveGraphPanelController> ui_;
    platform::ObserverRegistration blendedCurves_;
};

} // namespace appui
