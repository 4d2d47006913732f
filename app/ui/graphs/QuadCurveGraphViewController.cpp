#include "app/ui/graphs/QuadCurveGraphViewController.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLayout>
#include <QMetaObject>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "ui_QuadCurveGraphViewController.h"

namespace appui {

namespace {

constexpr Qt::WindowFlags titledClosableMinimizable =
    Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;

bool isResizable(const QWidget& window) {
    return window.maximumSize() == QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) &&
           !window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
}

} // namespace

const QString QuadCurveGraphViewController::noDataText =
    QStringLiteral("Update any setting to show quad curve graphs.");
const QString QuadCurveGraphViewController::windowTitleText = QStringLiteral("Quad Curves");

QuadCurveGraphViewController::QuadCurveGraphViewController(QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::QuadCurveGraphViewController>()) {
    ui_->setupUi(this);
    emptyChartLabel = ui_->emptyChartLabel;
    quadCurveGraphView = charts::ChartViewBase::create<ACQuadCurveGraph>(ui_->quadCurveGraphViewPlace);
    quadCurveGraphView->setObjectName(QStringLiteral("quadCurveGraphView"));
    // Opaque, the graph covers the label beneath it; its opacity alone
    // decides which of the two shows.
    quadCurveGraphView->setAutoFillBackground(true);
    auto* opacity = new QGraphicsOpacityEffect(quadCurveGraphView);
    opacity->setOpacity(1);
    quadCurveGraphView->setGraphicsEffect(opacity);
    ui_->quadCurveGraphViewPlace->layout()->addWidget(quadCurveGraphView);
    viewDidLoad();
}

QuadCurveGraphViewController::~QuadCurveGraphViewController() = default;

void QuadCurveGraphViewController::viewDidLoad() {
    quadCurveGraphView->inkList = inklist;
    quadCurveGraphView->setNoDataText(noDataText);
    quadCurveGraphView->setNoDataTextAlignment(charts::TextAlignment::center);
    blendedCurves_ = platform::observe(curves::NotificationName::didUpdateBlendedQuadValues(),
                                       [this](const platform::Notification& n) { updateInkGraphsWithNotification(n); });
    quadCurveGraphView->quadCurve = quadArray;
    quadCurveGraphView->plotQuadCurves();
}

void QuadCurveGraphViewController::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    viewWillAppear();
}

void QuadCurveGraphViewController::viewWillAppear() {
    if (!window_) window_ = window();
    const bool styled =
        (window_->windowFlags() & titledClosableMinimizable) == titledClosableMinimizable && isResizable(*window_);
    if (!styled && !windowStyleRequested_) {
        windowStyleRequested_ = true;
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // New flags remake the native window and hide it, which must not
        // happen while it is being shown: change them once the show is over,
        // then show it again.
        QMetaObject::invokeMethod(
            window_.data(),
            [window = window_] {
                if (!window) return;
                const bool visible = window->isVisible();
                window->setWindowFlags((window->windowFlags() | titledClosableMinimizable) &
                                       ~Qt::MSWindowsFixedSizeDialogHint);
                if (visible) window->show();
            },
            Qt::QueuedConnection);
    }
    window_->setMinimumSize(minimumWindowSize);
    window_->setWindowTitle(windowTitleText);
}

void QuadCurveGraphViewController::updateInkGraphsWithNotification(const platform::Notification& notification) {
    const auto* curves = std::any_cast<BlendedCurvesPayload>(&notification.object);
    if (!curves) return;
    if (curves->empty()) {
        setGraphAlpha(0);
        return;
    }
    quadArray = *curves;
    setGraphAlpha(1);
    quadCurveGraphView->quadCurve = quadArray;
    quadCurveGraphView->plotQuadCurves();
}

double QuadCurveGraphViewController::graphAlpha() const {
    return static_cast<const QGraphicsOpacityEffect*>(quadCurveGraphView->graphicsEffect())->opacity();
}

void QuadCurveGraphViewController::setGraphAlpha(double alpha) {
    static_cast<QGraphicsOpacityEffect*>(quadCurveGraphView->graphicsEffect())->setOpacity(alpha);
}

} // namespace appui
