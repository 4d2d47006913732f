#pragma once
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/ui/graphs/QuadCurveGraphData.h"
#include "platform/NotificationCenter.h"

class QLabel;

namespace Ui {
class QuadCurveGraphViewController;
}

namespace appui {

class ACQuadCurveGraph;

// The blended ink curves of "com.Vellumcrest.didUpdateBlendedQuadValues" as
// a view of their own, for any window to hold: one line per channel, named
// or not (the graph plots every curve, so it needs no names). A blend without
// curves makes the graph fully transparent, uncovering the empty-chart label
// beneath it, and keeps the last curves for the next plot. On appearing it
// makes its window a titled, closable, minimisable, resizable "Quad Curves"
// window of at least 320 x 240.
class QuadCurveGraphViewController final : public QWidget {
    Q_OBJECT
public:
    explicit QuadCurveGraphViewController(QWidget* parent = nullptr);
    ~QuadCurveGraphViewController() override;

    // The last non-empty blend received.
    QuadCurves quadArray;
    std::vector<std::string> inklist;

    ACQuadCurveGraph* quadCurveGraphView = nullptr;
    QLabel* emptyChartLabel = nullptr;

    static const QString noDataText;
    static const QString windowTitleText;
    static constexpr QSize minimumWindowSize{320, 240};

    // Observer of "com.Vellumcrest.didUpdateBlendedQuadValues"; an object of
    // another type is ignored.
    void updateInkGraphsWithNotification(const platform::Notification& notification);

    // The graph's opacity, 0 (transparent) or 1.
    double graphAlpha() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void viewDidLoad();
    void viewWillAppear();
    void setGraphAlpha(double alpha);

    std::unique_ptr<Ui::QuadCurveGraphViewController> ui_;
    // The window holding the view, looked up when it first appears.
    QPointer<QWidget> window_;
    // Set once the window's style was asked for, so that a window system
    // that refuses it is not asked again at every appearance.
    bool windowStyleRequested_ = false;
    platform::ObserverRegistration blendedCurves_;
};

} // namespace appui
