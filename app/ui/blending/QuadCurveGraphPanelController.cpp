#include "app/ui/blending/QuadCurveGraphPanelController.h"

#include <QVBoxLayout>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "ui_QuadCurveGraphPanelController.h"

namespace appui {

const QString QuadCurveGraphPanelController::noDataText =
    QStringLiteral("Update any setting to show quad curve graphs.");

QuadCurveGraphPanelController::QuadCurveGraphPanelController(QWidget* parent)
    : QWidget(parent, Qt::Tool),
      ui_(std::make_unique<Ui::QuadCurveGraphPanelController>()) {
    ui_->setupUi(this);
    quadCurveGraphView = charts::ChartViewBase::create<QuadCurveGraph>(ui_->quadCurveGraphViewPlace);
    quadCurveGraphView->setObjectName(QStringLiteral("quadCurveGraphView"));
    ui_->quadCurveGraphViewPlace->layout()->addWidget(quadCurveGraphView);
    windowDidLoad();
}

QuadCurveGraphPanelController::~QuadCurveGraphPanelController() = default;

void QuadCurveGraphPanelController::windowDidLoad() {
    quadCurveGraphView->setNoDataText(noDataText);
    quadCurveGraphView->setNoDataTextAlignment(charts::TextAlignment::center);
    blendedCurves_ = platform::observe(curves::NotificationName::didUpdateBlendedQuadValues(),
                                       [this](const platform::Notification& n) { updateInkGraphsWithNotification(n); });
    quadCurveGraphView->inkList = inklist;
    quadCurveGraphView->quadCurve = {std::vector<double>()};
}

void QuadCurveGraphPanelController::showWindow() {
    show();
    raise();
    activateWindow();
}

void QuadCurveGraphPanelController::updateInkGraphsWithNotification(const platform::Notification& notification) {
    const auto* curves = std::any_cast<BlendedCurvesPayload>(&notification.object);
    if (!curves) return;
    quadCurveGraphView->inkList = inklist;
    quadCurveGraphView->quadCurve = *curves;
    quadCurveGraphView->plotQuadCurves();
}

} // namespace appui
